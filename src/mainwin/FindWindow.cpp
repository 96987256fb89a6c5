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

    connect(m_box, &QLineEdit::textChanged, this, &FindWindow::search);
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

void FindWindow::search() {
    CommandRunner::run(m_dialogs, [this] {
        m_search.refresh();
        m_found->show(m_search.find(m_box->text()));
        m_list->setCurrentIndex(m_found->index(0));
    });
}

void FindWindow::catalogueChanged() {
    m_search.forget();
    if (isVisible())
        searchAgain();
}

void FindWindow::searchAgain() {
    const QModelIndex current = m_list->currentIndex();
    const QString shown =
        current.isValid() ? m_found->data(current, Qt::DisplayRole).toString() : QString();
    search();
    for (int row = 0; row < m_found->rowCount(); ++row) {
        if (m_found->data(m_found->index(row), Qt::DisplayRole).toString() == shown) {
            m_list->setCurrentIndex(m_found->index(row));
            break;
        }
    }
}

void FindWindow::choose(const QModelIndex& index) {
    // An item of a catalogue changed meanwhile, from elsewhere, may be gone: the user sees the
    // items found afresh first.
    bool changed = false;
    if (!CommandRunner::run(m_dialogs, [&] { changed = m_search.refresh(); }) || changed) {
        searchAgain();
        return;
    }
    if (index.isValid())
        Q_EMIT chosen(m_search.entry(m_found->at(index.row()), CatalogueSearch::ItemName::Whole));
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
