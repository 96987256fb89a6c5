#include "ListOrder.h"

#include <QCollator>
#include <QLocale>

namespace {

const QCollator& collator() {
    static const QCollator shared = [] {
        QLocale locale;
        if (locale.language() == QLocale::C)
            locale = QLocale(QLocale::English, QLocale::UnitedStates);
        QCollator made(locale);
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    return shared;
}

} // namespace

int ListOrder::compare(QStringView a, QStringView b) {
    return collator().compare(a, b);
}
