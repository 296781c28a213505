#include "ui/layout_check.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ui/qt_controls.h"

#include "contract_dialog.h"

namespace mirel::ui {
namespace {

class NoSink : public NotificationSink
{
public:
	void notify(int, Notification) override {}
};

ControlTemplate control(int id, ControlKind kind, std::string text, Rect rect, unsigned style = kNoStyle)
{
	ControlTemplate c;
	c.id = id;
	c.kind = kind;
	c.text = std::move(text);
	c.rect = rect;
	c.style = style;
	return c;
}

// One fault of every kind the check knows, and the layouts it must accept.
DialogTemplate faultyDialog()
{
	DialogTemplate d;
	d.width = 200;
	d.height = 100;
	d.controls = {
		control(kNoId, ControlKind::Static, "A label far too long for its place :", { 5, 5, 30, 8 }),
		control(100, ControlKind::Edit, "", { 40, 3, 40, 14 }, kBorder),
		control(101, ControlKind::Edit, "", { 70, 3, 40, 14 }, kBorder),
		// The template's height includes the open list, which may cover 103.
		control(102, ControlKind::ComboBox, "", { 5, 25, 60, 60 }),
		control(103, ControlKind::Edit, "", { 5, 45, 40, 14 }, kBorder),
		control(104, ControlKind::Frame, "", { 0, 0, 200, 100 }),
		control(105, ControlKind::Static, "one two three four five six seven eight nine ten eleven",
			{ 100, 30, 40, 16 }, kWordWrap),
		// The radio may widen to fit its text only up to 109.
		control(106, ControlKind::RadioButton, "centimetres", { 5, 65, 20, 10 }),
		control(109, ControlKind::Edit, "", { 27, 63, 30, 14 }, kBorder),
		control(107, ControlKind::Edit, "", { 180, 85, 40, 14 }, kBorder),
		control(108, ControlKind::Static, "fits", { 100, 60, 40, 8 }),
	};
	return d;
}

bool mentions(const std::vector<std::string> &problems, const std::string &start, const std::string &rest = "")
{
	for (const std::string &p : problems) {
		if (p.starts_with(start) && p.find(rest) != std::string::npos)
			return true;
	}
	return false;
}

std::string listed(const std::vector<std::string> &problems)
{
	std::string text;
	for (const std::string &p : problems)
		text += "  " + p + '\n';
	return text;
}

TEST(LayoutCheck, TheContractWindowIsClean)
{
	NoSink sink;
	const DialogTemplate dialog = testing::contractDialog();
	QtControls surface(dialog, sink);
	const std::vector<std::string> problems = layoutProblems(surface, dialog);
	EXPECT_TRUE(problems.empty()) << listed(problems);
}

TEST(LayoutCheck, ReportsClippedTextOverlapsAndOverhangs)
{
	NoSink sink;
	const DialogTemplate dialog = faultyDialog();
	QtControls surface(dialog, sink);
	const std::vector<std::string> problems = layoutProblems(surface, dialog);
	struct Expected {
		const char *start;
		const char *rest;
	};
	const Expected expected[] = {
		{ "label \"A label far too long for its place :\" is clipped: text needs ", " px, has " },
		{ "edit box 100 overlaps edit box 101", "" },
		{ "label 105 is clipped: text needs ", " lines, has room for 2" },
		{ "radio button 106 is clipped: text needs ", " px" },
		{ "edit box 107 reaches past the window", "" },
	};
	for (const Expected &e : expected)
		EXPECT_TRUE(mentions(problems, e.start, e.rest)) << e.start << "\nnot among:\n" << listed(problems);
	EXPECT_EQ(problems.size(), std::size(expected)) << listed(problems);
}

TEST(LayoutCheck, ReportsMissingControlsAndWrongKinds)
{
	NoSink sink;
	const DialogTemplate rendered = faultyDialog();
	QtControls surface(rendered, sink);
	struct Case {
		const char *name;
		std::function<void(DialogTemplate &)> change;
		std::string problem;
	};
	const Case cases[] = {
		{ "edit expected as combo", [](DialogTemplate &d) { d.controls[1].kind = ControlKind::ComboBox; },
		  "combo box 100 is a QLineEdit" },
		{ "combo expected as list", [](DialogTemplate &d) { d.controls[3].kind = ControlKind::DropDownList; },
		  "drop-down list 102 is a QComboBox" },
		{ "label expected as frame", [](DialogTemplate &d) { d.controls[10].kind = ControlKind::Frame; },
		  "frame 108 is a QLabel" },
		{ "frame expected as label", [](DialogTemplate &d) { d.controls[5].kind = ControlKind::Static; },
		  "label 104 is a QFrame" },
		{ "control not rendered",
		  [](DialogTemplate &d) { d.controls.push_back(control(999, ControlKind::Edit, "", { 0, 0, 1, 1 })); },
		  "edit box 999 is missing" },
		{ "label not rendered",
		  [](DialogTemplate &d) { d.controls.push_back(control(kNoId, ControlKind::Static, "Extra :", { 0, 0, 1, 1 })); },
		  "label \"Extra :\" is missing" },
	};
	for (const Case &c : cases) {
		DialogTemplate expected = rendered;
		c.change(expected);
		const std::vector<std::string> problems = layoutProblems(surface, expected);
		EXPECT_TRUE(mentions(problems, c.problem)) << c.name << ":\n" << listed(problems);
	}
}

} // namespace
} // namespace mirel::ui
