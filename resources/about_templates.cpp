#include "resources/templates.h"

#include "desktop/identity.h"
#include "resources/control_builders.h"
#include "resources/control_ids.h"

// The About box and the two windows of its light table.

namespace mirel::resources {

// Templates are tables, laid out by hand.
// clang-format off

using namespace build;

const ui::DialogTemplate &aboutTemplate()
{
	namespace about = ids::about;
	static const ui::DialogTemplate t = [] {
		ui::ControlTemplate icon;
		icon.kind = ui::ControlKind::Icon; // the application icon
		icon.rect = { 7, 7, 20, 20 };

		// The model writes the web address in; Tab reaches it after the
		// buttons, to be selected and copied.
		ui::ControlTemplate link;
		link.id = about::Link;
		link.kind = ui::ControlKind::Edit;
		link.rect = { 39, 43, 171, 12 };
		link.style = ui::kReadOnly | ui::kTabStop;
		link.accessibleName = "Web site";

		return dialog(100, "About Mirel", 217, 82, {
			icon,
			label(std::string("Mirel Version ") + identity::kVersion, { 39, 7, 171, 8 }, ui::kNoId,
			      ui::kNoPrefix),
			label("Copyright (c) 2026 the Mirel developers", { 39, 19, 171, 8 }),
			label("Free software (GNU GPL 3 or later), no warranty.", { 39, 31, 171, 8 }),
			pushButton(ui::kIdOk, "OK", { 7, 61, 32, 14 }, ui::kDefaultButton),
			pushButton(about::License, "License...", { 50, 61, 50, 14 }),
			pushButton(about::LightTable, "Stupid Programmer Trick...", { 111, 61, 98, 14 }),
			link,
		});
	}();
	return t;
}

const ui::DialogTemplate &lightTableIntroTemplate()
{
	// No caption: it shows for three seconds, centred on the screen.
	static const ui::DialogTemplate t =
		dialog(147, "", 141, 28, { label("Poor Man's Light Table", { 33, 10, 74, 8 }) }, 14);
	return t;
}

const ui::DialogTemplate &lightTableTemplate()
{
	// No caption; the window is stretched over the whole screen and the
	// label centred near its top.
	static const ui::DialogTemplate t = [] {
		ui::ControlTemplate hint = label("Press Esc to leave this silly thing...", { 7, 7, 108, 8 });
		hint.id = ids::lighttable::Label;
		return dialog(148, "", 122, 22, { hint });
	}();
	return t;
}

// clang-format on

} // namespace mirel::resources
