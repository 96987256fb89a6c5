#pragma once

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

class RecordFile;

// Changes that touch both catalogue files happen whole or not at all, across a crash, a kill or
// a full disk. Before such a change a small journal, "catalogue.jnl", is written beside the lists
// and flushed to disk; it is removed once the change is on disk. A start that finds it finishes
// or undoes the change cut short before anything is read (recover).
class CatalogueJournal final {
public:
    // Appends to several list files, all or none. The journal keeps each file's length and the
    // bytes of its incomplete last record, so that appends cut short can be taken back.
    class Appends final {
    public:
        // The list files, each with its record size. Opens them all, creating missing ones, and
        // writes the journal. Throws FileError.
        Appends(const QDir& dir, const QList<std::pair<QString, qsizetype>>& files);
        // Not committed: the files are cut back to what they held, and the journal goes. Where
        // that fails too, the journal stays for the next start.
        ~Appends();
        Q_DISABLE_COPY_MOVE(Appends)

        RecordFile& file(qsizetype i) { return *m_files.at(i).file; }
        // Waits until the appends are on disk, then removes the journal. Throws FileError.
        void commit();

    private:
        struct Open {
            std::unique_ptr<RecordFile> file;
            qint64 length;
            QByteArray tail;
        };
        QDir m_dir;
        std::vector<Open> m_files;
        bool m_committed = false;
    };

    // Replaces several list files, all or none: each new file is written beside its list file
    // first, then the journal names the renames, so that a start after a crash finishes them.
    class Replaces final {
    public:
        explicit Replaces(const QDir& dir);
        // Not committed: the scratch files written are removed, unless the journal already
        // stands, in which case the next start finishes the renames.
        ~Replaces();
        Q_DISABLE_COPY_MOVE(Replaces)

        // Writes the records to the scratch file, to take the list file's place. Throws FileError.
        void write(const QString& list, const QString& scratch,
                   const QList<QByteArrayView>& records);
        // A file that is ready already takes the list file's place too.
        void move(const QString& from, const QString& list);
        // Writes the journal, then renames. Throws FileError.
        void commit();

    private:
        QDir m_dir;
        QList<std::pair<QString, QString>> m_renames;
        QStringList m_written;
        bool m_journaled = false;
    };

    // Finishes or undoes the change a journal left behind tells of, and removes the journal. A
    // journal is checked whole first: one not understood (damaged, of another version, naming
    // other files) changes nothing and is set aside under a name that is never replayed, and a
    // FileError tells where. Scratch files no journal names are removed. Throws FileError; the
    // journal then stays.
    static void recover(const QDir& dir);
    // Whether a journal stands, to be finished or set aside.
    static bool pending(const QDir& dir);
    // A command that changes the catalogue finishes a journal still standing first, so that a
    // later start never takes back what the command did; where it cannot, the FileError stops
    // the command.
    static void finishPending(const QDir& dir);

private:
    static void writeJournal(const QDir& dir, const QByteArray& lines);
    static void removeJournal(const QDir& dir);
    static void rename(const QDir& dir, const QString& from, const QString& to);
};
