#pragma once

#include "settings/model/remembered.h"
#include "settings/registry/registry_key.h"

namespace mirel {

// What the windows remember, on the product key held by key, in the layout
// of remembered_layout.h.

// Every value that can be taken as it is stored; a value missing, or one
// that cannot be taken (a place or number that is no number), keeps its
// built-in value without a word. Nothing the user set in the settings
// depends on it, and the next save writes it whole again.
void readRemembered(RegistryKey &key, Remembered &remembered);

// Every value, each subkey created when it is missing. A failed write
// throws, as the settings' own writes do; a subkey that cannot be created
// (its creation already reported) ends the writing.
void writeRemembered(RegistryKey &key, const Remembered &remembered);

// What a save writes, value by value, by the rule of the settings' merge:
// the value in memory when this run changed it (it differs from loaded);
// otherwise the value the file holds now, when it can be taken; otherwise
// the one in memory. A number that would not read back is never written.
// With nothing loaded, every value counts as changed.
Remembered mergeRememberedForSave(RegistryKey &key, const Remembered &memory, const Remembered *loaded);

} // namespace mirel
