#pragma once

#include <memory>

#include <QApplication>

#include "ui_qt/translation.h"

namespace mirel {

class MirelDlg;
class SettingsStorage;

// The application: starts Mirel's window on the settings from storage,
// answers F1 everywhere, and ends the run the orderly way on a signal or at
// the end of the desktop session.
class MirelApp : public QApplication
{
	Q_OBJECT

public:
	MirelApp(int &argc, char **argv);
	~MirelApp() override;

	// Builds the window (loading the settings), shows it and runs until it
	// is closed; the settings are saved once on the way out.
	int run(SettingsStorage *storage);

	MirelDlg *window() const { return window_.get(); }

protected:
	// F1 acts when it is released: the help topic of the active page, also
	// while a dialog is open.
	bool eventFilter(QObject *watched, QEvent *event) override;

private:
	std::unique_ptr<ui::Translations> translations_;
	std::unique_ptr<MirelDlg> window_;
};

} // namespace mirel
