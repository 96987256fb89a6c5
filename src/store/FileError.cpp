#include "FileError.h"

FileError::FileError(const QString& fileName, const QString& message)
    : std::runtime_error((fileName + QLatin1String(": ") + message).toStdString())
    , m_fileName(fileName)
    , m_message(message) {}
