// Renders the icon's SVG drawing to PNG files, one for each size asked for:
// render_icon SOURCE.svg OUT-PREFIX SIZE...  writes OUT-PREFIX-SIZE.png, and
// OUT-PREFIX-SIZE.rgba: the pixels as they are, row by row, four bytes each
// (red, green, blue, alpha, premultiplied), for a program that shows the
// icon without decoding a picture.
#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QSaveFile>

int main(int argc, char **argv)
{
	if (argc < 4) {
		std::fputs("usage: render_icon SOURCE.svg OUT-PREFIX SIZE...\n", stderr);
		return 2;
	}
	qputenv("QT_QPA_PLATFORM", "offscreen");
	QGuiApplication app(argc, argv);
	const QIcon icon(QString::fromLocal8Bit(argv[1]));
	for (int i = 3; i < argc; ++i) {
		const int size = std::atoi(argv[i]);
		const QString path = QStringLiteral("%1-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
		const QPixmap pixmap = icon.pixmap(size, size);
		const QImage pixels = pixmap.toImage().convertToFormat(QImage::Format_RGBA8888_Premultiplied);
		QSaveFile raw(QStringLiteral("%1-%2.rgba").arg(QString::fromLocal8Bit(argv[2])).arg(size));
		const bool rawWritten = raw.open(QIODevice::WriteOnly) &&
					raw.write(reinterpret_cast<const char *>(pixels.constBits()),
						  pixels.sizeInBytes()) == pixels.sizeInBytes() &&
					raw.commit();
		if (size <= 0 || pixmap.size() != QSize(size, size) || !pixmap.save(path) || !rawWritten) {
			std::fprintf(stderr, "render_icon: cannot render %s at %s px\n", argv[1], argv[i]);
			return 1;
		}
	}
	return 0;
}
