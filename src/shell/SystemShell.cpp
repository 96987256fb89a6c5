#include "SystemShell.h"

#ifdef Q_OS_WIN

#include <QDir>
#include <qt_windows.h>
#include <shellapi.h>

std::optional<QString> SystemShell::FindExecutable(const QString& file) {
    wchar_t program[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(file).utf16()), L"", program));
    if (result <= 32)
        return std::nullopt;
    return QString::fromWCharArray(program);
}

bool SystemShell::ShellExecute(const QString& program, const QString& parameter) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t*>(program.utf16()),
                      reinterpret_cast<const wchar_t*>(parameter.utf16()), L"", SW_SHOWNORMAL));
    return result > 32;
}

#else

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

// What xdg-mime answers, or the empty string when it cannot.
QString askXdgMime(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdg-mime"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The program of a desktop entry's Exec line: its first word, without quotes.
QString programOf(const QString& desktopEntry) {
    QFile file(desktopEntry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec="))) {
            const QString exec = line.mid(5).trimmed();
            if (exec.startsWith(u'"'))
                return exec.mid(1, exec.indexOf(u'"', 1) - 1);
            return exec.section(u' ', 0, 0);
        }
    }
    return {};
}

} // namespace

std::optional<QString> SystemShell::FindExecutable(const QString& file) {
    const QString type = askXdgMime({QStringLiteral("query"), QStringLiteral("filetype"), file});
    const QString entry =
        type.isEmpty() ? QString()
                       : askXdgMime({QStringLiteral("query"), QStringLiteral("default"), type});
    const QString path = entry.isEmpty()
                             ? QString()
                             : QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    const QString program = path.isEmpty() ? QString() : programOf(path);
    const QString found = program.isEmpty() ? QString() : QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return std::nullopt;
    return found;
}

bool SystemShell::ShellExecute(const QString& program, const QString& parameter) {
    return QProcess::startDetached(program, {parameter});
}

#endif
