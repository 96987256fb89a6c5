#include "DataFolder.h"

#include "CatalogueJournal.h"
#include "CommandRunner.h"
#include "Dialogs.h"
#include "FileError.h"
#include "ListFiles.h"
#include "TextFile.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// Which version of the starter catalogue the data folder has received.
const QString StarterSeen = u"starter.seen"_s;

} // namespace

DataFolder::DataFolder(const QString& option, const QString& programDir) {
    const QDir program(programDir);
    if (QFileInfo(programDir).fileName() == u"bin" && program.exists(u"../share/vittlo"_s))
        m_installation = QDir::cleanPath(program.filePath(u"../share/vittlo"_s));
    // Where the starter catalogue comes from: the installation, or a portable copy's "starter"
    // folder beside it, so that every new data folder gets it.
    m_starter = m_installation.isEmpty() ? program.filePath(u"starter"_s) : m_installation;
    if (!option.isEmpty())
        m_dir = QDir(QFileInfo(option).absoluteFilePath());
    else if (m_installation.isEmpty())
        m_dir = QDir(QFileInfo(programDir).absoluteFilePath());
    else
        m_dir = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     u"/vittlo"_s);
}

bool DataFolder::open(Dialogs& dialogs) {
    if (!m_dir.mkpath(u"."_s)) {
        dialogs.messageBox(u"The folder %1 for your lists could not be made."_s.arg(
                               QDir::toNativeSeparators(m_dir.path())),
                           Dialogs::OkOnly + Dialogs::Critical, u"Vittlo!"_s);
        return false;
    }
    m_lock = std::make_unique<FolderLock>(m_dir);
    if (!m_lock->take(dialogs))
        return false;
    // No new catalogue comes in while a change cut short stands: the window's start finishes it
    // (or tells why not, once), and the catalogue comes at the next start. One that cannot be
    // brought in is told, and the program starts without it.
    CommandRunner::run(dialogs, [this] {
        if (!CatalogueJournal::pending(m_dir))
            receiveStarterCatalogue();
    });
    return true;
}

void DataFolder::receiveStarterCatalogue() const {
    const QDir shipped(m_starter);
    const QString files[] = {ListFiles::CategoriesUpgrade, ListFiles::ItemsUpgrade};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray contents[2];
    for (int i = 0; i < 2; ++i) {
        if (!shipped.exists(files[i]))
            return;
        contents[i] = TextFile::read(shipped, files[i]);
        hash.addData(QByteArray::number(contents[i].size()) + ':' + contents[i]);
    }
    const QByteArray version = hash.result().toHex();
    if (m_dir.exists(StarterSeen) && TextFile::read(m_dir, StarterSeen) == version)
        return;
    // Copied before it counts as seen: a copy cut short is made again at the next start.
    for (int i = 0; i < 2; ++i)
        TextFile::write(m_dir, files[i], contents[i]);
    TextFile::write(m_dir, StarterSeen, version);
}
