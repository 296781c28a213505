#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/aperture_series.h"
#include "core/sentence.h"
#include "core/units.h"
#include "settings/model/records.h"

namespace mirel {

// What the table reads of the settings: the lens, the circle of confusion
// and the film format's name, the unit and the "Other to" rounding rule,
// and the aperture and focus distance it highlights. A change of the
// settings that leaves these alike changes nothing in the table.
struct DofTableInputs {
	double focalLength = 0.0;   // mm
	double coc = 0.0;           // mm
	double aperture = 0.0;      // f-number
	double focusDistance = 0.0; // mm
	LengthUnit unit = LengthUnit::Millimetres;
	int rounding = 0; // RoundOther
	FilmName filmName{};

	bool operator==(const DofTableInputs &) const = default;
};
DofTableInputs tableInputs(const CalcSettings &settings);

// What the user chose for the table beyond the settings.
struct DofTableOptions {
	bool thirdStops = false; // rows in thirds of a stop rather than whole stops
	// Subject distances of the columns in mm, ascending; empty for the
	// default set around the focus distance (defaultDistances).
	std::vector<double> distances;

	bool operator==(const DofTableOptions &) const = default;
};

// The zone of acceptable sharpness, in the display unit; far is infinity
// when the zone reaches it.
struct SharpZone {
	double near;
	double far;
};

// A zone's limits as the table shows them.
struct ZoneTexts {
	std::string near;
	std::string far;
};

// The header's and the diffraction legend's patterns (Sentence).
inline constexpr std::string_view kDofHeaderPattern =
	"Focal length %1 mm, film format %2, circle of confusion %3 mm, distances in %4";
inline constexpr std::string_view kDofDiffractionLinePattern =
	"Diffraction blurs more than the %1 mm circle of confusion beyond about f/%2: those apertures are marked.";

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
	DofTable(const DofTableInputs &inputs, const DofTableOptions &options);
	DofTable(const CalcSettings &settings, const DofTableOptions &options);

	const DofTableInputs &inputs() const { return inputs_; }
	int rowCount() const { return static_cast<int>(apertures_.size()); }
	// Rows from one whole stop to the next: 3 in thirds, otherwise 1.
	int rowsPerStop() const { return rowsPerStop_; }
	int columnCount() const { return static_cast<int>(distances_.size()); }
	LengthUnit unit() const { return inputs_.unit; }

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
	// Whether other's headings and cells read as this table's: everything
	// alike but the aperture and focus distance it highlights.
	bool sameCells(const DofTable &other) const;

	// The row of the settings' aperture (the nearest, within half a row's
	// step) and the column nearest the focus distance; -1 for none.
	int currentRow() const { return currentRow_; }
	int nearestColumn() const { return nearestColumn_; }

	// What the table is for: "Focal length 50.0 mm, film format 35mm,
	// circle of confusion 0.02501 mm, distances in m".
	std::string headerLine() const;
	std::string rowHeading(int row) const;       // "f/5.6"
	std::string columnHeading(int column) const; // "1.5 m"
	// "2.90 – 6.44", "6.86 – ∞" or "n/a": zoneTexts joined.
	std::string cellText(int row, int column) const;
	// The limits of a cell rounded by the "Other to" rule (six decimals for
	// none), or with as many more decimals as it takes to tell the near
	// limit from the far one and both from the column's distance: "0.497"
	// and "0.503" at 0.5 m, where two decimals would read "0.50" thrice.
	// None where zone has none.
	std::optional<ZoneTexts> zoneTexts(int row, int column) const;
	// The same for the zone at the focus distance, which the chart shows.
	std::optional<ZoneTexts> zoneAtFocusTexts(int row) const;
	std::string hyperfocalText(int row) const;
	// A distance rounded by the "Other to" rule; "∞" for infinity.
	std::string limitText(double value) const;
	// Why a row is marked; empty when it is not.
	std::string diffractionNote(int row) const;
	// The same three as sentences of figures, for a translation; the
	// header's film name Windows-1252.
	Sentence headerSentence() const;
	Sentence diffractionNoteSentence(int row) const;
	Sentence diffractionLineSentence() const;

private:
	std::optional<SharpZone> zoneAt(double fNumber, double distance) const;
	std::optional<ZoneTexts> textsAt(const std::optional<SharpZone> &zone, double distance) const;

	DofTableInputs inputs_;
	std::vector<MarkedAperture> apertures_;
	std::vector<double> distances_; // mm
	int rowsPerStop_ = 1;
	int currentRow_ = -1;
	int nearestColumn_ = -1;
};

} // namespace mirel
