#pragma once

#include <QRectF>
#include <optional>

// Where the lists and the two panels over them go, in twips, for a window of a given outer size.
// Tops count from the top of the area below the menu bar, toolbar included; the recipe list and
// the notes text box are placed inside their frames.
class WindowLayout final {
public:
    struct Window {
        double width = 0;
        double height = 0;
        double toolbarHeight = 0;
        double statusBarHeight = 0;
    };
    struct Places {
        QRectF itemList;
        QRectF categoryList;
        QRectF todaysList;
        QRectF recipePanel;
        QRectF recipeList;
        QRectF notesFrame;
        QRectF notesBox;
        friend bool operator==(const Places&, const Places&) = default;
    };
    struct Resized {
        Places places;
        // The width every toolbar button gets, when the window is tall enough to spread them.
        std::optional<double> buttonWidth;
    };

    // The places as the window is designed.
    static Places designed();
    // The arrangement start-up gives the lists before the window is first laid out.
    static Places firstArrangement(const Places& places, const Window& window);
    // The places after a resize. A window 5000 twips high or less leaves everything as it was, and
    // a size that would come out negative is not applied.
    static Resized resized(const Places& places, const Window& window);
};
