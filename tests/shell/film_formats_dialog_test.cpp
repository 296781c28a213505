// The film formats editor's dialog in the running program, opened from its
// menu item.

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "film_formats_qt/film_formats_dialog.h"
#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;

using ui::pickFrom;
using ui::typeInto;

// A name too long, counted in characters, is said and OK refused; Esc
// after a preset leaves everything as it was; F1 shows the editor's help,
// and OK stores. (What OK stores, and the pages following, are the editor
// model's tests.)
TEST(FilmFormats, TheEditorRefusesWhatItCannotStoreAndStoresOnOkOnly)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	const auto inEditor = [&](const std::function<void(FilmFormatsDialog &)> &step) {
		EXPECT_EQ(runModalWindows(
				  [&] { menuAction(*window, cmd::FilmFormats).trigger(); },
				  { { "filmFormatsDialog",
				      [&](QWidget &dialog) { step(static_cast<FilmFormatsDialog &>(dialog)); } } }),
			  "");
	};
	const CalcSettings current = currentSettings(), defaults = defaultSettings();
	inEditor([&](FilmFormatsDialog &dialog) {
		QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
		QLineEdit &name = *dialog.field({ 3, FilmTableEditor::Name });
		typeInto(name, QString::fromUtf8("Medium format 6\u00d77"));
		EXPECT_EQ(child<QLabel>(dialog, "formatsProblem").text(),
			  QString::fromUtf8("Format 4: A name holds at most 15 characters; this one has 17."));
		EXPECT_FALSE(ok->isEnabled());
		typeInto(name, QString::fromUtf8("6 \u00d7 7 Mamiya"));
		EXPECT_TRUE(ok->isEnabled());
		pickFrom(*dialog.presetPicker(0), 2);
		EXPECT_EQ(dialog.field({ 0, FilmTableEditor::Name })->text(), "APS-C");
		QTest::keyClick(&dialog, Qt::Key_Escape);
	});
	EXPECT_EQ(currentSettings(), current);
	EXPECT_EQ(defaultSettings(), defaults);

	inEditor([&](FilmFormatsDialog &dialog) {
		QTest::keyPress(&dialog, Qt::Key_F1);
		QTest::keyRelease(&dialog, Qt::Key_F1);
		EXPECT_EQ(shownTopic(window->help()), HelpWindow::topicUrl(ids::help::FilmFormats));
		pickFrom(*dialog.presetPicker(0), 2);
		QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
	});
	EXPECT_EQ(filmName(currentSettings().FilmSizes[0]), "APS-C");
}

} // namespace
} // namespace mirel::testing
