#include "WindowDriver.h"

#include "MainScreen.h"
#include "TestFiles.h"
#include "TodaysList.h"

#define ZX_USE_UTF8
#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <ZXing/ReadBarcode.h>

using namespace Qt::StringLiterals;

WindowDriver::WindowDriver(const QDir& dir, Dialogs& dialogs)
    : m_dir(dir)
    , m_window(std::make_unique<MainScreen>(dir, dialogs, m_printout, m_shell)) {
    // Changes reach todays.lst sooner than for a person, so that a test need not wait long.
    m_window->todaysList().setSaveDelay(20);
    // Every change of Today's List must reach its view as Qt's models tell changes.
    new QAbstractItemModelTester(m_window->findChild<QAbstractItemView*>(u"TmpList"_s)->model(),
                                 QAbstractItemModelTester::FailureReportingMode::Fatal,
                                 m_window.get());
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        QTest::qFail("the main window was never shown", __FILE__, __LINE__);
}

QPoint WindowDriver::pointOf(QAbstractItemView* list, int row, bool onCheckBox) const {
    const QModelIndex index = list->model()->index(row, 0);
    if (!index.isValid())
        return QPoint(-1, -1); // outside the list: the click is lost, and the probes tell
    list->scrollTo(index);
    // The check box is at the left; right of it a click picks the entry without ticking it.
    const QRect rect = list->visualRect(index);
    return QPoint(onCheckBox ? rect.left() + 10 : rect.left() + rect.width() * 3 / 4,
                  rect.center().y());
}

void WindowDriver::perform(const QString& steps) {
    for (const QString& step : steps.split(u';', Qt::SkipEmptyParts)) {
        if (step.trimmed().isEmpty())
            continue;
        const QStringList words = step.trimmed().split(u' ');
        const QString verb = words.value(0);
        const QString target = words.value(1);
        const QString argument = words.mid(2).join(u' ');
        QWidget* widget = m_window->findChild<QWidget*>(target);
        auto* box = qobject_cast<QAbstractItemView*>(widget);
        const bool mouse = box && (verb.endsWith(u"click") || verb.endsWith(u"tick"));
        const QPoint at = mouse ? pointOf(box, argument.toInt(), verb.endsWith(u"tick")) : QPoint();
        if (verb == u"click" || verb == u"tick" || verb == u"rclick") {
            QTest::mouseClick(box->viewport(), verb == u"rclick" ? Qt::RightButton : Qt::LeftButton,
                              {}, at);
        } else if (verb == u"dclick") {
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
        } else if (verb == u"key" && widget) {
            // Keys go to the window in front, as a person's do.
            QApplication::setActiveWindow(widget->window());
            widget->setFocus();
            const QKeyCombination key = QKeySequence::fromString(argument)[0];
            QTest::keyClick(widget, key.key(), key.keyboardModifiers());
        } else if (verb == u"type" && widget) {
            // As an input method hands over what was typed, whatever the script.
            QInputMethodEvent typed;
            typed.setCommitString(argument);
            QApplication::sendEvent(widget, &typed);
        } else if (verb == u"do" && m_window->findChild<QAction*>(target)) {
            m_window->findChild<QAction*>(target)->trigger();
        } else if (verb == u"press" && qobject_cast<QAbstractButton*>(widget)) {
            QTest::mouseClick(widget, Qt::LeftButton);
        } else if (verb == u"close") {
            m_window->close();
        } else if (verb == u"wait") {
            settle();
        } else if (TestFiles::change(m_dir, step.trimmed())) {
        } else if (verb == u"printerfails") {
            m_printout.failure = (target + u' ' + argument).trimmed();
        } else if (verb == u"clip") {
            QGuiApplication::clipboard()->setText((target + u' ' + argument).trimmed());
        } else if (verb == u"noprinter") {
            m_printout.pdfFile = m_dir.filePath(u"printout.pdf"_s);
        } else {
            QTest::qFail(qPrintable(u"cannot do: "_s + step), __FILE__, __LINE__);
            return;
        }
        // What a step set going (a list laid out, scrolled) happens before the next, as it
        // does between two things a person does.
        QCoreApplication::processEvents();
    }
}

void WindowDriver::settle() {
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->todaysList().savePending(), 5000);
}

QString WindowDriver::probe(const QString& name) const {
    if (name == u"window")
        return m_window->isVisible() ? u"open"_s : u"closed"_s;
    if (name == u"cursor")
        return QGuiApplication::overrideCursor() ? u"wait"_s : u"normal"_s;
    const QString today = QDate::currentDate().toString(u"MM-dd-yyyy"_s);
    if (name == u"printout") {
        QStringList texts;
        for (const QString& text : m_printout.log)
            texts.append(TestFiles::shortBlanks(text).replace(today, u"DATE"_s));
        return texts.join(u'|');
    }
    if (name == u"statusmessage")
        return m_window->statusBar()->currentMessage();
    if (name == u"printjob")
        return m_printout.docName;
    if (name == u"clipboard")
        return QGuiApplication::clipboard()->text().replace(u'\n', u'|').replace(today, u"DATE"_s);
    // "OBJECT.property": a property of a part that is no widget, such as "catalogue.pickedItem".
    if (const qsizetype dot = name.indexOf(u'.'); dot > 0) {
        const QObject* part = m_window->findChild<QObject*>(name.left(dot));
        return part ? TestFiles::shortBlanks(
                          part->property(qPrintable(name.mid(dot + 1))).toString())
                    : u"<no part "_s + name + u'>';
    }
    const QWidget* widget = m_window->findChild<QWidget*>(name);
    if (const auto* box = qobject_cast<const QAbstractItemView*>(widget)) {
        QStringList entries;
        const QAbstractItemModel* model = box->model();
        for (int i = 0; i < model->rowCount(); ++i) {
            const QModelIndex index = model->index(i, 0);
            // A greyed entry shows "-" and what a screen reader says of it.
            const QVariant said = index.data(Qt::AccessibleTextRole);
            entries.append(
                (i == box->currentIndex().row() ? u">"_s : QString()) +
                (index.data(Qt::CheckStateRole) == Qt::Checked ? u"+"_s : QString()) +
                (index.data(Qt::ForegroundRole).isValid() ? u"-"_s : QString()) +
                TestFiles::shortBlanks(said.isValid() ? said.toString() : index.data().toString()));
        }
        return entries.join(u'|');
    }
    if (const auto* bar = qobject_cast<const QToolBar*>(widget)) {
        QString enabled;
        // The commands' buttons, not the shop picker after them.
        for (QAction* action : bar->actions())
            if (qobject_cast<const QToolButton*>(bar->widgetForAction(action)))
                enabled += action->isEnabled() ? u'1' : u'0';
        return enabled;
    }
    if (!widget)
        return u"<no widget "_s + name + u'>';
    if ((qobject_cast<const QGroupBox*>(widget) || widget->isWindow()) && !widget->isVisible())
        return u"hidden"_s;
    // Labels, edit boxes and buttons show their text, frames and windows their title.
    QString shown = widget->property("text").toString() + widget->property("plainText").toString() +
                    widget->property("title").toString() +
                    widget->property("currentText").toString();
    if (widget->isWindow())
        shown = widget->windowTitle();
    return TestFiles::shortBlanks(shown) + (widget->isEnabled() ? QString() : u" (disabled)"_s);
}

QString WindowDriver::shownQrCode(bool* marked) const {
    auto* view = m_window->findChild<QWidget*>(u"QrCode"_s);
    if (!view)
        return u"<no code>"_s;
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    // A phone needs four light modules on every side, all of them inside the widget; the top
    // row of the finder pattern, seven modules, gives a module's width.
    int left = shown.width(), top = shown.height(), right = -1, bottom = -1;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.constScanLine(y)[x] < 128) {
                left = qMin(left, x), top = qMin(top, y);
                right = qMax(right, x), bottom = qMax(bottom, y);
            }
    int finder = 0;
    while (right >= 0 && left + finder < shown.width() &&
           shown.constScanLine(top)[left + finder] < 128)
        ++finder;
    const int quiet = 4 * finder / 7;
    if (right < 0 ||
        qMin(qMin(left, top), qMin(shown.width() - 1 - right, shown.height() - 1 - bottom)) < quiet)
        return u"<no quiet zone>"_s;
    // Version 15 is 77 modules a side; a larger code is no longer read at a glance.
    if ((right - left + 1) * 7 / finder > 77)
        return u"<over version 15>"_s;
    const ZXing::Result code =
        ZXing::ReadBarcode({shown.constBits(), shown.width(), shown.height(),
                            ZXing::ImageFormat::Lum, int(shown.bytesPerLine())},
                           ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::QRCode));
    if (!code.isValid())
        return u"<no code>"_s;
    if (marked)
        *marked = code.hasECI();
    return QString::fromUtf8(reinterpret_cast<const char*>(code.bytes().data()),
                             qsizetype(code.bytes().size()));
}

void WindowDriver::verify(const QStringList& probes) const {
    for (const QString& expected : probes) {
        const QString name = expected.section(u'=', 0, 0);
        QCOMPARE(name + u'=' + probe(name), expected);
    }
}
