#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cameras/camera.h"
#include "core/circle_of_confusion.h"
#include "core/units.h"

namespace mirel {

// The Circle of Confusion window as a model: a frame (the pages' format,
// followed live, or a camera chosen), the circle every rule gives it side by
// side, and the inputs of the print and pixel rules as the user types them,
// kept in the remembered record. Texts are Windows-1252; lengths mm.
class CircleRules
{
public:
	enum class Rule { Classic, Diagonal1500, Diagonal1440, Print, Pixels };
	static constexpr std::array kRules = { Rule::Classic, Rule::Diagonal1500, Rule::Diagonal1440, Rule::Print,
					       Rule::Pixels };

	// The inputs typed: the print's size ("A4", "30 x 40 cm"), the distance
	// it is seen from in the pages' unit (empty: the print's diagonal), the
	// blur the eye accepts at 25 cm in mm, the pixels across the frame and
	// how many of them the circle spans.
	enum class Input { Print, Viewing, EyeBlur, Pixels, PixelFactor };

	// On the pages' format, the inputs as last typed.
	CircleRules();

	// The frame: a camera's, or with nullptr the pages' format again.
	void useCamera(const Camera *camera);
	const Camera *camera() const { return camera_; }
	// "35mm: 36 × 24 mm" or "Canon EOS 7D: 22.22 × 14.81 mm".
	std::string frameText() const;

	const std::string &text(Input input) const;
	void setText(Input input, std::string text);
	// A unit chosen on the pages: the viewing distance typed is written in
	// it, the same distance. True when the text changed.
	bool followUnit();
	// The viewing distance the print rule takes while none is typed: the
	// print's diagonal in the pages' unit ("0.363743" m); empty while the
	// print's size cannot be read.
	std::string printDiagonalText() const;

	// The circle a rule gives the frame, as the pages show a circle, or
	// "n/a" with the reason.
	CoCResult circle(Rule rule) const;
	// The rule's circle becomes the pages' circle of confusion, filmCoC, as
	// a typed circle would be, as one change of the settings; false,
	// changing nothing, when the rule's circle is n/a.
	bool use(Rule rule) const;

private:
	double frameWidth() const;
	double frameHeight() const;

	const Camera *camera_ = nullptr;
	LengthUnit viewingUnit_;
	std::array<std::string, 5> texts_;
};

// The reason a print size that cannot be read gives for its n/a.
inline constexpr std::string_view kUnreadablePrintSize = "print size is no size such as A4, 8 x 10 in or 30 x 40 cm";

} // namespace mirel
