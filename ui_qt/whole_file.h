#pragma once

#include <QByteArray>
#include <QString>

namespace mirel::ui {

// Writes bytes into the file at path so that it appears whole or not at
// all: written beside its place, each write checked, synced and renamed
// into it, so a full disk or a folder without write permission leaves
// whatever was there before. Returns the system's reason when it fails
// ("No space left on device"), empty when the file is saved.
QString saveWholeFile(const QString &path, const QByteArray &bytes);

} // namespace mirel::ui
