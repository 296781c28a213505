#pragma once

#include <array>
#include <functional>

#include "circle_rules/circle_rules.h"
#include "settings/model/records.h"
#include "ui_qt/tool_window.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirel {

enum class PageIndex : int;

// Tools > Circle of Confusion: for the pages' format, followed live, or a
// camera chosen, the circle every rule gives, side by side: the diagonal
// over 1730 (the pages' suggestion), 1500 and 1440; from a print, its
// size, the distance it is seen from and the blur the eye accepts; from
// the pixels across the frame. "Use on the pages" makes the chosen rule's
// circle the pages' circle of confusion, as if typed.
class CircleOfConfusionWindow : public ui::ToolWindow
{
	Q_OBJECT

public:
	// help shows the window's help topic, and the chooser's from its
	// camera dialog; showPage makes a page the active page, showing the
	// settings afresh.
	CircleOfConfusionWindow(std::function<void(int topic)> help, std::function<void(PageIndex)> showPage,
				QWidget *parent = nullptr);

	const CircleRules &rules() const { return rules_; }
	// A camera for the frame, or with nullptr the pages' format again.
	void useCamera(const Camera *camera);
	// The circle of the rule chosen becomes the pages' and they are shown.
	void useOnPages();

private:
	// What the window reads of the settings: the unit of the viewing
	// distance and the pages' format; a change that leaves these alike
	// changes nothing in it.
	struct Inputs {
		LengthUnit unit = LengthUnit::Millimetres;
		FilmFormat format{};

		bool operator==(const Inputs &) const = default;
	};
	static Inputs currentInputs();

	void refresh() override;
	bool showsCurrentSettings() const override;
	void chooseCamera();
	CircleRules::Rule chosenRule() const;

	std::function<void(int)> help_;
	std::function<void(PageIndex)> showPage_;
	CircleRules rules_;
	Inputs shown_;

	QLabel *frame_;
	QPushButton *pagesFormat_;
	QButtonGroup *ruleGroup_;
	std::array<QLineEdit *, CircleRules::kRules.size()> figures_{};
	std::array<QLabel *, CircleRules::kRules.size()> reasons_{};
	QComboBox *print_;
	QLineEdit *viewing_;
	QLabel *viewingUnit_;
	QLineEdit *eyeBlur_;
	QLineEdit *pixels_;
	QLineEdit *pixelFactor_;
	QPushButton *use_;
};

} // namespace mirel
