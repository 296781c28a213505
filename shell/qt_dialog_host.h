#pragma once

#include <functional>

#include <QDialog>

#include "dialogs/dialog_run.h"

namespace mirel {

namespace ui {
class QtControls;
}

// Shows a dialog model modally in a Qt dialog built from its template; its
// controls report to the dialog's run. The dialog is modal to its owner's
// window only, so that the help it opens takes input while it is open.
class QtDialogHost : public QDialog, public DialogHost
{
	Q_OBJECT

public:
	using HelpHandler = std::function<void(int topic)>;

	QtDialogHost(DialogModel &model, HelpHandler help, QWidget *parent);
	~QtDialogHost() override;

	// Runs the dialog; true when it was closed with OK.
	bool run();

	ui::QtControls &controls() { return *controls_; }

	void showHelpTopic(int topic) override;
	void runModal(DialogModel &dialog) override;

protected:
	void resizeEvent(QResizeEvent *event) override;

private:
	void present();
	void focusDefaultButton();

	DialogModel &model_;
	HelpHandler help_;
	DialogRun run_;
	ui::QtControls *controls_;
};

} // namespace mirel
