#pragma once

#include "TodaysList.h"

#include <QList>
#include <QUndoCommand>
#include <functional>
#include <memory>

// One change of Today's List as the user made it (an entry added or taken off, a count changed,
// an entry retyped, the list cleared, a recipe's ingredients added), to be undone and done
// again. It notes the entries it changed, not their places, so that undoing it leaves the rest
// of the list, ticks included, as it is, and an entry comes back where the list's order puts it
// now, whatever the shop's order was then.
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
        enum class Kind { Insert, Remove, Change, Replace } kind;
        // Insert: put at its sorted place; otherwise at index, where it stays.
        bool sorted = true;
        int index = 0;
        TodaysList::Row before = {};
        TodaysList::Row after = {};
        QList<TodaysList::Row> listBefore = {};
        QList<TodaysList::Row> listAfter = {};
    };

    TodaysListEdit(TodaysList& list, const QString& text);

    TodaysList& m_list;
    QList<Step> m_steps;
    // The change was made before the command was pushed, which does it once more.
    bool m_made = true;
};
