#pragma once

#include <array>
#include <string>

#include "dialogs/template_dialog.h"

namespace mirel {

// Edits the stored defaults: film format, length unit, aperture, focus
// distance, focal length and spot percent. OK writes them into
// defaultSettings and the same six fields into currentSettings; the pages
// show them when next activated.
class DefaultsDlg final : public TemplateDialog
{
public:
	// The texts of the four number fields are made here, from defaultSettings
	// as they are when the dialog object is made.
	DefaultsDlg();
	void accept() override;

private:
	void show() override;

	std::array<std::string, 4> texts_;
};

} // namespace mirel
