#include "dialogs/about_dlg.h"

#include "dialogs/light_table_dlg.h"
#include "resources/control_ids.h"
#include "resources/templates.h"

namespace mirel {

namespace id = ids::about;

namespace {

constexpr const char *kWebAddress = "https://mirel.example.org";

} // namespace

// No Help button: the licence button opens the one topic the box has.
AboutDlg::AboutDlg() : TemplateDialog(resources::aboutTemplate()), link_(kWebAddress) {}

void AboutDlg::show()
{
	controls().setText(id::Link, link_);
}

void AboutDlg::notify(int controlId, ui::Notification notification)
{
	if (notification != ui::Notification::Clicked)
		return;
	if (controlId == id::License)
		host().showHelpTopic(ids::help::License);
	else if (controlId == id::LightTable)
		runLightTable();
}

void AboutDlg::runLightTable()
{
	EasterEggIntroDlg intro;
	host().runModal(intro);
	EasterEggExitDlg lightTable;
	host().runModal(lightTable);
}

} // namespace mirel
