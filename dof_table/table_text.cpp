#include "dof_table/table_text.h"

#include <cmath>
#include <optional>

#include "core/number_text.h"

namespace mirel {

std::string tabSeparatedText(const DofTable &table)
{
	std::string text = table.headerLine() + "\n" + "f-number";
	for (int column = 0; column < table.columnCount(); ++column)
		text += "\t" + table.columnHeading(column);
	text += "\tHyperfocal\n";
	for (int row = 0; row < table.rowCount(); ++row) {
		text += table.rowHeading(row);
		for (int column = 0; column < table.columnCount(); ++column)
			text += "\t" + table.cellText(row, column);
		text += "\t" + table.hyperfocalText(row) + "\n";
	}
	return text;
}

namespace {

std::string exact(std::optional<double> value)
{
	return value ? formatExact(*value) : std::string();
}

} // namespace

std::string csvText(const DofTable &table)
{
	const std::string unit(unitAbbreviation(table.unit()));
	std::string text = "Aperture,f-number";
	for (int column = 0; column < table.columnCount(); ++column) {
		// No heading or marking holds a comma or a quote: nothing to quote.
		const std::string at = " at " + table.columnHeading(column);
		text += ",Near" + at + ",Far" + at;
	}
	text += ",Hyperfocal (" + unit + ")\r\n";
	for (int row = 0; row < table.rowCount(); ++row) {
		text += table.rowHeading(row) + "," + formatExact(table.aperture(row).fNumber);
		for (int column = 0; column < table.columnCount(); ++column) {
			const std::optional<SharpZone> zone = table.zone(row, column);
			text += "," + exact(zone ? std::optional(zone->near) : std::nullopt) + "," +
				exact(zone ? std::optional(zone->far) : std::nullopt);
		}
		text += "," + exact(table.hyperfocal(row)) + "\r\n";
	}
	return text;
}

std::string exportName(double focalLength)
{
	constexpr std::size_t kMostFigures = 8;
	const std::string base = "depth-of-field";
	if (!(std::isfinite(focalLength) && focalLength > 0.0))
		return base;
	const std::string focal = formatPlain(focalLength);
	return focal.size() <= kMostFigures ? base + "-" + focal + "mm" : base;
}

} // namespace mirel
