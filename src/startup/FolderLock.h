#pragma once

#include <QDir>
#include <QLockFile>

class Dialogs;

// One copy of the program a folder: two would write each other's Today's List over. A lock left
// by a copy that died is taken over; one left on another computer, or one whose copy cannot be
// checked from here, is taken over when the user says so.
class FolderLock final {
public:
    explicit FolderLock(const QDir& dir);
    Q_DISABLE_COPY_MOVE(FolderLock)

    // Takes the folder for this copy; false when the program must end, the user told why. A
    // folder where no lock can be made (read-only media, say) is used without one.
    bool take(Dialogs& dialogs);

private:
    // Takes over the lock of a copy that is not running; false when the user was told it could
    // not be.
    bool takeOver(Dialogs& dialogs);

    QString m_path;
    QLockFile m_lock;
};
