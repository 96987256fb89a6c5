#pragma once

#include "CommandError.h"

#include <QString>

// The printer, or the PDF file standing in for it, could not take the printout.
class PrintError final : public CommandError {
public:
    explicit PrintError(const QString& message);
};
