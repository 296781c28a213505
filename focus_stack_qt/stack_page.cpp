#include "focus_stack_qt/stack_page.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include "focus_stack/stack_sheet.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/paper.h"

namespace mirel {

namespace {

constexpr qreal kLargestPoints = 10.0;

QFont fontOf(qreal points, bool bold = false)
{
	QFont font = QGuiApplication::font();
	font.setPointSizeF(points);
	font.setBold(bold);
	return font;
}

// The table at a size: each column as wide as its widest cell, and the
// blocks of rows side by side that the height left holds.
struct TableFit {
	qreal points = kLargestPoints;
	std::vector<qreal> widths;
	qreal blockWidth = 0, line = 0;
	int rowsPerBlock = 1, blocks = 1;
};

TableFit fitted(const StackSheet &sheet, QPaintDevice *device, qreal points, qreal height)
{
	TableFit fit;
	fit.points = points;
	const QFontMetricsF metrics(fontOf(points, true), device);
	const qreal gap = 2 * metrics.averageCharWidth();
	fit.widths.assign(sheet.table.front().size(), 0);
	for (const std::vector<std::string> &row : sheet.table) {
		for (std::size_t i = 0; i < row.size() && i < fit.widths.size(); ++i)
			fit.widths[i] =
				std::max(fit.widths[i], metrics.horizontalAdvance(ui::fromCp1252(row[i])) + gap);
	}
	for (const qreal width : fit.widths)
		fit.blockWidth += width;
	fit.blockWidth += gap;
	fit.line = metrics.lineSpacing();
	// A block's first line holds the headings again.
	const int body = static_cast<int>(sheet.table.size()) - 1;
	fit.rowsPerBlock = std::max(1, static_cast<int>(height / fit.line) - 1);
	fit.blocks = std::max(1, (body + fit.rowsPerBlock - 1) / fit.rowsPerBlock);
	return fit;
}

} // namespace

void paintStackPage(QPainter &painter, const QRectF &page, const StackSheet &sheet)
{
	const qreal pt = painter.device()->logicalDpiY() / 72.0;
	const qreal smallest = std::min(ui::smallFont(QGuiApplication::font()).pointSizeF(), kLargestPoints);
	painter.setPen(Qt::black);
	qreal y = page.top();
	const auto paragraph = [&](const QFont &font, const QString &text) {
		painter.setFont(font);
		const QRectF space(page.left(), y, page.width(), page.bottom() - y);
		const QRectF used = painter.boundingRect(space, Qt::TextWordWrap, text);
		painter.drawText(space, Qt::TextWordWrap, text);
		y += used.height();
	};
	paragraph(fontOf(16, true), ui::fromCp1252(sheet.title));
	y += 4 * pt;
	for (const std::string &line : sheet.lines)
		paragraph(fontOf(kLargestPoints), ui::fromCp1252(line));
	if (sheet.table.empty())
		return;
	y += 8 * pt;

	// The largest size whose blocks fit the page's width, else the smallest.
	TableFit fit;
	for (qreal points = kLargestPoints;; points = std::max(points - 0.5, smallest)) {
		fit = fitted(sheet, painter.device(), points, page.bottom() - y);
		if (fit.blocks * fit.blockWidth <= page.width() || points <= smallest)
			break;
	}
	for (int block = 0; block < fit.blocks; ++block) {
		const qreal left = page.left() + block * fit.blockWidth;
		const int first = 1 + block * fit.rowsPerBlock;
		const int end = std::min(static_cast<int>(sheet.table.size()), first + fit.rowsPerBlock);
		qreal line = y;
		for (int row = 0; row == 0 || row < end; row = row == 0 ? first : row + 1) {
			painter.setFont(fontOf(fit.points, row == 0));
			qreal x = left;
			const std::vector<std::string> &cells = sheet.table[static_cast<std::size_t>(row)];
			for (std::size_t i = 0; i < cells.size() && i < fit.widths.size(); ++i) {
				painter.drawText(QRectF(x, line, fit.widths[i], fit.line),
						 Qt::AlignLeft | Qt::AlignVCenter, ui::fromCp1252(cells[i]));
				x += fit.widths[i];
			}
			line += fit.line;
		}
	}
}

bool printStackPage(QPagedPaintDevice &device, const StackSheet &sheet)
{
	QPainter painter;
	if (!painter.begin(&device))
		return false;
	const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
	paintStackPage(painter, QRectF(QPointF(0, 0), page.size()), sheet);
	return painter.end();
}

} // namespace mirel
