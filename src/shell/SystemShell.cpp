#include "SystemShell.h"

#ifdef Q_OS_WIN

#include <QDir>
#include <qt_windows.h>
#include <shellapi.h>
#include <shlwapi.h>

std::optional<QString> SystemShell::findOpeningProgram(const QString& file) {
    wchar_t program[MAX_PATH] = {};
    const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(
        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(file).utf16()), L"", program));
    if (result <= 32)
        return std::nullopt;
    return QString::fromWCharArray(program);
}

std::optional<QString> SystemShell::findUrlProgram(const QString& scheme) {
    wchar_t program[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (AssocQueryStringW(ASSOCF_IS_PROTOCOL, ASSOCSTR_EXECUTABLE,
                          reinterpret_cast<const wchar_t*>(scheme.utf16()), nullptr, program,
                          &size) != S_OK)
        return std::nullopt;
    return QString::fromWCharArray(program);
}

bool SystemShell::startProgram(const QString& program, const QString& parameter) {
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

// A desktop entry's value as its string rules read it: \s, \n, \t, \r and \\ stand for a blank,
// a line break, a tab, a return and a backslash.
QString unescaped(QStringView value) {
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            text += c;
            continue;
        }
        const QChar next = value[++i];
        const qsizetype known = QStringView(u"sntr\\").indexOf(next);
        if (known < 0)
            text += c;
        text += known < 0 ? next : QStringView(u" \n\t\r\\")[known];
    }
    return text;
}

// The Exec line of a desktop entry, or the empty string.
QString execLineOf(const QString& desktopEntry) {
    QFile file(desktopEntry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec=")))
            return unescaped(QStringView(line).mid(5).trimmed());
    }
    return {};
}

// The words of an Exec line, as the desktop-entry rules read them: double quotes around a word
// with blanks, a backslash before " ` $ and \ within them; %f %F %u %U become the page, %% a
// percent sign, and the other field codes are dropped. A line without a code for the page gets
// it at its end. Nothing when the line cannot be read.
std::optional<QStringList> execArguments(const QString& exec, const QString& page) {
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    bool pageGiven = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"')
                quoted = false;
            else if (c == u'\\' && i + 1 < exec.size() &&
                     QStringView(u"\"`$\\").contains(exec[i + 1]))
                word += exec[++i];
            else
                word += c;
        } else if (c == u' ' || c == u'\t') {
            if (inWord)
                words.append(std::exchange(word, QString()));
            inWord = false;
        } else if (c == u'"') {
            quoted = inWord = true;
        } else if (c == u'%' && i + 1 < exec.size()) {
            const QChar code = exec[++i];
            if (code == u'%') {
                word += code;
                inWord = true;
            } else if (QStringView(u"fFuU").contains(code)) {
                word += page;
                inWord = pageGiven = true;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words.append(word);
    if (!pageGiven)
        words.append(page);
    if (words.size() < 2 || words.first().isEmpty())
        return std::nullopt;
    return words;
}

// The command line of the desktop's program for the MIME type, when it can open argument.
std::optional<QString> programFor(const QString& type, const QString& argument) {
    const QString entry =
        type.isEmpty() ? QString()
                       : askXdgMime({QStringLiteral("query"), QStringLiteral("default"), type});
    const QString path = entry.isEmpty()
                             ? QString()
                             : QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    const QString exec = path.isEmpty() ? QString() : execLineOf(path);
    const std::optional<QStringList> words = execArguments(exec, argument);
    if (!words || QStandardPaths::findExecutable(words->first()).isEmpty())
        return std::nullopt;
    return exec;
}

} // namespace

std::optional<QString> SystemShell::findOpeningProgram(const QString& file) {
    return programFor(askXdgMime({QStringLiteral("query"), QStringLiteral("filetype"), file}),
                      file);
}

std::optional<QString> SystemShell::findUrlProgram(const QString& scheme) {
    return programFor(QStringLiteral("x-scheme-handler/") + scheme, scheme + u':');
}

bool SystemShell::startProgram(const QString& program, const QString& parameter) {
    const std::optional<QStringList> words = execArguments(program, parameter);
    return words && QProcess::startDetached(words->first(), words->mid(1));
}

#endif
