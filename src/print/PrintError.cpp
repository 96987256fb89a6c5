#include "PrintError.h"

using namespace Qt::StringLiterals;

PrintError::PrintError(const QString& message)
    : CommandError(u"Print Error"_s, message) {}
