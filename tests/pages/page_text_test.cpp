// A page as text lines for the clipboard: its fields in reading order with
// the labels that name them, whatever order the template lists them in. The
// pages here hold every kind of line: a radio under a label that names the
// rows below it, a unit beside its field, a film list, a template listed out
// of reading order.

#include <functional>
#include <string>
#include <vector>

#include "page_test_support.h"
#include "pages/page_text.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

TEST_F(PageTest, PagesReadAsLabelledLinesInReadingOrder)
{
	struct Line {
		const char *label;
		int id; // the field shown, kNoId for a radio's own line
		const char *radio = "";
	};
	struct Case {
		int page;
		std::function<void()> act;
		std::vector<Line> lines;
	};
	namespace fn = ids::fnumbers;
	const Case cases[] = {
		{ kFNumbers,
		  [&] { sheet.click(fn::ModeStops); },
		  { { "f1", fn::F1 },
		    { "stops", fn::Stops },
		    { "f2", fn::F2 },
		    { "Calculate", ui::kNoId, "'stops' as 'f2' minus 'f1'" } } },
		{ kDepthOfField,
		  [&] { sheet.type(page::Distance, "5"); },
		  { { "Focal length (mm)", page::FocalLength },
		    { "Subject distance", page::Distance, "m" },
		    { "Aperture", page::Aperture },
		    { "Circle of confusion (mm)", page::CircleOfConfusion },
		    { "Suggest CoC for", page::FilmFormat },
		    { "Near", ids::depthoffield::Near },
		    { "Far", ids::depthoffield::Far },
		    { "Total", ids::depthoffield::Total } } },
		{ kFieldOfView,
		  [] {},
		  { { "Subject distance", page::Distance, "m" },
		    { "Focal length (mm)", page::FocalLength },
		    { "Film format", page::FilmFormat },
		    { "Vertical", ids::fieldofview::Vertical },
		    { "Horizontal", ids::fieldofview::Horizontal } } },
		// Last: the unit it picks is every page's.
		{ kHyperfocal,
		  [&] { sheet.click(page::UnitFeet); },
		  { { "Focal length (mm)", page::FocalLength },
		    { "Aperture", page::Aperture },
		    { "Circle of confusion (mm)", page::CircleOfConfusion },
		    { "Suggest CoC for", page::FilmFormat },
		    { "Express distance in", ui::kNoId, "ft" },
		    { "Hyperfocal Distance", ids::hyperfocal::Result } } },
	};
	for (const Case &c : cases) {
		sheet.show(c.page);
		c.act();
		std::string expected;
		for (const Line &line : c.lines) {
			std::string value = line.id == ui::kNoId ? "" : sheet.text(line.id);
			if (*line.radio)
				value += (value.empty() ? "" : " ") + std::string(line.radio);
			expected += std::string(line.label) + ": " + value + "\n";
		}
		EXPECT_EQ(pageText(sheet.page(c.page).dialogTemplate(), sheet.active()), expected) << "page " << c.page;
	}
}

} // namespace
} // namespace mirel::testing
