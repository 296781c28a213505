#pragma once

#include "dialogs/template_dialog.h"

// The About box's light table: a white window over the whole screen, for
// looking at slides and negatives against it.

namespace mirel {

// "Poor Man's Light Table", shown for three seconds before the light table.
class EasterEggIntroDlg final : public TemplateDialog
{
public:
	EasterEggIntroDlg();
	DialogPresentation presentation() const override;
};

// The light table itself; Esc leaves it.
class EasterEggExitDlg final : public TemplateDialog
{
public:
	EasterEggExitDlg();
	DialogPresentation presentation() const override;
};

} // namespace mirel
