#include "RecordingPrintTarget.h"

#include "PrintError.h"

using namespace Qt::StringLiterals;

void RecordingPrintTarget::printLine(const QString& text) {
    if (!failure.isEmpty())
        throw PrintError(failure);
    placesAndFonts.append(u"%1,%2 %3 %4%5"_s.arg(m_x)
                              .arg(m_y)
                              .arg(m_fontName)
                              .arg(m_fontSize)
                              .arg(m_bold ? u" bold"_s : QString()));
    log.append(text);
    m_ended = false;
    m_x = 0;
    m_y += lineHeight;
}

void RecordingPrintTarget::newPage() {
    log.append(u"#page"_s);
    m_ended = false;
    m_x = 0;
    m_y = 0;
}

void RecordingPrintTarget::endDocument() {
    log.append(u"#end"_s);
    m_ended = true;
    m_x = 0;
    m_y = 0;
}
