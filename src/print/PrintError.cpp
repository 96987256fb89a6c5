#include "PrintError.h"

PrintError::PrintError(const QString& message)
    : std::runtime_error(message.toStdString())
    , m_message(message) {}
