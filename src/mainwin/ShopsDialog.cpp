#include "ShopsDialog.h"

#include "AisleOrder.h"
#include "Blanks.h"
#include "Dialogs.h"
#include "FocusFrame.h"
#include "Windows1252.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QListWidget* list(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    FocusFrame::install(list);
    return list;
}

} // namespace

ShopsDialog::ShopsDialog(const ShopList& shops, const QStringList& categories, Dialogs& dialogs,
                         QWidget* parent)
    : QDialog(parent)
    , m_shops(shops)
    , m_categories(categories)
    , m_dialogs(dialogs)
    , m_shopNames(list(u"ShopNames"_s, u"Shops"_s, this))
    , m_aisles(list(u"AisleList"_s, u"Aisles of the shop, in the order you walk it"_s, this)) {
    setObjectName(u"Shops"_s);
    setWindowTitle(u"Shops"_s);
    auto* shopLabel = new QLabel(u"&Shops:"_s, this);
    shopLabel->setBuddy(m_shopNames);
    auto* aisleLabel =
        new QLabel(u"&Aisles in the order you walk the shop (ticked: sold there):"_s, this);
    aisleLabel->setBuddy(m_aisles);
    m_aisles->setDragDropMode(QAbstractItemView::InternalMove);
    m_aisles->setDefaultDropAction(Qt::MoveAction);

    QPushButton* add = button(u"AddShopButton"_s, u"A&dd..."_s, this);
    QPushButton* rename = button(u"RenameShopButton"_s, u"&Rename..."_s, this);
    QPushButton* remove = button(u"DeleteShopButton"_s, u"D&elete"_s, this);
    QPushButton* up = button(u"MoveUpButton"_s, u"Move &Up"_s, this);
    QPushButton* down = button(u"MoveDownButton"_s, u"Move D&own"_s, this);
    QPushButton* alphabetical = button(u"AlphabeticalButton"_s, u"Al&phabetical"_s, this);
    up->setToolTip(u"Alt+Up"_s);
    down->setToolTip(u"Alt+Down"_s);
    m_shopButtons = {rename, remove, up, down, alphabetical};
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"OkButton"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"CancelButton"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(shopLabel, 0, 0);
    layout->addWidget(m_shopNames, 1, 0);
    auto* shopButtons = new QHBoxLayout;
    for (QPushButton* shopButton : {add, rename, remove})
        shopButtons->addWidget(shopButton);
    layout->addLayout(shopButtons, 2, 0);
    layout->addWidget(aisleLabel, 0, 1, 1, 2);
    layout->addWidget(m_aisles, 1, 1, 2, 1);
    auto* aisleButtons = new QVBoxLayout;
    for (QPushButton* aisleButton : {up, down, alphabetical})
        aisleButtons->addWidget(aisleButton);
    aisleButtons->addStretch();
    layout->addLayout(aisleButtons, 1, 2, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    for (const Shop& shop : std::as_const(m_shops.shops))
        m_shopNames->addItem(shop.name);
    connect(m_shopNames, &QListWidget::currentRowChanged, this, &ShopsDialog::showShop);
    connect(add, &QPushButton::clicked, this, &ShopsDialog::addShop);
    connect(rename, &QPushButton::clicked, this, &ShopsDialog::renameShop);
    connect(remove, &QPushButton::clicked, this, &ShopsDialog::deleteShop);
    connect(up, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this), &QShortcut::activated, this,
            [this] { moveCurrent(-1); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), this), &QShortcut::activated, this,
            [this] { moveCurrent(1); });
    connect(alphabetical, &QPushButton::clicked, this, [this] {
        keepShown();
        Shop& shop = m_shops.shops[m_shown];
        const QString current =
            m_aisles->currentItem() ? m_aisles->currentItem()->text() : QString();
        shop.aisles = AisleOrder::merged(AisleOrder::arranged(m_categories, {}), shop.aisles);
        display(m_shown);
        const QList<QListWidgetItem*> found = m_aisles->findItems(current, Qt::MatchExactly);
        if (!found.isEmpty())
            m_aisles->setCurrentItem(found.first());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The shop picked for the trip first, as its aisles are most likely the ones to change.
    int first = 0;
    for (int row = 0; row < m_shops.shops.size(); ++row)
        if (m_shops.shops.at(row).name == m_shops.picked)
            first = row;
    m_shopNames->setCurrentRow(m_shops.shops.isEmpty() ? -1 : first);
    display(m_shopNames->currentRow());
    (m_shops.shops.isEmpty() ? static_cast<QWidget*>(add) : m_aisles)->setFocus();
    resize(sizeHint().width() + 160, sizeHint().height() + 80);
}

void ShopsDialog::showShop(int row) {
    keepShown();
    display(row);
}

void ShopsDialog::display(int row) {
    m_shown = row;
    m_aisles->clear();
    for (QPushButton* shopButton : std::as_const(m_shopButtons))
        shopButton->setEnabled(row >= 0);
    m_aisles->setEnabled(row >= 0);
    if (row < 0)
        return;
    const Shop& shop = m_shops.shops.at(row);
    for (const QString& category : AisleOrder::arranged(m_categories, shop.aisles)) {
        auto* item = new QListWidgetItem(category, m_aisles);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(shop.notSold.contains(category) ? Qt::Unchecked : Qt::Checked);
        item->setToolTip(u"ticked: sold here"_s);
    }
    m_aisles->setCurrentRow(0);
}

void ShopsDialog::keepShown() {
    if (m_shown < 0 || m_shown >= m_shops.shops.size())
        return;
    Shop& shop = m_shops.shops[m_shown];
    QStringList order;
    for (int row = 0; row < m_aisles->count(); ++row) {
        const QListWidgetItem* item = m_aisles->item(row);
        order.append(item->text());
        if (item->checkState() == Qt::Checked)
            shop.notSold.remove(item->text());
        else
            shop.notSold.insert(item->text());
    }
    // The names the catalogue lacks keep their places, so that a category added again gets its
    // place back.
    shop.aisles = AisleOrder::merged(order, shop.aisles);
}

ShopList ShopsDialog::shops() {
    keepShown();
    return m_shops;
}

void ShopsDialog::moveCurrent(int by) {
    const int row = m_aisles->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_aisles->count())
        return;
    m_aisles->insertItem(to, m_aisles->takeItem(row));
    m_aisles->setCurrentRow(to);
}

QString ShopsDialog::askName(const QString& prompt, const QString& title, const QString& current) {
    const QString answer = m_dialogs.askText(prompt, title, current);
    if (answer.isEmpty() || !m_dialogs.confirmStorable(answer, u"name"_s))
        return {};
    // As its file will hold it.
    const QString name = Blanks::trimmed(Windows1252::decode(Windows1252::encode(answer)));
    if (name.isEmpty())
        return {};
    if (name != current && m_shops.find(name)) {
        m_dialogs.refuse(u"There is a shop named %1 already."_s.arg(name));
        return {};
    }
    return name;
}

void ShopsDialog::addShop() {
    const QString name = askName(u"New shop's name..."_s, u"New Shop"_s, QString());
    if (name.isEmpty())
        return;
    m_shops.shops.append({name, {}, {}});
    m_shopNames->addItem(name);
    m_shopNames->setCurrentRow(m_shopNames->count() - 1);
    m_aisles->setFocus();
}

void ShopsDialog::renameShop() {
    const int row = m_shopNames->currentRow();
    if (row < 0)
        return;
    Shop& shop = m_shops.shops[row];
    const QString name = askName(u"Change shop's name..."_s, u"Rename Shop"_s, shop.name);
    if (name.isEmpty())
        return;
    if (m_shops.picked == shop.name)
        m_shops.picked = name;
    shop.name = name;
    m_shopNames->item(row)->setText(name);
}

void ShopsDialog::deleteShop() {
    const int row = m_shopNames->currentRow();
    if (row < 0 || !m_dialogs.confirm(u"Delete Shop: %1 ?"_s.arg(m_shops.shops.at(row).name)))
        return;
    if (m_shops.picked == m_shops.shops.at(row).name)
        m_shops.picked.clear();
    // Nothing of the shop gone is kept, and the rows after it move up.
    m_shown = -1;
    m_shops.shops.removeAt(row);
    const QSignalBlocker quiet(m_shopNames);
    delete m_shopNames->takeItem(row);
    display(m_shopNames->currentRow());
}
