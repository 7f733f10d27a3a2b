#pragma once

#include <QByteArray>
#include <QString>

#include "sheet/sheet.h"

namespace sheet {

// Larger files are refused unread: a real sheet of kMaxEntries diagrams stays far below.
inline constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

struct Loaded {
    Sheet sheet;
    QString message;  // empty when everything was read; else one line naming the file
};

// A missing file is a new, empty sheet and no message. A damaged one gives what
// could be read of it: the entries that are whole, in order, and the title and
// row length when they are valid; one message names the file and what was dropped.
Loaded load(const QString& path);
// The same from bytes already read; `name` is the file the message names.
Loaded parse(const QByteArray& bytes, const QString& name);

QByteArray serialize(const Sheet& sheet);
// Writes a new file beside the old one and puts it in place only when whole:
// empty on success, else one line naming the file, and the old file is as it was.
QString save(const Sheet& sheet, const QString& path);

}  // namespace sheet
