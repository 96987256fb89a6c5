#pragma once

#include <QString>

// The order of every list the program shows: names as the user's language sorts words, without
// regard to case ("éclair" beside "eclair", not after "zucchini"). A system without a language
// (the C locale) sorts as English does.
class ListOrder final {
public:
    static bool lessThan(const QString& a, const QString& b);
};
