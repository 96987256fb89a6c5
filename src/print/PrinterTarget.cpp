#include "PrinterTarget.h"

#include "PrintError.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

PrinterTarget::PrinterTarget(const QString& pdfPath, Destination destination)
    : m_pdfPath(pdfPath)
    , m_destination(destination) {}

PrinterTarget::~PrinterTarget() {
    if (m_painter.isActive())
        m_painter.end();
}

QPrinter& PrinterTarget::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (m_destination == Destination::Pdf || info.isNull()) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(m_pdfPath);
        } else {
            m_printer->setPrinterName(info.printerName());
        }
    }
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

double PrinterTarget::textWidth(const QString& text) {
    return toTwips(QFontMetricsF(m_font, &printer()).horizontalAdvance(text));
}

void PrinterTarget::printLine(const QString& text) {
    QPainter& p = painter();
    const QFontMetricsF metrics(m_font, &printer());
    const double pageHeight =
        printer().pageLayout().paintRectPixels(printer().resolution()).height();
    if (m_y > 0 && toDevice(m_y) + metrics.height() > pageHeight)
        newPage();
    p.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
    m_x = 0;
    m_y += toTwips(metrics.lineSpacing());
}

void PrinterTarget::newPage() {
    painter();
    if (!m_printer->newPage())
        fail(QStringLiteral("The printer could not start a new page."));
    m_x = 0;
    m_y = 0;
}

void PrinterTarget::endDocument() {
    if (m_painter.isActive()) {
        const bool toPdf = m_printer->outputFormat() == QPrinter::PdfFormat;
        const bool ended = m_painter.end();
        m_outputFile = toPdf ? m_pdfPath : QString();
        if (!ended)
            fail(QStringLiteral("The printout could not be finished."));
    }
    m_printer.reset();
    m_x = 0;
    m_y = 0;
}

void PrinterTarget::fail(const QString& message) {
    // The document is abandoned, so the next printout begins afresh.
    if (m_painter.isActive())
        m_painter.end();
    m_printer.reset();
    m_x = 0;
    m_y = 0;
    throw PrintError(message);
}
