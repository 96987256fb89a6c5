#include "TodaysListEdit.h"

#include <QObject>

TodaysListEdit::TodaysListEdit(TodaysList& list, const QString& text)
    : QUndoCommand(text)
    , m_list(list) {}

std::unique_ptr<TodaysListEdit> TodaysListEdit::make(TodaysList& list, const QString& text,
                                                     const std::function<void()>& change) {
    std::unique_ptr<TodaysListEdit> edit(new TodaysListEdit(list, text));
    QList<TodaysList::Row> current = list.entries();
    QObject noting; // the connections end with it, whatever the change does
    QObject::connect(&list, &TodaysList::inserted, &noting, [&](int index) {
        edit->m_steps.append({Step::Kind::Insert, index, list.at(index), {}, {}});
        current.insert(index, list.at(index));
    });
    QObject::connect(&list, &TodaysList::removed, &noting,
                     [&](int index, const TodaysList::Row& entry) {
                         edit->m_steps.append({Step::Kind::Remove, index, entry, {}, {}});
                         current.removeAt(index);
                     });
    QObject::connect(&list, &TodaysList::replaced, &noting, [&] {
        edit->m_steps.append({Step::Kind::Replace, 0, {}, current, list.entries()});
        current = list.entries();
    });
    change();
    if (edit->m_steps.isEmpty())
        return nullptr;
    return edit;
}

void TodaysListEdit::undo() {
    for (auto step = m_steps.crbegin(); step != m_steps.crend(); ++step) {
        switch (step->kind) {
        case Step::Kind::Insert:
            m_list.takeAt(step->index);
            break;
        case Step::Kind::Remove:
            m_list.insert(step->index, step->entry);
            break;
        case Step::Kind::Replace:
            m_list.replaceAll(step->before);
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
            m_list.insert(step.index, step.entry);
            break;
        case Step::Kind::Remove:
            m_list.takeAt(step.index);
            break;
        case Step::Kind::Replace:
            m_list.replaceAll(step.after);
            break;
        }
    }
}
