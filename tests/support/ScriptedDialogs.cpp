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

QString ScriptedDialogs::styleWords(int style) {
    static const QStringList buttons[] = {{u"OK"_s},
                                          {u"OK"_s, u"Cancel"_s},
                                          {},
                                          {u"Yes"_s, u"No"_s, u"Cancel"_s},
                                          {u"Yes"_s, u"No"_s}};
    static const QString icons[] = {
        {}, u" Stop"_s, u" Question"_s, u" Exclamation"_s, u" Information"_s};
    const QStringList& names = buttons[qBound(0, style & 0xF, 4)];
    const int defaultButton = (style & 0xF00) / 256;
    return names.join(QString()) + icons[qBound(0, (style & 0x70) / 16, 4)] +
           (defaultButton == 0
                ? QString()
                : u" default-"_s + names.value(defaultButton, QString::number(defaultButton + 1)));
}

int ScriptedDialogs::messageBox(const QString& text, int style, const QString& title) {
    m_boxes.append(title + u' ' + styleWords(style) + u'|' + TestFiles::shortBlanks(text));
    static const QHash<QString, int> buttons{{u"Yes"_s, Yes}, {u"No"_s, No}, {u"OK"_s, Ok}};
    return buttons.value(takeAnswer(false), Cancel);
}

QString ScriptedDialogs::inputText(const QString& prompt, const QString& title,
                                   const QString& defaultText, int maxLength) {
    m_boxes.append(u"input %1|%2|%3"_s.arg(title, TestFiles::shortBlanks(prompt),
                                           TestFiles::shortBlanks(defaultText)));
    const QString answer = takeAnswer(true).mid(1);
    return maxLength > 0 ? answer.left(maxLength) : answer;
}

void ScriptedDialogs::verifyBoxes(const QStringList& expected) const {
    QStringList shown = m_boxes;
    for (qsizetype i = 0; i < shown.size() && i < expected.size(); ++i)
        if (matches(shown.at(i), expected.at(i)))
            shown[i] = expected.at(i);
    QCOMPARE(shown.join(u"\n"_s), expected.join(u"\n"_s));
}
