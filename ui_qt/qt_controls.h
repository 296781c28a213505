#pragma once

#include <map>
#include <string>
#include <vector>

#include <QSize>
#include <QWidget>

#include "ui/controls.h"
#include "ui/dialog_template.h"
#include "ui/text_contexts.h"
#include "ui_qt/dialog_units.h"

class QButtonGroup;

namespace mirel::ui {

// A dialog template rendered into Qt widgets, with the controls that models
// address by id. Positions and sizes follow the dialog units of the
// template's font; every widget's objectName is its control id.
//
// Qt signals that fire for the program's own writes are not listened to;
// the notifications of the Controls contract are raised here instead.
class QtControls : public QWidget, public Controls
{
	Q_OBJECT

public:
	QtControls(const DialogTemplate &dialog, NotificationSink &sink, QWidget *parent = nullptr);
	~QtControls() override;

	void setText(int id, std::string_view text) override;
	std::string text(int id) const override;
	void enable(int id, bool enabled) override;
	bool isEnabled(int id) const override;
	using QWidget::isEnabled;
	void setCheck(int id, bool checked) override;
	bool isChecked(int id) const override;
	void addItem(int id, std::string_view text) override;
	void clearItems(int id) override;
	int itemCount(int id) const override;
	std::string itemText(int id, int index) const override;
	void setItemToolTip(int id, int index, std::string_view text) override;
	std::string itemToolTip(int id, int index) const override;
	void setSelection(int id, int index) override;
	int selection(int id) const override;
	void setDropDownHeight(int id, int multiple) override;

	const DialogTemplate &dialogTemplate() const { return dialog_; }
	const DialogUnits &units() const { return units_; }
	// The whole template in pixels; a host sizes its window by it.
	QSize templateSize() const;
	QSize sizeHint() const override;

	// The widget of control id; nullptr when the template has none.
	QWidget *widget(int id) const;

	// Gives the keyboard focus to the first enabled Tab stop, its text
	// selected so that typing replaces it.
	void focusFirstInput();

protected:
	void changeEvent(QEvent *event) override;

private:
	struct Control {
		const ControlTemplate *control;
		QWidget *widget;
		// Statics, buttons, frames and icons: the text as the model wrote it.
		std::string text;
	};

	Control &byId(int id);
	const Control &byId(int id) const;
	QWidget *build(const ControlTemplate &control);
	QButtonGroup *radioGroup(int group);
	void showText(Control &c);
	void linkBuddies();
	void nameForAssistiveTechnology();
	void widenButtonsToTheirText();
	void groupRadios();
	void chainTabOrder();
	void keepDisabledTextLegible();

	DialogTemplate dialog_;
	NotificationSink &sink_;
	// Where the template's texts are translated.
	std::string context_;
	DialogUnits units_;
	std::vector<Control> controls_; // in template order
	std::map<int, std::size_t> indexById_;
	std::map<int, QButtonGroup *> radioGroups_;
	int nextLoneRadioGroup_ = -1;
};

} // namespace mirel::ui
