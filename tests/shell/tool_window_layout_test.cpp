// The tool windows and the film formats editor with the longest texts they
// show: nothing clipped, squeezed or reaching past its place, in a light
// and a dark palette, in English and every language shipped, on whatever
// screen and scale the test runs.

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "camera_chooser_qt/camera_chooser_window.h"
#include "camera_chooser_qt/camera_list.h"
#include "film_formats_qt/film_formats_dialog.h"
#include "photo_tool_qt/photo_window.h"
#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"
#include "testing/photo_files.h"
#include "testing_qt/languages.h"
#include "testing_qt/layout_check.h"
#include "testing_qt/palettes.h"
#include "ui_qt/tool_window.h"

#include "testing_qt/shell_fixture.h"

namespace mirel::testing {
namespace {

// As the pages would change them while the windows are open: a format of
// 15 capitals, the widest name the film table holds as people write it,
// with an APS-C frame, and a 24 mm lens. From 1.5 m to infinity that needs
// f/13 and f/16, both past the diffraction limit, so the planner says two
// long lines about diffraction.
void useStressingSettings(LengthUnit unit)
{
	const SettingsChange change;
	CalcSettings &settings = currentSettings();
	settings.LengthUnit = unit;
	settings.FocalLength = 24.0;
	settings.FilmSize = 9;
	FilmFormat &format = settings.FilmSizes[9];
	setFilmName(format, "MAMIYA RZ67 PRO");
	format.Width = 23.5;
	format.Height = 15.6;
	settings.filmCoC = suggestedCoC(format);
}

std::string problemsOf(const QWidget &window)
{
	QApplication::processEvents(); // layouts settle on posted events
	return ui::listed(ui::windowLayoutProblems(window));
}

TEST(ToolWindowLayout, NothingIsClippedWithTheLongestTextsInLightAndDark)
{
	for (const QString &language : everyLanguage()) {
		const auto translations = speak(language);
		SCOPED_TRACE(language.toStdString());
		const QPalette before = QApplication::palette();
		for (const LengthUnit unit : { LengthUnit::Metres, LengthUnit::Feet }) {
			FakeStorage storage;
			const auto window = openWindow(storage);
			remembered().tableThirdStops = true; // the most rows
			QWidget &table = window->toolWindow(ids::command::DepthOfFieldTable);
			QWidget &planner = window->toolWindow(ids::command::FocusPlanner);
			auto &camera = window->toolWindow<CameraChooserWindow>(ids::command::Camera);
			QWidget &circle = window->toolWindow(ids::command::CircleOfConfusion);
			QWidget &stack = window->toolWindow(ids::command::FocusStack);
			auto *stackModes = stack.findChild<QTabWidget *>(QStringLiteral("stackModes"));
			// A photo with every figure and its source, and a file that is none.
			auto &photo = window->toolWindow<PhotoWindow>(ids::command::OpenPhoto);
			const TempDir dir;
			writePhoto(dir.path() + "/IMG_0001.JPG", PhotoFormat::Jpeg,
				   { { "Exif.Image.Make", "Canon" },
				     { "Exif.Image.Model", "Canon EOS 7D" },
				     { "Exif.Photo.LensModel", "EF-S17-55mm f/2.8 IS USM" },
				     { "Exif.Photo.FocalLength", "55/1" },
				     { "Exif.Photo.FNumber", "28/10" },
				     { "Exif.Photo.FocalLengthIn35mmFilm", "88" },
				     { "Exif.Photo.SubjectDistance", "123/100" } });
			writeFile(dir.path() + "/notes.txt", "not a photo");
			photo.openPhotos({ QString::fromStdString(dir.path() + "/IMG_0001.JPG"),
					   QString::fromStdString(dir.path() + "/notes.txt") });
			ASSERT_TRUE(QTest::qWaitFor([&] { return !photo.photos().reading(); }));
			for (QWidget *tool : { &table, &planner, static_cast<QWidget *>(&camera), &circle, &stack,
					       static_cast<QWidget *>(&photo) })
				tool->show();
			QApplication::processEvents();
			useStressingSettings(unit);
			// The longest names the database has.
			ASSERT_TRUE(QTest::qWaitFor([&] { return !camera.cameras().loading(); }));
			QTest::keyClicks(&camera.cameras().searchField(), QStringLiteral("mode"));
			FilmFormatsDialog formats({}, window.get());
			formats.show();
			const std::initializer_list<const QWidget *> shownWindows = { &table,  &planner, &camera,
										      &circle, &stack,   &photo,
										      &formats };
			for (const auto &[name, palette] :
			     { std::pair{ "light", ui::lightPalette() }, { "dark", ui::darkPalette() } }) {
				QApplication::setPalette(palette);
				// The focus stack's landscape tab, then its macro tab.
				for (const int mode : { 0, 1 }) {
					stackModes->setCurrentIndex(mode);
					for (const QWidget *shown : shownWindows)
						EXPECT_EQ(problemsOf(*shown), "")
							<< shown->objectName().toStdString() << ", " << name
							<< ", unit " << static_cast<int>(unit) << ", mode " << mode;
				}
			}
			QApplication::setPalette(before);

			// Reasons in place of results: a name refused, a distance that is no
			// number, a nearest distance inside the lens.
			QLineEdit *name = formats.field({ 0, FilmTableEditor::Name });
			name->setText(QStringLiteral("MAMIYA RZ67 PRO 6X7"));
			emit name->textEdited(name->text());
			name->setCursorPosition(0);
			for (const auto &[window, field, typed] : { std::tuple<QWidget *, const char *, const char *>{
									    &table, "dofDistances", "1, 1.5, far" },
								    { &planner, "plannerNear", "0.01" },
								    { &stack, "stackNear", "0.01" },
								    { &stack, "stackMacroOverlap", "100" },
								    { &circle, "circleViewing", "far" },
								    { &circle, "circlePixels", "none" },
								    { &camera, "cameraSearch", "hasselblad xpan" } }) {
				auto *edit = window->findChild<QLineEdit *>(QString::fromLatin1(field));
				edit->selectAll();
				QTest::keyClicks(edit, QString::fromLatin1(typed));
				QTest::keyClick(edit, Qt::Key_Return);
			}
			for (const QWidget *shown : shownWindows)
				for (const int mode : { 0, 1 }) {
					stackModes->setCurrentIndex(mode);
					EXPECT_EQ(problemsOf(*shown), "")
						<< shown->objectName().toStdString() << " saying why";
				}
		}
	}
}

} // namespace
} // namespace mirel::testing
