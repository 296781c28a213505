#pragma once

#include <QFont>
#include <QPalette>
#include <QWidget>

class QPainter;

namespace mirel {

class DofTable;

// How the chart is drawn on a device: its colours, its font, and how many
// device pixels make a point (lines and gaps scale with it).
struct ChartLook {
	QPalette palette;
	QFont font;
	qreal pixelsPerPoint = 1.0;
};

// The depth of field table as a chart in area: for each aperture a bar
// across the zone of acceptable sharpness when focused at the focus
// distance, on a logarithmic distance axis from the nearest to the farthest
// column and on to infinity; the focus distance and each row's hyperfocal
// distance marked, the current aperture's bar emphasised, diffraction
// hatched, a legend below. Draws text as text, so a PDF keeps it selectable.
void paintDofChart(QPainter &painter, const QRectF &area, const DofTable &table, const ChartLook &look);

// The chart on screen, in the widget's palette and font.
class DofChart : public QWidget
{
	Q_OBJECT

public:
	explicit DofChart(QWidget *parent = nullptr);

	// The table must outlive the chart, or be replaced first.
	void setTable(const DofTable *table);

	QSize sizeHint() const override;
	QSize minimumSizeHint() const override;

protected:
	void paintEvent(QPaintEvent *event) override;

private:
	const DofTable *table_ = nullptr;
};

} // namespace mirel
