// Renders the window icon's SVG source to the PNG sizes the program ships:
// render_icon SOURCE.svg OUT-PREFIX  writes OUT-PREFIX-16.png and -32.png.
#include <cstdio>

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char **argv)
{
	if (argc != 3) {
		std::fputs("usage: render_icon SOURCE.svg OUT-PREFIX\n", stderr);
		return 2;
	}
	qputenv("QT_QPA_PLATFORM", "offscreen");
	QGuiApplication app(argc, argv);
	const QIcon icon(QString::fromLocal8Bit(argv[1]));
	for (const int size : { 16, 32 }) {
		const QString path = QStringLiteral("%1-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
		if (!icon.pixmap(size, size).save(path))
			return 1;
		std::printf("wrote %s\n", qPrintable(path));
	}
	return 0;
}
