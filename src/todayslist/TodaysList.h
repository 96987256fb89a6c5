#pragma once

#include <QDir>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class QTimer;
struct Shop;

// Today's List: its entries in order, their counts and ticks, and its file "todays.lst". Entries
// the file would hold as the same line are one row with a count, stored as that many equal lines.
// Entries go in at their place in alphabetical order without regard to case, unless put at an
// explicit position, where they stay. With a shop order, entries are grouped by aisle first:
// the placed categories in their order, then the others alphabetically, then one-time entries
// and entries without a category. Every change is written to the file a moment after the
// last of a burst of changes; ticks are not stored and write nothing.
class TodaysList final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TodaysList)

public:
    struct Row {
        QString text;
        int count = 1;
        bool checked = false;
        friend bool operator==(const Row&, const Row&) = default;
    };
    static constexpr int SaveDelay = 1000; // milliseconds after the last change

    explicit TodaysList(const QDir& dir, QObject* parent = nullptr);

    // Adds the lines of the file, creating it empty when missing. A file that cannot be read
    // throws FileError and stays unread: nothing replaces it until the user agrees (see adopt).
    void load();
    // Whether the file was read at start-up, or may be replaced since.
    bool fileRead() const { return m_fileRead; }
    // The user agreed to replace a file that could not be read with the list.
    void adopt() { m_fileRead = true; }

    // The rows, and the lines the file holds for them: what is to be bought.
    int count() const { return int(m_entries.size()); }
    int items() const;
    const Row& at(int index) const { return m_entries.at(index); }
    const QList<Row>& entries() const { return m_entries; }
    // The lines of the file: each row's text as many times as its count.
    QStringList texts() const;
    // The row the file would hold as the same line as the text, or -1.
    int find(QStringView text) const;

    // Adds the entry: to the count of the row that holds it, which is then to be bought again
    // and loses its tick, or as a new row at its sorted place. Returns the row's index.
    int add(const QString& text, int count = 1);
    // Puts the row at the index given, where it stays.
    void insert(int index, const Row& entry);
    // Puts the row at its sorted place, with its count and tick.
    void putBack(const Row& entry);
    Row takeAt(int index);
    // A count raised unticks the row; a count of 0 is no row, and is taken off instead.
    void setCount(int index, int count);
    // The row's count and tick as they were.
    void restore(int index, const Row& entry);
    // Puts every entry in place of those there, in the list's order.
    void replaceAll(const QList<Row>& entries);
    // Ticks and unticks: no change of the list, nothing is written.
    void setChecked(int index, bool checked);
    // Sorts the entries by the shop's order of the categories, what it does not sell last
    // (no shop: alphabetically), as entries added later will be. No change of the list: nothing
    // is written. False when the shop is the one set already, as it was.
    bool setShop(const Shop* shop);
    // The shop's name; empty for all shops.
    const QString& shopName() const { return m_shopName; }
    // Whether the entry's category is one the shop does not sell.
    bool notSoldAt(int index) const;

    // Empties the list and deletes its file, unless the file could not be read; a file that
    // cannot be deleted throws FileError and leaves the list as it was.
    void clearAndRemoveFile();

    // Writes the file now, if it may be written. Throws FileError.
    void save();
    // Writes the file now; a failure is told through saveFailed.
    void flush();
    bool hasUnsavedChanges() const { return m_unsaved; }
    bool savePending() const;
    void setSaveDelay(int milliseconds);

Q_SIGNALS:
    // Each change is told before and after it is made, so that a model over the list can tell
    // its views as Qt's models do.
    void aboutToInsert(int index);
    // sorted: put at its sorted place, not at an index given.
    void inserted(int index, bool sorted);
    void aboutToRemove(int index);
    void removed(int index, const TodaysList::Row& entry);
    void aboutToReplace();
    void replaced();
    // The row's count or tick changed from what it was before.
    void rowChanged(int index, const TodaysList::Row& before);
    void countChanged(int items);
    void saved();
    // A write after a change failed; said once until a write succeeds again.
    void saveFailed(const QString& fileName, const QString& message);

private:
    int sortedPlace(const QString& text) const;
    void insertAt(int index, const Row& entry, bool sorted);
    // Where an entry's category comes in the shop: its place in the order, or after them all.
    int aisleOf(const QString& text) const;
    bool before(const QString& a, const QString& b) const;
    // Sorts as before() does, stably.
    template <typename T, typename Text> void sortInOrder(QList<T>& list, const Text& text) const;
    void changed();

    QDir m_dir;
    QList<Row> m_entries;
    // Each placed category's place in the shop; empty without an order.
    QHash<QString, int> m_aisles;
    QString m_shopName;
    QSet<QString> m_notSold;
    QTimer* m_saveTimer;
    bool m_fileRead = false;
    bool m_unsaved = false;
    bool m_failing = false;
};
