#include "ui_qt/paper.h"

#include <langinfo.h>

#include <algorithm>
#include <cstdint>

#include <QApplication>
#include <QPageSize>

namespace mirel::ui {

namespace {

constexpr qreal kMarginMm = 15.0;

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

QPageLayout printPageLayout()
{
	return QPageLayout(localePaperSize(), QPageLayout::Portrait,
			   QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

QFont smallFont(const QFont &font)
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

} // namespace mirel::ui
