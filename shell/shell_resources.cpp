#include "shell/shell_resources.h"

#include <limits>

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include "desktop/identity.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResources()
{
	Q_INIT_RESOURCE(help);
	Q_INIT_RESOURCE(icons);
}

namespace mirel {

namespace {

// Title bars and task bars show the icon at up to 48 px; the larger sizes
// serve task switchers and docks.
constexpr int kLargestAtStart = 48;

QIcon iconUpTo(int largest)
{
	initShellResources();
	// From pixmaps: adding files would first look for an icon engine plugin
	// for the suffix, a search that costs more than decoding the pictures.
	QIcon icon;
	for (const int size : identity::kIconSizes) {
		if (size <= largest)
			icon.addPixmap(QPixmap(QStringLiteral(":/icons/mirel-%1.png").arg(size)));
	}
	return icon;
}

// Gives the application the whole icon once the window it watches has
// painted for the first time.
class WholeIconAfterFirstPaint : public QObject
{
public:
	using QObject::QObject;

protected:
	bool eventFilter(QObject *watched, QEvent *event) override
	{
		if (event->type() == QEvent::Paint) {
			watched->removeEventFilter(this);
			QTimer::singleShot(0, this, [this] {
				QApplication::setWindowIcon(mirelIcon());
				deleteLater();
			});
		}
		return false;
	}
};

} // namespace

void initShellResources()
{
	static const bool registered = (registerResources(), true);
	(void)registered;
}

QIcon mirelIcon()
{
	return iconUpTo(std::numeric_limits<int>::max());
}

void setApplicationIcon(QWidget *window)
{
	// Decoding the large pictures would hold up the window's first picture.
	QApplication::setWindowIcon(iconUpTo(kLargestAtStart));
	window->installEventFilter(new WholeIconAfterFirstPaint(window));
}

} // namespace mirel
