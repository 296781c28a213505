#pragma once

#include <algorithm>
#include <string_view>

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QString>

// What the depth of field table's window, chart and card share in drawing.

namespace mirel {

// The table's texts are UTF-8.
inline QString qText(std::string_view utf8)
{
	return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// a, moved towards b by share (0 to 1).
inline QColor mixed(const QColor &a, const QColor &b, float share)
{
	return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share,
				a.greenF() + (b.greenF() - a.greenF()) * share,
				a.blueF() + (b.blueF() - a.blueF()) * share);
}

// The small font beside font, the least any text of the chart and the card
// is drawn in: the one the desktop's theme names (QApplication's
// "QSmallFont", as KDE's smallest readable font), otherwise font at 11/13
// of its size, as Qt's small font is 11 points beside the 13 of the system
// font where it has one of its own (macOS).
inline QFont smallFont(const QFont &font)
{
	const QFont themed = QApplication::font("QSmallFont");
	if (themed != QApplication::font())
		return themed;
	QFont small = font;
	if (font.pointSizeF() > 0)
		small.setPointSizeF(font.pointSizeF() * 11.0 / 13.0);
	else
		small.setPixelSize(std::max(1, font.pixelSize() * 11 / 13));
	return small;
}

} // namespace mirel
