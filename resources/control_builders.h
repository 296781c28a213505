#pragma once

#include <string>
#include <vector>

#include "ui/dialog_template.h"

// Short-hands for the kinds of control Mirel's windows are made of, so that
// each template reads as one line per control. Internal to resources/.

namespace mirel::resources::build {

// Radio groups need only differ within one window.
inline constexpr int kUnitGroup = 1; // the length-unit radios of a page
inline constexpr int kModeGroup = 2; // the f Numbers page's mode radios

ui::DialogTemplate dialog(int id, std::string caption, int width, int height, std::vector<ui::ControlTemplate> controls,
			  int fontPoints = 8);

// A static text; buddy is the control it names.
ui::ControlTemplate label(std::string text, ui::Rect rect, int buddy = ui::kNoId, unsigned style = ui::kNoStyle);
ui::ControlTemplate rightLabel(std::string text, ui::Rect rect, int buddy);
// A static text of several lines.
ui::ControlTemplate heading(std::string text, ui::Rect rect);

// A single-line edit the user types into.
ui::ControlTemplate inputEdit(int id, ui::Rect rect);
// A single-line edit the page writes a result into: read-only, a Tab stop
// after the inputs (so that it can be read and copied), as wide as every
// result field, room for 16 digits and a unit.
ui::ControlTemplate resultEdit(int id, int x, int y);

// Drop-down with an edit part listing the whole-stop f-numbers.
ui::ControlTemplate apertureCombo(int id, ui::Rect rect);
// Drop-down list of film formats, filled from the settings at run time.
ui::ControlTemplate filmList(ui::Rect rect);
// Drop-down list without an edit part, as the settings dialogs use it: its
// position is the stored value, so there is nothing to type.
ui::ControlTemplate pickList(int id, ui::Rect rect, std::vector<std::string> items = {});

// The first radio of a group starts it, takes the Tab stop and carries the
// group's name, which assistive technology reads with each radio.
ui::ControlTemplate radio(int id, std::string text, ui::Rect rect, int group, std::string groupName = {},
			  unsigned style = ui::kNoStyle);
// A length-unit radio: text and width follow from the unit's id.
ui::ControlTemplate unitRadio(int id, int x, int y, std::string groupName = {});
ui::ControlTemplate checkBox(int id, std::string text, ui::Rect rect);

ui::ControlTemplate pushButton(int id, std::string text, ui::Rect rect, unsigned style = ui::kNoStyle);

} // namespace mirel::resources::build
