#include "TodaysListEdit.h"

#include <QObject>

TodaysListEdit::TodaysListEdit(TodaysList& list, const QString& text)
    : QUndoCommand(text)
    , m_list(list) {}

std::unique_ptr<TodaysListEdit> TodaysListEdit::make(TodaysList& list, const QString& text,
                                                     const std::function<void()>& change) {
    std::unique_ptr<TodaysListEdit> edit(new TodaysListEdit(list, text));
    QList<Step>& steps = edit->m_steps;
    QList<TodaysList::Row> replaced;
    QObject noting; // the connections end with it, whatever the change does
    QObject::connect(&list, &TodaysList::inserted, &noting, [&](int index, bool sorted) {
        steps.append({.kind = Step::Kind::Insert,
                      .sorted = sorted,
                      .index = index,
                      .after = list.at(index)});
    });
    QObject::connect(&list, &TodaysList::removed, &noting, [&](int, const TodaysList::Row& entry) {
        steps.append({.kind = Step::Kind::Remove, .before = entry});
    });
    QObject::connect(
        &list, &TodaysList::rowChanged, &noting, [&](int index, const TodaysList::Row& before) {
            steps.append({.kind = Step::Kind::Change, .before = before, .after = list.at(index)});
        });
    QObject::connect(&list, &TodaysList::aboutToReplace, &noting,
                     [&] { replaced = list.entries(); });
    QObject::connect(&list, &TodaysList::replaced, &noting, [&] {
        steps.append(
            {.kind = Step::Kind::Replace, .listBefore = replaced, .listAfter = list.entries()});
    });
    change();
    if (steps.isEmpty())
        return nullptr;
    return edit;
}

void TodaysListEdit::undo() {
    for (auto step = m_steps.crbegin(); step != m_steps.crend(); ++step) {
        switch (step->kind) {
        case Step::Kind::Insert:
            if (const int index = m_list.find(step->after.text); index >= 0)
                m_list.takeAt(index);
            break;
        case Step::Kind::Remove:
            m_list.putBack(step->before);
            break;
        case Step::Kind::Change:
            if (const int index = m_list.find(step->before.text); index >= 0)
                m_list.restore(index, step->before);
            break;
        case Step::Kind::Replace:
            m_list.replaceAll(step->listBefore);
            break;
        }
    }
}

void TodaysListEdit::redo() {
    if (std::exchange(m_made, false))
        return;
    for (const Step& step : std::as_const(m_steps)) {
        switch (step.kind) {
        case Step::Kind::Insert:
            if (step.sorted)
                m_list.putBack(step.after);
            else
                m_list.insert(step.index, step.after);
            break;
        case Step::Kind::Remove:
            if (const int index = m_list.find(step.before.text); index >= 0)
                m_list.takeAt(index);
            break;
        case Step::Kind::Change:
            if (const int index = m_list.find(step.after.text); index >= 0)
                m_list.restore(index, step.after);
            break;
        case Step::Kind::Replace:
            m_list.replaceAll(step.listAfter);
            break;
        }
    }
}
