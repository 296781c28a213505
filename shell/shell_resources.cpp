#include "shell/shell_resources.h"

#include <QApplication>
#include <QEvent>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
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

QPixmap iconPicture(int size)
{
	initShellResources();
	// Decoded as PNG, which Qt reads itself: a reader left to detect the
	// format loads every image format plugin first (SVG, JPEG, GIF, ICO
	// and their libraries), which costs more than the picture. Not from a
	// file added to the icon, either: that first looks for an icon engine
	// plugin for the suffix.
	QImageReader reader(QStringLiteral(":/icons/mirel-%1.png").arg(size), "png");
	reader.setAutoDetectImageFormat(false);
	return QPixmap::fromImage(reader.read());
}

// Title bars show the icon at 16 to 24 px and task bars at 32 to 48 px: one
// size serves them until the window has first painted, and comes as raw
// pixels, for the first picture decoded costs a good part of a
// millisecond, most of it setting up the decoding.
QPixmap iconAtStart()
{
	initShellResources();
	constexpr int side = identity::kIconSizeAtStart;
	const QByteArray pixels = QResource(QStringLiteral(":/icons/mirel-%1.rgba").arg(side)).uncompressedData();
	if (pixels.size() != side * side * 4)
		return iconPicture(side);
	return QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(pixels.constData()), side, side,
					 QImage::Format_RGBA8888_Premultiplied));
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
	QIcon icon;
	for (const int size : identity::kIconSizes)
		icon.addPixmap(iconPicture(size));
	return icon;
}

void setApplicationIcon(QWidget *window)
{
	QApplication::setWindowIcon(QIcon(iconAtStart()));
	window->installEventFilter(new WholeIconAfterFirstPaint(window));
}

} // namespace mirel
