#pragma once

#include <QByteArray>
#include <QString>

namespace mirel::ui {

// Saves bytes as the file at path, whole or not at all: written beside its
// place, each write checked, synced and renamed into it, so a full disk or
// a folder without write permission leaves whatever was there before.
// Returns the system's reason when it fails, empty when the file is saved.
QString saveFileWhole(const QString &path, const QByteArray &bytes);

} // namespace mirel::ui
