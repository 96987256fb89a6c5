#pragma once

#include "CommandError.h"

#include <QString>

// A file that could not be opened, read, written, removed or renamed: shown as the file's name
// and the system's message.
class FileError final : public CommandError {
public:
    FileError(const QString& fileName, const QString& message);

    const QString& fileName() const { return m_fileName; }
    const QString& message() const { return m_message; }

private:
    QString m_fileName;
    QString m_message;
};
