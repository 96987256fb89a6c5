#pragma once

#include <QString>
#include <stdexcept>

// A failure that abandons the command it happened in: caught once, at the edge of each command,
// which shows its text in a box with its title.
class CommandError : public std::runtime_error {
public:
    CommandError(const QString& title, const QString& text);
    // what() says it on one line, for the terminal.
    CommandError(const QString& title, const QString& text, const QString& oneLine);

    const QString& title() const { return m_title; }
    const QString& text() const { return m_text; }

private:
    QString m_title;
    QString m_text;
};
