#include "PrinterTarget.h"

#include "PrintError.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

PrinterTarget::PrinterTarget(const QString& pdfPath, Destination destination)
    : m_pdfPath(pdfPath)
    , m_destination(destination) {}

PrinterTarget::PrinterTarget(QPrinter& printer)
    : m_destination(Destination::DefaultPrinterOrPdf)
    , m_printer(&printer) {}

PrinterTarget::~PrinterTarget() {
    if (m_painter.isActive())
        m_painter.end();
}

void PrinterTarget::setUp(QPrinter& printer, const QString& pdfPath, Destination destination) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (destination == Destination::Pdf || info.isNull()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        // A PDF is printed in the end too, on a printer that cannot print to the sheet's edge.
        printer.setPageMargins(QMarginsF(PdfMargin, PdfMargin, PdfMargin, PdfMargin),
                               QPageLayout::Millimeter);
    } else {
        printer.setPrinterName(info.printerName());
    }
}

QPrinter& PrinterTarget::printer() {
    if (!m_printer) {
        m_ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setUp(*m_ownPrinter, m_pdfPath, m_destination);
        m_printer = m_ownPrinter.get();
    }
    if (!m_painter.isActive())
        m_printer->setDocName(m_docName);
    return *m_printer;
}

QPainter& PrinterTarget::painter() {
    if (!m_painter.isActive()) {
        QPrinter& device = printer();
        if (!m_painter.begin(&device))
            fail(device.outputFormat() == QPrinter::PdfFormat
                     ? QStringLiteral("The printout could not be written to %1.")
                           .arg(QDir::toNativeSeparators(m_pdfPath))
                     : QStringLiteral("The printer %1 could not be started.")
                           .arg(device.printerName()));
        m_painter.setFont(m_font);
    }
    return m_painter;
}

void PrinterTarget::setFontName(const QString& name) {
    m_font.setFamily(name);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void PrinterTarget::setFontSize(double points) {
    m_font.setPointSizeF(points);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void PrinterTarget::setDocName(const QString& name) {
    m_docName = name;
}

void PrinterTarget::setFontBold(bool bold) {
    m_font.setBold(bold);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

double PrinterTarget::toTwips(double deviceUnits) {
    return deviceUnits * 1440.0 / printer().resolution();
}

double PrinterTarget::toDevice(double twips) {
    return twips * printer().resolution() / 1440.0;
}

double PrinterTarget::pageWidth() {
    return toTwips(printer().pageLayout().paintRectPixels(printer().resolution()).width());
}

namespace {

// A text holding line breaks takes the width of its widest line and prints as several lines.
QStringList linesOf(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|\\r|\\n"));
    return text.split(lineBreak);
}

} // namespace

double PrinterTarget::textWidth(const QString& text) {
    const QFontMetricsF metrics(m_font, &printer());
    double widest = 0;
    for (const QString& line : linesOf(text))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return toTwips(widest);
}

void PrinterTarget::printLine(const QString& text) {
    QPainter& p = painter();
    if (m_pageBreakPending) {
        m_pageBreakPending = false;
        if (!m_printer->newPage())
            fail(QStringLiteral("The printer could not start a new page."));
    }
    const QFontMetricsF metrics(m_font, &printer());
    const double pageHeight =
        printer().pageLayout().paintRectPixels(printer().resolution()).height();
    const double x = m_x;
    for (const QString& line : linesOf(text)) {
        // A line that would pass the bottom of the page starts the next sheet.
        if (m_y > 0 && toDevice(m_y) + metrics.height() > pageHeight) {
            if (!m_printer->newPage())
                fail(QStringLiteral("The printer could not start a new page."));
            m_y = 0;
        }
        p.drawText(QPointF(toDevice(x), toDevice(m_y) + metrics.ascent()), line);
        m_y += toTwips(metrics.lineSpacing());
    }
    m_x = 0;
}

bool PrinterTarget::nextLineStartsSheet() {
    if (m_pageBreakPending)
        return true;
    const QFontMetricsF metrics(m_font, &printer());
    const double pageHeight =
        printer().pageLayout().paintRectPixels(printer().resolution()).height();
    return m_y > 0 && toDevice(m_y) + metrics.height() > pageHeight;
}

void PrinterTarget::newPage() {
    painter();
    if (m_pageBreakPending && !m_printer->newPage())
        fail(QStringLiteral("The printer could not start a new page."));
    // The sheet starts with its first line, so a document never ends on a blank one.
    m_pageBreakPending = true;
    m_x = 0;
    m_y = 0;
}

void PrinterTarget::endDocument() {
    if (m_painter.isActive()) {
        const bool toPdf = m_printer->outputFormat() == QPrinter::PdfFormat;
        const bool ended = m_painter.end();
        m_outputFile = toPdf ? m_printer->outputFileName() : QString();
        if (!ended)
            fail(QStringLiteral("The printout could not be finished."));
    }
    forgetOwnPrinter();
    m_pageBreakPending = false;
    m_x = 0;
    m_y = 0;
}

void PrinterTarget::forgetOwnPrinter() {
    // A printer given stays for the next document; the own one is set up afresh for it.
    if (m_ownPrinter) {
        m_ownPrinter.reset();
        m_printer = nullptr;
    }
}

void PrinterTarget::fail(const QString& message) {
    // The document is abandoned, so the next printout begins afresh.
    if (m_painter.isActive())
        m_painter.end();
    forgetOwnPrinter();
    m_pageBreakPending = false;
    m_x = 0;
    m_y = 0;
    throw PrintError(message);
}
