#pragma once

#include <string>
#include <vector>

namespace mirel::ui {

// A window's layout as data, in dialog units (a quarter of the dialog font's
// average character width, an eighth of its height). Texts are Windows-1252.

enum class ControlKind {
	Static,       // a label
	Edit,         // single-line edit box
	ComboBox,     // drop-down list with an edit part
	DropDownList, // drop-down list without an edit part
	RadioButton,
	CheckBox,
	PushButton,
	Frame, // a black rectangle marking a place
	Icon,  // the application icon
};

// Style flags of a control.
enum Style : unsigned {
	kNoStyle = 0,
	kRightAligned = 1u << 0,
	kReadOnly = 1u << 1,
	kBorder = 1u << 2,
	kTabStop = 1u << 3,
	kDefaultButton = 1u << 4,
	kNoPrefix = 1u << 5, // '&' shows as itself instead of marking a mnemonic
	kWordWrap = 1u << 6, // a label whose text wraps onto further lines
	kHeading = 1u << 7,  // the label that says what the window is for
};

inline constexpr int kNoId = -1;

// Command ids shared by every dialog.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdHelp = 57670;

struct Rect {
	int x = 0;
	int y = 0;
	int width = 0;
	int height = 0;
};

struct ControlTemplate {
	int id = kNoId;
	ControlKind kind = ControlKind::Static;
	std::string text;
	Rect rect;
	unsigned style = kNoStyle;
	// Radios that share a nonzero group are exclusive: checking one clears
	// the others.
	int group = 0;
	// For a label: the control it names, so that assistive technology reads
	// the label with the field.
	int buddy = kNoId;
	// What assistive technology calls a field that no label names.
	std::string accessibleName;
	// On the first radio of a group: what assistive technology calls the
	// group (each radio is named by its own text).
	std::string groupName;
	// Initial list of a combo box or drop-down list.
	std::vector<std::string> items;
};

struct DialogTemplate {
	int id = 0; // resource number
	std::string caption;
	int width = 0;  // dialog units
	int height = 0; // dialog units
	int fontPoints = 8;
	// In tab order.
	std::vector<ControlTemplate> controls;

	// The control with id, or nullptr.
	const ControlTemplate *find(int controlId) const;
};

} // namespace mirel::ui
