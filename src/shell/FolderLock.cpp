#include "FolderLock.h"

#include "Dialogs.h"

FolderLock::FolderLock(const QDir& dir)
    : m_lock(dir.filePath(QStringLiteral("vittlo.lck"))) {
    // Only a copy that died leaves a stale lock, however old a living copy's is.
    m_lock.setStaleLockTime(0);
}

bool FolderLock::take(Dialogs& dialogs) {
    // Held only when a copy's name stands in the lock; anything else is no copy of ours.
    if (m_lock.tryLock() || m_lock.error() != QLockFile::LockFailedError ||
        !m_lock.getLockInfo(nullptr, nullptr, nullptr))
        return true;
    dialogs.MsgBox(QStringLiteral("Vittlo! is already running in this folder."),
                   Dialogs::OkOnly + Dialogs::Exclamation, QStringLiteral("Vittlo!"));
    return false;
}
