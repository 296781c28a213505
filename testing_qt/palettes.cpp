#include "testing_qt/palettes.h"

#include <memory>

#include <QStyle>
#include <QStyleFactory>

namespace mirel::ui {

QPalette lightPalette()
{
	const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
	return fusion->standardPalette();
}

QPalette darkPalette()
{
	const QColor window(53, 53, 53);
	const QColor base(35, 35, 35);
	const QColor text(240, 240, 240);
	const QColor dimmed(127, 127, 127);
	QPalette p;
	for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
		const bool disabled = group == QPalette::Disabled;
		p.setColor(group, QPalette::Window, window);
		p.setColor(group, QPalette::WindowText, disabled ? dimmed : text);
		// A disabled box takes the window's colour, as in Fusion's light palette.
		p.setColor(group, QPalette::Base, disabled ? window : base);
		p.setColor(group, QPalette::AlternateBase, QColor(66, 66, 66));
		p.setColor(group, QPalette::Text, disabled ? dimmed : text);
		p.setColor(group, QPalette::Button, window);
		p.setColor(group, QPalette::ButtonText, disabled ? dimmed : text);
		p.setColor(group, QPalette::BrightText, Qt::red);
		p.setColor(group, QPalette::Light, QColor(80, 80, 80));
		p.setColor(group, QPalette::Midlight, QColor(66, 66, 66));
		p.setColor(group, QPalette::Mid, QColor(40, 40, 40));
		p.setColor(group, QPalette::Dark, QColor(25, 25, 25));
		p.setColor(group, QPalette::Shadow, Qt::black);
		p.setColor(group, QPalette::Highlight, disabled ? QColor(80, 80, 80) : QColor(42, 130, 218));
		p.setColor(group, QPalette::HighlightedText, disabled ? dimmed : Qt::white);
		p.setColor(group, QPalette::Link, QColor(90, 160, 240));
		p.setColor(group, QPalette::ToolTipBase, window);
		p.setColor(group, QPalette::ToolTipText, text);
		p.setColor(group, QPalette::PlaceholderText, dimmed);
	}
	return p;
}

} // namespace mirel::ui
