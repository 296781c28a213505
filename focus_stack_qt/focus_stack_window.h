#pragma once

#include <functional>

#include "focus_stack/stack_inputs.h"
#include "settings/model/records.h"
#include "ui_qt/tool_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace mirel {

// Tools > Focus Stack: the shots a scene needs when one exposure cannot
// hold its depth. Landscape: the fewest focus distances from the nearest
// distance to the farthest (or infinity), each with its zone. Macro: the
// effective aperture at the magnification, the depth one shot holds, the
// rail's step and the number of shots for the subject's depth. Lens,
// aperture, circle of confusion and unit are the pages', followed live;
// the inputs typed are kept in the remembered record. Each plan is copied,
// saved as CSV or printed on a page.
class FocusStackWindow : public ui::ToolWindow
{
	Q_OBJECT

public:
	// help shows the help topic of a context number: each mode has its own.
	explicit FocusStackWindow(std::function<void(int topic)> help, QWidget *parent = nullptr);

	const StackInputs &inputs() const { return inputs_; }
	int contextHelpTopic() const override;

	// The plan shown as text on the clipboard.
	void copy();
	// Asks for a file with the desktop's file dialog and saves the plan
	// shown there as CSV.
	void saveCsv();
	// The desktop's print dialog, then the plan shown on a page.
	void print();

private:
	// What the window reads of the settings; a change that leaves these
	// alike changes nothing in it.
	struct Inputs {
		double focalLength = 0.0;
		double aperture = 0.0;
		double coc = 0.0;
		double focus = 0.0;
		LengthUnit unit = LengthUnit::Millimetres;
		int rounding = 0;
		FilmName filmName{};

		bool operator==(const Inputs &) const = default;
	};
	static Inputs currentInputs();

	QWidget *landscapeTab();
	QWidget *macroTab();
	QLineEdit *inputField(StackInputs::Input input, const char *name, const QString &tip);
	void refresh() override;
	bool showsCurrentSettings() const override;
	void showLandscape();
	void showMacro();

	std::function<void(int)> help_;
	StackInputs inputs_;
	Inputs shown_;
	QString saveFolder_;

	QLabel *header_;
	QTabWidget *tabs_;
	QLineEdit *near_ = nullptr;
	QLineEdit *far_ = nullptr;
	QLabel *nearUnit_ = nullptr;
	QLabel *farUnit_ = nullptr;
	QLineEdit *count_ = nullptr;
	QTableWidget *shots_ = nullptr;
	QLabel *landscapeReason_ = nullptr;
	QLineEdit *magnification_ = nullptr;
	QCheckBox *fromPages_ = nullptr;
	QLineEdit *effectiveAperture_ = nullptr;
	QLineEdit *depthPerShot_ = nullptr;
	QLineEdit *step_ = nullptr;
	QLineEdit *macroCount_ = nullptr;
	QLabel *diffraction_ = nullptr;
	QLabel *macroReason_ = nullptr;
};

} // namespace mirel
