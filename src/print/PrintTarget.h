#pragma once

#include <QString>

// What a printout is printed on. Positions and widths are in twips (1/1440 inch) from the top
// left corner of the printable area. A document begins with the first thing printed and ends
// with endDocument(); the target can then take the next one.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;
    // The name a print queue shows for the next document.
    virtual void setDocName(const QString& name) = 0;
    // Where the next document goes when there is no printer to take it.
    virtual void setPdfPath(const QString& path) = 0;

    virtual double pageWidth() = 0;
    virtual double currentX() const = 0;
    virtual void setCurrentX(double twips) = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentY(double twips) = 0;
    // The width text takes when printed in the current font.
    virtual double textWidth(const QString& text) = 0;

    // Prints text at the current position and moves to the start of the next line.
    virtual void printLine(const QString& text) = 0;
    // Whether a line printed now would begin a new sheet; never, where there are no sheets.
    virtual bool nextLineStartsSheet() { return false; }
    virtual void newPage() = 0;
    virtual void endDocument() = 0;

    // The file the last document was written to instead of a printer; empty when it went to a
    // printer.
    virtual QString outputFile() const = 0;
};
