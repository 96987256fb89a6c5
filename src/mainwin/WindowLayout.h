#pragma once

#include <QRectF>
#include <optional>

// Where the three lists go, in twips, for a window of a given outer size. Tops count from the top
// of the area below the menu bar, toolbar included.
class WindowLayout final {
public:
    struct Window {
        double width = 0;
        double height = 0;
        double toolbarHeight = 0;
        double statusBarHeight = 0;
    };
    struct Lists {
        QRectF stdList;
        QRectF catList;
        QRectF tmpList;
        friend bool operator==(const Lists&, const Lists&) = default;
    };
    struct Resized {
        Lists lists;
        // The width every toolbar button gets, when the window is tall enough to spread them.
        std::optional<double> buttonWidth;
    };

    // The lists as the window is designed.
    static Lists designed();
    // The arrangement start-up gives the lists before the window is first laid out.
    static Lists firstArrangement(const Lists& lists, const Window& window);
    // The lists after a resize. A window 5000 twips high or less leaves everything as it was, and
    // a size that would come out negative is not applied.
    static Resized resized(const Lists& lists, const Window& window);
};
