#pragma once

#include <QString>

class PrintTarget;

// Prints text wrapped at blanks: lines no wider than width less 10 twips, the first at (left,
// top), each further one at left, one line lower. A final word without a blank after it stays on
// its line; a first word too wide for any line gets a line of its own.
class WordWrap final {
public:
    static void print(PrintTarget& target, double left, double top, double width,
                      const QString& text);
};
