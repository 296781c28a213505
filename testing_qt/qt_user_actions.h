#pragma once

#include "ui/controls.h"
#include "ui_qt/qt_controls.h"

class QComboBox;
class QLineEdit;

namespace mirel::ui {

// Replaces the text of edit as a user does: selects it all with Ctrl+A,
// then types text key by key (Delete when text is empty); a character
// beyond ASCII arrives as a key event carrying it.
void typeInto(QLineEdit &edit, const QString &text);

// Opens list with F4, moves to the item with Home and Down, and takes it
// with Enter. A disabled list does not open.
void pickFrom(QComboBox &list, int index);

// A user at the keyboard and mouse of a QtControls surface: the actions
// arrive as real input events, so they pass through the widgets' own
// handling (disabled and read-only controls ignore them) to the signals
// the surface listens to.
class QtUserActions : public UserActions
{
public:
	explicit QtUserActions(QtControls &surface) : surface_(surface) {}

	// typeInto the control's edit box.
	void type(int id, std::string_view text) override;
	// pickFrom the control's list.
	void pick(int id, int index) override;
	// A left click on a radio's or check box's indicator, or a button's middle.
	void click(int id) override;

private:
	QtControls &surface_;
};

} // namespace mirel::ui
