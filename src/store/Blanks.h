#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Trimming that removes blanks only: tabs and other white space belong to the text.
namespace Blanks {
QString trimmed(QStringView text);
QStringView trimmedView(QStringView text);
// The text without the blanks at its end.
QString withoutTrailing(QStringView text);
// The bytes without the blanks at either end: a stored field's name.
QByteArrayView trimmed(QByteArrayView bytes);
} // namespace Blanks
