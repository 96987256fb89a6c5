#pragma once

#include <QPointer>
#include <QWidget>

// Shown while the program starts, in place of the main window: the product picture, the rights
// notice and "Click Me", which puts the main window on the screen.
class SplashForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplashForm)

public:
    explicit SplashForm(QWidget* parent = nullptr);

    // The window to show once the splash form goes; at once when it has gone already.
    void showWhenUnloaded(QWidget& mainWindow);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> m_mainWindow;
    bool m_unloaded = false;
};
