// Writes every English text of Mirel's models that the window shows, each
// in the context it is translated in (ui/text_contexts.h), as a C++ source
// of QT_TRANSLATE_NOOP lines: lupdate reads it with the Qt windows' own
// tr() texts into translations/*.ts. Run through the update_translations
// target, never by hand:
//
//   mirel_texts OUTPUT.cpp
//
// The models' texts are plain Windows-1252 literals in Qt-free code, which
// lupdate cannot see; this reads them as the program does, from the
// templates, the menu and the sentences' patterns.
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "camera_chooser/camera_chooser.h"
#include "circle_rules/circle_rules.h"
#include "core/calculators.h"
#include "core/cp1252.h"
#include "core/diffraction.h"
#include "core/focus_plan.h"
#include "core/focus_stack.h"
#include "core/validity.h"
#include "desktop/identity.h"
#include "dialogs/film_table_editor.h"
#include "dof_table/dof_table.h"
#include "focus_stack/stack_inputs.h"
#include "focus_stack/stack_sheet.h"
#include "photo_tool/photo_list.h"
#include "photo_tool/photo_on_pages.h"
#include "photo_tool/shot_figures.h"
#include "photos/photo_file.h"
#include "photos/shot_results.h"
#include "resources/menu.h"
#include "resources/templates.h"
#include "settings/messages/message_box.h"
#include "settings/messages/message_patterns.h"
#include "ui/text_contexts.h"

namespace {

using namespace mirel;

struct Text {
	std::string context;
	std::string text;
	auto operator<=>(const Text &) const = default;
};

// A text worth a translator's look: one with a letter in it ("n/a", "mm",
// a label), not a figure, a sign or a blank; nor the version line, which
// reads alike in every language and changes with each release.
bool hasWords(std::string_view text)
{
	if (text.find(identity::kVersion) != std::string_view::npos)
		return false;
	for (const char c : text)
		if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
			return true;
	return false;
}

void addTemplate(std::vector<Text> &texts, const ui::DialogTemplate &dialog)
{
	const std::string context = ui::templateContext(dialog);
	texts.push_back({ context, dialog.caption });
	for (const ui::ControlTemplate &c : dialog.controls) {
		if (c.kind != ui::ControlKind::Edit && c.kind != ui::ControlKind::ComboBox)
			texts.push_back({ context, c.text });
		texts.push_back({ context, c.accessibleName });
		texts.push_back({ context, c.groupName });
		if (c.kind == ui::ControlKind::DropDownList)
			for (const std::string &item : c.items)
				texts.push_back({ context, item });
	}
}

void addMenus(std::vector<Text> &texts)
{
	for (const resources::Menu &menu : resources::mainMenu()) {
		texts.push_back({ ui::kMenuBarContext, menu.title });
		const std::string context = ui::menuContext(menu.title);
		for (const resources::MenuItem &item : menu.items)
			texts.push_back({ context, item.text.substr(0, item.text.find('\t')) });
	}
}

// The texts of the Photo window's model: its figures' names, the list's
// headings, and the words and fixed reasons it shows in place of figures.
void addPhotoWindow(std::vector<Text> &texts)
{
	const std::string context = ui::kPhotoWindowContext;
	for (const std::string &heading : listHeadings())
		texts.push_back({ context, heading });
	for (const ShotFigure &figure : shotFigures({}, LengthUnit::Millimetres, 0).figures)
		texts.push_back({ context, std::string(figure.label) });
	for (const std::string_view text : { kNotRecorded, kNotAvailable, kReadingPhoto, kTypedDistance, kInfinityText,
					     kFramePattern, kCircleSource, kFocusDistanceIsApproximate, kNoExif })
		texts.push_back({ context, std::string(text) });
	for (const std::string_view problem : kPhotoFileProblems)
		texts.push_back({ context, std::string(problem) });
	for (const std::string_view pattern : kPhotoPatterns)
		texts.push_back({ context, std::string(pattern) });
	texts.push_back({ context, std::string(kImageSize) });
	// A figure the photo does not record at all, as its note says.
	for (const std::string_view name : kShotFigureNames)
		texts.push_back({ context, std::string(name) + " " + std::string(kNotRecorded) });
	for (const std::string_view pattern : { kPagesKeepPattern, kNorTheirPattern })
		texts.push_back({ "PhotoWindow pages keep", std::string(pattern) });
	for (const std::string_view word : kKeptWords)
		texts.push_back({ "PhotoWindow pages keep", std::string(word) });
	for (const std::string_view reason : kKeptReasons)
		texts.push_back({ "PhotoWindow pages keep", std::string(reason) });
}

// A C++ string literal of text, in UTF-8 as lupdate reads it.
std::string literal(std::string_view text)
{
	std::string quoted = "\"";
	for (const char c : utf8FromCp1252(text)) {
		switch (c) {
		case '"':
			quoted += "\\\"";
			break;
		case '\\':
			quoted += "\\\\";
			break;
		case '\n':
			quoted += "\\n";
			break;
		case '\r':
			quoted += "\\r";
			break;
		case '\t':
			quoted += "\\t";
			break;
		default:
			quoted += c;
		}
	}
	return quoted + '"';
}

} // namespace

int main(int argc, char **argv)
{
	if (argc != 2) {
		std::fputs("usage: mirel_texts OUTPUT.cpp\n", stderr);
		return 2;
	}
	std::vector<Text> texts;
	for (const ui::DialogTemplate *dialog :
	     { &resources::fNumbersTemplate(), &resources::depthOfFieldTemplate(), &resources::hyperfocalTemplate(),
	       &resources::fieldOfViewTemplate(), &resources::angleOfViewTemplate(),
	       &resources::magnificationTemplate(), &resources::spotMeterTemplate(), &resources::mainWindowTemplate(),
	       &resources::roundingRulesTemplate(), &resources::defaultsTemplate(), &resources::startupPrefsTemplate(),
	       &resources::aboutTemplate(), &resources::lightTableIntroTemplate(), &resources::lightTableTemplate() })
		addTemplate(texts, *dialog);
	addMenus(texts);
	addPhotoWindow(texts);
	for (const std::string_view reason : unusableReasons())
		texts.push_back({ ui::kReasonsContext, std::string(reason) });
	for (const std::string_view reason :
	     { kNoFinitePlan, kTooManyShots, kUnreadablePrintSize, kNearIsNoNumber, kFarIsNoNumber, kOverlapIsNoNumber,
	       kMagnificationIsNoNumber, kPupilIsNoNumber, kDepthIsNoNumber })
		texts.push_back({ ui::kReasonsContext, std::string(reason) });
	for (const std::string_view text :
	     { kStackLensPattern, kOneShotIsEnough, kShotsPattern, kNotAvailable, kInfinityText })
		texts.push_back({ "FocusStackWindow", std::string(text) });
	// The editor's texts are UTF-8; their characters all fit Windows-1252.
	for (const std::string_view problem : kFilmTableProblems)
		texts.push_back({ "FilmFormatsDialog", cp1252FromUtf8(problem).bytes });
	for (const std::string_view pattern : { kDofHeaderPattern, kDofDiffractionLinePattern })
		texts.push_back({ "DofTableWindow", std::string(pattern) });
	texts.push_back({ "FocusPlannerWindow", std::string(kNotAvailable) });
	for (const std::string_view pattern : kStopPatterns)
		texts.push_back({ "FocusPlannerWindow", std::string(pattern) });
	for (const std::string_view pattern : kCameraChooserPatterns)
		texts.push_back({ "CameraChooserWindow", std::string(pattern) });
	for (const DiagonalRuleName &rule : kDiagonalRuleNames)
		texts.push_back({ "CameraChooserWindow", std::string(rule.name) });
	texts.push_back({ ui::kMessagesContext, std::string(kErrorCaption) });
	texts.push_back({ ui::kMessagesContext, std::string(kNoHomeFolder) });
	for (const std::string_view pattern : kSettingsMessagePatterns)
		texts.push_back({ ui::kMessagesContext, std::string(pattern) });
	texts.push_back({ ui::kMessagesContext, "Mirel" });
	for (const std::string_view pattern : kDiffractionPatterns)
		texts.push_back({ ui::kStatusBarContext, std::string(pattern) });

	std::set<Text> written;
	std::ofstream out(argv[1], std::ios::binary);
	out << "// Generated by tools/mirel_texts for lupdate; not compiled.\n";
	for (const Text &t : texts) {
		if (!hasWords(t.text) || !written.insert(t).second)
			continue;
		out << "QT_TRANSLATE_NOOP(" << literal(t.context) << ", " << literal(t.text) << ")\n";
	}
	return out ? 0 : 1;
}
