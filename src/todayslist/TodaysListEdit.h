#pragma once

#include "TodaysList.h"

#include <QList>
#include <QUndoCommand>
#include <functional>
#include <memory>

// One change of Today's List as the user made it (an entry added or taken off, retyped, the list
// cleared, a recipe's ingredients added), to be undone and done again. It notes the entries
// inserted and taken off at their places, so that undoing it leaves the rest of the list, ticks
// included, as it is.
class TodaysListEdit final : public QUndoCommand {
public:
    // Makes the change and notes what it did; nothing when it changed nothing. A change that
    // throws is not noted.
    static std::unique_ptr<TodaysListEdit> make(TodaysList& list, const QString& text,
                                                const std::function<void()>& change);

    void undo() override;
    void redo() override;

private:
    struct Step {
        enum class Kind { Insert, Remove, Replace } kind;
        int index = 0;
        TodaysList::Row entry;
        QList<TodaysList::Row> before;
        QList<TodaysList::Row> after;
    };

    TodaysListEdit(TodaysList& list, const QString& text);

    TodaysList& m_list;
    QList<Step> m_steps;
    // The change was made before the command was pushed, which does it once more.
    bool m_made = true;
};
