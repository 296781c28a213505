#include "shell/application_style.h"

#include <functional>
#include <optional>

#include <QGuiApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

namespace mirel {

namespace {

// An icon made the first time it is drawn or measured.
class IconWhenDrawn : public QIconEngine
{
public:
	explicit IconWhenDrawn(std::function<QIcon()> make) : make_(std::move(make)) {}

	void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
	{
		icon().paint(painter, rect, Qt::AlignCenter, mode, state);
	}
	QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
	{
		return icon().pixmap(size, mode, state);
	}
	QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
	{
		return icon().pixmap(size, scale, mode, state);
	}
	QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
	{
		return icon().actualSize(size, mode, state);
	}
	QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
	{
		return icon().availableSizes(mode, state);
	}
	bool isNull() override { return icon().isNull(); }
	QString key() const override { return QStringLiteral("IconWhenDrawn"); }
	QIconEngine *clone() const override { return new IconWhenDrawn(*this); }

private:
	const QIcon &icon()
	{
		if (!icon_)
			icon_ = make_();
		return *icon_;
	}

	std::function<QIcon()> make_;
	std::optional<QIcon> icon_;
};

} // namespace

QIcon ApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
	if (icon != SP_ToolBarHorizontalExtensionButton)
		return QProxyStyle::standardIcon(icon, option, widget);
	QStyleOption drawn;
	drawn.direction = option   ? option->direction
			  : widget ? widget->layoutDirection()
				   : QGuiApplication::layoutDirection();
	return QIcon(new IconWhenDrawn([base = QPointer<QStyle>(baseStyle()), icon, drawn] {
		return base ? base->standardIcon(icon, &drawn) : QIcon();
	}));
}

} // namespace mirel
