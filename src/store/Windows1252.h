#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every file the program writes holds one Windows-1252 byte per character, whatever the system
// locale. A character the code page cannot hold is stored as '?', so what is written reads back
// unchanged.
class Windows1252 final {
public:
    static QString decode(QByteArrayView bytes);
    static QByteArray encode(QStringView text);
    // Adds the bytes of text at the end of bytes, without a copy in between.
    static void append(QByteArray& bytes, QStringView text);
    // Whether every character of text has a byte of its own.
    static bool canEncode(QStringView text);
    // The text encoded, then cut to width bytes or filled up with blanks.
    static QByteArray encodeField(QStringView text, qsizetype width);
};
