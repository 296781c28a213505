#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cameras/camera.h"
#include "cameras/camera_search.h"

namespace mirel {

// A camera a search found, and how well.
struct CameraMatch {
	const Camera *camera;
	MatchRank rank;
};

// What a search found, best first.
struct CameraMatches {
	std::vector<CameraMatch> matches;

	// The one camera the text names: the best match when it matches by a
	// whole name or its last words and no other camera matches as well;
	// none when the text is ambiguous or unknown (then the matches are the
	// candidates to offer).
	const Camera *named() const;
};

// The camera database: every camera offered, in the order of their full
// names. An immutable value: it can be built on any thread and handed to
// another whole.
class CameraDatabase
{
public:
	// Cameras of the same full name and frame become one, with the other
	// names of each; those of the same name but another frame are told
	// apart by the database's own model name, in brackets.
	explicit CameraDatabase(std::vector<Camera> cameras);

	const std::vector<Camera> &cameras() const { return cameras_; }

	// The cameras matching a text as it is being typed: every camera that
	// matches (see MatchRank), best first and by full name among equals;
	// every camera for a text with nothing but blanks and hyphens. For a
	// text no camera matches, the nearest: up to ten cameras a few typing
	// errors away (a third of the text's characters, at least one), fewest
	// first, ranked Near. The matches point into this database.
	CameraMatches search(std::string_view text) const;

private:
	std::vector<Camera> cameras_;
	std::vector<SearchKeys> keys_; // of each camera
};

// The database, or why there is none: a sentence for the user.
struct CameraDatabaseLoad {
	std::shared_ptr<const CameraDatabase> database;
	std::string error;
};

// lensfun's camera database, read from where lensfun keeps it (the installed
// package's, updates lensfun fetched, the user's own). It takes some 50 ms
// (bench/cameras_bench). While it parses, lensfun sets the C library's
// LC_NUMERIC to "C" for the whole process and back: when it runs on a
// worker, no other thread may call setlocale meanwhile.
CameraDatabaseLoad loadCameraDatabase();
// lensfun's XML files in a folder.
CameraDatabaseLoad loadCameraDatabase(const std::filesystem::path &folder);

// The installed database, loaded at the first call, on the thread that
// makes it (which may be a worker's: a call made meanwhile waits for it);
// the same load ever after.
const CameraDatabaseLoad &installedCameraDatabase();

} // namespace mirel
