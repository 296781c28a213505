#include "shell/shell_resources.h"

#include <QPixmap>
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
	// From pixmaps: adding files would first look for an icon engine plugin
	// for the suffix, a search that costs more than decoding both pictures.
	QIcon icon;
	icon.addPixmap(QPixmap(QStringLiteral(":/icons/mirel-16.png")));
	icon.addPixmap(QPixmap(QStringLiteral(":/icons/mirel-32.png")));
	return icon;
}

} // namespace mirel
