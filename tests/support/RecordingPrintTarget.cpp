#include "RecordingPrintTarget.h"

#include "PrintError.h"

QStringList RecordingPrintTarget::texts(int document, int page) const {
    QStringList result;
    if (document < m_documents.size() && page < m_documents.at(document).pages.size())
        for (const Line& line : m_documents.at(document).pages.at(page))
            result.append(line.text);
    return result;
}

RecordingPrintTarget::Document& RecordingPrintTarget::open() {
    if (m_documents.isEmpty() || m_documents.last().ended)
        m_documents.append(Document{{QList<Line>()}, false});
    m_ended = false;
    return m_documents.last();
}

void RecordingPrintTarget::printLine(const QString& text) {
    if (!failure.isEmpty())
        throw PrintError(failure);
    const QString font = QStringLiteral("%1 %2%3")
                             .arg(m_fontName)
                             .arg(m_fontSize)
                             .arg(m_bold ? QStringLiteral(" bold") : QString());
    Document& document = open();
    if (m_pageBreakPending) {
        m_pageBreakPending = false;
        document.pages.append(QList<Line>());
    }
    document.pages.last().append({text, m_x, m_y, font});
    m_x = 0;
    m_y += lineHeight;
}

void RecordingPrintTarget::newPage() {
    // Like a printer, the new sheet starts with its first line.
    open();
    m_pageBreakPending = true;
    m_x = 0;
    m_y = 0;
}

void RecordingPrintTarget::endDocument() {
    if (!m_documents.isEmpty() && !m_documents.last().ended) {
        m_documents.last().ended = true;
        m_ended = true;
    }
    m_pageBreakPending = false;
    m_x = 0;
    m_y = 0;
}
