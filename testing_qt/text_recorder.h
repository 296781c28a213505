#pragma once

#include <memory>
#include <vector>

#include <QFont>
#include <QPaintDevice>
#include <QString>

namespace mirel::ui {

// A page of the given size at 72 dots per inch, so a point is a pixel,
// that records each text painted on it with its font, and draws nothing:
// what a chart or a card prints, read back in the size it prints it.
class TextRecorder : public QPaintDevice
{
public:
	struct Text {
		QString text;
		QFont font;
	};

	explicit TextRecorder(QSize size);
	~TextRecorder() override;

	const std::vector<Text> &texts() const { return texts_; }
	QPaintEngine *paintEngine() const override;

protected:
	int metric(PaintDeviceMetric metric) const override;

private:
	class Engine;
	QSize size_;
	std::vector<Text> texts_;
	std::unique_ptr<Engine> engine_;
};

} // namespace mirel::ui
