#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;
class TodaysList;

// A list box that shows its entries in alphabetical order without regard to case, or Today's List
// in its own order. At most one entry is current; Today's List also gives every entry a check
// box.
class ListBox final : public QListView {
    Q_OBJECT

public:
    enum class CheckBoxes { None, OnEveryEntry };

    explicit ListBox(const QString& name, CheckBoxes checkBoxes = CheckBoxes::None,
                     QWidget* parent = nullptr);

    // Shows Today's List from now on, as it changes; a tick here ticks its entry there.
    void showList(TodaysList& list);

    // Empties the list and shows the entries in alphabetical order without regard to case,
    // equal ones in the order given.
    void showEntries(const QStringList& texts);
    void clearEntries();

    int count() const;
    QString entryText(int index) const;
    int currentRow() const;
    // The current entry's text, or the empty string when there is none.
    QString currentText() const;
    void setCurrentEntry(int index);
    // Makes the first entry with exactly this text current; nothing when no entry has it.
    void setCurrentText(const QString& text);
    void clearCurrent();

Q_SIGNALS:
    // The user made another entry current, with the mouse or the keyboard.
    void picked(int index);
    // A double-click on an entry; not on its check box.
    void entryDoubleClicked(int index);
    // Enter or Return went down in the list.
    void enterPressed();
    // The right mouse button went down over the list; the current entry stays as it is.
    void rightClicked();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void show(QAbstractItemModel* model);
    bool onCheckBox(const QPoint& position) const;

    CheckBoxes m_checkBoxes;
    // The entries of a list in alphabetical order; Today's List has a model of its own.
    QStringListModel* m_texts = nullptr;
    bool m_userMove = true;
};
