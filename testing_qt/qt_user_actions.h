#pragma once

#include "ui/controls.h"
#include "ui_qt/qt_controls.h"

namespace mirel::ui {

// A user at the keyboard and mouse of a QtControls surface: the actions
// arrive as real input events, so they pass through the widgets' own
// handling (disabled and read-only controls ignore them) to the signals
// the surface listens to.
class QtUserActions : public UserActions
{
public:
	explicit QtUserActions(QtControls &surface) : surface_(surface) {}

	// Selects the whole text with Ctrl+A, then types text key by key
	// (Delete when text is empty).
	void type(int id, std::string_view text) override;
	// Opens the list with F4, moves to the item with Home and Down, and
	// takes it with Enter.
	void pick(int id, int index) override;
	// A left click on a radio's or check box's indicator, or a button's middle.
	void click(int id) override;

private:
	QtControls &surface_;
};

} // namespace mirel::ui
