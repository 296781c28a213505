#include "dof_table_qt/dof_card.h"

#include <algorithm>
#include <functional>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "dof_table/dof_table.h"
#include "dof_table_qt/dof_chart.h"
#include "dof_table_qt/shared_drawing.h"
#include "ui_qt/paper.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

// Of the page's height at most, for the table on the first page, so the
// chart fits below it while the table is small.
constexpr qreal kTableShare = 0.6;
constexpr qreal kLargestTablePoints = 8.0;

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

// The least size of any text on the card: the small font beside the
// application's, in points.
qreal smallestPoints()
{
	const qreal points = ui::smallFont(QGuiApplication::font()).pointSizeF();
	return points > 0 ? points : 7.0;
}

// The card's pages as they fill: the painter, a page's area, and how far
// down the page the card has come; a new page when what comes next does
// not fit on this one.
class Sheet
{
public:
	Sheet(QPainter &painter, const QRectF &page, const std::function<bool()> &newPage)
		: painter(painter), page(page), y(page.top()), newPage_(newPage)
	{
	}

	enum class Room { Here, OnANewPage, None };
	// Room for height below y, or at the top of a new page when it does not
	// fit here; None when there is no new page to be had.
	Room room(qreal height)
	{
		if (y + height <= page.bottom() || y == page.top())
			return Room::Here;
		if (!newPage_ || !newPage_())
			return Room::None;
		y = page.top();
		return Room::OnANewPage;
	}

	QPainter &painter;
	const QRectF page;
	qreal y;

private:
	const std::function<bool()> &newPage_;
};

// The table's columns on the card: the f-number, a distance each, the
// hyperfocal distance; its rows: headings, then an aperture each, near
// limit over far limit. As many distances side by side as the page is
// wide for; more go into another band of the table below.
struct CardTable {
	qreal points = kLargestTablePoints;
	qreal headingWidth = 0, cellWidth = 0, lastWidth = 0;
	qreal line = 0, headingHeight = 0, rowHeight = 0;
	int columnsPerBand = 1;

	qreal width(int columns) const { return headingWidth + columns * cellWidth + lastWidth; }
	qreal height(int rows) const { return headingHeight + rows * rowHeight; }
};

// The largest font from 8 points down to the smallest at which the table
// fits the width and height given, whole; at the smallest, in bands.
CardTable fitted(const DofTable &table, QPaintDevice *device, qreal width, qreal height)
{
	CardTable fit;
	const qreal smallest = std::min(smallestPoints(), kLargestTablePoints);
	for (fit.points = kLargestTablePoints;; fit.points = std::max(fit.points - 0.25, smallest)) {
		const QFontMetricsF metrics(fontOf(fit.points, true), device);
		const qreal pad = metrics.averageCharWidth();
		fit.headingWidth = metrics.horizontalAdvance(QCoreApplication::translate("DofCard", "f-number")) + pad;
		fit.lastWidth = metrics.horizontalAdvance(QCoreApplication::translate("DofCard", "Hyperfocal")) + pad;
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
		if ((fit.width(table.columnCount()) <= width && fit.height(table.rowCount()) <= height) ||
		    fit.points <= smallest)
			break;
	}
	const int columns = std::max(table.columnCount(), 1);
	const qreal room = width - fit.headingWidth - fit.lastWidth;
	// Bands of even width: 12 distances where 10 fit go in two bands of 6.
	const int widest = std::clamp(static_cast<int>(room / fit.cellWidth), 1, columns);
	const int bands = (columns + widest - 1) / widest;
	fit.columnsPerBand = (columns + bands - 1) / bands;
	// Spread over the width, up to half as wide again as needed.
	fit.cellWidth = std::min(1.5 * fit.cellWidth, std::max(room / fit.columnsPerBand, fit.cellWidth));
	return fit;
}

// Draws the distances from first to end (and the hyperfocal distance) of
// the table, centred across the page, on as many pages as its rows need,
// their headings on each; false when the pages ran out.
bool drawBand(Sheet &sheet, const DofTable &table, const CardTable &fit, int first, int end, qreal pt)
{
	QPainter &painter = sheet.painter;
	const int last = end; // the hyperfocal column, after the band's distances
	const auto columnLeft = [&](qreal left, int column) {
		return left + fit.headingWidth + (column - first) * fit.cellWidth;
	};
	const qreal width = fit.width(end - first);
	const qreal left = sheet.page.left() + (sheet.page.width() - width) / 2;
	const qreal right = left + width;
	const QFont plain = fontOf(fit.points);
	const QFont bold = fontOf(fit.points, true);
	QFont italic = plain;
	italic.setItalic(true);

	const auto drawHeadings = [&] {
		const qreal top = sheet.y;
		painter.setPen(kInk);
		painter.setFont(bold);
		painter.drawText(QRectF(left, top, fit.headingWidth, fit.headingHeight), Qt::AlignCenter,
				 QCoreApplication::translate("DofCard", "f-number"));
		for (int column = first; column <= last; ++column) {
			const bool hyperfocal = column == last;
			painter.setFont(!hyperfocal && column == table.nearestColumn() ? bold : plain);
			painter.drawText(QRectF(columnLeft(left, column), top,
						hyperfocal ? fit.lastWidth : fit.cellWidth, fit.headingHeight),
					 Qt::AlignCenter,
					 hyperfocal ? QCoreApplication::translate("DofCard", "Hyperfocal")
						    : qText(table.columnHeading(column)));
		}
		sheet.y += fit.headingHeight;
		painter.setPen(QPen(kInk, 0.6 * pt));
		painter.drawLine(QPointF(left, sheet.y), QPointF(right, sheet.y));
	};
	const auto drawCell = [&](int row, int column, const QRectF &cell) {
		const bool hyperfocal = column == last;
		const bool currentRow = row == table.currentRow();
		const bool nearest = !hyperfocal && column == table.nearestColumn();
		const bool diffraction = !hyperfocal && table.diffractionLimited(row);
		if (currentRow && nearest)
			painter.fillRect(cell, kCellTint);
		else if (currentRow || nearest)
			painter.fillRect(cell, kRowTint);
		else if (diffraction)
			painter.fillRect(cell, kDiffractionTint);
		painter.setPen(kInk);
		painter.setFont(currentRow && nearest ? bold : diffraction ? italic : plain);
		if (hyperfocal) {
			painter.drawText(cell, Qt::AlignCenter, qText(table.hyperfocalText(row)));
			return;
		}
		const std::optional<ZoneTexts> zone = table.zoneTexts(row, column);
		if (!zone) {
			painter.drawText(cell, Qt::AlignCenter, QStringLiteral("n/a"));
			return;
		}
		const QRectF upper(cell.left(), cell.top(), cell.width(), cell.height() / 2);
		painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, qText(zone->near));
		painter.drawText(upper.translated(0, upper.height()), Qt::AlignHCenter | Qt::AlignTop,
				 qText(zone->far));
	};

	if (sheet.room(fit.headingHeight + fit.rowHeight) == Sheet::Room::None)
		return false;
	drawHeadings();
	for (int row = 0; row < table.rowCount(); ++row) {
		const Sheet::Room room = sheet.room(fit.rowHeight);
		if (room == Sheet::Room::None)
			return false;
		if (room == Sheet::Room::OnANewPage)
			drawHeadings();
		const qreal y = sheet.y;
		painter.setPen(QPen(kRule, 0.4 * pt));
		painter.drawLine(QPointF(left, y), QPointF(right, y));
		for (int column = first; column <= last; ++column)
			drawCell(row, column,
				 QRectF(columnLeft(left, column), y, column == last ? fit.lastWidth : fit.cellWidth,
					fit.rowHeight));
		painter.setPen(kInk);
		painter.setFont(row == table.currentRow() ? bold : plain);
		painter.drawText(QRectF(left, y, fit.headingWidth, fit.rowHeight), Qt::AlignCenter,
				 qText(table.rowHeading(row)));
		sheet.y += fit.rowHeight;
	}
	painter.setPen(QPen(kInk, 0.6 * pt));
	painter.drawLine(QPointF(left, sheet.y), QPointF(right, sheet.y));
	return true;
}

// The table in as many bands as it takes; false when the pages ran out.
bool drawTable(Sheet &sheet, const DofTable &table, qreal pt)
{
	const CardTable fit =
		fitted(table, sheet.painter.device(), sheet.page.width(), kTableShare * sheet.page.height());
	const int columns = table.columnCount();
	for (int first = 0; first < std::max(columns, 1); first += fit.columnsPerBand) {
		if (first > 0)
			sheet.y += fit.line;
		if (!drawBand(sheet, table, fit, first, std::min(first + fit.columnsPerBand, columns), pt))
			return false;
	}
	return true;
}

// Draws text across the page, wrapped; false when the pages ran out.
bool drawParagraph(Sheet &sheet, const QFont &font, const QString &text, const QColor &colour = kInk)
{
	QPainter &painter = sheet.painter;
	painter.setFont(font);
	painter.setPen(colour);
	const QRectF wanted = painter.boundingRect(
		QRectF(sheet.page.left(), 0, sheet.page.width(), sheet.page.height()), Qt::TextWordWrap, text);
	if (sheet.room(wanted.height()) == Sheet::Room::None)
		return false;
	const QRectF space(sheet.page.left(), sheet.y, sheet.page.width(), wanted.height());
	painter.drawText(space, Qt::TextWordWrap, text);
	sheet.y += wanted.height();
	return true;
}

} // namespace

void paintDofCard(QPainter &painter, const QRectF &page, const DofTable &table, const std::function<bool()> &newPage)
{
	Sheet sheet(painter, page, newPage);
	const qreal pt = painter.device()->logicalDpiY() / 72.0;
	const qreal gap = 6 * pt;
	const QFont small = fontOf(smallestPoints());
	const QString unit = qText(unitAbbreviation(table.unit()));
	const QString notes =
		QCoreApplication::translate("DofCard",
					    "Each cell: near limit over far limit of acceptable sharpness in %1 when "
					    "focused at the column's distance; \u221e: sharp to infinity. %2")
			.arg(unit, ui::translated("DofTableWindow", table.diffractionLineSentence()));
	// Each part below the last, with a gap; the card ends where the pages run
	// out.
	if (!drawParagraph(sheet, fontOf(16, true), QCoreApplication::translate("DofCard", "Depth of Field Table")))
		return;
	sheet.y += gap / 2;
	if (!drawParagraph(sheet, fontOf(9.5), ui::translated("DofTableWindow", table.headerSentence())))
		return;
	sheet.y += gap;
	if (!drawTable(sheet, table, pt))
		return;
	sheet.y += gap / 2;
	if (!drawParagraph(sheet, small, notes, QColor(70, 70, 70)))
		return;

	// Rows no taller than a few lines, so few apertures make no tall bars;
	// on a page of its own when too little room is left for its rows.
	QPalette paper;
	paper.setColor(QPalette::Base, Qt::white);
	paper.setColor(QPalette::Text, kInk);
	paper.setColor(QPalette::Highlight, kBlue);
	const qreal line = QFontMetricsF(small, painter.device()).height();
	const qreal least = (0.5 * table.rowCount() + 6) * line;
	sheet.y += gap;
	if (sheet.room(least) == Sheet::Room::None)
		return;
	const qreal height = std::min(page.bottom() - sheet.y, (2.5 * table.rowCount() + 6) * line);
	paintDofChart(painter, QRectF(page.left(), sheet.y, page.width(), height), table, { paper, small, small, pt });
}

bool printDofCard(QPagedPaintDevice &device, const DofTable &table)
{
	QPainter painter;
	if (!painter.begin(&device))
		return false;
	const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
	paintDofCard(painter, QRectF(QPointF(0, 0), page.size()), table, [&] { return device.newPage(); });
	return painter.end();
}

bool writeDofCardPdf(QIODevice &device, const DofTable &table)
{
	QPdfWriter pdf(&device);
	pdf.setTitle(QCoreApplication::translate("DofCard", "Depth of Field Table"));
	pdf.setCreator(QCoreApplication::translate("DofCard", "Mirel"));
	pdf.setResolution(600);
	pdf.setPageLayout(ui::printPageLayout());
	return printDofCard(pdf, table);
}

} // namespace mirel
