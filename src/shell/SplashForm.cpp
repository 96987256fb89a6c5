#include "SplashForm.h"

#include "ShellMenu.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SplashForm::SplashForm(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("SplashForm"));
    setWindowTitle(QStringLiteral("Vittlo!"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vittlo.png")));
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap(QStringLiteral(":/icons/splash.png")));
    image->setAlignment(Qt::AlignCenter);
    auto* notice = new QLabel(ShellMenu::RightsNotice, this);
    notice->setObjectName(QStringLiteral("Label1"));
    notice->setAlignment(Qt::AlignCenter);
    auto* clickMe = new QPushButton(QStringLiteral("Click Me"), this);
    clickMe->setObjectName(QStringLiteral("Command1"));
    clickMe->setFont(QFont(QStringLiteral("MS Sans Serif")));
    clickMe->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(image);
    layout->addWidget(notice);
    layout->addWidget(clickMe, 0, Qt::AlignCenter);
    connect(clickMe, &QPushButton::clicked, this, &QWidget::close);
    clickMe->setFocus();
}

void SplashForm::keyPressEvent(QKeyEvent* event) {
    // Enter presses "Click Me", as in a dialog, wherever the focus is.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        close();
    else
        QWidget::keyPressEvent(event);
}

void SplashForm::showWhenUnloaded(QWidget& mainWindow) {
    m_mainWindow = &mainWindow;
    if (m_unloaded)
        mainWindow.show();
}

void SplashForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    m_unloaded = true;
    if (m_mainWindow)
        m_mainWindow->show();
}
