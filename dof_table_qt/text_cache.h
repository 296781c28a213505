#pragma once

#include <vector>

#include <QFont>
#include <QHash>
#include <QStaticText>

class QPainter;

namespace mirel {

// Short texts drawn again and again on screen (the cells, the chart's
// labels): each text is laid out the first time it is drawn in a font and
// kept, so a repaint only places glyphs. Draws in the painter's font.
class TextCache
{
public:
	// text aligned in rect, as QPainter::drawText(rect, alignment, text)
	// draws a single line.
	void draw(QPainter &painter, const QRectF &rect, Qt::Alignment alignment, const QString &text);
	// The size text takes in font.
	QSizeF size(const QFont &font, const QString &text);

private:
	const QStaticText &laidOut(const QFont &font, const QString &text);

	struct Laid {
		QFont font;
		QHash<QString, QStaticText> texts;
	};
	std::vector<Laid> fonts_;
};

} // namespace mirel
