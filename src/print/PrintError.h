#pragma once

#include <QString>
#include <stdexcept>

// The printer, or the PDF file standing in for it, could not take the printout.
class PrintError final : public std::runtime_error {
public:
    explicit PrintError(const QString& message);

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
