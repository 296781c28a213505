#pragma once

#include <optional>
#include <string>

#include "cameras/camera.h"
#include "cameras/camera_database.h"
#include "photos/photo_reading.h"

namespace mirel {

// The camera a photo's frame is: the database's, by the photo's make and
// model, else one of the photo's own names and its frame from the other
// sources. None (nullopt) when the photo gives no frame.
std::optional<Camera> cameraOfShot(const PhotoReading &reading, const CameraDatabaseLoad &cameras);

// The Photo window's "Use on pages": the photo's focal length, f-number and
// focus distance become the pages', each one it has (a focus distance at
// infinity the pages cannot take), and its camera (cameraOfShot) the pages'
// format, filled into their row of the film table as the camera chooser
// fills it, its circle by the pages' rule. One change of the settings.
// Returns what the pages kept of their own, for the user ("The pages keep
// their focus distance: the photo's is at infinity."); empty when they took
// all four.
std::string usePhotoOnPages(const PhotoReading &reading, const CameraDatabaseLoad &cameras);

} // namespace mirel
