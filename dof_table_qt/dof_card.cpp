#include "dof_table_qt/dof_card.h"

#include <langinfo.h>

#include <algorithm>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "dof_table/dof_table.h"
#include "dof_table_qt/dof_chart.h"
#include "dof_table_qt/shared_drawing.h"

namespace mirel {

namespace {

constexpr qreal kMarginMm = 15.0;
// Of the page's height at most, for the table; the chart has the rest.
constexpr qreal kTableShare = 0.6;

const QColor kInk(Qt::black);
const QColor kRule(190, 190, 190);
const QColor kBlue(56, 116, 216);
const QColor kRowTint = mixed(Qt::white, kBlue, 0.12f);
const QColor kCellTint = mixed(Qt::white, kBlue, 0.32f);
const QColor kDiffractionTint = mixed(Qt::white, QColor(255, 150, 0), 0.2f);

QFont fontOf(qreal points, bool bold = false)
{
	QFont font = QGuiApplication::font();
	font.setPointSizeF(points);
	font.setBold(bold);
	// No ligatures: "fi" in a PDF must stay two letters to be found again.
	font.setStyleStrategy(QFont::PreferNoShaping);
	return font;
}

// The table's columns on the card: the f-number, a distance each, the
// hyperfocal distance; its rows: headings, then an aperture each, near
// limit over far limit.
struct CardTable {
	qreal points = 8;
	qreal headingWidth = 0, cellWidth = 0, lastWidth = 0;
	qreal line = 0, headingHeight = 0, rowHeight = 0;

	qreal width(int columns) const { return headingWidth + columns * cellWidth + lastWidth; }
	qreal height(int rows) const { return headingHeight + rows * rowHeight; }
};

// The largest font from 8 points down at which the table fits the width and
// height given.
CardTable fitted(const DofTable &table, QPaintDevice *device, qreal width, qreal height)
{
	CardTable fit;
	for (fit.points = 8.0; fit.points > 4.0; fit.points -= 0.25) {
		const QFontMetricsF metrics(fontOf(fit.points, true), device);
		const qreal pad = metrics.averageCharWidth();
		fit.headingWidth = metrics.horizontalAdvance(QStringLiteral("f-number")) + pad;
		fit.lastWidth = metrics.horizontalAdvance(QStringLiteral("Hyperfocal")) + pad;
		fit.cellWidth = 0;
		for (int row = 0; row < table.rowCount(); ++row) {
			fit.headingWidth = std::max(fit.headingWidth,
						    metrics.horizontalAdvance(qText(table.rowHeading(row))) + pad);
			fit.lastWidth = std::max(fit.lastWidth,
						 metrics.horizontalAdvance(qText(table.hyperfocalText(row))) + pad);
			for (int column = 0; column < table.columnCount(); ++column) {
				const std::optional<ZoneTexts> zone = table.zoneTexts(row, column);
				for (const std::string &limit : { zone ? zone->near : "n/a", zone ? zone->far : "" })
					fit.cellWidth =
						std::max(fit.cellWidth, metrics.horizontalAdvance(qText(limit)) + pad);
			}
		}
		for (int column = 0; column < table.columnCount(); ++column)
			fit.cellWidth = std::max(fit.cellWidth,
						 metrics.horizontalAdvance(qText(table.columnHeading(column))) + pad);
		fit.line = metrics.height();
		fit.headingHeight = 1.4 * fit.line;
		fit.rowHeight = 2 * fit.line + pad / 2;
		if (fit.width(table.columnCount()) <= width && fit.height(table.rowCount()) <= height)
			break;
	}
	// Spread over the width, up to half as wide again as needed.
	const int columns = std::max(table.columnCount(), 1);
	fit.cellWidth = std::min(1.5 * fit.cellWidth, (width - fit.headingWidth - fit.lastWidth) / columns);
	return fit;
}

// Draws the table from top, centred across page; returns its bottom.
qreal drawTable(QPainter &painter, const QRectF &page, qreal top, const DofTable &table, qreal pt)
{
	const CardTable fit = fitted(table, painter.device(), page.width(), kTableShare * page.height());
	const qreal left = page.left() + (page.width() - fit.width(table.columnCount())) / 2;
	const QFont plain = fontOf(fit.points);
	const QFont bold = fontOf(fit.points, true);
	QFont italic = plain;
	italic.setItalic(true);
	const qreal headingHeight = fit.headingHeight;
	const auto columnLeft = [&](int column) { return left + fit.headingWidth + column * fit.cellWidth; };
	const int last = table.columnCount(); // the hyperfocal column

	painter.setPen(kInk);
	painter.setFont(bold);
	painter.drawText(QRectF(left, top, fit.headingWidth, headingHeight), Qt::AlignCenter,
			 QStringLiteral("f-number"));
	for (int column = 0; column <= last; ++column) {
		const QString heading =
			column < last ? qText(table.columnHeading(column)) : QStringLiteral("Hyperfocal");
		painter.setFont(column == table.nearestColumn() ? bold : plain);
		painter.drawText(
			QRectF(columnLeft(column), top, column < last ? fit.cellWidth : fit.lastWidth, headingHeight),
			Qt::AlignCenter, heading);
	}
	qreal y = top + headingHeight;
	for (int row = 0; row < table.rowCount(); ++row, y += fit.rowHeight) {
		const bool currentRow = row == table.currentRow();
		painter.setPen(QPen(kRule, 0.4 * pt));
		painter.drawLine(QPointF(left, y), QPointF(columnLeft(last) + fit.lastWidth, y));
		for (int column = 0; column <= last; ++column) {
			const QRectF cell(columnLeft(column), y, column < last ? fit.cellWidth : fit.lastWidth,
					  fit.rowHeight);
			const bool nearest = column == table.nearestColumn();
			const bool diffraction = column < last && table.diffractionLimited(row);
			if (currentRow && nearest)
				painter.fillRect(cell, kCellTint);
			else if (currentRow || nearest)
				painter.fillRect(cell, kRowTint);
			else if (diffraction)
				painter.fillRect(cell, kDiffractionTint);
			painter.setPen(kInk);
			painter.setFont(currentRow && nearest ? bold : diffraction ? italic : plain);
			if (column == last) {
				painter.drawText(cell, Qt::AlignCenter, qText(table.hyperfocalText(row)));
				continue;
			}
			const std::optional<ZoneTexts> zone = table.zoneTexts(row, column);
			if (!zone) {
				painter.drawText(cell, Qt::AlignCenter, QStringLiteral("n/a"));
				continue;
			}
			const QRectF upper(cell.left(), cell.top(), cell.width(), cell.height() / 2);
			painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, qText(zone->near));
			painter.drawText(upper.translated(0, upper.height()), Qt::AlignHCenter | Qt::AlignTop,
					 qText(zone->far));
		}
		painter.setPen(kInk);
		painter.setFont(currentRow ? bold : plain);
		painter.drawText(QRectF(left, y, fit.headingWidth, fit.rowHeight), Qt::AlignCenter,
				 qText(table.rowHeading(row)));
	}
	painter.setPen(QPen(kInk, 0.6 * pt));
	painter.drawLine(QPointF(left, top + headingHeight),
			 QPointF(columnLeft(last) + fit.lastWidth, top + headingHeight));
	painter.drawLine(QPointF(left, y), QPointF(columnLeft(last) + fit.lastWidth, y));
	return y;
}

// Draws text across page from top, wrapped; returns the bottom.
qreal drawParagraph(QPainter &painter, const QRectF &page, qreal top, const QFont &font, const QString &text,
		    const QColor &colour = kInk)
{
	painter.setFont(font);
	painter.setPen(colour);
	const QRectF space(page.left(), top, page.width(), page.bottom() - top);
	const QRectF used = painter.boundingRect(space, Qt::TextWordWrap, text);
	painter.drawText(space, Qt::TextWordWrap, text);
	return used.bottom();
}

QPageSize localePaperSize()
{
	// glibc hands the locale's paper size out as numbers in a pointer's place.
	const auto millimetres = [](nl_item item) {
		return static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(item)));
	};
	const bool letter = millimetres(_NL_PAPER_WIDTH) == 216 && millimetres(_NL_PAPER_HEIGHT) == 279;
	return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

QPageLayout cardPageLayout()
{
	return QPageLayout(localePaperSize(), QPageLayout::Portrait,
			   QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

void paintDofCard(QPainter &painter, const QRectF &page, const DofTable &table)
{
	painter.save();
	const qreal pt = painter.device()->logicalDpiY() / 72.0;
	const qreal gap = 6 * pt;
	qreal y = drawParagraph(painter, page, page.top(), fontOf(16, true), QStringLiteral("Depth of Field Table"));
	y = drawParagraph(painter, page, y + gap / 2, fontOf(9.5), qText(table.headerLine()));
	y = drawTable(painter, page, y + gap, table, pt);

	const QString unit = qText(unitAbbreviation(table.unit()));
	const QString notes = QStringLiteral("Each cell: near limit over far limit of acceptable sharpness in %1 when "
					     "focused at the column's distance; \u221e: sharp to infinity. %2")
				      .arg(unit, qText(table.diffractionLine()));
	y = drawParagraph(painter, page, y + gap / 2, fontOf(7), notes, QColor(70, 70, 70));

	QPalette paper;
	paper.setColor(QPalette::Base, Qt::white);
	paper.setColor(QPalette::Text, kInk);
	paper.setColor(QPalette::Highlight, kBlue);
	// Rows no taller than a few lines, so few apertures make no tall bars.
	const QFont chartFont = fontOf(7);
	const qreal line = QFontMetricsF(chartFont, painter.device()).height();
	const qreal height = std::min(page.bottom() - y - gap, (2.5 * table.rowCount() + 6) * line);
	paintDofChart(painter, QRectF(page.left(), y + gap, page.width(), height), table,
		      { paper, chartFont, chartFont, pt });
	painter.restore();
}

bool printDofCard(QPagedPaintDevice &device, const DofTable &table)
{
	QPainter painter;
	if (!painter.begin(&device))
		return false;
	const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
	paintDofCard(painter, QRectF(QPointF(0, 0), page.size()), table);
	return painter.end();
}

bool writeDofCardPdf(QIODevice &device, const DofTable &table)
{
	QPdfWriter pdf(&device);
	pdf.setTitle(QStringLiteral("Depth of Field Table"));
	pdf.setCreator(QStringLiteral("Mirel"));
	pdf.setResolution(600);
	pdf.setPageLayout(cardPageLayout());
	return printDofCard(pdf, table);
}

} // namespace mirel
