#include "WindowLayout.h"

namespace {

void setWidth(QRectF& rect, double width) {
    if (width >= 0)
        rect.setWidth(width);
}

void setHeight(QRectF& rect, double height) {
    if (height >= 0)
        rect.setHeight(height);
}

} // namespace

WindowLayout::Lists WindowLayout::designed() {
    return {QRectF(120, 960, 3135, 3060), QRectF(120, 4440, 3135, 1380),
            QRectF(3240, 960, 5415, 2820)};
}

WindowLayout::Lists WindowLayout::firstArrangement(const Lists& lists, const Window& window) {
    Lists result = lists;
    setWidth(result.tmpList, window.width - result.stdList.width() - 70);
    result.catList.moveTop(result.stdList.top() + result.stdList.height());
    setHeight(result.catList,
              window.height - (window.toolbarHeight + result.stdList.height() + 1000));
    return result;
}

WindowLayout::Resized WindowLayout::resized(const Lists& lists, const Window& window) {
    Resized result{lists, std::nullopt};
    if (window.height <= 5000)
        return result;
    Lists& l = result.lists;
    setWidth(l.tmpList, window.width - l.stdList.width() - 350);
    if (window.height - (window.toolbarHeight + lists.stdList.height() + 1625) > 0)
        result.buttonWidth = window.width / 9 - 10;
    const double h = window.height - (window.toolbarHeight + window.statusBarHeight + 850);
    if (h < 0)
        return result;
    l.tmpList.setHeight(h);
    l.stdList.setHeight(h / 2);
    l.catList.moveTop(l.stdList.top() + l.stdList.height());
    l.catList.setHeight(h / 2);
    return result;
}
