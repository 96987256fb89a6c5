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

WindowLayout::Places WindowLayout::designed() {
    return {QRectF(120, 960, 3135, 3060),  QRectF(120, 4440, 3135, 1380),
            QRectF(3240, 960, 5415, 2820), QRectF(120, 960, 3135, 2655),
            QRectF(120, 2040, 2895, 285),  QRectF(3240, 960, 4815, 2655),
            QRectF(120, 720, 3615, 2295)};
}

WindowLayout::Places WindowLayout::firstArrangement(const Places& places, const Window& window) {
    Places result = places;
    setWidth(result.todaysList, window.width - result.itemList.width() - 70);
    result.categoryList.moveTop(result.itemList.top() + result.itemList.height());
    setHeight(result.categoryList,
              window.height - (window.toolbarHeight + result.itemList.height() + 1000));
    return result;
}

WindowLayout::Resized WindowLayout::resized(const Places& places, const Window& window) {
    Resized result{places, std::nullopt};
    if (window.height <= 5000)
        return result;
    Places& p = result.places;
    setWidth(p.todaysList, window.width - p.itemList.width() - 350);
    setWidth(p.notesFrame, p.todaysList.width());
    setWidth(p.notesBox, p.notesFrame.width() - 250);
    if (window.height - (window.toolbarHeight + places.itemList.height() + 1625) > 0)
        result.buttonWidth = window.width / 9 - 10;
    const double h = window.height - (window.toolbarHeight + window.statusBarHeight + 850);
    if (h < 0)
        return result;
    p.todaysList.setHeight(h);
    p.itemList.setHeight(h / 2);
    p.categoryList.moveTop(p.itemList.top() + p.itemList.height());
    p.categoryList.setHeight(h / 2);
    p.notesFrame.setHeight(p.todaysList.height() + 10);
    setHeight(p.notesBox, p.notesFrame.height() - 800);
    p.recipePanel.setHeight(h);
    setHeight(p.recipeList, p.recipePanel.height() - 2200);
    return result;
}
