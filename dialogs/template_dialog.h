#pragma once

#include "dialogs/dialog_model.h"

namespace mirel {

// A dialog model on one of the program's templates. It keeps the controls
// and the host that init hands it: OK and the dialog's own buttons need them
// after init has returned. Both live as long as the modal run.
class TemplateDialog : public DialogModel
{
public:
	TemplateDialog(const TemplateDialog &) = delete;
	TemplateDialog &operator=(const TemplateDialog &) = delete;

	const ui::DialogTemplate &dialogTemplate() const final { return template_; }
	int helpTopic() const final { return helpTopic_; }
	void init(ui::Controls &controls, DialogHost &host) final;

protected:
	explicit TemplateDialog(const ui::DialogTemplate &dialog, int helpTopic = 0);

	// Writes what the dialog shows when it opens.
	virtual void show() {}

	// Only valid from init on.
	ui::Controls &controls();
	DialogHost &host();

private:
	const ui::DialogTemplate &template_;
	int helpTopic_;
	ui::Controls *controls_ = nullptr;
	DialogHost *host_ = nullptr;
};

} // namespace mirel
