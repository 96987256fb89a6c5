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

ScriptedDialogs::ScriptedDialogs(const QString& script) {
    for (const QString& box : script.split(u"; "_s, Qt::SkipEmptyParts)) {
        m_expected.append(box.section(u" => "_s, 0, -2));
        m_answers.append(box.section(u" => "_s, -1));
    }
}

ScriptedDialogs::~ScriptedDialogs() {
    QStringList shown = m_boxes;
    for (qsizetype i = 0; i < shown.size() && i < m_expected.size(); ++i)
        if (matches(shown.at(i), m_expected.at(i)))
            shown[i] = m_expected.at(i);
    if (shown != m_expected)
        QTest::qCompare(shown.join(u"\n"_s), m_expected.join(u"\n"_s), "boxes shown",
                        "boxes scripted", __FILE__, __LINE__);
}

QString ScriptedDialogs::answer(const QString& box, bool input) {
    m_boxes.append(box);
    const QString answer = m_answers.value(m_boxes.size() - 1);
    if (answer.startsWith(u'=') != input || m_boxes.size() > m_answers.size()) {
        QTest::qFail(qPrintable(u"unexpected box: "_s + box), __FILE__, __LINE__);
        return input ? u"="_s : u"Cancel"_s;
    }
    return answer;
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
    static const QHash<QString, int> buttons{{u"Yes"_s, Yes}, {u"No"_s, No}, {u"OK"_s, Ok}};
    return buttons.value(
        answer(title + u' ' + styleWords(style) + u'|' + TestFiles::shortBlanks(text), false),
        Cancel);
}

QString ScriptedDialogs::inputText(const QString& prompt, const QString& title,
                                   const QString& defaultText, int maxLength) {
    const QString typed = answer(u"input %1|%2|%3"_s.arg(title, TestFiles::shortBlanks(prompt),
                                                         TestFiles::shortBlanks(defaultText)),
                                 true)
                              .mid(1);
    return maxLength > 0 ? typed.left(maxLength) : typed;
}
