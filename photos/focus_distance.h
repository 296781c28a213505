#pragma once

#include <string_view>

#include "photos/photo_reading.h"

namespace Exiv2 {
class ExifData;
} // namespace Exiv2

namespace mirel {

// The focus distance of a photo: the tag exiv2's easy-access subjectDistance
// finds (Exif.Photo.SubjectDistance, or a maker note's focus distance), read
// in the unit of that tag. Each maker keeps it in a unit and code of its
// own, as exiv2 and ExifTool decode them:
//   Exif.Photo.SubjectDistance, Exif.Image.SubjectDistance: metres; a
//     numerator of 0xFFFFFFFF is infinity, 0 unknown (the Exif standard);
//   Exif.CanonSi.SubjectDistance, Exif.CanonFi.FocusDistanceUpper and
//     ...Lower: centimetres in 16 bits, 0xFFFF infinity;
//   Exif.Nikon1.FocusDistance, Exif.Nikon3.FocusDistance: metres;
//   Exif.NikonLd2.FocusDistance, Exif.NikonLd3.FocusDistance: the lens's
//     distance code v, 0.01 m × 10^(v / 40);
//   Exif.MinoltaCsNew.FocusDistance, Exif.Olympus.FocusDistance,
//     Exif.Casio.ObjectDistance, Exif.Casio2.ObjectDistance: millimetres;
//   Exif.OlympusFi.FocusDistance: millimetres in the numerator, whatever
//     the denominator, 0xFFFFFFFF infinity.
// A distance of 0 in a maker note is taken as not recorded, never as
// infinity; one beyond kFarthestFocusDistance as no figure.
PhotoFigure focusDistance(const Exiv2::ExifData &data);

// Farther than any camera focuses: 1000 km.
inline constexpr double kFarthestFocusDistance = 1e9;

} // namespace mirel
