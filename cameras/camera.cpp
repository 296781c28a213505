#include "cameras/camera.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "cameras/camera_names.h"
#include "core/optics.h"

namespace mirel {

namespace {

constexpr double kLargestCropFactor = 20.0;

// "16:9" as 16:9; nothing for any other word.
std::optional<AspectRatio> readAspectRatio(std::string_view text)
{
	const char *end = text.data() + text.size();
	AspectRatio ratio{};
	const auto across = std::from_chars(text.data(), end, ratio.across);
	if (across.ec != std::errc() || across.ptr == end || *across.ptr != ':')
		return std::nullopt;
	const auto up = std::from_chars(across.ptr + 1, end, ratio.up);
	if (up.ec != std::errc() || up.ptr != end || ratio.across <= 0 || ratio.up <= 0)
		return std::nullopt;
	return ratio;
}

} // namespace

AspectRatio aspectRatio(std::string_view mount, std::string_view fullName)
{
	for (std::size_t start = 0; start < fullName.size();) {
		const std::size_t end = std::min(fullName.find(' ', start), fullName.size());
		std::string_view word = fullName.substr(start, end - start);
		if (word.starts_with('(') && word.ends_with(')'))
			word = word.substr(1, word.size() - 2);
		if (const std::optional<AspectRatio> ratio = readAspectRatio(word))
			return *ratio;
		start = end + 1;
	}
	if (mount == "4/3 System" || mount == "Micro 4/3 System")
		return { 4, 3 };
	return { 3, 2 };
}

CameraFrame cameraFrame(double cropFactor, AspectRatio ratio)
{
	const double diagonal = frameDiagonal(36.0, 24.0) / cropFactor;
	const double ratioDiagonal = std::hypot(ratio.across, ratio.up);
	return { diagonal * ratio.across / ratioDiagonal, diagonal * ratio.up / ratioDiagonal, diagonal };
}

bool usableCropFactor(double cropFactor)
{
	return std::isfinite(cropFactor) && cropFactor > 0.0 && cropFactor <= kLargestCropFactor;
}

Camera makeCamera(CameraNames names, std::string mount, double cropFactor)
{
	Camera camera{ std::move(names), std::move(mount), cropFactor, {}, {}, {} };
	const CameraNames &n = camera.names;
	camera.fullName = cameraFullName(n.maker, n.model, n.variant);
	camera.frame = cameraFrame(cropFactor, aspectRatio(camera.mount, camera.fullName));
	camera.shortName = cameraShortName(n.maker, n.model, n.variant);
	return camera;
}

} // namespace mirel
