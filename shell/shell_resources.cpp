#include "shell/shell_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResources()
{
	Q_INIT_RESOURCE(help);
	Q_INIT_RESOURCE(icons);
}

namespace mirel {

void initShellResources()
{
	static const bool registered = (registerResources(), true);
	(void)registered;
}

QIcon mirelIcon()
{
	initShellResources();
	QIcon icon;
	icon.addFile(QStringLiteral(":/icons/mirel-16.png"), QSize(16, 16));
	icon.addFile(QStringLiteral(":/icons/mirel-32.png"), QSize(32, 32));
	return icon;
}

} // namespace mirel
