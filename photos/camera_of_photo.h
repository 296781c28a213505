#pragma once

#include <string>
#include <string_view>

#include "cameras/camera_database.h"

namespace mirel {

// The camera of the database a photo was taken with, by the make and model
// the camera wrote into it ("NIKON CORPORATION", "NIKON D800"). The
// database keeps those names beside the ones it shows (lensfun's own), so
// each must equal one of the camera's maker names and one of its model
// names, case, blanks and hyphens aside. The cameras matching must have one
// frame: a name the database gives cameras of different frames (compacts
// listed once per aspect ratio) is no match.
struct CameraOfPhoto {
	const Camera *camera = nullptr;
	std::string unusable; // why there is none
};
CameraOfPhoto cameraOfPhoto(const CameraDatabaseLoad &cameras, std::string_view make, std::string_view model);

} // namespace mirel
