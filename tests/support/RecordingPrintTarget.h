#pragma once

#include "PrintTarget.h"

#include <QList>
#include <QString>
#include <QStringList>

// Records what is printed, page by page, with a fixed width for every character.
class RecordingPrintTarget final : public PrintTarget {
public:
    struct Line {
        QString text;
        double x = 0;
        double y = 0;
        QString font; // name, size and "bold" when bold: "Courier New 10 bold"
    };
    struct Document {
        QList<QList<Line>> pages;
        bool ended = false;
    };

    double characterWidth = 100;
    double width = 12000;
    double lineHeight = 240;
    QString pdfFile; // reported as the output file of every document when set
    QString failure; // when set, printing a line fails with this message, as a printer can

    const QList<Document>& documents() const { return m_documents; }
    // The texts of one page of one document.
    QStringList texts(int document = 0, int page = 0) const;

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
    Document& open();

    QList<Document> m_documents;
    QString m_fontName;
    double m_fontSize = 0;
    bool m_bold = false;
    double m_x = 0;
    double m_y = 0;
    bool m_ended = false;
    bool m_pageBreakPending = false;
};
