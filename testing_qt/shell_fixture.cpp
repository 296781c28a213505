#include "testing_qt/shell_fixture.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace mirel::testing {

QAction &menuAction(MirelDlg &window, int command)
{
	auto *action = window.findChild<QAction *>(QString::number(command));
	if (!action)
		throw std::logic_error("no menu item for command " + std::to_string(command));
	return *action;
}

QUrl shownTopic(const HelpWindow &help)
{
	const auto *browser = help.findChild<QTextBrowser *>();
	return browser ? browser->source() : QUrl();
}

std::unique_ptr<MirelDlg> openWindow(FakeStorage &storage)
{
	auto window = std::make_unique<MirelDlg>(&storage);
	window->show();
	window->activateWindow();
	if (!QTest::qWaitForWindowActive(window.get()))
		throw std::runtime_error("the main window did not become active");
	return window;
}

bool activate(QWidget &window)
{
	window.activateWindow();
	return QTest::qWaitFor([&] { return window.isActiveWindow(); });
}

QString runModalWindows(const std::function<void()> &command, std::vector<NamedStep> steps)
{
	std::size_t next = 0;
	QElapsedTimer clock;
	clock.start();
	QObject ticks; // takes the pending tick with it when the command returns
	// A tick of its own each time: a step runs a window's whole loop, and
	// Qt does not fire a timer again while its handler runs.
	std::function<void()> tick = [&] {
		if (next == steps.size())
			return;
		QTimer::singleShot(5, &ticks, tick);
		QWidget *modal = QApplication::activeModalWidget();
		if (modal && clock.hasExpired(8000))
			modal->close();
		else if (modal && modal->isVisible() && modal->objectName() == steps[next].first)
			std::exchange(steps[next++].second, {})(*modal);
	};
	QTimer::singleShot(5, &ticks, tick);
	command();
	return next < steps.size() ? steps[next].first : QString();
}

int runModals(const std::function<void()> &command, const std::vector<ModalStep> &steps)
{
	std::vector<NamedStep> named;
	for (const auto &[id, step] : steps)
		named.emplace_back(QString::number(id),
				   [step](QWidget &host) { step(static_cast<QtDialogHost &>(host)); });
	const QString missed = runModalWindows(command, std::move(named));
	return missed.isEmpty() ? 0 : missed.toInt();
}

} // namespace mirel::testing
