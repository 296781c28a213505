#include "photo_tool_qt/photo_loading.h"

#include <filesystem>

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "photos/photo_preview.h"

namespace mirel {

namespace {

// Pictures larger than this are drawn from their preview, if any: Qt would
// decode them whole for a thumbnail.
constexpr qint64 kLargestPictureDrawn = 60'000'000; // pixels

// The picture of reader at the size that fits side, or a null image when
// it cannot be drawn so.
QImage scaledPicture(QImageReader &reader, int side)
{
	const QSize size = reader.size();
	if (!size.isValid() || qint64{ size.width() } * size.height() > kLargestPictureDrawn)
		return {};
	if (size.width() > side || size.height() > side)
		reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
	return reader.read();
}

} // namespace

LoadedPhoto loadPhoto(const QString &path, int side)
{
	// The name as the file system has it, whatever its encoding.
	const std::filesystem::path file(QFile::encodeName(path).toStdString());
	LoadedPhoto loaded{ readPhoto(file, installedCameraDatabase()), {} };
	if (!loaded.reading.error.empty())
		return loaded;
	QImageReader reader(path);
	reader.setAutoTransform(true);
	loaded.thumbnail = scaledPicture(reader, side);
	if (loaded.thumbnail.isNull()) {
		QByteArray preview = QByteArray::fromStdString(photoPreview(file, side));
		QBuffer buffer(&preview);
		QImageReader previewReader(&buffer);
		previewReader.setAutoTransform(true);
		loaded.thumbnail = scaledPicture(previewReader, side);
	}
	return loaded;
}

} // namespace mirel
