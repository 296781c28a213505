#pragma once

#include <string>

#include "dialogs/template_dialog.h"

namespace mirel {

// The About box: name and version, the project's web address to select and
// copy, the licence, and the light table.
class AboutDlg final : public TemplateDialog
{
public:
	AboutDlg();
	void notify(int controlId, ui::Notification notification) override;

private:
	void show() override;
	// Runs the intro and then the light table, the latter also when the
	// intro was closed early.
	void runLightTable();

	std::string link_;
};

} // namespace mirel
