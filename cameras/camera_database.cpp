#include "cameras/camera_database.h"

#include <algorithm>
#include <utility>

#include "cameras/lensfun_cameras.h"
#include "core/cp1252.h"

namespace mirel {

namespace {

constexpr std::size_t kNearestCount = 10;

bool byFullName(const Camera &a, const Camera &b)
{
	const std::string formA = searchForm(a.fullName);
	const std::string formB = searchForm(b.fullName);
	return formA != formB ? formA < formB : a.fullName < b.fullName;
}

void addOnce(std::vector<std::string> &names, const std::string &name, std::string_view shown)
{
	if (name != shown && std::ranges::find(names, name) == names.end())
		names.push_back(name);
}

// The other names of a camera of the same name and frame, joined to one.
void addNames(CameraNames &names, const CameraNames &more)
{
	addOnce(names.otherMakerNames, more.maker, names.maker);
	for (const std::string &name : more.otherMakerNames)
		addOnce(names.otherMakerNames, name, names.maker);
	addOnce(names.otherModelNames, more.model, names.model);
	for (const std::string &name : more.otherModelNames)
		addOnce(names.otherModelNames, name, names.model);
}

bool sameFrame(const Camera &a, const Camera &b)
{
	return a.cropFactor == b.cropFactor && a.mount == b.mount;
}

// Cameras sorted by full name with each name once: those of the same frame
// joined, the others told apart by their own model name.
std::vector<Camera> distinct(std::vector<Camera> cameras)
{
	std::ranges::stable_sort(cameras, byFullName);
	std::vector<Camera> kept;
	for (auto group = cameras.begin(); group != cameras.end();) {
		const auto end = std::find_if(group, cameras.end(), [&](const Camera &camera) {
			return searchForm(camera.fullName) != searchForm(group->fullName);
		});
		const std::size_t first = kept.size();
		for (auto camera = group; camera != end; ++camera) {
			const auto same = std::find_if(kept.begin() + static_cast<std::ptrdiff_t>(first), kept.end(),
						       [&](const Camera &other) { return sameFrame(other, *camera); });
			if (same != kept.end())
				addNames(same->names, camera->names);
			else
				kept.push_back(std::move(*camera));
		}
		if (kept.size() - first > 1) {
			for (std::size_t i = first; i < kept.size(); ++i) {
				if (!kept[i].names.otherModelNames.empty())
					kept[i].fullName += " (" + kept[i].names.otherModelNames.front() + ")";
			}
		}
		group = end;
	}
	std::ranges::stable_sort(kept, byFullName);
	return kept;
}

CameraDatabaseLoad loaded(std::vector<Camera> cameras, std::string noCamera)
{
	if (cameras.empty())
		return { nullptr, std::move(noCamera) };
	return { std::make_shared<const CameraDatabase>(std::move(cameras)), {} };
}

} // namespace

const Camera *CameraMatches::named() const
{
	if (matches.empty() || matches[0].rank > MatchRank::Words)
		return nullptr;
	if (matches.size() > 1 && matches[1].rank == matches[0].rank)
		return nullptr;
	return matches[0].camera;
}

CameraDatabase::CameraDatabase(std::vector<Camera> cameras) : cameras_(distinct(std::move(cameras)))
{
	keys_.reserve(cameras_.size());
	for (const Camera &camera : cameras_)
		keys_.push_back(searchKeys(camera));
}

CameraMatches CameraDatabase::search(std::string_view text) const
{
	const std::string form = searchForm(text);
	CameraMatches found;
	for (std::size_t i = 0; i < cameras_.size(); ++i) {
		if (const MatchRank rank = matchRank(keys_[i], form); rank != MatchRank::Near)
			found.matches.push_back({ &cameras_[i], rank });
	}
	if (!found.matches.empty()) {
		std::ranges::stable_sort(found.matches, {}, &CameraMatch::rank);
		return found;
	}
	const std::size_t allowed = std::max<std::size_t>(1, form.size() / 3);
	std::vector<std::pair<std::size_t, const Camera *>> near;
	for (std::size_t i = 0; i < cameras_.size(); ++i) {
		if (const std::size_t distance = typingDistance(keys_[i], form); distance <= allowed)
			near.emplace_back(distance, &cameras_[i]);
	}
	std::ranges::stable_sort(near, {}, &std::pair<std::size_t, const Camera *>::first);
	near.resize(std::min(near.size(), kNearestCount));
	for (const auto &[distance, camera] : near)
		found.matches.push_back({ camera, MatchRank::Near });
	return found;
}

CameraDatabaseLoad loadCameraDatabase()
{
	return loaded(readLensfunCameras(std::nullopt),
		      "The camera database (lensfun) is not installed: install the package liblensfun-data-v1.");
}

CameraDatabaseLoad loadCameraDatabase(const std::filesystem::path &folder)
{
	return loaded(readLensfunCameras(folder),
		      "The camera database (lensfun) in " + cp1252Replacing(folder.string()) + " holds no camera.");
}

const CameraDatabaseLoad &installedCameraDatabase()
{
	static const CameraDatabaseLoad load = loadCameraDatabase();
	return load;
}

} // namespace mirel
