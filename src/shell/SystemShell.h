#pragma once

#include "DesktopShell.h"

// The desktop of the system the program runs on: the shell's own functions on Windows; elsewhere
// the desktop's own library (GIO), which names a program by its desktop entry and starts it as
// the entry says.
class SystemShell final : public DesktopShell {
public:
    std::optional<QString> findOpeningProgram(const QString& file) override;
    std::optional<QString> findUrlProgram(const QString& scheme) override;
    bool startProgram(const QString& program, const QString& parameter) override;
};
