#include "Blanks.h"

namespace {

template <typename View> View withoutBlanks(View text) {
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

} // namespace

QString Blanks::trimmed(QStringView text) {
    return withoutBlanks(text).toString();
}

QStringView Blanks::trimmedView(QStringView text) {
    return withoutBlanks(text);
}

QString Blanks::withoutTrailing(QStringView text) {
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text.toString();
}

QByteArrayView Blanks::trimmed(QByteArrayView bytes) {
    return withoutBlanks(bytes);
}
