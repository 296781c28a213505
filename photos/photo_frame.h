#pragma once

#include "cameras/camera_database.h"
#include "photos/photo_reading.h"

namespace mirel {

// A photo's frame, from the first source that gives one (FrameSource):
// 1. the camera of the database its make and model name (camera_of_photo.h);
// 2. the focal-plane resolution: the picture's pixels over the sensor's
//    pixels per millimetre, across and up (the resolution across for both
//    when only that one is recorded). It holds for the picture the camera
//    wrote, not for one resized or cropped since;
// 3. the 35 mm equivalent focal length: its crop factor, the 35 mm
//    equivalent over the focal length, in the picture's proportions (3:2
//    when its size is not known). The 35 mm equivalent is recorded in whole
//    millimetres, so its crop factor is near, not exact.
// A frame a source gives is taken only when a camera can have it: its crop
// factor a usable one (usableCropFactor), its diagonal at most
// kLargestFrameDiagonal.
PhotoFrame photoFrame(const PhotoReading &reading, const CameraDatabaseLoad &cameras);

// The diagonal of 8 × 10 inch sheet film, with room to spare.
inline constexpr double kLargestFrameDiagonal = 400.0;

} // namespace mirel
