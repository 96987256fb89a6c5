#pragma once

#include "PrintTarget.h"

#include <QList>
#include <QString>
#include <QStringList>

// Records what is printed, with a fixed width for every character. The log holds the printed
// texts in order, "#page" for each new page and "#end" for each end of a document.
class RecordingPrintTarget final : public PrintTarget {
public:
    double characterWidth = 100;
    double width = 12000;
    double lineHeight = 240;
    QString pdfFile; // reported as the output file of every ended document when set
    QString failure; // when set, printing a line fails with this message, as a printer can
    QStringList log;
    // The position and font of each printed line: "1,1000 Courier New 10 bold".
    QStringList placesAndFonts;

    void setFontName(const QString& name) override { m_fontName = name; }
    void setFontSize(double points) override { m_fontSize = points; }
    void setFontBold(bool bold) override { m_bold = bold; }
    double pageWidth() override { return width; }
    double currentX() const override { return m_x; }
    void setCurrentX(double twips) override { m_x = twips; }
    double currentY() const override { return m_y; }
    void setCurrentY(double twips) override { m_y = twips; }
    double textWidth(const QString& text) override { return text.size() * characterWidth; }
    void printLine(const QString& text) override;
    void newPage() override;
    void endDocument() override;
    QString outputFile() const override { return m_ended ? pdfFile : QString(); }

private:
    QString m_fontName;
    double m_fontSize = 0;
    bool m_bold = false;
    double m_x = 0;
    double m_y = 0;
    bool m_ended = false;
};
