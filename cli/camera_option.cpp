#include "cli/camera_option.h"

#include <string>

#include "cli/option_text.h"
#include "core/cp1252.h"

namespace mirel::cli {

namespace {

// The candidates a refusal offers.
constexpr std::size_t kCandidates = 8;

// "Canon EOS 7D, Konica Minolta Dynax 7D and 3 more"
std::string candidates(const CameraMatches &found)
{
	std::string listed;
	const std::size_t shown = std::min(found.matches.size(), kCandidates);
	for (std::size_t i = 0; i < shown; ++i)
		listed += (i == 0 ? "" : ", ") + utf8FromCp1252(found.matches[i].camera->fullName);
	if (found.matches.size() > shown)
		listed += " and " + std::to_string(found.matches.size() - shown) + " more";
	return listed;
}

} // namespace

const CameraDatabase &installedCameras(std::string_view needer)
{
	const CameraDatabaseLoad &load = installedCameraDatabase();
	if (!load.database)
		throw UsageError(std::string(needer) + ": " + utf8FromCp1252(load.error));
	return *load.database;
}

const Camera &readCamera(std::string_view option, std::string_view text)
{
	const CameraMatches found = installedCameras(option).search(cp1252Replacing(text));
	if (const Camera *camera = found.named())
		return *camera;
	const std::string refused = std::string(option) + ": '" + std::string(text) + "' ";
	if (found.matches.empty())
		throw UsageError(refused + "names no camera; 'mirel-calc cameras' lists them");
	if (found.matches.front().rank == MatchRank::Near)
		throw UsageError(refused + "names no camera; the nearest: " + candidates(found));
	throw UsageError(refused + "fits more than one camera: " + candidates(found) + "; give more of the name");
}

} // namespace mirel::cli
