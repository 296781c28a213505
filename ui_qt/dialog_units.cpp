#include "ui_qt/dialog_units.h"

#include <algorithm>

#include <climits>
#include <vector>

#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QStyle>

#include "ui/text_contexts.h"
#include "ui_qt/mnemonics.h"
#include "ui_qt/translation.h"

namespace mirel::ui {
namespace {

// units * base / divisor, rounded half away from zero.
int scale(int units, int base, int divisor)
{
	const long long product = static_cast<long long>(units) * base;
	const long long half = divisor / 2;
	return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

// Texts measured in one font, each once for the run: the pages share most
// of their labels, and measuring texts is most of what sizing a window
// from its template costs at start-up.
class TextMeasure
{
public:
	explicit TextMeasure(const QFont &font)
		: metrics_(font), font_(font.key() + u'@' + QString::number(metrics_.fontDpi()))
	{
	}

	const QFontMetrics &metrics() const { return metrics_; }

	// The width of text laid out on one line, as a label does.
	int lineWidth(const QString &text) { return bounds(text, INT_MAX / 2, 0).width(); }
	// The room text takes word-wrapped to width.
	QSize wrapped(const QString &text, int width) { return bounds(text, width, Qt::TextWordWrap); }
	// The advance of text, as a button or edit box lays it out.
	int advance(const QString &text) { return bounds(text, -1, 0).width(); }

private:
	// The advance of text for width -1, else its bounding box laid out in
	// width with flags; measured once for each font.
	QSize bounds(const QString &text, int width, int flags)
	{
		static QHash<QString, QSize> measured;
		const QString key =
			font_ + u'/' + QString::number(width) + u'/' + QString::number(flags) + u'\n' + text;
		auto found = measured.constFind(key);
		if (found == measured.constEnd()) {
			const QSize size =
				width < 0 ? QSize(metrics_.horizontalAdvance(text), 0)
					  : metrics_.boundingRect(QRect(0, 0, width, INT_MAX / 2), flags, text).size();
			found = measured.insert(key, size);
		}
		return *found;
	}

	QFontMetrics metrics_;
	QString font_;
};

// The average character width and the height of font, as DialogUnits takes them.
QSize characterCell(const QFont &font)
{
	static const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
	TextMeasure measure(font);
	return { scale(measure.advance(kAlphabet), 1, 52), measure.metrics().height() };
}

} // namespace

DialogUnits::DialogUnits(const QFont &font)
{
	const QSize cell = characterCell(font);
	charWidth_ = cell.width();
	charHeight_ = cell.height();
}

namespace {

// The longest result a read-only edit box must show whole: 16 digits and
// the widest unit.
const QString kLongestResult = QString(16, u'0') + QStringLiteral(" mm");

// A label's, button's or result's text and the room it needs; a wrapped
// label's height depends on its width and is measured for each width tried.
struct Text {
	Rect rect;
	QString text;
	bool wraps;
	int width; // unwrapped, with a button's or edit box's frame
};

std::vector<Text> textsOf(const DialogTemplate &dialog, TextMeasure &measure)
{
	// Measured as shown: a translation's longer words widen the units.
	const std::string context = templateContext(dialog);
	std::vector<Text> texts;
	for (const ControlTemplate &c : dialog.controls) {
		if (c.kind == ControlKind::Edit && (c.style & kReadOnly)) {
			const int width = DialogUnits::editWidthFor(measure.advance(kLongestResult), c.style & kBorder);
			texts.push_back({ c.rect, kLongestResult, false, width });
			continue;
		}
		if (c.text.empty() || (c.kind != ControlKind::Static && c.kind != ControlKind::PushButton))
			continue;
		Text t{ c.rect, withoutMnemonics(translated(context, c.text)), (c.style & kWordWrap) != 0, 0 };
		// A button needs room for its frame and a little air.
		t.width = c.kind == ControlKind::PushButton ? measure.advance(t.text) + 8 : measure.lineWidth(t.text);
		texts.push_back(std::move(t));
	}
	return texts;
}

bool fits(const Text &t, const DialogUnits &units, TextMeasure &measure)
{
	const QRect room = units.toPixels(t.rect);
	if (!t.wraps)
		return t.width <= room.width() && measure.metrics().height() <= room.height();
	const QSize needed = measure.wrapped(t.text, room.width());
	return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

DialogUnits DialogUnits::fitting(const DialogTemplate &dialog, const QFont &font)
{
	const DialogUnits measured(font);
	TextMeasure measure(font);
	const std::vector<Text> texts = textsOf(dialog, measure);
	// A quarter pixel a unit at a time, up to twice the measured width.
	for (int charWidth = measured.charWidth(); charWidth <= 2 * measured.charWidth(); ++charWidth) {
		const DialogUnits units(charWidth, measured.charHeight());
		if (std::all_of(texts.begin(), texts.end(), [&](const Text &t) { return fits(t, units, measure); }))
			return units;
	}
	return measured;
}

QFont DialogUnits::dialogFont(int fontPoints)
{
	QFont font = QApplication::font();
	if (fontPoints <= 0 || fontPoints == 8)
		return font;
	if (font.pointSizeF() > 0)
		font.setPointSizeF(font.pointSizeF() * fontPoints / 8.0);
	else
		font.setPixelSize(std::max(1, scale(font.pixelSize(), fontPoints, 8)));
	return font;
}

int DialogUnits::editWidthFor(int textWidth, bool framed)
{
	const int frame = framed ? QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
	return textWidth + 2 * frame + 2 * 2 + 1;
}

int DialogUnits::toPixelsX(int units) const
{
	return scale(units, charWidth_, 4);
}

int DialogUnits::toPixelsY(int units) const
{
	return scale(units, charHeight_, 8);
}

QRect DialogUnits::toPixels(const Rect &rect) const
{
	// Corners are mapped, not sizes, so that controls that touch in dialog
	// units still touch in pixels.
	const int left = toPixelsX(rect.x);
	const int top = toPixelsY(rect.y);
	return { left, top, toPixelsX(rect.x + rect.width) - left, toPixelsY(rect.y + rect.height) - top };
}

QSize DialogUnits::toPixels(int width, int height) const
{
	return { toPixelsX(width), toPixelsY(height) };
}

} // namespace mirel::ui
