#pragma once

#include "FolderLock.h"

#include <QDir>
#include <QString>
#include <memory>

class Dialogs;

// Where the lists live, and the one copy of the program that works on them. The folder given
// with --data; else, for a portable copy, the program's own folder; else, for a
// copy installed as PREFIX/bin/vittlo beside PREFIX/share/vittlo, the user's data folder
// ($XDG_DATA_HOME/vittlo). An installed copy never writes inside its installation. The starter
// catalogue an installation ships, or a portable copy keeps in the folder "starter" beside
// itself, reaches every data folder once for each version of it, and is merged there.
class DataFolder final {
public:
    // programDir: the folder that holds the program.
    DataFolder(const QString& option, const QString& programDir);
    Q_DISABLE_COPY_MOVE(DataFolder)

    const QDir& dir() const { return m_dir; }
    // The installation's shared files, "PREFIX/share/vittlo"; empty for a portable copy.
    const QString& installation() const { return m_installation; }

    // Makes the folder if it is missing, takes it for this copy and brings in the starter
    // catalogue of a new installation. False when the program must end; the user was told why.
    bool open(Dialogs& dialogs);

private:
    void receiveStarterCatalogue() const;

    QDir m_dir;
    QString m_installation;
    QString m_starter;
    std::unique_ptr<FolderLock> m_lock;
};
