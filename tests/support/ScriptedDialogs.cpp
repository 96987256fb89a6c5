#include "ScriptedDialogs.h"

#include <QTest>

ScriptedDialogs::~ScriptedDialogs() {
    if (!m_script.isEmpty())
        QTest::qFail(
            qPrintable(
                QStringLiteral("%1 scripted answer(s) never asked for").arg(m_script.size())),
            __FILE__, __LINE__);
}

bool ScriptedDialogs::takeAnswer(Shown::Kind kind, const QString& text, Answer& answer) {
    if (m_script.isEmpty() || m_script.first().kind != kind) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected %1 box: %2")
                                    .arg(kind == Shown::Message ? QStringLiteral("message")
                                                                : QStringLiteral("input"),
                                         text)),
                     __FILE__, __LINE__);
        return false;
    }
    answer = m_script.takeFirst();
    return true;
}

int ScriptedDialogs::MsgBox(const QString& text, int style, const QString& title) {
    m_shown.append({Shown::Message, text, title, style, {}});
    Answer answer;
    return takeAnswer(Shown::Message, text, answer) ? answer.answer : int(Cancel);
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    m_shown.append({Shown::Input, prompt, title, 0, defaultText});
    Answer answer;
    return takeAnswer(Shown::Input, prompt, answer) ? answer.text : QString();
}

void ScriptedDialogs::verifyMessage(qsizetype n, const QString& text, const QString& title,
                                    int style) const {
    QVERIFY2(n < m_shown.size(), "fewer boxes were shown");
    const Shown& box = m_shown.at(n);
    QCOMPARE(box.kind, Shown::Message);
    QCOMPARE(box.text, text);
    QCOMPARE(box.title, title);
    QCOMPARE(box.style, style);
}

void ScriptedDialogs::verifyInput(qsizetype n, const QString& prompt, const QString& title,
                                  const QString& defaultText) const {
    QVERIFY2(n < m_shown.size(), "fewer boxes were shown");
    const Shown& box = m_shown.at(n);
    QCOMPARE(box.kind, Shown::Input);
    QCOMPARE(box.text, prompt);
    QCOMPARE(box.title, title);
    QCOMPARE(box.defaultText, defaultText);
}
