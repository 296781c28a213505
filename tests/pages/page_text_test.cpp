// A page as text lines for the clipboard: its fields in reading order with
// the labels that name them, whatever order the template lists them in. The
// pages here hold every kind of line: a radio under a label that names the
// rows below it, a unit beside its field, a film list, a template listed out
// of reading order.

#include <functional>
#include <string>

#include "pages/page_text.h"
#include "testing/page_test.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

TEST_F(PageTest, PagesReadAsLabelledLinesInReadingOrder)
{
	struct Case {
		int page;
		std::function<void()> act;
		const char *text;
	};
	const Case cases[] = {
		{ kFNumbers, [&] { sheet.click(ids::fnumbers::ModeStops); },
		  "f1: 1.8\nstops: 0\nf2: 1.8\nCalculate: 'stops' as 'f2' minus 'f1'\n" },
		{ kDepthOfField, [&] { sheet.type(page::Distance, "5"); },
		  "Focal length (mm): 50.0\nSubject distance: 5 m\nAperture: 1.8\nCircle of confusion (mm): 0.02501\n"
		  "Suggest CoC for: 35mm\nNear: 4.590796 m\nFar: 5.489292 m\nTotal: 0.898495 m\n" },
		{ kFieldOfView, [] {},
		  "Subject distance: 5.0 m\nFocal length (mm): 50.0\nFilm format: 35mm\nVertical: 2.376000 m\n"
		  "Horizontal: 3.564000 m\n" },
		{ kHyperfocal, [&] { sheet.click(page::UnitFeet); },
		  "Focal length (mm): 50.0\nAperture: 1.8\nCircle of confusion (mm): 0.02501\nSuggest CoC for: 35mm\n"
		  "Express distance in: ft\nHyperfocal Distance: 182.2 ft\n" },
	};
	for (const Case &c : cases) {
		sheet.show(c.page);
		c.act();
		EXPECT_EQ(pageText(sheet.page(c.page).dialogTemplate(), sheet.active()), c.text) << "page " << c.page;
	}
}

} // namespace
} // namespace mirel::testing
