#pragma once

#include <QString>
#include <QStringView>

// One line of Today's List or a recipe, as stored: "Category° Item", the degree sign followed by
// a blank, or a text of its own without a category ("bread rolls", a retyped "Pizza 180°C").
// One-time entries are those of the category "special". An entry may stand for several of it. The
// text is kept as given, blanks included, so that it is written back byte for byte.
class Entry final {
public:
    Entry() = default;
    explicit Entry(QString text, int count = 1);
    // "Category° Item": the category trimmed of blanks, the item as given.
    static Entry ofCategory(QStringView category, QStringView item);
    // "special° text".
    static Entry oneTime(QStringView text);

    const QString& text() const { return m_text; }
    bool hasCategory() const { return m_separator >= 0; }
    bool isOneTime() const;
    // The category trimmed of blanks; empty without one.
    QString category() const;
    // What follows the separator and its blank, or the whole text trimmed of blanks.
    QString item() const;
    // How many of it are to be bought: the file holds the line this many times.
    int count() const { return m_count; }

private:
    QString m_text;
    // Where the trimmed text begins and ends, and where its separator stands, or -1.
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    qsizetype m_separator = -1;
    int m_count = 1;
};
