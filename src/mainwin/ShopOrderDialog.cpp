#include "ShopOrderDialog.h"

#include "AisleOrder.h"
#include "FocusFrame.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::StringLiterals;

namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

ShopOrderDialog::ShopOrderDialog(const QStringList& categories, QWidget* parent)
    : QDialog(parent)
    , m_list(new QListWidget(this)) {
    setObjectName(u"ShopOrder"_s);
    setWindowTitle(u"Shop Order"_s);
    auto* label = new QLabel(u"&Aisles in the order you walk the shop:"_s, this);
    label->setBuddy(m_list);
    m_list->setObjectName(u"AisleList"_s);
    m_list->setAccessibleName(u"Aisles in shop order"_s);
    m_list->addItems(categories);
    m_list->setCurrentRow(0);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    FocusFrame::install(m_list);

    QPushButton* up = button(u"MoveUpButton"_s, u"Move &Up"_s, this);
    QPushButton* down = button(u"MoveDownButton"_s, u"Move &Down"_s, this);
    QPushButton* alphabetical = button(u"AlphabeticalButton"_s, u"Al&phabetical"_s, this);
    up->setToolTip(u"Alt+Up"_s);
    down->setToolTip(u"Alt+Down"_s);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"OkButton"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"CancelButton"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_list, 1, 0, 4, 1);
    layout->addWidget(up, 1, 1);
    layout->addWidget(down, 2, 1);
    layout->addWidget(alphabetical, 3, 1);
    layout->setRowStretch(4, 1);
    layout->addWidget(buttons, 5, 0, 1, 2);

    connect(up, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this), &QShortcut::activated, this,
            [this] { moveCurrent(-1); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), this), &QShortcut::activated, this,
            [this] { moveCurrent(1); });
    connect(alphabetical, &QPushButton::clicked, this, [this] {
        const QString current = m_list->currentItem() ? m_list->currentItem()->text() : QString();
        const QStringList sorted = AisleOrder::arranged(order(), {});
        m_list->clear();
        m_list->addItems(sorted);
        const QList<QListWidgetItem*> found = m_list->findItems(current, Qt::MatchExactly);
        m_list->setCurrentItem(found.isEmpty() ? m_list->item(0) : found.first());
        m_alphabeticalChosen = true;
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_list->setFocus();
}

QStringList ShopOrderDialog::order() const {
    QStringList names;
    for (int row = 0; row < m_list->count(); ++row)
        names.append(m_list->item(row)->text());
    return names;
}

bool ShopOrderDialog::alphabetical() const {
    return m_alphabeticalChosen && order() == AisleOrder::arranged(order(), {});
}

void ShopOrderDialog::moveCurrent(int by) {
    const int row = m_list->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_list->count())
        return;
    m_list->insertItem(to, m_list->takeItem(row));
    m_list->setCurrentRow(to);
}
