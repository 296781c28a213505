#include "testing_qt/text_recorder.h"

#include <QPaintEngine>
#include <QTextItem>

namespace mirel::ui {

class TextRecorder::Engine : public QPaintEngine
{
public:
	explicit Engine(std::vector<Text> &texts) : texts_(texts) {}

	bool begin(QPaintDevice *) override { return true; }
	bool end() override { return true; }
	void updateState(const QPaintEngineState &) override {}
	void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
	void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
	void drawTextItem(const QPointF &, const QTextItem &item) override
	{
		texts_.push_back({ item.text(), item.font() });
	}
	Type type() const override { return QPaintEngine::User; }

private:
	std::vector<Text> &texts_;
};

TextRecorder::TextRecorder(QSize size) : size_(size), engine_(std::make_unique<Engine>(texts_)) {}

TextRecorder::~TextRecorder() = default;

QPaintEngine *TextRecorder::paintEngine() const
{
	return engine_.get();
}

int TextRecorder::metric(PaintDeviceMetric metric) const
{
	switch (metric) {
	case PdmWidth:
		return size_.width();
	case PdmHeight:
		return size_.height();
	case PdmWidthMM:
		return qRound(size_.width() * 25.4 / 72);
	case PdmHeightMM:
		return qRound(size_.height() * 25.4 / 72);
	case PdmDpiX:
	case PdmDpiY:
	case PdmPhysicalDpiX:
	case PdmPhysicalDpiY:
		return 72;
	case PdmDevicePixelRatio:
		return 1;
	case PdmDevicePixelRatioScaled:
		return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
	default:
		return QPaintDevice::metric(metric);
	}
}

} // namespace mirel::ui
