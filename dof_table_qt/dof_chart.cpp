#include "dof_table_qt/dof_chart.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include "core/number_text.h"
#include "dof_table/dof_table.h"
#include "dof_table_qt/shared_drawing.h"
#include "ui_qt/paper.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

const QString kInfinity = QStringLiteral("\u221e");

// A logarithmic distance axis across [left, right], and past it a stretch
// that stands for everything up to infinity, ending at end.
struct Axis {
	double lo, hi; // distances at left and right
	qreal left, right, end;

	qreal x(double distance) const { return left + std::log(distance / lo) / std::log(hi / lo) * (right - left); }
	bool shows(double distance) const { return distance >= lo && distance <= hi; }
	// Held to the axis; infinity at its end.
	qreal clamped(double distance) const
	{
		return std::isinf(distance) ? end : std::clamp(x(distance), left, right);
	}
};

// One drawing of the chart: the layout worked out from the area and the
// font, then each part drawn in turn.
class ChartPainter
{
public:
	// The layout in area, its texts measured for device.
	ChartPainter(QPaintDevice *device, const QRectF &area, const DofTable &table, const ChartLook &look);
	// Draws the chart, or of it what meets exposed when it is not empty.
	void draw(QPainter &painter, const QRectF &exposed = {});

	// The band of a row across the chart: its label and its bar, and the
	// labels of rows near it that make room for the row's when it is the
	// current aperture's.
	QRectF rowBand(int row) const
	{
		const int first = std::max(row - labelStep_, 0),
			  last = std::min(row + labelStep_, table_.rowCount() - 1);
		return QRectF(area_.left(), top_ + first * rowHeight_, area_.width(), (last - first + 1) * rowHeight_);
	}

private:
	enum class Mark { Zone, Hyperfocal, Diffraction };
	struct LegendItem {
		Mark mark;
		QString text;
	};

	void drawAxis();
	void drawRows();
	void drawFocus();
	void drawLegend();
	void drawMark(Mark mark, const QRectF &rect, bool current = false);
	qreal sampleWidth(Mark mark) const { return mark == Mark::Hyperfocal ? barHeight_ : 3 * line_; }
	qreal legendWidth(const LegendItem &item) const
	{
		return sampleWidth(item.mark) + gap_ + width(item.text) + 3 * gap_;
	}
	int legendLines(qreal width) const;
	bool labelled(int row) const;
	// Texts on one line, laid out once on screen.
	qreal width(const QString &text, const QFont &font) const
	{
		return texts_ ? texts_->size(font, text).width() : QFontMetricsF(font, device_).horizontalAdvance(text);
	}
	qreal width(const QString &text) const { return width(text, font_); }
	void text(const QRectF &rect, Qt::Alignment alignment, const QString &text)
	{
		if (!shows(rect))
			return;
		if (texts_)
			texts_->draw(*painter_, rect, alignment, text);
		else
			painter_->drawText(rect, alignment, text);
	}

	bool shows(const QRectF &rect) const { return exposed_.isEmpty() || rect.intersects(exposed_); }

	QPaintDevice *const device_;
	QPainter *painter_ = nullptr; // while it draws
	QRectF exposed_;
	const QRectF area_;
	const DofTable &table_;
	const QFont font_;
	TextCache *const texts_;
	const qreal pt_, line_, gap_;
	const QColor ink_, ground_, bar_, highlight_, accent_;
	QColor hatch_;
	const QString unit_;
	std::vector<LegendItem> legend_;
	qreal top_ = 0, bottom_ = 0, rowHeight_ = 0, barHeight_ = 0, labelWidth_ = 0;
	QFont rowFont_, currentFont_;
	qreal rowLine_ = 0; // the height of a row's label
	int labelStep_ = 1; // rows from one labelled to the next
	Axis axis_{};
};

ChartPainter::ChartPainter(QPaintDevice *device, const QRectF &area, const DofTable &table, const ChartLook &look)
	: device_(device), area_(area), table_(table), font_(look.font), texts_(look.texts), pt_(look.pixelsPerPoint),
	  line_(QFontMetricsF(look.font, device).height()), gap_(4 * pt_), ink_(look.palette.color(QPalette::Text)),
	  ground_(look.palette.color(QPalette::Base)),
	  bar_(mixed(look.palette.color(QPalette::Highlight), ground_, 0.45f)),
	  highlight_(look.palette.color(QPalette::Highlight)),
	  // The focus line's colour, set off from the bars on light and dark ground.
	  accent_(ground_.lightness() < 128 ? QColor(255, 136, 102) : QColor(192, 48, 24)), hatch_(ink_),
	  unit_(qText(unitAbbreviation(table.unit())))
{
	hatch_.setAlphaF(0.55f);
	const QString focus = qText(formatPlain(table.focusDistance()));
	legend_ = { { Mark::Zone,
		      QCoreApplication::translate("DofChart", "sharp when focused at %1 %2").arg(focus, unit_) },
		    { Mark::Hyperfocal, QCoreApplication::translate("DofChart", "hyperfocal distance") },
		    { Mark::Diffraction,
		      QCoreApplication::translate("DofChart", "diffraction blur above the circle of confusion") } };

	// Rows between a line for the focus label at the top, and tick labels,
	// the axis title and the legend at the bottom.
	top_ = area.top() + line_ + gap_;
	bottom_ = area.bottom() - (2 + legendLines(area.width())) * line_ - 3 * gap_;
	const int rows = std::max(table.rowCount(), 1);
	rowHeight_ = (bottom_ - top_) / rows;
	barHeight_ = std::min(0.62 * rowHeight_, 1.1 * line_);
	// Many rows in little room: smaller labels, down to the smallest font,
	// and past that only every few rows labelled, whole stops first.
	rowFont_ = font_;
	if (line_ > rowHeight_ && font_.pointSizeF() > 0)
		rowFont_.setPointSizeF(std::max(look.smallest.pointSizeF(), font_.pointSizeF() * rowHeight_ / line_));
	currentFont_ = rowFont_;
	currentFont_.setBold(true);
	rowLine_ = QFontMetricsF(rowFont_, device).height();
	const int perStop = table.rowsPerStop();
	while (labelStep_ * rowHeight_ < rowLine_ && labelStep_ < rows)
		labelStep_ = labelStep_ < perStop ? perStop : labelStep_ + perStop;
	labelWidth_ = width(QCoreApplication::translate("DofChart", "Aperture"));
	for (int row = 0; row < table.rowCount(); ++row)
		labelWidth_ = std::max(labelWidth_, width(qText(table.rowHeading(row)), currentFont_));

	// From the nearest to the farthest column, then on to infinity.
	const int columns = table.columnCount();
	double lo = columns > 0 ? table.distance(0) : 1.0;
	double hi = columns > 0 ? table.distance(columns - 1) : 1.0;
	if (!(hi > lo)) {
		lo /= 2;
		hi *= 2;
	}
	const qreal left = area.left() + labelWidth_ + 2 * gap_ + width(qText(formatPlain(lo))) / 2;
	const qreal end = area.right() - gap_ - width(kInfinity);
	const qreal stretch = std::max(0.07 * (end - left), 4 * width(kInfinity));
	axis_ = { lo, hi, left, end - stretch, end };
}

int ChartPainter::legendLines(qreal room) const
{
	int lines = 1;
	qreal x = 0;
	for (const LegendItem &item : legend_) {
		if (x > 0 && x + legendWidth(item) > room) {
			++lines;
			x = 0;
		}
		x += legendWidth(item);
	}
	return lines;
}

bool ChartPainter::labelled(int row) const
{
	const int current = table_.currentRow();
	if (row == current)
		return true;
	// Clear of the current aperture's label.
	return row % labelStep_ == 0 && (current < 0 || std::abs(row - current) * rowHeight_ >= rowLine_);
}

void ChartPainter::draw(QPainter &painter, const QRectF &exposed)
{
	painter_ = &painter;
	exposed_ = exposed;
	painter_->save();
	// Lines and bars run along the pixels: drawn without antialiasing, which
	// would cost more than the rest of the chart for nothing to see. The
	// diamonds are smoothed.
	painter_->setRenderHint(QPainter::Antialiasing, false);
	painter_->fillRect(area_, ground_);
	painter_->setFont(font_);
	drawAxis();
	drawRows();
	drawFocus();
	drawLegend();
	painter_->restore();
}

void ChartPainter::drawMark(Mark mark, const QRectF &rect, bool current)
{
	if (!shows(rect.adjusted(-2 * pt_, -2 * pt_, 2 * pt_, 2 * pt_))) // a diamond reaches past it
		return;
	if (mark == Mark::Hyperfocal) {
		const QPointF c = rect.center();
		const qreal r = std::max(2.0 * pt_, rect.height() / 2);
		QPainterPath diamond;
		diamond.moveTo(c.x(), c.y() - r);
		diamond.lineTo(c.x() + r, c.y());
		diamond.lineTo(c.x(), c.y() + r);
		diamond.lineTo(c.x() - r, c.y());
		diamond.closeSubpath();
		painter_->setPen(QPen(ground_, 0.5 * pt_));
		painter_->setBrush(ink_);
		painter_->setRenderHint(QPainter::Antialiasing);
		painter_->drawPath(diamond);
		painter_->setRenderHint(QPainter::Antialiasing, false);
		return;
	}
	painter_->setPen(current ? QPen(ink_, 1.0 * pt_) : Qt::NoPen);
	painter_->setBrush(current ? highlight_ : bar_);
	painter_->drawRect(rect);
	if (mark == Mark::Diffraction) {
		// The pattern is in device pixels: as wide on paper as on screen.
		QBrush hatching(hatch_, Qt::BDiagPattern);
		hatching.setTransform(QTransform::fromScale(0.75 * pt_, 0.75 * pt_));
		painter_->setPen(Qt::NoPen);
		painter_->setBrush(hatching);
		painter_->drawRect(rect);
	}
}

// A grid line and tick at each column, as many labelled as fit, and one for
// infinity after a break in the axis; the axis titles.
void ChartPainter::drawAxis()
{
	painter_->setPen(QPen(mixed(ground_, ink_, 0.18f), 0.5 * pt_));
	for (int column = 0; column < table_.columnCount(); ++column) {
		const qreal x = axis_.x(table_.distance(column));
		painter_->drawLine(QPointF(x, top_), QPointF(x, bottom_));
	}
	painter_->setPen(QPen(ink_, 0.75 * pt_));
	painter_->drawLine(QPointF(axis_.left, bottom_), QPointF(axis_.right + gap_, bottom_));
	painter_->drawLine(QPointF(axis_.right + 2 * gap_, bottom_), QPointF(axis_.end, bottom_));
	const qreal tickTop = bottom_ + gap_ / 2;
	qreal free = area_.left();
	const auto tick = [&](qreal x, const QString &label) {
		const qreal labelWidth = width(label);
		painter_->drawLine(QPointF(x, bottom_), QPointF(x, tickTop));
		if (x - labelWidth / 2 < free)
			return;
		text(QRectF(x - labelWidth / 2, tickTop, labelWidth, line_), Qt::AlignCenter, label);
		free = x + labelWidth / 2 + gap_;
	};
	for (int column = 0; column < table_.columnCount(); ++column)
		tick(axis_.x(table_.distance(column)), qText(formatPlain(table_.distance(column))));
	tick(axis_.end, kInfinity);
	text(QRectF(axis_.left, tickTop + line_, axis_.end - axis_.left, line_), Qt::AlignCenter,
	     QCoreApplication::translate("DofChart", "Subject distance (%1)").arg(unit_));
	text(QRectF(area_.left(), area_.top(), labelWidth_ + gap_, line_), Qt::AlignLeft | Qt::AlignVCenter,
	     QCoreApplication::translate("DofChart", "Aperture"));
}

// A bar per aperture across its zone of sharpness, and its hyperfocal
// distance; the current aperture emphasised, diffraction hatched.
void ChartPainter::drawRows()
{
	bool anyZone = false;
	for (int row = 0; row < table_.rowCount(); ++row) {
		const bool current = row == table_.currentRow();
		const qreal middle = top_ + (row + 0.5) * rowHeight_;
		if (labelled(row)) {
			painter_->setFont(current ? currentFont_ : rowFont_);
			painter_->setPen(ink_);
			text(QRectF(area_.left(), middle - rowLine_ / 2, labelWidth_, rowLine_),
			     Qt::AlignRight | Qt::AlignVCenter, qText(table_.rowHeading(row)));
		}
		const qreal barTop = middle - barHeight_ / 2;
		if (const std::optional<SharpZone> zone = table_.zoneAtFocus(row)) {
			anyZone = true;
			const qreal from = axis_.clamped(zone->near);
			// Still a mark where the zone is thin.
			const qreal width = std::max(axis_.clamped(zone->far) - from, 1.5 * pt_);
			drawMark(table_.diffractionLimited(row) ? Mark::Diffraction : Mark::Zone,
				 QRectF(from, barTop, width, barHeight_), current);
		}
		const std::optional<double> hyperfocal = table_.hyperfocal(row);
		if (hyperfocal && axis_.shows(*hyperfocal)) {
			const qreal x = axis_.x(*hyperfocal);
			drawMark(Mark::Hyperfocal, QRectF(x - barHeight_ / 2, barTop, barHeight_, barHeight_));
		}
	}
	painter_->setFont(font_);
	if (!anyZone) {
		painter_->setPen(ink_);
		painter_->drawText(QRectF(axis_.left, top_, axis_.end - axis_.left, bottom_ - top_),
				   Qt::AlignCenter | Qt::TextWordWrap,
				   QCoreApplication::translate(
					   "DofChart",
					   "No zone of sharpness: the focus distance is shorter than the focal "
					   "length, or a value is unusable."));
	}
}

// The focus distance across all rows, labelled above them.
void ChartPainter::drawFocus()
{
	const double focus = table_.focusDistance();
	if (!axis_.shows(focus))
		return;
	const qreal x = axis_.x(focus);
	painter_->setPen(QPen(accent_, 1.25 * pt_, Qt::DashLine));
	painter_->drawLine(QPointF(x, top_ - gap_ / 2), QPointF(x, bottom_));
	const QString label =
		QCoreApplication::translate("DofChart", "focus %1 %2").arg(qText(formatPlain(focus)), unit_);
	const qreal labelWidth = width(label);
	painter_->setPen(accent_);
	text(QRectF(std::clamp(x - labelWidth / 2, axis_.left, area_.right() - labelWidth), area_.top(), labelWidth,
		    line_),
	     Qt::AlignCenter, label);
}

// A sample of each mark and what it means, on as many lines as it needs.
void ChartPainter::drawLegend()
{
	const qreal left = area_.left() + gap_;
	qreal x = left;
	qreal y = area_.bottom() - legendLines(area_.width()) * line_;
	for (const LegendItem &item : legend_) {
		if (x > left && x + legendWidth(item) > area_.right()) {
			x = left;
			y += line_;
		}
		const qreal sample = sampleWidth(item.mark);
		drawMark(item.mark, QRectF(x, y + (line_ - barHeight_) / 2, sample, barHeight_));
		x += sample + gap_;
		painter_->setPen(ink_);
		text(QRectF(x, y, width(item.text), line_), Qt::AlignLeft | Qt::AlignVCenter, item.text);
		x += width(item.text) + 3 * gap_;
	}
}

} // namespace

void paintDofChart(QPainter &painter, const QRectF &area, const DofTable &table, const ChartLook &look)
{
	ChartPainter(painter.device(), area, table, look).draw(painter);
}

namespace {

class AccessibleChart : public QAccessibleWidget
{
public:
	explicit AccessibleChart(DofChart *chart) : QAccessibleWidget(chart, QAccessible::Chart) {}

	QString text(QAccessible::Text kind) const override
	{
		const std::optional<DofTable> &table = static_cast<const DofChart *>(widget())->table();
		return kind == QAccessible::Description && table ? chartDescription(*table)
								 : QAccessibleWidget::text(kind);
	}
};

QAccessibleInterface *accessibleChart(const QString &className, QObject *object)
{
	return className == QLatin1String(DofChart::staticMetaObject.className())
		       ? new AccessibleChart(static_cast<DofChart *>(object))
		       : nullptr;
}

} // namespace

DofChart::DofChart(QWidget *parent) : QWidget(parent)
{
	static const bool described = (QAccessible::installFactory(accessibleChart), true);
	Q_UNUSED(described);
	setObjectName(QStringLiteral("dofChart"));
	setAccessibleName(QCoreApplication::translate("DofChart", "Depth of field chart"));
	setAttribute(Qt::WA_OpaquePaintEvent);
}

QString chartDescription(const DofTable &table)
{
	const QString unit = qText(unitAbbreviation(table.unit()));
	QStringList zones;
	for (int row = 0; row < table.rowCount(); ++row) {
		const std::optional<ZoneTexts> zone = table.zoneAtFocusTexts(row);
		const QString heading = qText(table.rowHeading(row));
		if (!zone)
			zones << QCoreApplication::translate("DofChart", "%1 none").arg(heading);
		else if (std::isinf(table.zoneAtFocus(row)->far))
			zones << QCoreApplication::translate("DofChart", "%1 %2 %3 to infinity")
					 .arg(heading, qText(zone->near), unit);
		else
			zones << QCoreApplication::translate("DofChart", "%1 %2 to %3 %4")
					 .arg(heading, qText(zone->near), qText(zone->far), unit);
	}
	QString description =
		QCoreApplication::translate("DofChart",
					    "The zone of sharpness at each aperture when focused at %1 %2: %3.")
			.arg(qText(formatPlain(table.focusDistance())), unit, zones.join(QStringLiteral("; ")));
	if (const QString line = ui::translated("DofTableWindow", table.diffractionLineSentence()); !line.isEmpty())
		description += QLatin1Char(' ') + line;
	return description;
}

ChartLook DofChart::look()
{
	return { palette(), font(), ui::smallFont(font()), logicalDpiY() / 72.0, &texts_ };
}

void DofChart::setTable(const DofTable &table)
{
	// The aperture alone moved: the bars and labels it left and reached.
	const bool apertureOnly =
		table_ && table_->sameCells(table) && table_->inputs().focusDistance == table.inputs().focusDistance;
	const int before = table_ ? table_->currentRow() : -1;
	table_ = table;
	if (!apertureOnly) {
		update();
	} else if (before != table.currentRow()) {
		const ChartPainter layout(this, rect(), *table_, look());
		for (const int row : { before, table.currentRow() })
			if (row >= 0)
				update(layout.rowBand(row).toAlignedRect());
	}
	if (QAccessible::isActive()) {
		QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
		QAccessible::updateAccessibility(&changed);
	}
}

QSize DofChart::sizeHint() const
{
	const int rows = table_ ? table_->rowCount() : 10;
	const int line = fontMetrics().height();
	return { 56 * fontMetrics().averageCharWidth(), rows * line * 5 / 4 + 5 * line };
}

QSize DofChart::minimumSizeHint() const
{
	const int line = fontMetrics().height();
	return { 40 * fontMetrics().averageCharWidth(), 14 * line };
}

void DofChart::paintEvent(QPaintEvent *event)
{
	QPainter painter(this);
	if (!table_) {
		painter.fillRect(rect(), palette().color(QPalette::Base));
		return;
	}
	ChartPainter(this, rect(), *table_, look()).draw(painter, event->rect());
}

} // namespace mirel
