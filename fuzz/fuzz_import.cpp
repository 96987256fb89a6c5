// The import's field reader on any bytes: every field lies on one line of the file.
#include "ImportFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    int lines = 1;
    for (const char c : bytes)
        lines += c == '\n' || c == '\r';
    for (const ImportFile::Field& field : ImportFile::fields(bytes))
        if (field.text.contains(u'\r') || field.text.contains(u'\n') || field.line < 1 ||
            field.line > lines)
            std::abort();
    return 0;
}
