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

// The camera a photo's frame is: the database's, by the photo's make and
// model, else one of the photo's own names and its frame from the other
// sources. None (nullopt) when the photo gives no frame.
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

} // namespace

std::vector<Sentence> usePhotoOnPages(const PhotoReading &reading, const CameraDatabaseLoad &cameras)
{
	const SettingsChange change;
	CalcSettings &settings = currentSettings();
	std::vector<Sentence> kept;
	const auto keep = [&kept](std::string_view what, std::string_view why) {
		kept.push_back({ kept.empty() ? kPagesKeepPattern : kNorTheirPattern,
				 { std::string(what), std::string(why) } });
	};
	const auto take = [&](double &field, const PhotoFigure &figure, std::string_view what) {
		if (figure.known() && std::isfinite(figure.value))
			field = figure.value;
		else
			keep(what, figure.known() ? kKeptReasons[0] : kKeptReasons[1]);
	};
	take(settings.FocalLength, reading.focalLength, kKeptWords[0]);
	take(settings.Aperture, reading.fNumber, kKeptWords[1]);
	take(settings.FocusDistance, reading.focusDistance, kKeptWords[2]);
	if (const std::optional<Camera> camera = cameraOfShot(reading, cameras))
		chooseCameraForPages(*camera, DiagonalRule::Classic);
	else
		keep(kKeptWords[3], kKeptReasons[2]);
	return kept;
}

} // namespace mirel
