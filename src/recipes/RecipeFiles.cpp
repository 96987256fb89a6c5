#include "RecipeFiles.h"

#include "Blanks.h"
#include "EntryListFile.h"
#include "ListOrder.h"
#include "TextFile.h"
#include "Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString RecipeExtension = u".rcp"_s;
const QString NoteExtension = u".txt"_s;
constexpr qsizetype LongestName = 120;

} // namespace

RecipeFiles::RecipeFiles(const QDir& dir)
    : m_dir(dir) {}

QString RecipeFiles::nameProblem(const QString& name) const {
    const QString trimmed = Blanks::trimmed(name);
    bool forbidden = false;
    for (const QChar c : name)
        forbidden = forbidden || c.unicode() < 32 || c == u'\x7f' || u"\\/:*?\"<>|"_s.contains(c);
    // Names another system would change are not made here, but one that is there is used.
    const bool changed = name.startsWith(u' ') || name.endsWith(u' ') || name.endsWith(u'.');
    if (trimmed.isEmpty() || forbidden || trimmed == u"." || trimmed == u".." ||
        (changed && !QFileInfo(m_dir.filePath(name + RecipeExtension)).isFile()) ||
        name.size() > LongestName)
        return u"A recipe name cannot hold any of the characters \\ / : * ? \" < > | or a "
               "control character, cannot begin or end in a blank, cannot end in a dot, and has "
               "at most 120 characters."_s;
    // Its note would be the import file, whatever the case of its name.
    if (trimmed.compare(u"import"_s, Qt::CaseInsensitive) == 0)
        return u"A recipe cannot be named \"%1\": its notes would be kept in import.txt, the "
               "file that File > Import reads."_s.arg(name);
    return {};
}

QString RecipeFiles::fileName(const QString& name, const QString& extension) const {
    Q_ASSERT(nameProblem(name).isEmpty());
    return name + extension;
}

QStringList RecipeFiles::recipeFileNames() const {
    // A file named ".rcp" alone is a recipe too, though Unix calls it hidden.
    QDir::Filters filters = QDir::Files | QDir::Hidden;
#ifndef Q_OS_WIN
    // Only names the recipe's own file name matches, ".rcp" in lower case.
    filters |= QDir::CaseSensitive;
#endif
    QStringList names = m_dir.entryList({u"*"_s + RecipeExtension}, filters, QDir::Name);
    std::stable_sort(names.begin(), names.end(), ListOrder::lessThan);
    return names;
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
    return Windows1252::decode(TextFile::read(m_dir, fileName(name, NoteExtension)));
}

void RecipeFiles::writeNote(const QString& name, const QString& text) const {
    TextFile::write(m_dir, fileName(name, NoteExtension), Windows1252::encode(text) + "\r\n");
}

void RecipeFiles::removeNote(const QString& name) const {
    TextFile::remove(m_dir, fileName(name, NoteExtension));
}
