#include "FileError.h"

using namespace Qt::StringLiterals;

FileError::FileError(const QString& fileName, const QString& message)
    : CommandError(u"File Error"_s, fileName + u"\n\n"_s + message, fileName + u": "_s + message)
    , m_fileName(fileName)
    , m_message(message) {}
