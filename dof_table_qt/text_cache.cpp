#include "dof_table_qt/text_cache.h"

#include <algorithm>

#include <QPainter>

namespace mirel {

namespace {

// Texts kept per font before they are all laid out afresh: the table and
// the chart show a few hundred; labels such as the focus distance's change
// as the user types.
constexpr qsizetype kMostTexts = 2048;
constexpr std::size_t kMostFonts = 8;

} // namespace

const QStaticText &TextCache::laidOut(const QFont &font, const QString &text)
{
	auto laid = std::ranges::find(fonts_, font, &Laid::font);
	if (laid == fonts_.end()) {
		if (fonts_.size() == kMostFonts)
			fonts_.clear();
		laid = fonts_.insert(fonts_.end(), { font, {} });
	}
	if (laid->texts.size() > kMostTexts)
		laid->texts.clear();
	auto found = laid->texts.constFind(text);
	if (found == laid->texts.cend()) {
		QStaticText staticText(text);
		staticText.setTextFormat(Qt::PlainText);
		staticText.prepare(QTransform(), font);
		found = laid->texts.insert(text, staticText);
	}
	return *found;
}

QSizeF TextCache::size(const QFont &font, const QString &text)
{
	return laidOut(font, text).size();
}

void TextCache::draw(QPainter &painter, const QRectF &rect, Qt::Alignment alignment, const QString &text)
{
	const QStaticText &laid = laidOut(painter.font(), text);
	const QSizeF size = laid.size();
	qreal x = rect.left() + (rect.width() - size.width()) / 2;
	if (alignment & Qt::AlignLeft)
		x = rect.left();
	else if (alignment & Qt::AlignRight)
		x = rect.right() - size.width();
	qreal y = rect.top() + (rect.height() - size.height()) / 2;
	if (alignment & Qt::AlignTop)
		y = rect.top();
	else if (alignment & Qt::AlignBottom)
		y = rect.bottom() - size.height();
	painter.drawStaticText(QPointF(x, y), laid);
}

} // namespace mirel
