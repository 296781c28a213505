#pragma once

#include "dialogs/template_dialog.h"

namespace mirel {

// Chooses how stop values and all other results are rounded. Edits
// currentSettings only: the rules reach the stored defaults at exit, and
// only when field values become defaults.
class RoundingRulesDlg final : public TemplateDialog
{
public:
	RoundingRulesDlg();
	void accept() override;

private:
	void show() override;
};

} // namespace mirel
