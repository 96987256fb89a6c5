#pragma once

#include <QString>
#include <optional>

// What the program asks of the desktop: which program opens a file or an address, and starting
// a program.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // The program that opens the file, as the desktop names it (it may come padded with blanks):
    // a program's path, or the whole command line of its desktop entry; nothing when the desktop
    // has none.
    virtual std::optional<QString> findOpeningProgram(const QString& file) = 0;
    // The program that opens addresses of the scheme ("mailto"), named as findOpeningProgram
    // names one; nothing when the desktop has none.
    virtual std::optional<QString> findUrlProgram(const QString& scheme) = 0;
    // Starts the program, as findOpeningProgram named it, with one parameter; false when it could
    // not be started.
    virtual bool startProgram(const QString& program, const QString& parameter) = 0;
};
