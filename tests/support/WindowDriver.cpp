#include "WindowDriver.h"

#include "ListBox.h"
#include "MainScreen.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

WindowDriver::WindowDriver(const QDir& dir, Dialogs& dialogs)
    : m_window(std::make_unique<MainScreen>(dir, dialogs, m_printout)) {
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        QTest::qFail("the main window was never shown", __FILE__, __LINE__);
}

WindowDriver::~WindowDriver() = default;

ListBox* WindowDriver::list(const QString& name) const {
    auto* found = m_window->findChild<ListBox*>(name);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no list box ") + name), __FILE__, __LINE__);
    return found;
}

QString WindowDriver::editText(const QString& name) const {
    const auto* edit = m_window->findChild<QLineEdit*>(name);
    return edit ? edit->text() : QStringLiteral("<no edit box>");
}

QString WindowDriver::statusText(const QString& panel) const {
    const auto* label = m_window->findChild<QLabel*>(panel);
    return label ? label->text() : QStringLiteral("<no panel>");
}

QStringList WindowDriver::entries(const QString& listName) const {
    return list(listName)->entries();
}

int WindowDriver::currentRow(const QString& listName) const {
    return list(listName)->currentRow();
}

QPoint WindowDriver::centreOf(ListBox* list, int row) const {
    QListWidgetItem* item = list->item(row);
    if (!item) {
        QTest::qFail(
            qPrintable(QStringLiteral("no entry %1 in %2").arg(row).arg(list->objectName())),
            __FILE__, __LINE__);
        return {};
    }
    list->scrollToItem(item);
    // Right of the check box, where a click picks the entry without ticking it.
    const QRect rect = list->visualItemRect(item);
    return QPoint(rect.left() + rect.width() * 3 / 4, rect.center().y());
}

void WindowDriver::click(const QString& listName, int row) {
    ListBox* box = list(listName);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, centreOf(box, row));
}

void WindowDriver::doubleClick(const QString& listName, int row) {
    ListBox* box = list(listName);
    const QPoint at = centreOf(box, row);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
}

void WindowDriver::rightClick(const QString& listName, int row) {
    ListBox* box = list(listName);
    QTest::mousePress(box->viewport(), Qt::RightButton, {}, centreOf(box, row));
    QTest::mouseRelease(box->viewport(), Qt::RightButton, {}, centreOf(box, row));
}

void WindowDriver::pressKey(const QString& listName, int key) {
    ListBox* box = list(listName);
    box->setFocus();
    QTest::keyClick(box, Qt::Key(key));
}

void WindowDriver::trigger(const QString& actionName) {
    auto* action = m_window->findChild<QAction*>(actionName);
    if (!action) {
        QTest::qFail(qPrintable(QStringLiteral("no action ") + actionName), __FILE__, __LINE__);
        return;
    }
    action->trigger();
}

void WindowDriver::pressButton(const QString& name) {
    auto* button = m_window->findChild<QPushButton*>(name);
    if (!button) {
        QTest::qFail(qPrintable(QStringLiteral("no button ") + name), __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowDriver::clickFile(const QString& fileName) {
    auto* list = m_window->findChild<QListWidget*>(QStringLiteral("File1"));
    const QList<QListWidgetItem*> found = list->findItems(fileName, Qt::MatchExactly);
    if (found.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("no recipe file ") + fileName), __FILE__, __LINE__);
        return;
    }
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

QStringList WindowDriver::files() const {
    QStringList names;
    const auto* list = m_window->findChild<QListWidget*>(QStringLiteral("File1"));
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}
