#pragma once

#include "DesktopShell.h"

#include <QFileInfo>
#include <QStringList>

// A desktop that answers as it is told and records what it was asked: "find junk.HTM" (with
// " (missing)" when the file was not there, " (private)" when only its owner may enter its
// folder), "find SCHEME:" and "start PROGRAM PARAMETER".
class ScriptedShell final : public DesktopShell {
public:
    std::optional<QString> browser; // what findOpeningProgram answers
    std::optional<QString> mailer;  // what findUrlProgram answers
    bool starts = true;             // what startProgram answers
    QStringList calls;

    std::optional<QString> findOpeningProgram(const QString& file) override {
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        calls.append(QStringLiteral("find ") + QFileInfo(file).fileName() +
                     (QFileInfo::exists(file) ? QString() : QStringLiteral(" (missing)")) +
                     (QFileInfo(QFileInfo(file).path()).permissions() & others
                          ? QString()
                          : QStringLiteral(" (private)")));
        return browser;
    }
    std::optional<QString> findUrlProgram(const QString& scheme) override {
        calls.append(QStringLiteral("find ") + scheme + u':');
        return mailer;
    }
    bool startProgram(const QString& program, const QString& parameter) override {
        calls.append(QStringLiteral("start ") + program + u' ' + parameter);
        return starts;
    }
};
