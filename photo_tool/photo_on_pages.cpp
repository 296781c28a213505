#include "photo_tool/photo_on_pages.h"

#include <cmath>
#include <utility>

#include "camera_chooser/camera_chooser.h"
#include "photos/camera_of_photo.h"
#include "settings/model/records.h"
#include "settings/model/settings_change.h"

namespace mirel {

namespace {

// The diagonal of 36 × 24 mm, over which a frame's diagonal is its crop
// factor.
const double kFullFrameDiagonal = std::hypot(36.0, 24.0);

} // namespace

std::optional<Camera> cameraOfShot(const PhotoReading &reading, const CameraDatabaseLoad &cameras)
{
	const PhotoFrame &frame = reading.frame;
	if (frame.source == FrameSource::None)
		return std::nullopt;
	if (frame.source == FrameSource::CameraDatabase) {
		if (const Camera *known = cameraOfPhoto(cameras, reading.make, reading.model).camera)
			return *known;
	}
	CameraNames names{ reading.make, reading.model.empty() ? "Photo" : reading.model, {}, {}, {} };
	Camera camera = makeCamera(std::move(names), {}, kFullFrameDiagonal / frame.diagonal);
	camera.frame = { frame.width, frame.height, frame.diagonal };
	return camera;
}

std::string usePhotoOnPages(const PhotoReading &reading, const CameraDatabaseLoad &cameras)
{
	const SettingsChange change;
	CalcSettings &settings = currentSettings();
	std::string kept;
	const auto keep = [&kept](const char *what, const std::string &why) {
		kept += std::string(kept.empty() ? "The pages keep their " : " Nor their ") + what + ": " + why + ".";
	};
	const auto take = [&](double &field, const PhotoFigure &figure, const char *what) {
		if (figure.known() && std::isfinite(figure.value))
			field = figure.value;
		else
			keep(what, figure.known() ? "the photo's is at infinity" : "the photo has none");
	};
	take(settings.FocalLength, reading.focalLength, "focal length");
	take(settings.Aperture, reading.fNumber, "aperture");
	take(settings.FocusDistance, reading.focusDistance, "focus distance");
	if (const std::optional<Camera> camera = cameraOfShot(reading, cameras))
		chooseCameraForPages(*camera, DiagonalRule::Classic);
	else
		keep("format", "the photo gives no frame");
	return kept;
}

} // namespace mirel
