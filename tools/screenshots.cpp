// Renders Mirel's window on each page, and each dialog, to PNG files at the
// built-in settings, without a display: screenshots for developers and docs,
// in the desktop's language (LANGUAGE=fr build/tools/mirel_screenshots DIR).
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLinearGradient>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>

#include "camera_chooser_qt/camera_chooser_window.h"
#include "camera_chooser_qt/camera_list.h"
#include "circle_rules_qt/circle_of_confusion_window.h"
#include "dialogs/about_dlg.h"
#include "dialogs/defaults_dlg.h"
#include "dialogs/film_table_editor.h"
#include "dialogs/light_table_dlg.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dialogs/startup_prefs_dlg.h"
#include "dof_table_qt/dof_card.h"
#include "dof_table_qt/dof_table_window.h"
#include "film_formats_qt/film_formats_dialog.h"
#include "focus_stack/stack_sheet.h"
#include "focus_stack_qt/focus_stack_window.h"
#include "focus_stack_qt/stack_page.h"
#include "pages/conventions.h"
#include "photo_tool_qt/photo_window.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "shell/help_find_bar.h"
#include "shell/help_window.h"
#include "shell/mirel_dlg.h"
#include "shell/page_sheet.h"
#include "shell/qt_dialog_host.h"
#include "testing/photo_files.h"
#include "testing_qt/palettes.h"
#include "ui_qt/paper.h"
#include "ui_qt/translation.h"

namespace {

bool save(QWidget &widget, const QDir &folder, const QString &name)
{
	const QString path = folder.filePath(name + QStringLiteral(".png"));
	const bool saved = widget.grab().save(path);
	std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
	return saved;
}

// Windows one over the other, as the screen shows them, on a dark
// desktop: the offscreen screen gives each window's picture alone.
bool saveStacked(const std::vector<QWidget *> &windows, const QDir &folder, const QString &name)
{
	QRect area;
	for (const QWidget *w : windows)
		area |= w->geometry();
	QPixmap stacked(area.size());
	stacked.fill(QApplication::palette().color(QPalette::Dark));
	QPainter painter(&stacked);
	for (QWidget *w : windows)
		painter.drawPixmap(w->geometry().topLeft() - area.topLeft(), w->grab());
	painter.end();
	const QString path = folder.filePath(name + QStringLiteral(".png"));
	const bool saved = stacked.save(path);
	std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
	return saved;
}

// The offscreen platform on a screen of 1920 x 1080 pixels, a desktop's,
// where windows open as they do for users; QT_SCALE_FACTOR=2 makes it one
// of 960 x 540. A platform named already is kept.
void useOffscreenDesktop()
{
	if (qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QStringLiteral("offscreen")))
		return;
	const QString config = QDir::temp().filePath(QStringLiteral("mirel-screenshots-screen.json"));
	QFile file(config);
	if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
		file.write(R"({ "screens": [ { "name": "desktop", "width": 1920, "height": 1080 } ] })");
	qputenv("QT_QPA_PLATFORM", file.error() == QFile::NoError ? "offscreen:configfile=" + config.toLocal8Bit()
								  : QByteArray("offscreen"));
}

} // namespace

int main(int argc, char **argv)
{
	useOffscreenDesktop();
	QApplication app(argc, argv);
	// In the desktop's language, as Mirel starts: LANGUAGE=de renders German.
	const auto translations = mirel::ui::Translations::load(QLocale::system().uiLanguages());
	const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
	QDir().mkpath(folder.path());
	bool ok = true;

	mirel::MirelDlg window(nullptr);
	window.show();
	// Active, as on the desktop: the start page's first field shows the
	// keyboard focus.
	window.activateWindow();
	ok = QTest::qWaitForWindowActive(&window) && ok;
	static const char *const kPages[] = { "page-1-fnumbers",      "page-2-depth-of-field", "page-3-hyperfocal",
					      "page-4-field-of-view", "page-5-angle-of-view",  "page-6-magnification",
					      "page-7-spot-meter" };
	for (int page = 0; page < 7; ++page) {
		window.showPage(page);
		ok = save(window, folder, QString::fromLatin1(kPages[page])) && ok;
	}

	// The Depth of Field Table window with its chart, in a light and a dark
	// theme.
	mirel::DofTableWindow &table = window.toolWindow<mirel::DofTableWindow>(mirel::ids::command::DepthOfFieldTable);
	table.present();
	const QPalette light = QApplication::palette();
	for (const auto &[palette, name] :
	     { std::pair{ light, "window-depth-of-field-table" },
	       std::pair{ mirel::ui::darkPalette(), "window-depth-of-field-table-dark" } }) {
		QApplication::setPalette(palette);
		QApplication::processEvents();
		ok = save(table, folder, QString::fromLatin1(name)) && ok;
	}
	QApplication::setPalette(light);
	table.close();

	// The film formats editor, as it opens and with a name it refuses.
	{
		mirel::FilmFormatsDialog formats({}, &window);
		formats.show();
		ok = save(formats, folder, QStringLiteral("dialog-film-formats")) && ok;
		QLineEdit *name = formats.field({ 9, mirel::FilmTableEditor::Name });
		name->setText(QString::fromUtf8("Medium format 44×33"));
		emit name->textEdited(name->text());
		ok = save(formats, folder, QStringLiteral("dialog-film-formats-refused")) && ok;
		QApplication::setPalette(mirel::ui::darkPalette());
		QApplication::processEvents();
		ok = save(formats, folder, QStringLiteral("dialog-film-formats-refused-dark")) && ok;
		QApplication::setPalette(light);
		QApplication::processEvents();
	}

	// The worked example of the Focus Planner: 24 mm on APS-C, sharp from
	// 1.5 m to infinity, with the APS-C preset in the table; then the plan
	// on the Depth of Field page, with the status bar below.
	{
		mirel::FilmTableEditor editor;
		editor.applyPreset(1, 1);
		editor.accept();
	}
	mirel::chooseFilmFormat(1);
	mirel::currentSettings().FocalLength = 24.0;
	mirel::FocusPlannerWindow &planner =
		window.toolWindow<mirel::FocusPlannerWindow>(mirel::ids::command::FocusPlanner);
	planner.present();
	for (const auto &[palette, name] : { std::pair{ light, "window-focus-planner" },
					     std::pair{ mirel::ui::darkPalette(), "window-focus-planner-dark" } }) {
		QApplication::setPalette(palette);
		QApplication::processEvents();
		ok = save(planner, folder, QString::fromLatin1(name)) && ok;
	}
	QApplication::setPalette(light);
	QApplication::processEvents();
	planner.useOnDepthOfFieldPage();
	planner.close();
	ok = save(window, folder, QStringLiteral("status-bar-diffraction")) && ok;
	mirel::loadSettingsAtStartup(nullptr);

	// The camera chooser as it opens, with "Loading cameras..." until the
	// database arrives, then searching "7d"; the circle of confusion
	// window for the pages' 35mm, a print and pixels typed.
	{
		auto &chooser = window.toolWindow<mirel::CameraChooserWindow>(mirel::ids::command::Camera);
		chooser.present();
		QApplication::processEvents();
		ok = save(chooser, folder, QStringLiteral("window-camera-loading")) && ok;
		ok = QTest::qWaitFor([&] { return !chooser.cameras().loading(); }) && ok;
		QTest::keyClicks(&chooser.cameras().searchField(), QStringLiteral("7d"));
		auto &circle =
			window.toolWindow<mirel::CircleOfConfusionWindow>(mirel::ids::command::CircleOfConfusion);
		circle.present();
		for (const auto &[edit, text] : { std::pair{ "circlePixels", "6000" } }) {
			auto *field = circle.findChild<QLineEdit *>(QString::fromLatin1(edit));
			field->setText(QString::fromLatin1(text));
			emit field->textEdited(field->text());
		}
		for (const auto &[palette, suffix] :
		     { std::pair{ light, "" }, std::pair{ mirel::ui::darkPalette(), "-dark" } }) {
			QApplication::setPalette(palette);
			QApplication::processEvents();
			ok = save(chooser, folder, QStringLiteral("window-camera") + QString::fromLatin1(suffix)) && ok;
			ok = save(circle, folder,
				  QStringLiteral("window-circle-of-confusion") + QString::fromLatin1(suffix)) &&
			     ok;
		}
		QApplication::setPalette(light);
		QApplication::processEvents();
		chooser.close();
		circle.close();
	}

	// The Focus Stack window in each mode with the README's examples: a
	// 24 mm lens at f/8 from 1 m to infinity; life size at f/16 for a
	// subject 10 mm deep with 20% overlap; both with a 0.03 mm circle.
	{
		auto &stack = window.toolWindow<mirel::FocusStackWindow>(mirel::ids::command::FocusStack);
		const auto type = [&](const char *name, const char *text) {
			auto *field = stack.findChild<QLineEdit *>(QString::fromLatin1(name));
			field->setText(QString::fromLatin1(text));
			emit field->textEdited(field->text());
		};
		auto *modes = stack.findChild<QTabWidget *>(QStringLiteral("stackModes"));
		for (const auto &[mode, aperture, name] : { std::tuple{ 0, 8.0, "window-focus-stack-landscape" },
							    std::tuple{ 1, 16.0, "window-focus-stack-macro" } }) {
			mirel::currentSettings().FocalLength = mode == 0 ? 24.0 : 100.0;
			mirel::currentSettings().Aperture = aperture;
			mirel::currentSettings().filmCoC = 0.03;
			modes->setCurrentIndex(mode);
			stack.present();
			for (const auto &[field, text] : { std::pair{ "stackNear", "1" },
							   { "stackFar", "inf" },
							   { "stackOverlap", "0" },
							   { "stackMagnification", "1" },
							   { "stackPupil", "1" },
							   { "stackDepth", "10" },
							   { "stackMacroOverlap", "20" } })
				type(field, text);
			for (const auto &[palette, suffix] :
			     { std::pair{ light, "" }, std::pair{ mirel::ui::darkPalette(), "-dark" } }) {
				QApplication::setPalette(palette);
				QApplication::processEvents();
				ok = save(stack, folder, QString::fromLatin1(name) + QString::fromLatin1(suffix)) && ok;
			}
			QApplication::setPalette(light);
			// Its printed page, at 150 dpi.
			const QPageLayout page = mirel::ui::printPageLayout();
			QImage paper(page.fullRectPixels(150).size(), QImage::Format_RGB32);
			paper.setDotsPerMeterX(5906);
			paper.setDotsPerMeterY(5906);
			paper.fill(Qt::white);
			{
				QPainter painter(&paper);
				mirel::paintStackPage(painter, page.paintRectPixels(150),
						      mirel::stackSheet(stack.inputs()));
			}
			const QString pagePath = folder.filePath(QString::fromLatin1(name).replace("window-", "page-") +
								 QStringLiteral(".png"));
			const bool pageSaved = paper.save(pagePath);
			std::printf("%s %s\n", pageSaved ? "wrote" : "FAILED", qPrintable(pagePath));
			ok = pageSaved && ok;
		}
		stack.close();
		mirel::loadSettingsAtStartup(nullptr);
	}

	// The Photo window with a photo of a Canon EOS 7D focused at 5 m, one
	// that records no focus distance, and a file that is none.
	{
		const mirel::testing::TempDir photos;
		QImage picture(600, 400, QImage::Format_RGB32);
		QPainter painter(&picture);
		QLinearGradient sky(0, 0, 0, 400);
		sky.setColorAt(0, QColor(90, 140, 200));
		sky.setColorAt(1, QColor(230, 200, 150));
		painter.fillRect(picture.rect(), sky);
		painter.setBrush(QColor(60, 90, 50));
		painter.drawEllipse(QPoint(300, 520), 420, 220);
		painter.end();
		std::vector<mirel::testing::PhotoTag> tags{ { "Exif.Image.Make", "Canon" },
							    { "Exif.Image.Model", "Canon EOS 7D" },
							    { "Exif.Photo.LensModel", "EF50mm f/1.8 II" },
							    { "Exif.Photo.FocalLength", "50/1" },
							    { "Exif.Photo.FNumber", "8/1" } };
		QStringList paths;
		for (const char *name : { "IMG_0002.JPG", "IMG_0001.JPG" }) {
			const std::string path = photos.path() + "/" + name;
			picture.save(QString::fromStdString(path), "JPEG");
			mirel::testing::tagPhoto(path, tags);
			paths.prepend(QString::fromStdString(path));
			tags.push_back({ "Exif.Photo.SubjectDistance", "5/1" });
		}
		mirel::testing::writeFile(photos.path() + "/notes.txt", "not a photo");
		paths << QString::fromStdString(photos.path() + "/notes.txt");
		auto &photo = window.toolWindow<mirel::PhotoWindow>(mirel::ids::command::OpenPhoto);
		photo.openPhotos(paths);
		photo.present();
		ok = QTest::qWaitFor([&] { return !photo.photos().reading(); }) && ok;
		for (const auto &[palette, suffix] :
		     { std::pair{ light, "" }, std::pair{ mirel::ui::darkPalette(), "-dark" } }) {
			QApplication::setPalette(palette);
			QApplication::processEvents();
			ok = save(photo, folder, QStringLiteral("window-photo") + QString::fromLatin1(suffix)) && ok;
		}
		QApplication::setPalette(light);
		QApplication::processEvents();
		photo.close();
	}

	// The printed card, in third stops: its most crowded form, an image for
	// each page.
	const mirel::DofTable thirds(mirel::currentSettings(), { true, {} });
	const QPageLayout page = mirel::ui::printPageLayout();
	const auto blankPage = [&] {
		QImage card(page.fullRectPixels(150).size(), QImage::Format_RGB32);
		card.setDotsPerMeterX(5906); // 150 dpi
		card.setDotsPerMeterY(5906);
		card.fill(Qt::white);
		return card;
	};
	std::deque<QImage> cards = { blankPage() };
	{
		QPainter painter(&cards.back());
		mirel::paintDofCard(painter, page.paintRectPixels(150), thirds, [&] {
			painter.end();
			cards.push_back(blankPage());
			return painter.begin(&cards.back());
		});
	}
	for (std::size_t number = 0; number < cards.size(); ++number) {
		const QString cardPath =
			folder.filePath(QStringLiteral("card-depth-of-field-table%1.png")
						.arg(number ? QStringLiteral("-%1").arg(number + 1) : QString()));
		const bool cardSaved = cards[number].save(cardPath);
		std::printf("%s %s\n", cardSaved ? "wrote" : "FAILED", qPrintable(cardPath));
		ok = cardSaved && ok;
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

	// Help opened from the Defaults dialog, searching its topic while the
	// dialog stays open.
	{
		mirel::DefaultsDlg defaults;
		mirel::QtDialogHost host(
			defaults, [&](int topic) { help.showTopic(topic); }, &window);
		host.move(window.geometry().topLeft() + QPoint(40, 60));
		host.show();
		help.resize(560, 420);
		help.move(host.geometry().topLeft() + QPoint(180, 90));
		help.showTopic(110);
		help.findBar().open();
		QTest::keyClicks(help.findBar().findChild<QLineEdit *>(), QStringLiteral("aperture"));
		help.findBar().findChild<QCheckBox *>()->setChecked(true);
		ok = saveStacked({ &window, &host, &help }, folder, QStringLiteral("help-find-over-defaults")) && ok;
		help.findBar().dismiss();
	}

	// The f Numbers page in a dark palette: the computed f2 stays readable.
	QApplication::setPalette(mirel::ui::darkPalette());
	QApplication::processEvents();
	window.showPage(0);
	ok = save(window, folder, QStringLiteral("page-1-fnumbers-dark")) && ok;
	return ok ? 0 : 1;
}
