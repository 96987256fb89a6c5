#include "CommandError.h"

CommandError::CommandError(const QString& title, const QString& text)
    : std::runtime_error(text.toStdString())
    , m_title(title)
    , m_text(text) {}

CommandError::CommandError(const QString& title, const QString& text, const QString& oneLine)
    : std::runtime_error(oneLine.toStdString())
    , m_title(title)
    , m_text(text) {}
