#pragma once

#include <QKeySequence>
#include <QList>

namespace mirel {

// The desktop's keys for a standard action, with the key every Linux desktop
// uses for it among them, also where the platform names none (Ctrl+Q for
// Quit, Ctrl+W for Close).
inline QList<QKeySequence> standardKeys(QKeySequence::StandardKey action, const QKeySequence &common)
{
	QList<QKeySequence> keys = QKeySequence::keyBindings(action);
	if (!keys.contains(common))
		keys.append(common);
	return keys;
}

} // namespace mirel
