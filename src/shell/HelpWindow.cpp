#include "HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

const char* const HelpWindow::Page = ":/help/vittlo.html";

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Vittlo! Help"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("HelpText"));
    browser->setSource(QUrl(QStringLiteral("qrc") + QLatin1String(Page)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(640, 560);
}
