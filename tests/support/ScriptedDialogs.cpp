#include "ScriptedDialogs.h"

#include "TestFiles.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

bool matches(const QString& actual, const QString& pattern) {
    QStringList pieces = pattern.split(u'*');
    for (QString& piece : pieces)
        piece = QRegularExpression::escape(piece);
    const QRegularExpression wildcard(QRegularExpression::anchoredPattern(pieces.join(u".*"_s)),
                                      QRegularExpression::DotMatchesEverythingOption);
    return wildcard.match(actual).hasMatch();
}

} // namespace

ScriptedDialogs::~ScriptedDialogs() {
    if (!m_answers.isEmpty())
        QTest::qFail(qPrintable(u"answers never asked for: "_s + m_answers.join(u", "_s)), __FILE__,
                     __LINE__);
}

QString ScriptedDialogs::takeAnswer(bool input) {
    if (m_answers.isEmpty() || m_answers.first().startsWith(u'=') != input) {
        QTest::qFail(qPrintable(u"unexpected box: "_s + m_boxes.last()), __FILE__, __LINE__);
        return input ? u"="_s : u"Cancel"_s;
    }
    return m_answers.takeFirst();
}

int ScriptedDialogs::MsgBox(const QString& text, int style, const QString& title) {
    m_boxes.append(u"%1 %2|%3"_s.arg(style).arg(title, TestFiles::shortBlanks(text)));
    static const QHash<QString, int> buttons{{u"Yes"_s, Yes}, {u"No"_s, No}, {u"OK"_s, Ok}};
    return buttons.value(takeAnswer(false), Cancel);
}

QString ScriptedDialogs::inputText(const QString& prompt, const QString& title,
                                   const QString& defaultText) {
    m_boxes.append(u"input %1|%2|%3"_s.arg(title, TestFiles::shortBlanks(prompt),
                                           TestFiles::shortBlanks(defaultText)));
    return takeAnswer(true).mid(1);
}

void ScriptedDialogs::verifyBoxes(const QStringList& expected) const {
    QStringList shown = m_boxes;
    for (qsizetype i = 0; i < shown.size() && i < expected.size(); ++i)
        if (matches(shown.at(i), expected.at(i)))
            shown[i] = expected.at(i);
    QCOMPARE(shown, expected);
}
