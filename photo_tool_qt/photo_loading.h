#pragma once

#include <QImage>
#include <QString>

#include "photos/photo_reading.h"

namespace mirel {

// A photo as the Photo window shows it: its reading and a thumbnail.
struct LoadedPhoto {
	PhotoReading reading;
	QImage thumbnail; // null when the photo can be drawn neither itself nor from a preview it holds
};

// Reads the photo at path with the installed camera database and draws its
// thumbnail to fit a square of side pixels: a JPEG, PNG or other picture Qt
// reads at that size, a raw file from the preview it holds. Takes as long
// as reading a large file does: for a worker thread.
LoadedPhoto loadPhoto(const QString &path, int side);

} // namespace mirel
