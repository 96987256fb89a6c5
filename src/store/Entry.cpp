#include "Entry.h"

#include "Blanks.h"
#include "ListFiles.h"

using namespace Qt::StringLiterals;

namespace {

const QString Separator = QString(ListFiles::EntrySeparator) + u' ';
const QString OneTime = u"special"_s;

} // namespace

Entry::Entry(QString text, int count)
    : m_text(std::move(text))
    , m_count(count) {
    const QStringView trimmed = Blanks::trimmedView(m_text);
    m_begin = trimmed.data() - m_text.constData();
    m_end = m_begin + trimmed.size();
    // A category has at most 30 characters, so the separator stands within the first 31; a
    // degree sign without a blank after it belongs to the text.
    const qsizetype separator = trimmed.indexOf(Separator);
    if (separator >= 0 && separator < ListFiles::SeparatorSearchLength)
        m_separator = m_begin + separator;
}

Entry Entry::ofCategory(QStringView category, QStringView item) {
    return Entry(Blanks::trimmed(category) + Separator + item.toString());
}

Entry Entry::oneTime(QStringView text) {
    return ofCategory(OneTime, text);
}

bool Entry::isOneTime() const {
    return hasCategory() && QStringView(m_text).sliced(m_begin, m_separator - m_begin) == OneTime;
}

QString Entry::category() const {
    return hasCategory() ? m_text.sliced(m_begin, m_separator - m_begin) : QString();
}

QString Entry::item() const {
    const qsizetype from = hasCategory() ? m_separator + Separator.size() : m_begin;
    return m_text.sliced(from, std::max(m_end, from) - from);
}
