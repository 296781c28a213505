#pragma once

namespace mirel {

// Screen readers name a menu item by its text before the shortcut shown at
// its right ("f Numbers Page", not "f Numbers Page<tab>Ctrl-1") and tell the
// shortcut as the item's key. For every menu of the application; call
// before the first menu is shown.
void nameMenuItemsWithoutShortcutText();

} // namespace mirel
