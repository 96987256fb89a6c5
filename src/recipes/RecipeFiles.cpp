#include "RecipeFiles.h"

#include "Blanks.h"
#include "EntryListFile.h"
#include "FileError.h"
#include "Windows1252.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QString RecipeExtension = u".rcp"_s;
const QString NoteExtension = u".txt"_s;
constexpr qsizetype LongestName = 120;

} // namespace

RecipeFiles::RecipeFiles(const QDir& dir)
    : m_dir(dir) {}

QString RecipeFiles::nameProblem(const QString& name) {
    const QString trimmed = Blanks::trimmed(name);
    bool forbidden = false;
    for (const QChar c : name)
        forbidden = forbidden || c.unicode() < 32 || c == u'\x7f' || u"\\/:*?\"<>|"_s.contains(c);
    if (trimmed.isEmpty() || forbidden || trimmed == u"." || trimmed == u".." ||
        name.endsWith(u' ') || name.endsWith(u'.') || name.size() > LongestName)
        return u"A recipe name cannot hold any of the characters \\ / : * ? \" < > | or a "
               "control character, cannot end in a blank or a dot, and has at most 120 "
               "characters."_s;
    return {};
}

QString RecipeFiles::fileName(const QString& name, const QString& extension) const {
    // Whatever the name, the file stays in the program's directory.
    if (name.contains(u'/') || name.contains(u'\\') || name == u"." || name == u"..")
        throw FileError(name + extension, nameProblem(name));
    return name + extension;
}

QStringList RecipeFiles::recipeFileNames() const {
    // A file named ".rcp" alone is a recipe too, though Unix calls it hidden.
    QDir::Filters filters = QDir::Files | QDir::Hidden;
#ifndef Q_OS_WIN
    // Only names the recipe's own file name matches, ".rcp" in lower case.
    filters |= QDir::CaseSensitive;
#endif
    return m_dir.entryList({u"*"_s + RecipeExtension}, filters, QDir::Name | QDir::IgnoreCase);
}

bool RecipeFiles::recipeExists(const QString& name) const {
    return QFile::exists(m_dir.filePath(fileName(name, RecipeExtension)));
}

QStringList RecipeFiles::readRecipe(const QString& name) const {
    return EntryListFile(m_dir, fileName(name, RecipeExtension)).read();
}

void RecipeFiles::writeRecipe(const QString& name, const QStringList& entries) const {
    EntryListFile(m_dir, fileName(name, RecipeExtension)).write(entries);
}

void RecipeFiles::removeRecipe(const QString& name) const {
    EntryListFile(m_dir, fileName(name, RecipeExtension)).remove();
}

QString RecipeFiles::readNote(const QString& name) const {
    const QString file = fileName(name, NoteExtension);
    QFile note(m_dir.filePath(file));
    // ReadWrite creates the file when it is missing.
    if (!note.open(QIODevice::ReadWrite))
        throw FileError(file, note.errorString());
    const QByteArray bytes = note.readAll();
    if (note.error() != QFileDevice::NoError)
        throw FileError(file, note.errorString());
    return Windows1252::decode(bytes);
}

void RecipeFiles::writeNote(const QString& name, const QString& text) const {
    const QString file = fileName(name, NoteExtension);
    const QByteArray bytes = Windows1252::encode(text) + "\r\n";
    QSaveFile note(m_dir.filePath(file));
    if (!note.open(QIODevice::WriteOnly) || note.write(bytes) != bytes.size() || !note.commit())
        throw FileError(file, note.errorString());
}

void RecipeFiles::removeNote(const QString& name) const {
    const QString file = fileName(name, NoteExtension);
    QFile note(m_dir.filePath(file));
    if (note.exists() && !note.remove())
        throw FileError(file, note.errorString());
}
