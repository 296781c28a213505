#pragma once

#include "cameras/camera.h"
#include "core/circle_of_confusion.h"
#include "settings/model/records.h"

namespace mirel {

// A camera as a format of the film table: its short name, its frame, and
// its circle of confusion by rule (by default the pages' own suggestion).
FilmFormat cameraFilmFormat(const Camera &camera, DiagonalRule rule = DiagonalRule::Classic);

// Fills row (0 to 9) of the film table with the camera's format, in both
// settings instances as the film formats editor stores the table, and keeps
// the camera's full name beside the row. An instance whose selected format
// is that row and changes its frame takes the new frame's suggested circle
// of confusion, as after an edit. One change of the settings. Every way of
// filling a row from a camera goes through here.
void fillFilmFormatFromCamera(int row, const Camera &camera, DiagonalRule rule = DiagonalRule::Classic);

} // namespace mirel
