#pragma once

#include <QIcon>

namespace mirel {

// Registers the help topics and icons built into the shell library; a static
// library's resources are not registered by themselves. Safe to call twice.
void initShellResources();

// The window icon, an aperture iris, at its small and large size.
QIcon mirelIcon();

} // namespace mirel
