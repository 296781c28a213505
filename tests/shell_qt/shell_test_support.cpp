#include "shell_test_support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "shell/page_sheet.h"
#include "shell/qt_dialog_host.h"
#include "ui/qt_controls.h"

namespace mirel::testing {

namespace {

constexpr int kTickMs = 5;
constexpr int kGiveUpMs = 8000;

} // namespace

QAction &menuAction(MirelDlg &window, int command)
{
	auto *action = window.findChild<QAction *>(QString::number(command));
	if (!action)
		throw std::logic_error("no menu item for command " + std::to_string(command));
	return *action;
}

QString shownText(MirelDlg &window, int page, int id)
{
	const ui::QtControls *controls = window.sheet().controls(page);
	QWidget *widget = controls ? controls->widget(id) : nullptr;
	if (auto *edit = qobject_cast<QLineEdit *>(widget))
		return edit->text();
	if (auto *combo = qobject_cast<QComboBox *>(widget))
		return combo->currentText();
	ADD_FAILURE() << "page " << page << " shows no text in control " << id;
	return {};
}

ModalScript::ModalScript() = default;

ModalScript &ModalScript::then(int templateId, Step step)
{
	steps_.push_back({ templateId, std::move(step) });
	return *this;
}

void ModalScript::start()
{
	clock_.start();
	QTimer::singleShot(kTickMs, &ticks_, [this] { tick(); });
}

int ModalScript::pending() const
{
	return next_ < steps_.size() ? steps_[next_].templateId : 0;
}

void ModalScript::tick()
{
	if (next_ == steps_.size())
		return;
	QTimer::singleShot(kTickMs, &ticks_, [this] { tick(); });
	if (gaveUp_ || clock_.hasExpired(kGiveUpMs)) {
		// Whatever is open or opens from now on is closed, so that the
		// command returns and the test fails on the step not reached.
		gaveUp_ = true;
		if (QWidget *modal = QApplication::activeModalWidget())
			modal->close();
		return;
	}
	auto *host = qobject_cast<QtDialogHost *>(QApplication::activeModalWidget());
	if (host && host->isVisible() && host->objectName() == QString::number(steps_[next_].templateId)) {
		// A step may open a window and run its loop, in which the next tick
		// comes: the step is taken before it runs.
		const Step step = std::move(steps_[next_++].step);
		step(*host);
	}
}

std::unique_ptr<MirelDlg> openWindow(FakeStorage &storage)
{
	auto window = std::make_unique<MirelDlg>(&storage);
	window->show();
	window->activateWindow();
	EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
	return window;
}

} // namespace mirel::testing
