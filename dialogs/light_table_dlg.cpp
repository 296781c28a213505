#include "dialogs/light_table_dlg.h"

#include "resources/control_ids.h"
#include "resources/templates.h"

namespace mirel {

namespace {

constexpr int kIntroMs = 3000;

} // namespace

EasterEggIntroDlg::EasterEggIntroDlg() : TemplateDialog(resources::lightTableIntroTemplate()) {}

DialogPresentation EasterEggIntroDlg::presentation() const
{
	DialogPresentation p;
	p.captionless = true;
	p.autoCloseMs = kIntroMs;
	return p;
}

EasterEggExitDlg::EasterEggExitDlg() : TemplateDialog(resources::lightTableTemplate()) {}

DialogPresentation EasterEggExitDlg::presentation() const
{
	DialogPresentation p;
	p.captionless = true;
	p.fullScreenWhite = true;
	p.centredLabelId = ids::lighttable::Label;
	return p;
}

} // namespace mirel
