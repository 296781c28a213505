#pragma once

#include <functional>
#include <optional>

#include "core/focus_plan.h"
#include "settings/model/records.h"
#include "ui_qt/tool_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mirel {

// The Focus Planner window: from the nearest and farthest distances that
// must be sharp, the focus distance and the smallest f-number that hold
// them, the next whole and third stops with the zones they keep sharp, and
// what diffraction does there, and the f-number at which defocus and
// diffraction together blur the range least. Lens, circle of confusion and unit are the
// pages', followed live; the planner writes into the settings only when the
// user asks it to put a plan on the Depth of Field page. The distances asked
// for, and whether the far one is infinity, are kept in the remembered
// record for the next run.
class FocusPlannerWindow : public ui::ToolWindow
{
	Q_OBJECT

public:
	// help shows the window's help topic; showDepthOfField makes the Depth
	// of Field page the active page, showing the settings afresh.
	FocusPlannerWindow(std::function<void()> help, std::function<void()> showDepthOfField,
			   QWidget *parent = nullptr);

	const FocusPlan &plan() const { return plan_; }

	// Writes the focus distance and the chosen stop into the settings and
	// shows the Depth of Field page.
	void useOnDepthOfFieldPage();

private:
	// What the planner reads of the settings; a change that leaves these
	// alike changes nothing in it.
	struct Inputs {
		double focalLength = 0.0;
		double coc = 0.0;
		LengthUnit unit = LengthUnit::Millimetres;
		int rounding = 0;
		FilmName filmName{};

		bool operator==(const Inputs &) const = default;
	};
	static Inputs currentInputs();

	void readDistances();
	void showDistances();
	void refresh() override;
	bool showsCurrentSettings() const override;
	const std::optional<StopZone> &chosenStop() const;

	std::function<void()> help_;
	std::function<void()> showDepthOfField_;
	LengthUnit shownUnit_;
	Inputs shown_;
	FocusPlan plan_;

	QLabel *header_;
	QLineEdit *nearEdit_;
	QLineEdit *farEdit_;
	QLabel *nearUnit_;
	QLabel *farUnit_;
	QCheckBox *farInfinity_;
	QLineEdit *focus_;
	QLineEdit *aperture_;
	QRadioButton *wholeStop_;
	QRadioButton *thirdStop_;
	QLabel *diffraction_;
	QLineEdit *sharpest_;
	QLabel *reason_;
	QPushButton *use_;
};

} // namespace mirel
