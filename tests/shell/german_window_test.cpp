// Mirel under a German desktop: the menus, the tabs and the Depth of Field
// page read German, and typing on the page computes the figures it does in
// English. The words are the German translation's (translations/mirel_de.ts).

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

#include <gtest/gtest.h>

#include "core/focus_stack.h"
#include "dialogs/film_table_editor.h"
#include "resources/control_ids.h"
#include "settings/messages/message_patterns.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/languages.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui/text_contexts.h"
#include "ui_qt/qt_controls.h"
#include "ui_qt/translation.h"

namespace mirel::testing {
namespace {

// The items' texts without their shortcuts, one " | " between them.
std::string textsOf(const QList<QAction *> &actions)
{
	QStringList texts;
	for (const QAction *action : actions)
		if (!action->isSeparator())
			texts << action->text().section(u'\t', 0, 0);
	return texts.join(QStringLiteral(" | ")).toStdString();
}

const QMenu &menuTitled(const MirelDlg &window, const QString &title)
{
	for (const QAction *action : window.menuBar()->actions())
		if (action->text() == title)
			return *action->menu();
	throw std::logic_error("no menu " + title.toStdString());
}

TEST(German, TheMenusTabsAndDepthOfFieldPageReadGermanAndComputeAsInEnglish)
{
	const auto german = speak(QStringLiteral("de"));
	ASSERT_TRUE(german) << "no mirel_de.qm in the build tree";
	FakeStorage storage;
	const auto window = openWindow(storage);

	const std::string pages = "Blendenzahlen | Schärfentiefe | Hyperfokale Distanz | Bildfeld | Bildwinkel | "
				  "Abbildungsmaßstab | Spotmessung";
	EXPECT_EQ(textsOf(window->menuBar()->actions()),
		  "&Programm | &Anzeigen | &Einstellungen | &Werkzeuge | &Hilfe");
	EXPECT_EQ(textsOf(menuTitled(*window, "&Programm").actions()), "&Foto öffnen... | &Beenden");
	EXPECT_EQ(textsOf(menuTitled(*window, "&Anzeigen").actions()), pages);
	EXPECT_EQ(textsOf(menuTitled(*window, "&Werkzeuge").actions()),
		  "Schärfentiefe&tabelle... | Seitenergebnisse k&opieren | Fokus&planer... | &Kamera... | "
		  "&Zerstreuungskreis... | Fokus&stapel...");
	QStringList tabs;
	for (int tab = 0; tab < window->sheet().count(); ++tab)
		tabs << window->sheet().tabText(tab);
	EXPECT_EQ(tabs.join(QStringLiteral(" | ")).toStdString(), pages);

	window->showPage(kDepthOfField);
	ui::QtControls &page = *window->sheet().controls(kDepthOfField);
	QStringList labels;
	for (const QLabel *label : page.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
		if (label->buddy() || !label->text().isEmpty())
			labels << label->text();
	for (const char *label : { "Brennweite (mm):", "Motiventfernung:", "Blende:", "Zerstreuungskreis (mm):",
				   "Vorschlag für:", "Nah:", "Fern:", "Gesamt:" })
		EXPECT_TRUE(labels.contains(QString::fromUtf8(label)))
			<< label << " in " << labels.join(" | ").toStdString();

	// Sentences of figures, Windows-1252 and UTF-8: the pattern translated,
	// the figures as they are.
	EXPECT_EQ(ui::translated("FocusStackWindow", shotCountSentence(7)).toStdString(), "7 Aufnahmen");
	EXPECT_EQ(ui::translatedUtf8("FilmFormatsDialog", { kUnfitCharacterPattern, { "\u0141" } }).toStdString(),
		  "\u201e\u0141\u201c kann nicht gespeichert werden: Ein Name enthält nur die westeuropäischen "
		  "Zeichen von Windows-1252.");

	// A settings message's paragraph is found among the patterns, its path
	// kept whole.
	const std::optional<Sentence> paragraph =
		sentenceOf("The settings file /tmp/a is b/mirel.ini could not be read and is left as it is.",
			   kSettingsMessagePatterns);
	ASSERT_TRUE(paragraph);
	EXPECT_EQ(ui::translated(ui::kMessagesContext, *paragraph).toStdString(),
		  "Die Einstellungsdatei /tmp/a is b/mirel.ini konnte nicht gelesen werden und bleibt, wie sie ist.");

	// 50 mm at f/2.8 focused at 2 m, circle 0.02501 mm (the 35 mm format's):
	// H = f^2 / (N c) + f = 2500 / 0.070028 + 50 = 35750.0 mm;
	// near = s (H - f) / (H + s - 2f) = 2000 * 35700 / 37650 = 1896.414 mm,
	// far = s (H - f) / (H - s) = 2000 * 35700 / 33750 = 2115.556 mm,
	// total 219.141 mm: as mirel-calc and the English page write them.
	ui::QtUserActions user(page);
	user.type(ids::page::FocalLength, "50");
	user.type(ids::page::Distance, "2");
	user.type(ids::page::Aperture, "2,8"); // the decimal comma a German types
	user.type(ids::page::CircleOfConfusion, "0.02501");
	const auto result = [&](int id) { return qobject_cast<QLineEdit *>(page.widget(id))->text(); };
	EXPECT_EQ(result(ids::depthoffield::Near), "1.896414 m");
	EXPECT_EQ(result(ids::depthoffield::Far), "2.115556 m");
	EXPECT_EQ(result(ids::depthoffield::Total), "0.219141 m");
}

} // namespace
} // namespace mirel::testing
