#include "photos/camera_of_photo.h"

#include <algorithm>
#include <vector>

#include "cameras/camera_search.h"

namespace mirel {

namespace {

bool anyNamed(std::string_view form, const std::string &name, const std::vector<std::string> &others)
{
	return searchForm(name) == form ||
	       std::ranges::any_of(others, [&](const std::string &other) { return searchForm(other) == form; });
}

} // namespace

CameraOfPhoto cameraOfPhoto(const CameraDatabaseLoad &cameras, std::string_view make, std::string_view model)
{
	if (make.empty() || model.empty())
		return { nullptr, "no camera make and model recorded" };
	if (!cameras.database)
		return { nullptr, cameras.error };
	const std::string makeForm = searchForm(make);
	const std::string modelForm = searchForm(model);
	std::vector<const Camera *> found;
	for (const Camera &camera : cameras.database->cameras()) {
		const CameraNames &names = camera.names;
		if (anyNamed(makeForm, names.maker, names.otherMakerNames) &&
		    anyNamed(modelForm, names.model, names.otherModelNames))
			found.push_back(&camera);
	}
	const std::string named = std::string(make) + " / " + std::string(model);
	if (found.empty())
		return { nullptr, named + " is not in the camera database" };
	// Entries of one name and one frame differ only in what they are called
	// beside it: the one of the shortest full name stands for them.
	const bool oneFrame = std::ranges::all_of(found, [&](const Camera *camera) {
		return camera->frame.width == found.front()->frame.width &&
		       camera->frame.height == found.front()->frame.height;
	});
	if (!oneFrame)
		return { nullptr,
			 std::to_string(found.size()) + " cameras of the camera database are called " + named };
	return { *std::ranges::min_element(found, {}, [](const Camera *camera) { return camera->fullName.size(); }),
		 {} };
}

} // namespace mirel
