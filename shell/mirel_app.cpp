#include "shell/mirel_app.h"

#include <QKeyEvent>
#include <QLocale>

#include "desktop/identity.h"
#include "shell/application_style.h"
#include "shell/mirel_dlg.h"
#include "shell/qt_message_box.h"
#include "shell/quit_signals.h"

namespace mirel {

MirelApp::MirelApp(int &argc, char **argv) : QApplication(argc, argv)
{
	setApplicationName(QStringLiteral("Mirel"));
	setOrganizationName(QStringLiteral("Talvern"));
	setApplicationVersion(QString::fromLatin1(identity::kVersion));
	// Lets Wayland compositors and docks match the window to its desktop
	// entry and icon.
	setDesktopFileName(QString::fromLatin1(identity::kApplicationId));
	setStyle(new ApplicationStyle);
	installMessageBoxes();
	installEventFilter(this);
}

MirelApp::~MirelApp()
{
	// The window saves before the pages go, while message boxes can still show.
	window_.reset();
}

int MirelApp::run(SettingsStorage *storage)
{
	// In the desktop's language, when Mirel speaks it; English loads nothing.
	translations_ = ui::Translations::load(QLocale::system().uiLanguages());
	window_ = std::make_unique<MirelDlg>(storage);
	QuitSignals quitSignals;
	connect(&quitSignals, &QuitSignals::quitRequested, window_.get(), &MirelDlg::requestQuit);
	// Logging out ends the run as Exit does, settings saved.
	connect(this, &QGuiApplication::commitDataRequest, window_.get(), &MirelDlg::requestQuit);
	window_->show();
	// The keyboard is Mirel's from the start, also where no window manager
	// gives a new window the focus.
	window_->activateWindow();
	const int result = exec();
	window_.reset();
	return result;
}

bool MirelApp::eventFilter(QObject *watched, QEvent *event)
{
	const QEvent::Type type = event->type();
	if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
	    static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
		const auto *key = static_cast<QKeyEvent *>(event);
		// The one main window, also when it was built outside run().
		MirelDlg *window = MirelDlg::instance();
		if (type == QEvent::KeyRelease && !key->isAutoRepeat() && window)
			window->contextHelp();
		return true;
	}
	return QApplication::eventFilter(watched, event);
}

} // namespace mirel
