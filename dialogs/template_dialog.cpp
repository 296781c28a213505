#include "dialogs/template_dialog.h"

#include <cassert>

namespace mirel {

TemplateDialog::TemplateDialog(const ui::DialogTemplate &dialog, int helpTopic)
	: template_(dialog), helpTopic_(helpTopic)
{
}

void TemplateDialog::init(ui::Controls &controls, DialogHost &host)
{
	controls_ = &controls;
	host_ = &host;
	show();
}

ui::Controls &TemplateDialog::controls()
{
	assert(controls_ && "the dialog has not been opened");
	return *controls_;
}

DialogHost &TemplateDialog::host()
{
	assert(host_ && "the dialog has not been opened");
	return *host_;
}

} // namespace mirel
