#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// Puts the categories in the order of the shop's aisles: drag one to its place, or move the
// highlighted one with Move Up and Move Down (Alt+Up, Alt+Down); Alphabetical puts them all back
// in alphabetical order.
class ShopOrderDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShopOrderDialog)

public:
    ShopOrderDialog(const QStringList& categories, QWidget* parent = nullptr);

    // The categories as the user ordered them.
    QStringList order() const;
    // Whether the user asked for alphabetical order, and left it so.
    bool alphabetical() const;

private:
    void moveCurrent(int by);

    QListWidget* m_list;
    bool m_alphabeticalChosen = false;
};
