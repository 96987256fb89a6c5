#pragma once

#include "DesktopShell.h"

// The desktop of the system the program runs on: the shell's own functions on Windows, the
// MIME database (xdg-mime) elsewhere, whose program is started as the Exec line of its desktop
// entry says.
class SystemShell final : public DesktopShell {
public:
    std::optional<QString> findOpeningProgram(const QString& file) override;
    std::optional<QString> findUrlProgram(const QString& scheme) override;
    bool startProgram(const QString& program, const QString& parameter) override;
};
