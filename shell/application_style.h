#pragma once

#include <QProxyStyle>

namespace mirel {

// The desktop's style, with one difference in when, not what: the menu
// bar's overflow arrow is decoded when it is first drawn (in Mirel's
// window, whose menus always fit, never) instead of when the bar is built.
// Qt decodes it by asking every image format plugin first, loading the
// plugins and their libraries (Qt SVG, JPEG...), about a millisecond of
// the window's start-up.
class ApplicationStyle : public QProxyStyle
{
public:
	QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
			   const QWidget *widget = nullptr) const override;
};

} // namespace mirel
