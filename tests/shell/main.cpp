// Runs the shell's tests inside Mirel's own application object on the
// offscreen platform, so they need no display.

#include <QAction>
#include <QElapsedTimer>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "shell/mirel_app.h"

#include "shell_test_support.h"

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
	EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
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

namespace {

// The offscreen platform says at every window that it cannot raise it or
// grab the keyboard; the tests do not need it to.
void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
	if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
		return;
	qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
	qInstallMessageHandler(quietPlatform);
	if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
		qputenv("QT_QPA_PLATFORM", "offscreen");
	::testing::InitGoogleTest(&argc, argv);
	mirel::MirelApp app(argc, argv);
	return RUN_ALL_TESTS();
}
