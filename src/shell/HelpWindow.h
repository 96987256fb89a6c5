#pragma once

#include <QDialog>

// The program's help: the user guide shipped inside the program, in a window of its own that
// stays open beside the main window.
class HelpWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)

public:
    static const char* const Page;

    explicit HelpWindow(QWidget* parent = nullptr);
};
