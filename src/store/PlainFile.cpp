#include "PlainFile.h"

#include "FileError.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

void PlainFile::refuseSpecial(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw FileError(info.fileName(), info.isDir() ? u"It is a folder, not a file."_s
                                                      : u"It is not an ordinary file (a pipe or a "
                                                        "device), so Vittlo! does not open it."_s);
}
