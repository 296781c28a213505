#pragma once

#include <QString>

namespace mirel {

class DofTable;

// Saves the table at path: the printed card as PDF when the name ends in
// ".pdf", CSV otherwise. The file appears whole or not at all: it is written
// beside its place, each write checked, synced and renamed into it, so a
// full disk or a folder without write permission leaves whatever was there
// before. Returns what to tell
// the user when saving fails, with the file's name and the system's reason;
// empty when the file is saved.
QString saveDofTable(const DofTable &table, const QString &path);

} // namespace mirel
