#include "FindWindow.h"

#include "CommandRunner.h"
#include "FocusFrame.h"
#include "FoundItems.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FindWindow::FindWindow(const QDir& dir, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_dialogs(dialogs)
    , m_search(dir)
    , m_box(new QLineEdit(this))
    , m_list(new QListView(this))
    , m_found(new FoundItems(m_search, this)) {
    setObjectName(u"FindItems"_s);
    setWindowTitle(u"Find Items"_s);
    auto* label = new QLabel(u"&Item or category:"_s, this);
    label->setBuddy(m_box);
    m_box->setObjectName(u"FindBox"_s);
    m_box->setAccessibleName(u"Find items"_s);
    m_box->setClearButtonEnabled(true);
    m_box->installEventFilter(this);
    m_list->setObjectName(u"FindList"_s);
    FocusFrame::install(m_list);
    m_list->setAccessibleName(u"Items found"_s);
    m_list->setModel(m_found);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setToolTip(u"Enter or double-click: add to Today's List"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_box);
    layout->addWidget(m_list);
    resize(320, 400);

    connect(m_box, &QLineEdit::textChanged, this, [this] { search(); });
    connect(m_box, &QLineEdit::returnPressed, this, [this] { choose(m_list->currentIndex()); });
    connect(m_list, &QListView::activated, this, &FindWindow::choose);
}

void FindWindow::open() {
    // The first time beside the main window, so that Today's List stays in view; where the
    // screen has no room for that, over the window's right, away from the catalogue.
    if (!std::exchange(m_placed, true) && parentWidget()) {
        const QRect main = parentWidget()->frameGeometry();
        const QRect screen = parentWidget()->screen()->availableGeometry();
        const int wide = frameGeometry().width();
        QPoint place = main.topRight() + QPoint(8, 0);
        if (place.x() + wide > screen.right())
            place = main.topLeft() - QPoint(wide + 8, 0);
        if (place.x() < screen.left())
            place = main.topRight() + QPoint(-wide - 24, 48);
        move(place);
    }
    show();
    raise();
    activateWindow();
    m_box->setFocus();
    m_box->selectAll();
    search();
}

void FindWindow::search(const QString& keep) {
    CommandRunner::run(m_dialogs, [&] {
        m_search.refresh();
        m_found->show(m_search.find(m_box->text()));
        int row = 0;
        for (int found = 0; !keep.isEmpty() && found < m_found->rowCount(); ++found) {
            if (entryAt(found) == keep) {
                row = found;
                break;
            }
        }
        m_list->setCurrentIndex(m_found->index(row));
    });
}

QString FindWindow::entryAt(int row) const {
    return row >= 0 && row < m_found->rowCount()
               ? m_search.entry(m_found->at(row), CatalogueSearch::ItemName::Whole)
               : QString();
}

void FindWindow::catalogueChanged() {
    m_search.forget();
    if (isVisible())
        search(entryAt(m_list->currentIndex().row()));
}

void FindWindow::choose(const QModelIndex& index) {
    // Taken before the catalogue may be read again: the rows found name records of this read.
    const QString wanted = entryAt(index.isValid() ? index.row() : -1);
    // A catalogue changed meanwhile, from elsewhere, is searched afresh; the item is added only
    // where it is still there, and the user sees the items found anew.
    bool changed = false;
    if (!CommandRunner::run(m_dialogs, [&] { changed = m_search.refresh(); }))
        return;
    if (changed)
        search(wanted);
    if (!wanted.isEmpty() && entryAt(m_list->currentIndex().row()) == wanted)
        Q_EMIT chosen(wanted);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys in the text move through the items found.
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_list, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
