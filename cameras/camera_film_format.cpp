#include "cameras/camera_film_format.h"

#include "settings/model/film_formats.h"
#include "settings/model/remembered.h"
#include "settings/model/settings_change.h"

namespace mirel {

FilmFormat cameraFilmFormat(const Camera &camera, DiagonalRule rule)
{
	FilmFormat format;
	setFilmName(format, camera.shortName);
	format.Width = camera.frame.width;
	format.Height = camera.frame.height;
	format.CoC = diagonalRuleCoC(format.Width, format.Height, rule).coc.value;
	return format;
}

void fillFilmFormatFromCamera(int row, const Camera &camera, DiagonalRule rule)
{
	const auto at = static_cast<std::size_t>(row);
	const FilmFormat filled = cameraFilmFormat(camera, rule);
	const SettingsChange change;
	for (CalcSettings *settings : { &defaultSettings(), &currentSettings() }) {
		FilmFormat &format = settings->FilmSizes[at];
		if (settings->FilmSize == row && (format.Width != filled.Width || format.Height != filled.Height))
			settings->filmCoC = suggestedCoC(filled);
		format = filled;
	}
	remembered().filmCameras[at] = camera.fullName;
}

} // namespace mirel
