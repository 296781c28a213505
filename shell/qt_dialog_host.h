#pragma once

#include <functional>

#include <QDialog>

#include "shell/dialog_model.h"

namespace mirel {

namespace ui {
class QtControls;
}

// Shows a dialog model modally in a Qt dialog built from its template. OK,
// Cancel and Help are handled here; every other notification goes to the
// model.
class QtDialogHost : public QDialog, public DialogHost, private ui::NotificationSink
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
	void notify(int controlId, ui::Notification notification) override;
	void present();

	DialogModel &model_;
	HelpHandler help_;
	ui::QtControls *controls_;
};

} // namespace mirel
