#pragma once

#include <QString>
#include <stdexcept>

// A file that could not be opened, read, written, removed or renamed. Caught once, at the edge of
// each command, which shows it and abandons the command.
class FileError final : public std::runtime_error {
public:
    FileError(const QString& fileName, const QString& message);

    const QString& fileName() const { return m_fileName; }
    const QString& message() const { return m_message; }

private:
    QString m_fileName;
    QString m_message;
};
