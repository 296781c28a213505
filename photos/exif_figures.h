#pragma once

#include "photos/photo_reading.h"

namespace Exiv2 {
class ExifData;
} // namespace Exiv2

namespace mirel {

// The reading of a photo's Exif tags, all but its frame (photo_frame.h).
// imageWidth and imageHeight are the picture's own size in pixels (0 when
// not known), for a photo without Exif.Photo.PixelXDimension and
// PixelYDimension. Each figure from the first of its tags the photo holds:
//   focal length: Exif.Photo.FocalLength, Exif.Image.FocalLength;
//   f-number: Exif.Photo.FNumber, Exif.Image.FNumber, else the APEX
//     aperture value Exif.Photo.ApertureValue, Exif.Image.ApertureValue
//     (f-number = 2^(Av / 2));
//   focus distance: focus_distance.h;
//   35 mm equivalent focal length: Exif.Photo.FocalLengthIn35mmFilm (0 is
//     unknown, as the Exif standard says);
//   focal-plane resolution: Exif.Photo.FocalPlaneXResolution and
//     YResolution in the unit of FocalPlaneResolutionUnit (inches when it is
//     missing, as the standard says; also the TIFF/EP unit codes 4 for
//     millimetres and 5 for micrometres), or the same Exif.Image tags;
//   lens: Exif.Photo.LensModel, else the lens exiv2's easy-access lensName
//     finds, by the name exiv2 prints for it.
// A figure outside what a camera can record (a focal length of 0 or above
// 10 m, an f-number below f/0.5 or above f/1000) has no value, and the
// reason says what the tag holds.
PhotoReading exifFigures(const Exiv2::ExifData &data, int imageWidth, int imageHeight);

} // namespace mirel
