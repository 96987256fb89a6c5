#pragma once

#include "WindowLayout.h"

#include <optional>

class NotesEditor;
class QMainWindow;
class QToolBar;
class QWidget;
class RecipePanel;

// Puts the three lists, the two panels over them and the toolbar's buttons where WindowLayout
// says for the window's size, and keeps the places between resizes.
class WidgetPlacer final {
public:
    struct Widgets {
        QMainWindow* window = nullptr;
        QToolBar* toolbar = nullptr;
        QWidget* itemList = nullptr;
        QWidget* categoryList = nullptr;
        QWidget* todaysList = nullptr;
        RecipePanel* recipePanel = nullptr;
        NotesEditor* notesEditor = nullptr;
    };

    explicit WidgetPlacer(const Widgets& widgets);

    // The places as the window is designed.
    void placeAsDesigned();
    // The arrangement start-up gives the lists before the window is first laid out.
    void placeForStart();
    // The places and button width for the window's new size.
    void placeAfterResize();

private:
    WindowLayout::Window windowInTwips() const;
    void applyPlaces();
    void applyButtonWidth(double twips);
    // A bar's height, also before the window is shown and its bars have none laid out yet.
    static int shownHeight(const QWidget* widget);

    Widgets m_widgets;
    WindowLayout::Places m_places = WindowLayout::designed();
    // The toolbar buttons' width, in twips, once the layout has set one.
    std::optional<double> m_buttonWidth;
};
