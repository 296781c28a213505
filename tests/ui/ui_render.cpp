// Renders a window template offscreen to a PNG and lists its layout
// problems, for a developer to look at:
//   ui_render [--fill] <out.png> [template]
// --fill writes sample values into the fields and checks the first radio of
// each group. The exit status is 1 when the layout has problems.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>

#include "ui/layout_check.h"
#include "ui/qt_controls.h"

#include "contract_dialog.h"

namespace {

using mirel::ui::ControlKind;
using mirel::ui::DialogTemplate;

struct Named {
	const char *name;
	std::function<DialogTemplate()> make;
};

const Named kTemplates[] = {
	{ "contract", mirel::ui::testing::contractDialog },
};

class NoSink : public mirel::ui::NotificationSink
{
public:
	void notify(int, mirel::ui::Notification) override {}
};

void fill(mirel::ui::QtControls &surface)
{
	std::vector<int> groupsSeen;
	for (const mirel::ui::ControlTemplate &c : surface.dialogTemplate().controls) {
		switch (c.kind) {
		case ControlKind::Edit:
			surface.setText(c.id, "123.456789 mm");
			break;
		case ControlKind::ComboBox:
		case ControlKind::DropDownList:
			surface.setSelection(c.id, surface.itemCount(c.id) - 1);
			break;
		case ControlKind::RadioButton:
			if (std::find(groupsSeen.begin(), groupsSeen.end(), c.group) == groupsSeen.end()) {
				groupsSeen.push_back(c.group);
				surface.setCheck(c.id, true);
			}
			break;
		case ControlKind::CheckBox:
			surface.setCheck(c.id, true);
			break;
		default:
			break;
		}
	}
}

int usage()
{
	std::fputs("usage: ui_render [--fill] <out.png> [template]\ntemplates:", stderr);
	for (const Named &t : kTemplates)
		std::fprintf(stderr, " %s", t.name);
	std::fputs("\n", stderr);
	return 2;
}

} // namespace

int main(int argc, char **argv)
{
	if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
		qputenv("QT_QPA_PLATFORM", "offscreen");
	QApplication app(argc, argv);

	std::vector<std::string> args(argv + 1, argv + argc);
	const bool sample = !args.empty() && args.front() == "--fill";
	if (sample)
		args.erase(args.begin());
	if (args.empty() || args.size() > 2)
		return usage();
	const std::string name = args.size() == 2 ? args[1] : kTemplates[0].name;
	const Named *chosen = nullptr;
	for (const Named &t : kTemplates) {
		if (name == t.name)
			chosen = &t;
	}
	if (!chosen)
		return usage();

	const DialogTemplate dialog = chosen->make();
	NoSink sink;
	mirel::ui::QtControls surface(dialog, sink);
	if (sample)
		fill(surface);
	surface.show();
	const QImage image = surface.grab().toImage();
	if (image.isNull() || !image.save(QString::fromStdString(args[0]), "PNG")) {
		std::fprintf(stderr, "cannot write %s\n", args[0].c_str());
		return 2;
	}
	std::printf("%s: %dx%d px, font %s %.1f pt, dialog unit %d/4 x %d/8 px\n", name.c_str(), image.width(),
		    image.height(), qPrintable(surface.font().family()), surface.font().pointSizeF(),
		    surface.units().charWidth(), surface.units().charHeight());
	const std::vector<std::string> problems = mirel::ui::layoutProblems(surface, dialog);
	for (const std::string &p : problems)
		std::printf("problem: %s\n", p.c_str());
	return problems.empty() ? 0 : 1;
}
