#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/focus_stack.h"
#include "core/units.h"

namespace mirel {

// The Focus Stack window as a model: the landscape and the macro stack for
// the pages' lens, aperture and circle of confusion, followed live, and the
// inputs of each as the user types them, kept in the remembered record.
// Texts are Windows-1252; lengths mm.
class StackInputs
{
public:
	enum class Mode { Landscape, Macro };

	// The inputs typed. Landscape: the nearest and farthest distance in the
	// pages' unit (the farthest may be "inf" or "infinity") and the overlap
	// in percent of a shot's depth. Macro: the magnification, the lens's
	// pupil magnification, the subject's depth in mm and the overlap.
	enum class Input { Near, Far, Overlap, Magnification, Pupil, Depth, MacroOverlap };
	static constexpr std::size_t kInputCount = 7;

	// On the inputs and mode as last left.
	StackInputs();

	Mode mode() const { return mode_; }
	void setMode(Mode mode);

	const std::string &text(Input input) const;
	// Keeps the text, and its value in the remembered record when it reads
	// as one.
	void setText(Input input, std::string text);
	// Whether the farthest distance typed is infinity in words.
	bool farIsInfinity() const;
	// Whether the macro stack's magnification is that of the pages' lens at
	// their focus distance, f / (s − f), rather than the one typed.
	bool magnificationFromPages() const { return magnificationFromPages_; }
	void setMagnificationFromPages(bool fromPages);
	// The pages' magnification as the field shows it while it is followed:
	// "0.5", or "n/a".
	std::string pagesMagnificationText() const;

	// A unit chosen on the pages: the distances typed are written in it,
	// the same distances. True when a text changed.
	bool followUnit();

	// Each plan for the settings as they are now, with the reason for none:
	// an input that does not read as a number, or the engine's reason.
	struct Landscape {
		std::string_view unusable;
		LandscapeStackRequest request;
		LandscapeStack stack;
		LandscapeStackTexts texts;
	};
	Landscape landscape() const;

	struct Macro {
		std::string_view unusable;
		MacroStackRequest request;
		MacroStack stack;
		MacroStackTexts texts;
	};
	Macro macro() const;

private:
	double magnification() const;

	Mode mode_;
	bool magnificationFromPages_;
	LengthUnit unit_;
	std::array<std::string, kInputCount> texts_;
};

// The reasons an input typed gives when it reads as no number.
inline constexpr std::string_view kNearIsNoNumber = "nearest distance is not a number";
inline constexpr std::string_view kFarIsNoNumber = "farthest distance is not a number nor inf";
inline constexpr std::string_view kOverlapIsNoNumber = "overlap is not a number";
inline constexpr std::string_view kMagnificationIsNoNumber = "magnification is not a number";
inline constexpr std::string_view kPupilIsNoNumber = "pupil magnification is not a number";
inline constexpr std::string_view kDepthIsNoNumber = "subject depth is not a number";

} // namespace mirel
