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
    setWidth(result.tmpList, window.width - result.stdList.width() - 70);
    result.catList.moveTop(result.stdList.top() + result.stdList.height());
    setHeight(result.catList,
              window.height - (window.toolbarHeight + result.stdList.height() + 1000));
    return result;
}

WindowLayout::Resized WindowLayout::resized(const Places& places, const Window& window) {
    Resized result{places, std::nullopt};
    if (window.height <= 5000)
        return result;
    Places& p = result.places;
    setWidth(p.tmpList, window.width - p.stdList.width() - 350);
    setWidth(p.editorFrame, p.tmpList.width());
    setWidth(p.editorBox, p.editorFrame.width() - 250);
    if (window.height - (window.toolbarHeight + places.stdList.height() + 1625) > 0)
        result.buttonWidth = window.width / 9 - 10;
    const double h = window.height - (window.toolbarHeight + window.statusBarHeight + 850);
    if (h < 0)
        return result;
    p.tmpList.setHeight(h);
    p.stdList.setHeight(h / 2);
    p.catList.moveTop(p.stdList.top() + p.stdList.height());
    p.catList.setHeight(h / 2);
    p.editorFrame.setHeight(p.tmpList.height() + 10);
    setHeight(p.editorBox, p.editorFrame.height() - 800);
    p.macroFrame.setHeight(h);
    setHeight(p.file1, p.macroFrame.height() - 2200);
    return result;
}
