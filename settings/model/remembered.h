#pragma once

#include <cstdint>
#include <vector>

namespace mirel {

// Where a window was and how large: the top-left corner of its frame and
// the size inside the frame, in the desktop's logical pixels. A place of
// no size is unknown: the window then chooses its own.
struct WindowPlace {
	std::int32_t left = 0;
	std::int32_t top = 0;
	std::int32_t width = 0;
	std::int32_t height = 0;

	bool known() const { return width > 0 && height > 0; }
	bool operator==(const WindowPlace &) const = default;
};

// What the tool windows keep between runs beside the settings: where each
// window was, and what the user chose in it. Kept whether or not the fields
// become the defaults; the settings dialogs never touch it.
struct Remembered {
	// The Depth of Field Table: the columns' subject distances in mm,
	// ascending (none: the set around the focus distance), and rows in
	// third stops rather than whole ones.
	WindowPlace tablePlace;
	std::vector<double> tableDistances;
	bool tableThirdStops = false;

	// The Focus Planner: the nearest and farthest distance that must be
	// sharp, in mm, and whether the far one is infinity instead.
	WindowPlace plannerPlace;
	double plannerNear = 1500.0;
	double plannerFar = 10000.0;
	bool plannerToInfinity = true;

	bool operator==(const Remembered &) const = default;
};

// The process-wide record: its built-in values until the settings load.
Remembered &remembered();

} // namespace mirel
