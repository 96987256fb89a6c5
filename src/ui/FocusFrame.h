#pragma once

#include <QObject>

class QAbstractScrollArea;

// A frame in the highlight colour inside a list that has the keyboard focus, whatever the
// desktop's style draws, so that a keyboard user sees where Enter and Delete act.
class FocusFrame final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FocusFrame)

public:
    // The frame lives as long as the list's viewport.
    static void install(QAbstractScrollArea* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusFrame(QAbstractScrollArea* list);

    QAbstractScrollArea* m_list;
    bool m_painting = false;
};
