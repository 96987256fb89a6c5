#pragma once

#include <QString>

// What a phone may do to Today's List, each through the same commands as the window. An entry is
// named by its text, never by its place, so that a change meant for one entry never meets another.
class ShareHost {
public:
    virtual ~ShareHost() = default;

    // False when the list holds no such entry (any more).
    virtual bool tickEntry(const QString& entry, bool checked) = 0;
    // Raises or lowers the entry's count by one; from 1 the entry goes. False for no such entry.
    virtual bool changeEntryCount(const QString& entry, int by) = 0;
    // Adds a one-time entry as typed; anyway takes "?" for characters the list cannot store.
    // Returns why nothing was added, or the empty string.
    virtual QString addSharedEntry(const QString& text, bool anyway) = 0;
};
