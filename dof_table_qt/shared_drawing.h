#pragma once

#include <string_view>

#include <QColor>
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

} // namespace mirel
