#pragma once

#include <optional>

#include <QFont>
#include <QPalette>
#include <QWidget>

#include "dof_table/dof_table.h"
#include "dof_table_qt/text_cache.h"

class QPainter;

namespace mirel {

// How the chart is drawn on a device: its colours, its font and the least
// font its labels may shrink to where rows are close, how many device pixels
// make a point (lines and gaps scale with it), and on screen the texts laid
// out by earlier paints.
struct ChartLook {
	QPalette palette;
	QFont font;
	QFont smallest;
	qreal pixelsPerPoint = 1.0;
	TextCache *texts = nullptr;
};

// The depth of field table as a chart in area: for each aperture a bar
// across the zone of acceptable sharpness when focused at the focus
// distance, on a logarithmic distance axis from the nearest to the farthest
// column and on to infinity; the focus distance and each row's hyperfocal
// distance marked, the current aperture's bar emphasised, diffraction
// hatched, a legend below. Where rows are closer than a line of the
// smallest font, only the whole stops, or every few of them, are labelled,
// and the current aperture. Draws text as text, so a PDF keeps it
// selectable.
void paintDofChart(QPainter &painter, const QRectF &area, const DofTable &table, const ChartLook &look);

// What the chart shows, in words, for those who cannot see it: the zone of
// each aperture at the focus distance, and where diffraction starts.
QString chartDescription(const DofTable &table);

// The chart on screen, in the widget's palette and font, its smallest text
// the small font beside it. Assistive technology finds it as a chart whose
// description is chartDescription, worked out when it is asked for.
class DofChart : public QWidget
{
	Q_OBJECT

public:
	explicit DofChart(QWidget *parent = nullptr);

	// Shows a copy of table, repainting what differs from the one shown.
	void setTable(const DofTable &table);
	const std::optional<DofTable> &table() const { return table_; }

	QSize sizeHint() const override;
	QSize minimumSizeHint() const override;

protected:
	void paintEvent(QPaintEvent *event) override;

private:
	ChartLook look();

	std::optional<DofTable> table_;
	TextCache texts_;
};

} // namespace mirel
