// What a keyboard and a screen-reader user meet, asked of the real widgets:
// the contrast of the text that stays readable in a disabled box.

#include <QComboBox>
#include <QLineEdit>

#include "resources/control_ids.h"
#include "shell/page_sheet.h"
#include "testing_qt/palettes.h"
#include "testing_qt/qt_user_actions.h"
#include "ui_qt/contrast.h"
#include "ui_qt/qt_controls.h"

#include "shell_test_support.h"

namespace mirel::testing {
namespace {

// The box the f Numbers page computes into is disabled; its text is drawn
// in the palette's disabled text colour on its disabled base colour.
TEST(Accessibility, TheDisabledComputedBoxReadsAtNormalTextContrastInLightAndDarkPalettes)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kFNumbers);
	ui::QtControls &page = *window->sheet().controls(kFNumbers);
	const QPalette before = QApplication::palette();
	for (const auto &[name, palette] :
	     { std::pair{ "light", ui::lightPalette() }, { "dark", ui::darkPalette() } }) {
		QApplication::setPalette(palette);
		QApplication::processEvents(); // widgets take a new palette from posted events
		for (const int mode : { ids::fnumbers::ModeF2, ids::fnumbers::ModeStops }) {
			ui::QtUserActions(page).click(mode);
			const int computed = mode == ids::fnumbers::ModeF2 ? ids::fnumbers::F2 : ids::fnumbers::Stops;
			QWidget *box = page.widget(computed);
			ASSERT_FALSE(box->isEnabled());
			auto *combo = qobject_cast<QComboBox *>(box);
			const QWidget *text = combo ? combo->lineEdit() : box;
			const double ratio =
				ui::contrastRatio(text->palette().color(QPalette::Disabled, QPalette::Text),
						  box->palette().color(QPalette::Disabled, QPalette::Base));
			EXPECT_GE(ratio, ui::kTextContrast) << name << " palette, box " << computed;
			std::printf("[          ] %s palette, disabled box %d: %.2f:1 (the palette's own: %.2f:1)\n",
				    name, computed, ratio,
				    ui::contrastRatio(palette.color(QPalette::Disabled, QPalette::Text),
						      palette.color(QPalette::Disabled, QPalette::Base)));
		}
	}
	QApplication::setPalette(before);
	QApplication::processEvents();
}

} // namespace
} // namespace mirel::testing
