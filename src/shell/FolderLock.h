#pragma once

#include <QDir>
#include <QLockFile>

class Dialogs;

// One copy of the program a folder: two would write each other's Today's List over when they
// end. A lock left by a copy that died is taken over.
class FolderLock final {
public:
    explicit FolderLock(const QDir& dir);
    Q_DISABLE_COPY_MOVE(FolderLock)

    // Takes the folder for this copy. When another copy holds it, says so and returns false; a
    // folder where no lock can be made is used without one, as the program always did.
    bool take(Dialogs& dialogs);

private:
    QLockFile m_lock;
};
