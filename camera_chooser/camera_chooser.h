#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cameras/camera_database.h"
#include "core/circle_of_confusion.h"
#include "core/sentence.h"

namespace mirel {

// The camera chooser as a model: the database as it arrives, the cameras
// matching the text typed so far, best first, and what each row of the list
// says. Texts are Windows-1252.
class CameraChooser
{
public:
	// The database has not arrived yet.
	CameraChooser();

	// The database, or why there is none. The text typed meanwhile is
	// searched at once.
	void arrive(const CameraDatabaseLoad &load);
	// The text as typed: maker and model, in any case, blanks and hyphens
	// aside ("z6", "canon 7d", "xt3").
	void search(std::string_view text);

	// The cameras to list, best first: those the text names or begins,
	// else the nearest names; none while the database is on its way or
	// missing, or when no name is near.
	const std::vector<const Camera *> &cameras() const { return cameras_; }
	// What the chooser says instead of the list, or above the nearest
	// names: that the cameras are loading, why there are none, or that no
	// camera matches the text. Empty when the list speaks for itself.
	std::string message() const { return message_.text(); }
	// The same as a sentence, for a translation: one of the patterns
	// below, or "%1" with why there is no database.
	const Sentence &messageSentence() const { return message_; }
	bool loading() const { return loading_; }

private:
	void update();

	bool loading_ = true;
	std::shared_ptr<const CameraDatabase> database_;
	std::string missing_;
	std::string text_;
	std::vector<const Camera *> cameras_;
	Sentence message_;
};

inline constexpr std::string_view kLoadingCameras = "Loading cameras...";
inline constexpr std::string_view kNoCameraMatches = "No camera matches \x93%1\x94."; // quotation marks
inline constexpr std::string_view kNoCameraMatchesNearest = "No camera matches \x93%1\x94; the nearest names:";
inline constexpr std::array kCameraChooserPatterns = { kLoadingCameras, kNoCameraMatches, kNoCameraMatchesNearest };

// A row of the list: the camera's full name, its frame ("22.22 × 14.81
// mm"), its crop factor ("1.62") and its circle of confusion by rule
// ("0.015439 mm", as the pages show a circle).
struct CameraEntry {
	std::string name, frame, cropFactor, circle;
};
CameraEntry cameraEntry(const Camera &camera, DiagonalRule rule);

// The rules a row can be filled by, with their names as the chooser lists
// them: "diagonal / 1730 (the pages' rule)".
struct DiagonalRuleName {
	DiagonalRule rule;
	std::string_view name;
};
inline constexpr DiagonalRuleName kDiagonalRuleNames[] = {
	{ DiagonalRule::Classic, "diagonal / 1730 (as the pages suggest)" },
	{ DiagonalRule::Diagonal1500, "diagonal / 1500" },
	{ DiagonalRule::Diagonal1440, "diagonal / 1440" },
};
// The rule of a number as the remembered record keeps it; the classic one
// for any other number.
DiagonalRule diagonalRuleOf(double number);

// The row Tools > Camera fills: the pages' format, "format 1, 35mm".
std::string pagesFormatText();

// Tools > Camera: the camera fills the row of the pages' format (by rule:
// its name, frame and circle) and becomes the pages' format, its circle of
// confusion filmCoC as when a format is chosen on a page; a rule other than
// the classic one gives filmCoC its circle, as a typed circle would be. One
// change of the settings.
void chooseCameraForPages(const Camera &camera, DiagonalRule rule);

} // namespace mirel
