#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/aperture_series.h"
#include "core/units.h"
#include "settings/model/records.h"

namespace mirel {

// What the user chose for the table beyond the settings.
struct DofTableOptions {
	bool thirdStops = false; // rows in thirds of a stop rather than whole stops
	// Subject distances of the columns in mm, ascending; empty for the
	// default set around the focus distance (defaultDistances).
	std::vector<double> distances;
};

// The zone of acceptable sharpness, in the display unit; far is infinity
// when the zone reaches it.
struct SharpZone {
	double near;
	double far;
};

// The depth of field of one lens at a glance: a row for each aperture from
// f/1.4 to f/32, a column for each subject distance, in each cell the zone
// of acceptable sharpness, and each row's hyperfocal distance. Built from a
// copy of the settings (focal length, circle of confusion, film format,
// unit, the "Other to" rounding rule, and the aperture and focus distance it
// highlights) with the formulas of the Depth of Field page. Its texts are
// UTF-8: they go to the screen, the clipboard and files, never into a page.
class DofTable
{
public:
	DofTable(const CalcSettings &settings, const DofTableOptions &options);

	int rowCount() const { return static_cast<int>(apertures_.size()); }
	int columnCount() const { return static_cast<int>(distances_.size()); }
	LengthUnit unit() const { return settings_.LengthUnit; }

	const MarkedAperture &aperture(int row) const { return apertures_[static_cast<std::size_t>(row)]; }
	// The subject distances of the columns, in mm.
	const std::vector<double> &columnDistances() const { return distances_; }
	// Subject distance of a column, in the display unit.
	double distance(int column) const;
	// The focus distance of the settings, in the display unit.
	double focusDistance() const;

	// None where the distance is shorter than the focal length or the lens
	// or circle of confusion is unusable.
	std::optional<SharpZone> zone(int row, int column) const;
	// The zone when focused at the focus distance, which the chart shows.
	std::optional<SharpZone> zoneAtFocus(int row) const;
	std::optional<double> hyperfocal(int row) const;
	// Whether diffraction blurs more than the circle of confusion at row's
	// aperture: the Airy disk is larger.
	bool diffractionLimited(int row) const;

	// The row of the settings' aperture (the nearest, within half a row's
	// step) and the column nearest the focus distance; -1 for none.
	int currentRow() const { return currentRow_; }
	int nearestColumn() const { return nearestColumn_; }

	// What the table is for: "Focal length 50.0 mm, film format 35mm,
	// circle of confusion 0.02501 mm, distances in m".
	std::string headerLine() const;
	std::string rowHeading(int row) const;       // "f/5.6"
	std::string columnHeading(int column) const; // "1.5 m"
	// "2.90 – 6.44", "6.86 – ∞" or "n/a", rounded by the "Other to" rule
	// (six decimals for none).
	std::string cellText(int row, int column) const;
	std::string hyperfocalText(int row) const;
	// A distance of the table rounded as the cells show it; "∞" for infinity.
	std::string limitText(double value) const;
	// Why a row is marked; empty when it is not.
	std::string diffractionNote(int row) const;
	// Where diffraction starts to cost sharpness, for a legend; empty when
	// the circle of confusion is unusable.
	std::string diffractionLine() const;

private:
	std::optional<SharpZone> zoneAt(double fNumber, double distance) const;

	CalcSettings settings_;
	std::vector<MarkedAperture> apertures_;
	std::vector<double> distances_; // mm
	int currentRow_ = -1;
	int nearestColumn_ = -1;
};

} // namespace mirel
