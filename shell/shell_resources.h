#pragma once

#include <QIcon>

class QWidget;

namespace mirel {

// Registers the help topics and icons built into the shell library; a static
// library's resources are not registered by themselves. Safe to call twice.
void initShellResources();

// The window icon, an aperture iris, at every size it is rendered at.
QIcon mirelIcon();

// Makes the icon the application's, for all its windows: at once at one
// size title bars and task bars scale, whole once `window` has first
// painted.
void setApplicationIcon(QWidget *window);

} // namespace mirel
