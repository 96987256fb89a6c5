#pragma once

#include "PrintTarget.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

// Prints on the default printer; without one, writes the document to a PDF file instead.
// Starts a new sheet by itself when a line would pass the bottom of the page.
class PrinterTarget final : public PrintTarget {
public:
    enum class Destination { DefaultPrinterOrPdf, Pdf };

    explicit PrinterTarget(const QString& pdfPath,
                           Destination destination = Destination::DefaultPrinterOrPdf);
    ~PrinterTarget() override;
    Q_DISABLE_COPY_MOVE(PrinterTarget)

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setDocName(const QString& name) override;

    double pageWidth() override;
    double currentX() const override { return m_x; }
    void setCurrentX(double twips) override { m_x = twips; }
    double currentY() const override { return m_y; }
    void setCurrentY(double twips) override { m_y = twips; }
    double textWidth(const QString& text) override;

    void printLine(const QString& text) override;
    void newPage() override;
    void endDocument() override;
    QString outputFile() const override { return m_outputFile; }

private:
    [[noreturn]] void fail(const QString& message);
    QPrinter& printer();
    QPainter& painter();
    double toTwips(double deviceUnits);
    double toDevice(double twips);

    QString m_pdfPath;
    Destination m_destination;
    QString m_outputFile;
    QString m_docName;
    QFont m_font;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    double m_x = 0;
    double m_y = 0;
    bool m_pageBreakPending = false;
};
