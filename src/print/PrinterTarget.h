#pragma once

#include "PrintTarget.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;

// Prints on the default printer; without one, writes the document to a PDF file instead, with
// margins like a printer's so that the PDF prints whole. Or prints on a printer set up elsewhere,
// such as a print preview's. Starts a new sheet by itself when a line would pass the bottom of
// the page.
class PrinterTarget final : public PrintTarget {
public:
    enum class Destination { DefaultPrinterOrPdf, Pdf };
    // The margin of a PDF on every side, in millimetres.
    static constexpr double PdfMargin = 15;

    explicit PrinterTarget(const QString& pdfPath,
                           Destination destination = Destination::DefaultPrinterOrPdf);
    // Prints on printer, which stays set up as it is.
    explicit PrinterTarget(QPrinter& printer);
    ~PrinterTarget() override;

    // Sets printer up as a target of pdfPath and destination prints: the default printer, or
    // the PDF file with a printer's margins.
    static void setUp(QPrinter& printer, const QString& pdfPath,
                      Destination destination = Destination::DefaultPrinterOrPdf);
    Q_DISABLE_COPY_MOVE(PrinterTarget)

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setDocName(const QString& name) override;
    void setPdfPath(const QString& path) override { m_pdfPath = path; }

    double pageWidth() override;
    double currentX() const override { return m_x; }
    void setCurrentX(double twips) override { m_x = twips; }
    double currentY() const override { return m_y; }
    void setCurrentY(double twips) override { m_y = twips; }
    double textWidth(const QString& text) override;

    void printLine(const QString& text) override;
    bool nextLineStartsSheet() override;
    void newPage() override;
    void endDocument() override;
    QString outputFile() const override { return m_outputFile; }

private:
    [[noreturn]] void fail(const QString& message);
    void forgetOwnPrinter();
    QPrinter& printer();
    QPainter& painter();
    double toTwips(double deviceUnits);
    double toDevice(double twips);

    QString m_pdfPath;
    Destination m_destination;
    QString m_outputFile;
    QString m_docName;
    QFont m_font;
    std::unique_ptr<QPrinter> m_ownPrinter;
    // The printer of this document: the own one, or the one given.
    QPrinter* m_printer = nullptr;
    QPainter m_painter;
    double m_x = 0;
    double m_y = 0;
    bool m_pageBreakPending = false;
};
