#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "ui/dialog_template.h"

namespace mirel::ui {

// Dialog units measured with a dialog font, as Windows measures them: a
// horizontal unit is a quarter of the font's average character width, a
// vertical unit an eighth of its height. Layouts in dialog units so follow
// the font and the screen's scale.
class DialogUnits
{
public:
	explicit DialogUnits(const QFont &font);
	// Given the font's average character width and height in pixels.
	DialogUnits(int charWidth, int charHeight) : charWidth_(charWidth), charHeight_(charHeight) {}

	// Units for dialog at font: measured from the font, then widened, if
	// need be, until every label and button text of the template fits its
	// place, and every read-only edit box shows a result of 16 digits and a
	// unit whole. Fonts differ in how wide their narrow letters, digits,
	// blanks and signs are against their average letter, so a layout made
	// for one face can clip its texts in another.
	static DialogUnits fitting(const DialogTemplate &dialog, const QFont &font);

	// The desktop's default UI font stands for the templates' 8-point face;
	// other sizes scale it by fontPoints / 8.
	static QFont dialogFont(int fontPoints);

	int charWidth() const { return charWidth_; }
	int charHeight() const { return charHeight_; }

	int toPixelsX(int units) const;
	int toPixelsY(int units) const;
	QRect toPixels(const Rect &rect) const;
	QSize toPixels(int width, int height) const;

	// The width a single-line edit box needs to show a text textWidth
	// pixels wide whole: inside the style's frame, Qt keeps two pixels each
	// side of the text and one for the cursor.
	static int editWidthFor(int textWidth, bool framed);

private:
	int charWidth_;
	int charHeight_;
};

} // namespace mirel::ui
