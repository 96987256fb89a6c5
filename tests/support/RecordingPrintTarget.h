#pragma once

#include "PrintError.h"
#include "PrintTarget.h"

#include <QStringList>

// Records what is printed on a page 12000 twips wide, 100 twips a character and 240 a line. The
// log holds the printed texts in order, "#page" for each new page and "#end" for each end of a
// document; placesAndFonts holds each line's place and font: "1,1000 Courier New 10 bold".
class RecordingPrintTarget final : public PrintTarget {
public:
    QString pdfFile; // reported as the output file of every ended document when set
    QString failure; // when set, printing a line fails with this message, as a printer can
    QStringList log;
    QStringList placesAndFonts;
    QString docName;

    void setFontName(const QString& name) override { m_font[0] = name; }
    void setFontSize(double points) override { m_font[1] = QString::number(points); }
    void setFontBold(bool bold) override { m_font[2] = bold ? QStringLiteral(" bold") : QString(); }
    void setDocName(const QString& name) override { docName = name; }
    void setPdfPath(const QString& path) override {
        if (!pdfFile.isEmpty())
            pdfFile = path;
    }
    double pageWidth() override { return 12000; }
    double currentX() const override { return m_x; }
    void setCurrentX(double twips) override { m_x = twips; }
    double currentY() const override { return m_y; }
    void setCurrentY(double twips) override { m_y = twips; }
    double textWidth(const QString& text) override { return text.size() * 100.0; }
    void printLine(const QString& text) override {
        if (!failure.isEmpty())
            throw PrintError(failure);
        log.append(text);
        placesAndFonts.append(
            QStringLiteral("%1,%2 %3 %4%5").arg(m_x).arg(m_y).arg(m_font[0], m_font[1], m_font[2]));
        m_x = 0;
        m_y += 240;
        m_ended = false;
    }
    void newPage() override { restart(QStringLiteral("#page"), false); }
    void endDocument() override { restart(QStringLiteral("#end"), true); }
    QString outputFile() const override { return m_ended ? pdfFile : QString(); }

private:
    void restart(const QString& mark, bool ended) {
        log.append(mark);
        m_x = m_y = 0;
        m_ended = ended;
    }

    QString m_font[3];
    double m_x = 0;
    double m_y = 0;
    bool m_ended = false;
};
