#pragma once

#include "dialogs/template_dialog.h"

namespace mirel {

// Edits startupPrefs: whether field values become the stored defaults at
// exit, whether the program opens on the page used last, and the page to
// open on otherwise. The effects come later, at exit, on page activation
// and at the next start.
class StartupPrefsDlg final : public TemplateDialog
{
public:
	// The two ticks are taken from startupPrefs as the dialog object is made.
	StartupPrefsDlg();
	void accept() override;

private:
	void show() override;

	bool fieldsBecomeDefaults_;
	bool startWithLastForm_;
};

} // namespace mirel
