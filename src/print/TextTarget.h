#pragma once

#include "PrintTarget.h"

#include <QStringList>

// A printout as plain text: the lines printed, in order, one character one unit wide.
class TextTarget final : public PrintTarget {
public:
    const QStringList& lines() const { return m_lines; }

    void setFontName(const QString&) override {}
    void setFontSize(double) override {}
    void setFontBold(bool) override {}
    void setDocName(const QString&) override {}
    void setPdfPath(const QString&) override {}
    double pageWidth() override { return 0; }
    double currentX() const override { return 0; }
    void setCurrentX(double) override {}
    double currentY() const override { return 0; }
    void setCurrentY(double) override {}
    double textWidth(const QString& text) override { return double(text.size()); }
    void printLine(const QString& text) override { m_lines.append(text); }
    void newPage() override {}
    void endDocument() override {}
    QString outputFile() const override { return {}; }

private:
    QStringList m_lines;
};
