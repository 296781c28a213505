// Renders Mirel's window on each page, and each dialog, to PNG files at the
// built-in settings, without a display: screenshots for developers and docs.
#include <cstdio>
#include <functional>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>

#include "dialogs/about_dlg.h"
#include "dialogs/defaults_dlg.h"
#include "dialogs/light_table_dlg.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dialogs/startup_prefs_dlg.h"
#include "shell/help_window.h"
#include "shell/mirel_dlg.h"
#include "shell/page_sheet.h"
#include "shell/qt_dialog_host.h"

namespace {

bool save(QWidget &widget, const QDir &folder, const QString &name)
{
	const QString path = folder.filePath(name + QStringLiteral(".png"));
	const bool saved = widget.grab().save(path);
	std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
	return saved;
}

} // namespace

int main(int argc, char **argv)
{
	qputenv("QT_QPA_PLATFORM", "offscreen");
	QApplication app(argc, argv);
	const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
	QDir().mkpath(folder.path());
	bool ok = true;

	mirel::MirelDlg window(nullptr);
	window.show();
	static const char *const kPages[] = { "page-1-fnumbers",      "page-2-depth-of-field", "page-3-hyperfocal",
					      "page-4-field-of-view", "page-5-angle-of-view",  "page-6-magnification",
					      "page-7-spot-meter" };
	for (int page = 0; page < 7; ++page) {
		window.showPage(page);
		ok = save(window, folder, QString::fromLatin1(kPages[page])) && ok;
	}

	struct Dialog {
		const char *name;
		std::function<std::unique_ptr<mirel::DialogModel>()> make;
	};
	const Dialog dialogs[] = {
		{ "dialog-rounding-rules", [] { return std::make_unique<mirel::RoundingRulesDlg>(); } },
		{ "dialog-defaults", [] { return std::make_unique<mirel::DefaultsDlg>(); } },
		{ "dialog-startup-preferences", [] { return std::make_unique<mirel::StartupPrefsDlg>(); } },
		{ "dialog-about", [] { return std::make_unique<mirel::AboutDlg>(); } },
		{ "dialog-light-table-intro", [] { return std::make_unique<mirel::EasterEggIntroDlg>(); } },
		{ "dialog-light-table", [] { return std::make_unique<mirel::EasterEggExitDlg>(); } },
	};
	for (const Dialog &dialog : dialogs) {
		const auto model = dialog.make();
		mirel::QtDialogHost host(*model, {}, &window);
		host.show();
		ok = save(host, folder, QString::fromLatin1(dialog.name)) && ok;
	}

	// The Show menu, open.
	for (QAction *menu : window.menuBar()->actions()) {
		if (menu->menu() && menu->text() == QStringLiteral("S&how")) {
			menu->menu()->popup(window.mapToGlobal(QPoint(0, 0)));
			QApplication::processEvents();
			ok = save(*menu->menu(), folder, QStringLiteral("menu-show")) && ok;
			menu->menu()->close();
		}
	}

	mirel::HelpWindow &help = window.help();
	help.showTopic(103);
	ok = save(help, folder, QStringLiteral("help-depth-of-field")) && ok;
	return ok ? 0 : 1;
}
