#include "WidgetPlacer.h"

#include "NotesEditor.h"
#include "RecipePanel.h"
#include "Twips.h"

#include <QLayout>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

WidgetPlacer::WidgetPlacer(const Widgets& widgets)
    : m_widgets(widgets) {}

void WidgetPlacer::placeAsDesigned() {
    m_places = WindowLayout::designed();
    applyPlaces();
}

void WidgetPlacer::placeForStart() {
    m_places = WindowLayout::firstArrangement(m_places, windowInTwips());
    applyPlaces();
}

void WidgetPlacer::placeAfterResize() {
    const WindowLayout::Resized resized = WindowLayout::resized(m_places, windowInTwips());
    m_places = resized.places;
    applyPlaces();
    // The width last given stays, but is fitted to the window again, so that no button ever
    // drops off a window made narrower.
    if (resized.buttonWidth)
        m_buttonWidth = *resized.buttonWidth;
    if (m_buttonWidth)
        applyButtonWidth(*m_buttonWidth);
}

WindowLayout::Window WidgetPlacer::windowInTwips() const {
    const QMainWindow* window = m_widgets.window;
    const QSize outer = window->frameGeometry().size();
    return {Twips::fromPixels(window, outer.width()), Twips::fromPixels(window, outer.height()),
            Twips::fromPixels(window, shownHeight(m_widgets.toolbar)),
            Twips::fromPixels(window, shownHeight(window->statusBar()))};
}

int WidgetPlacer::shownHeight(const QWidget* widget) {
    return widget->isVisible() ? widget->height() : widget->sizeHint().height();
}

void WidgetPlacer::applyPlaces() {
    const QMainWindow* window = m_widgets.window;
    // Tops count from below the menu bar, toolbar included; the central area begins below the
    // toolbar.
    const double toolbar = Twips::fromPixels(window, shownHeight(m_widgets.toolbar));
    const auto belowToolbar = [toolbar](const QRectF& twips) {
        QRectF rect = twips.translated(0, -toolbar);
        rect.setTop(qMax(0.0, rect.top()));
        return rect;
    };
    m_widgets.itemList->setGeometry(Twips::toPixels(window, belowToolbar(m_places.itemList)));
    m_widgets.categoryList->setGeometry(
        Twips::toPixels(window, belowToolbar(m_places.categoryList)));
    m_widgets.todaysList->setGeometry(Twips::toPixels(window, belowToolbar(m_places.todaysList)));
    m_widgets.recipePanel->setPlaces(belowToolbar(m_places.recipePanel),
                                     m_places.recipeList.height());
    m_widgets.notesEditor->setPlaces(belowToolbar(m_places.notesFrame), m_places.notesBox);
}

void WidgetPlacer::applyButtonWidth(double twips) {
    const QMainWindow* window = m_widgets.window;
    QToolBar* toolbar = m_widgets.toolbar;
    // The buttons share the toolbar's width, but never so wide that the last ones drop off, and
    // never narrower than their captions.
    const int spacing = toolbar->layout()->spacing();
    const QMargins margins = toolbar->layout()->contentsMargins();
    // The toolbar spans the window, whose new width it has not taken yet.
    const int available = window->width() - margins.left() - margins.right() - 8 * spacing;
    const int shared = qMin(Twips::toPixels(window, twips),
                            available / int(qMax<qsizetype>(1, toolbar->actions().size())));
    QList<QWidget*> buttons;
    int total = 0;
    for (QAction* action : toolbar->actions()) {
        if (QWidget* button = toolbar->widgetForAction(action)) {
            buttons.append(button);
            total += qMax(shared, button->sizeHint().width());
        }
    }
    for (QWidget* button : std::as_const(buttons)) {
        const int natural = button->sizeHint().width();
        button->setFixedWidth(total <= available ? qMax(shared, natural) : natural);
    }
}
