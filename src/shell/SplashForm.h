#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

// Shown while the program starts, in place of the main window: the product picture, the rights
// notice and "Click Me", which puts the main window on the screen.
class SplashForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplashForm)

public:
    explicit SplashForm(QWidget* parent = nullptr);

    // The window to show once the splash form goes, and what to do then (the start-up
    // questions, so that no key meant for the splash answers them); at once when it has gone
    // already.
    void showWhenUnloaded(QWidget& mainWindow, const std::function<void()>& then = {});

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showMainWindow();

    QPointer<QWidget> m_mainWindow;
    std::function<void()> m_then;
    bool m_unloaded = false;
};
