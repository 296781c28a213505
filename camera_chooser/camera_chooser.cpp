#include "camera_chooser/camera_chooser.h"

#include <cmath>

#include "cameras/camera_film_format.h"
#include "core/number_text.h"
#include "pages/conventions.h"
#include "settings/model/records.h"
#include "settings/model/settings_change.h"

namespace mirel {

namespace {

// A side to hundredths of a millimetre, without trailing zeros.
std::string side(double mm)
{
	return formatPlain(std::round(mm * 100.0) / 100.0);
}

int pagesRow()
{
	const std::uint8_t row = currentSettings().FilmSize;
	return row < kFilmFormatCount ? row : 0;
}

} // namespace

CameraChooser::CameraChooser()
{
	update();
}

void CameraChooser::arrive(const CameraDatabaseLoad &load)
{
	loading_ = false;
	database_ = load.database;
	missing_ = load.error;
	update();
}

void CameraChooser::search(std::string_view text)
{
	text_ = text;
	update();
}

void CameraChooser::update()
{
	cameras_.clear();
	if (loading_) {
		message_ = { kLoadingCameras, {} };
		return;
	}
	if (!database_) {
		message_ = { "%1", { missing_ } };
		return;
	}
	const CameraMatches found = database_->search(text_);
	for (const CameraMatch &match : found.matches)
		cameras_.push_back(match.camera);
	if (cameras_.empty())
		message_ = { kNoCameraMatches, { text_ } };
	else if (found.matches.front().rank == MatchRank::Near)
		message_ = { kNoCameraMatchesNearest, { text_ } };
	else
		message_ = {};
}

CameraEntry cameraEntry(const Camera &camera, DiagonalRule rule)
{
	return { camera.fullName, side(camera.frame.width) + " \xD7 " + side(camera.frame.height) + " mm",
		 formatPlain(camera.cropFactor),
		 diagonalRuleCoC(camera.frame.width, camera.frame.height, rule).coc.text };
}

DiagonalRule diagonalRuleOf(double number)
{
	for (const DiagonalRule rule : kDiagonalRules) {
		if (number == static_cast<double>(rule))
			return rule;
	}
	return DiagonalRule::Classic;
}

std::string pagesFormatText()
{
	const int row = pagesRow();
	return "format " + std::to_string(row + 1) + ", " +
	       std::string(filmName(currentSettings().FilmSizes[static_cast<std::size_t>(row)]));
}

void chooseCameraForPages(const Camera &camera, DiagonalRule rule)
{
	const SettingsChange change;
	const int row = pagesRow();
	fillFilmFormatFromCamera(row, camera, rule);
	chooseFilmFormat(row);
	if (rule != DiagonalRule::Classic) {
		CalcSettings &settings = currentSettings();
		settings.filmCoC = shownValue(settings.FilmSizes[static_cast<std::size_t>(row)].CoC);
	}
}

} // namespace mirel
