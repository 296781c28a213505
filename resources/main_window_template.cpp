#include "resources/templates.h"

#include "resources/control_builders.h"
#include "resources/control_ids.h"

namespace mirel::resources {

// Templates are tables, laid out by hand.
// clang-format off

const ui::DialogTemplate &mainWindowTemplate()
{
	// The frame only marks where the property sheet of the pages goes.
	static const ui::DialogTemplate t = [] {
		ui::ControlTemplate frame;
		frame.id = ids::mainwindow::SheetFrame;
		frame.kind = ui::ControlKind::Frame;
		frame.rect = { 7, 2, 293, 151 };
		return build::dialog(102, "Mirel", 307, 160, { frame });
	}();
	return t;
}

// clang-format on

} // namespace mirel::resources
