#pragma once

#include <QString>
#include <QStringView>

// Trimming that removes blanks only: tabs and other white space belong to the text.
namespace Blanks {
QString trimmed(QStringView text);
} // namespace Blanks
