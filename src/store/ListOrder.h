#pragma once

#include <QString>

// The order of every list the program shows: names as the user's language sorts words, without
// regard to case ("éclair" beside "eclair", not after "zucchini"). A system without a language
// (the C locale) sorts as English does.
class ListOrder final {
public:
    static bool lessThan(const QString& a, const QString& b) { return compare(a, b) < 0; }
    // Below 0 when a comes first, 0 when neither does, above 0 when b does.
    static int compare(QStringView a, QStringView b);
};
