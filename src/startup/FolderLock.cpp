#include "FolderLock.h"

#include "CommandRunner.h"
#include "Dialogs.h"
#include "PlainFile.h"

#include <QSysInfo>
#include <QThread>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

using namespace Qt::StringLiterals;

namespace {

// How long an empty lock is given to be filled: 10 times 50 milliseconds.
constexpr int EmptyLockWaits = 10;
constexpr unsigned long EmptyLockWait = 50;

// Whether a process of that number runs on this computer.
bool runsHere(qint64 pid) {
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
#else
    Q_UNUSED(pid);
    return true;
#endif
}

} // namespace

FolderLock::FolderLock(const QDir& dir)
    : m_path(dir.filePath(u"vittlo.lck"_s))
    , m_lock(m_path) {
    // Only a copy that died leaves a stale lock, however old a living copy's is.
    m_lock.setStaleLockTime(0);
}

bool FolderLock::take(Dialogs& dialogs) {
    // Reading a pipe in its place would wait for ever.
    if (!CommandRunner::run(dialogs, [this] { PlainFile::refuseSpecial(m_path); }))
        return false;
    qint64 pid = 0;
    QString host;
    for (int wait = 0;; ++wait) {
        if (m_lock.tryLock() || m_lock.error() != QLockFile::LockFailedError)
            return true;
        if (m_lock.getLockInfo(&pid, &host, nullptr))
            break;
        // A copy fills the lock it has just made a moment later; one still empty or unreadable
        // after a while names no copy, and only a copy that died leaves it.
        if (wait == EmptyLockWaits)
            return takeOver(dialogs);
        QThread::msleep(EmptyLockWait);
    }
    if (host == QSysInfo::machineHostName() && runsHere(pid)) {
        dialogs.messageBox(u"Vittlo! is already running in this folder."_s,
                           Dialogs::OkOnly + Dialogs::Exclamation, u"Vittlo!"_s);
        return false;
    }
    // Another computer's copy, or one this computer cannot see: only the user can tell.
    if (dialogs.messageBox(u"Vittlo! was started in this folder on %1 (process %2). If it is no "
                           "longer running there, start anyway?"_s.arg(host)
                               .arg(pid),
                           Dialogs::YesNo + Dialogs::Question + Dialogs::DefaultButton2,
                           u"Vittlo!"_s) != Dialogs::Yes)
        return false;
    return takeOver(dialogs);
}

bool FolderLock::takeOver(Dialogs& dialogs) {
    if (m_lock.removeStaleLockFile() && m_lock.tryLock())
        return true;
    dialogs.messageBox(u"The lock file vittlo.lck of this folder cannot be replaced, so Vittlo! "
                       "cannot tell whether another copy uses the folder."_s,
                       Dialogs::OkOnly + Dialogs::Exclamation, u"Vittlo!"_s);
    return false;
}
