// What a user feels at the keyboard: keys typed into Mirel's window on a
// real X display by xdotool, each timed from its arrival until the program
// is idle again (every result repainted and on the screen); and the first
// open of each tool window against a bare Qt window of the same widgets.
//
//   keys_bench page           keys on the Depth of Field page alone
//   keys_bench table          the same with the Depth of Field Table open
//   keys_bench full           the table in third stops by 20 distances, and
//                             the Focus Planner open as well
//   keys_bench open-table     first open of the Depth of Field Table
//   keys_bench bare-table     a bare window of its widgets, built and shown
//   keys_bench open-planner   first open of the Focus Planner
//   keys_bench bare-planner   a bare window of its widgets
//
// Prints "<mode> <milliseconds> <key> <processor milliseconds>" for each
// key, or once for an open (with "-" for the key): the time to idle, and the
// user interface thread's processor time in it. Run it
// through scripts/bench-keys, which starts Xvfb, alternates the modes and
// prints medians and ratios.
//
// Idle is the event loop about to wait and then left waiting for kQuiet:
// the loop's own dispatcher (QT_NO_GLIB) says when it is about to wait, and
// the cursor does not blink, so nothing but the keys wakes the program.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyleHints>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "dof_table_qt/dof_table_window.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "settings/file_registry/reg_file_store.h"
#include "settings/storage/registry_storage.h"
#include "settings/storage/settings_path.h"
#include "shell/mirel_app.h"
#include "shell/mirel_dlg.h"
#include "shell/page_sheet.h"
#include "ui_qt/qt_controls.h"

namespace {

constexpr long long kQuietNs = 20'000'000; // the loop waited this long: idle
constexpr int kKeyDelayMs = 100;           // between keys, well above any key's time
constexpr int kSettleMs = 400;             // for windows to open and take the focus

// The fields of the Depth of Field page, typed over as a photographer
// does: focal length, subject distance, aperture, and back. A field reached
// by Tab has its text selected, so the first digit replaces it.
const char *const kCycle[] = { "8",         "5", "Tab", "3",   "period", "5", "Tab", "1", "1",         "shift+Tab",
			       "shift+Tab", "5", "0",   "Tab", "1",      "0", "Tab", "8", "shift+Tab", "shift+Tab" };
constexpr int kCycles = 4;

// The distances of the full table: the most a table holds.
const char *const kTwentyDistances = "0.5, 0.6, 0.7, 0.8, 0.9, 1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 10, 15, 20, 30";

const QSize kTableSize(1000, 760);
const QSize kPlannerSize(720, 460);

long long nanoseconds(clockid_t clock)
{
	timespec now{};
	clock_gettime(clock, &now);
	return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long long monotonicNs()
{
	return nanoseconds(CLOCK_MONOTONIC);
}

// The processor time of the user interface's thread: its share of a span
// whatever else the machine is doing.
long long threadNs()
{
	return nanoseconds(CLOCK_THREAD_CPUTIME_ID);
}

// Times spans of work from a start until the event loop is idle. A span
// ends where the loop began to wait, once it has waited kQuietNs: a timer
// started each time it begins to wait says so, unless anything woke the
// loop meanwhile. A key that arrives sooner belongs to the span running
// (Shift, then Tab).
class IdleClock : public QObject
{
public:
	// finished gets a span's time and the thread's processor time in it.
	explicit IdleClock(std::function<void(double ms, double cpuMs)> finished) : finished_(std::move(finished))
	{
		quiet_.setSingleShot(true);
		quiet_.setTimerType(Qt::PreciseTimer);
		quiet_.setInterval(static_cast<int>(kQuietNs / 1'000'000));
		connect(&quiet_, &QTimer::timeout, this, [this] { check(monotonicNs()); });
		connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
			blockedAt_ = monotonicNs();
			blockedCpu_ = threadNs();
			if (running_)
				quiet_.start();
		});
	}

	// A span starts now, unless one is running; ready says when its work
	// may be over (a window painted), always by default. Whether it began.
	bool start(std::function<bool()> ready = {})
	{
		const long long now = monotonicNs();
		check(now);
		if (running_)
			return false;
		running_ = true;
		startNs_ = now;
		startCpu_ = threadNs();
		ready_ = std::move(ready);
		return true;
	}

private:
	void check(long long now)
	{
		if (running_ && blockedAt_ > startNs_ && now - blockedAt_ >= kQuietNs && (!ready_ || ready_())) {
			running_ = false;
			finished_(static_cast<double>(blockedAt_ - startNs_) / 1e6,
				  static_cast<double>(blockedCpu_ - startCpu_) / 1e6);
		}
	}

	std::function<void(double, double)> finished_;
	std::function<bool()> ready_;
	QTimer quiet_;
	bool running_ = false;
	long long startNs_ = 0, startCpu_ = 0;
	long long blockedAt_ = 0, blockedCpu_ = 0;
};

bool modifier(int key)
{
	return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

// The key whose span runs, as xdotool names it ("Tab", "8").
QString spanKey;

// Starts a span at every key pressed.
class KeyWatch : public QObject
{
public:
	explicit KeyWatch(IdleClock &clock) : clock_(clock) {}

protected:
	bool eventFilter(QObject *, QEvent *event) override
	{
		// A key's time starts with the key, not with the Shift held for it.
		if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
			return false;
		const auto *key = static_cast<QKeyEvent *>(event);
		if (modifier(key->key()))
			return false;
		if (clock_.start())
			spanKey = QKeySequence(key->key()).toString();
		return false;
	}

private:
	IdleClock &clock_;
};

// Whether a widget has been painted since the watch began.
class PaintWatch : public QObject
{
public:
	bool painted = false;

protected:
	bool eventFilter(QObject *, QEvent *event) override
	{
		painted = painted || event->type() == QEvent::Paint;
		return false;
	}
};

QWidget *depthOfFieldField(mirel::MirelDlg &window, int id)
{
	window.showPage(static_cast<int>(mirel::PageIndex::DepthOfField));
	return window.sheet().controls(static_cast<int>(mirel::PageIndex::DepthOfField))->widget(id);
}

// The Depth of Field Table's widgets with the same texts, and nothing else.
QWidget *bareTableWindow(QWidget *owner)
{
	auto *window = new QWidget(owner, Qt::Window);
	window->setWindowTitle(QStringLiteral("Depth of Field Table"));
	auto *header = new QLabel(QStringLiteral("Focal length 50.0 mm, film format 35mm, circle of confusion "
						 "0.02501 mm, distances in m"),
				  window);
	header->setWordWrap(true);
	QFont bold = header->font();
	bold.setBold(true);
	header->setFont(bold);
	auto *distances = new QLineEdit(QStringLiteral("0.5, 0.7, 1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30"), window);
	auto *thirds = new QCheckBox(QStringLiteral("&Third stops"), window);
	auto *model = new QStandardItemModel(10, 13, window);
	for (int row = 0; row < 10; ++row) {
		model->setVerticalHeaderItem(row, new QStandardItem(QStringLiteral("f/%1").arg(1.4 * (row + 1))));
		for (int column = 0; column < 13; ++column)
			model->setItem(row, column,
				       new QStandardItem(QStringLiteral("%1 \u2013 %2")
								 .arg(0.5 + row, 0, 'f', 2)
								 .arg(0.6 + column, 0, 'f', 2)));
	}
	auto *view = new QTableView(window);
	view->setModel(model);
	auto *splitter = new QSplitter(Qt::Vertical, window);
	splitter->addWidget(view);
	splitter->addWidget(new QWidget(window));
	auto *notes = new QLabel(QStringLiteral("Diffraction blurs more than the 0.025 mm circle of confusion beyond "
						"about f/18.6: those apertures are marked."),
				 window);
	notes->setWordWrap(true);
	auto *choices = new QHBoxLayout;
	choices->addWidget(new QLabel(QStringLiteral("&Distances:"), window));
	choices->addWidget(distances, 1);
	choices->addWidget(thirds);
	auto *buttons = new QHBoxLayout;
	for (const char *text : { "&Copy", "&Export...", "&Print...", "&Help", "Close" })
		buttons->addWidget(new QPushButton(QString::fromLatin1(text), window));
	auto *layout = new QVBoxLayout(window);
	layout->addWidget(header);
	layout->addLayout(choices);
	layout->addWidget(splitter, 1);
	layout->addWidget(notes);
	layout->addLayout(buttons);
	return window;
}

// The Focus Planner's widgets with the same texts, and nothing else.
QWidget *barePlannerWindow(QWidget *owner)
{
	auto *window = new QWidget(owner, Qt::Window);
	window->setWindowTitle(QStringLiteral("Focus Planner"));
	auto *header = new QLabel(
		QStringLiteral("For a 50.0 mm lens on 35mm, circle of confusion 0.02501 mm, as on the pages"), window);
	header->setWordWrap(true);
	QFont bold = header->font();
	bold.setBold(true);
	header->setFont(bold);
	auto *scene = new QGroupBox(QStringLiteral("Sharp from"), window);
	auto *sceneForm = new QFormLayout(scene);
	auto *nearRow = new QHBoxLayout;
	nearRow->addWidget(new QLineEdit(QStringLiteral("1.5"), window));
	nearRow->addWidget(new QLabel(QStringLiteral("m"), window));
	auto *farRow = new QHBoxLayout;
	farRow->addWidget(new QLineEdit(QStringLiteral("10.0"), window));
	farRow->addWidget(new QLabel(QStringLiteral("m"), window));
	farRow->addWidget(new QCheckBox(QStringLiteral("to &infinity"), window));
	sceneForm->addRow(QStringLiteral("&Nearest distance:"), nearRow);
	sceneForm->addRow(QStringLiteral("&Farthest distance:"), farRow);
	auto *answer = new QGroupBox(QStringLiteral("Focus and aperture"), window);
	auto *answerForm = new QFormLayout(answer);
	answerForm->addRow(QStringLiteral("F&ocus at:"), new QLineEdit(QStringLiteral("3.00 m"), window));
	answerForm->addRow(QStringLiteral("&Smallest aperture:"), new QLineEdit(QStringLiteral("f/11.87"), window));
	answerForm->addRow(QStringLiteral("&Whole stop:"),
			   new QRadioButton(QStringLiteral("f/16: 1.28 m to infinity"), window));
	answerForm->addRow(QStringLiteral("&Third stop:"),
			   new QRadioButton(QStringLiteral("f/13: 1.45 m to infinity"), window));
	for (const char *text : { "f/13 blurs 0.017 mm, more than the 0.016 mm circle of confusion",
				  "f/16 blurs 0.021 mm, more than the 0.016 mm circle of confusion" }) {
		auto *label = new QLabel(QString::fromLatin1(text), window);
		label->setWordWrap(true);
		answerForm->addRow(label);
	}
	auto *buttons = new QHBoxLayout;
	for (const char *text : { "&Use on Depth of Field page", "&Help", "Close" })
		buttons->addWidget(new QPushButton(QString::fromLatin1(text), window));
	auto *layout = new QVBoxLayout(window);
	layout->addWidget(header);
	layout->addWidget(scene);
	layout->addWidget(answer);
	layout->addStretch(1);
	layout->addLayout(buttons);
	return window;
}

// Opens the tool windows a keys mode types with, as a user leaves them.
void openToolWindows(mirel::MirelDlg &window, const std::string &mode)
{
	namespace cmd = mirel::ids::command;
	if (mode == "page")
		return;
	auto &table = window.toolWindow<mirel::DofTableWindow>(cmd::DepthOfFieldTable);
	table.present();
	if (mode != "full")
		return;
	table.findChild<QCheckBox *>(QStringLiteral("dofThirdStops"))->setChecked(true);
	auto *distances = table.findChild<QLineEdit *>(QStringLiteral("dofDistances"));
	distances->setText(QString::fromLatin1(kTwentyDistances));
	emit distances->editingFinished();
	window.toolWindow(cmd::FocusPlanner).present();
}

// Types the keys of kCycle into the Depth of Field page's focal length
// field with the tool windows of mode open, printing each key's time.
void typeKeys(mirel::MirelDlg &window, const std::string &mode)
{
	openToolWindows(window, mode);
	// Back to the page once the tool windows have taken the focus.
	QTimer::singleShot(kSettleMs, [&window] {
		window.raise();
		window.activateWindow();
		depthOfFieldField(window, mirel::ids::page::FocalLength)->setFocus(Qt::TabFocusReason);
	});

	QStringList keys = { QStringLiteral("key"), QStringLiteral("--delay"), QString::number(kKeyDelayMs) };
	for (int cycle = 0; cycle < kCycles; ++cycle)
		for (const char *key : kCycle)
			keys << QString::fromLatin1(key);
	const int expected = static_cast<int>(keys.size()) - 3;
	static int measured = 0;
	static IdleClock clock([mode, expected](double ms, double cpuMs) {
		std::printf("%s %.3f %s %.3f\n", mode.c_str(), ms, qPrintable(spanKey), cpuMs);
		if (++measured == expected)
			QTimer::singleShot(0, [] { QApplication::exit(0); });
	});
	static KeyWatch watch(clock);
	QTimer::singleShot(2 * kSettleMs, [keys] {
		qApp->installEventFilter(&watch);
		if (!QProcess::startDetached(QStringLiteral("xdotool"), keys)) {
			std::fputs("keys_bench: xdotool could not be started\n", stderr);
			QApplication::exit(2);
		}
	});
	// Keys lost, or run together when one came before the last was done,
	// say so; a loaded machine delays xdotool's keys well past its delay.
	QTimer::singleShot(2 * kSettleMs + 3 * expected * kKeyDelayMs, [expected] {
		std::fprintf(stderr, "keys_bench: %d keys timed of %d typed\n", measured, expected);
		QApplication::exit(1);
	});
}

// Opens one window, Mirel's or a bare one, and prints the time to the
// first paint and idle.
void openWindow(mirel::MirelDlg &window, const std::string &mode)
{
	namespace cmd = mirel::ids::command;
	static PaintWatch painted;
	static IdleClock clock([mode](double ms, double cpuMs) {
		std::printf("%s %.3f - %.3f\n", mode.c_str(), ms, cpuMs);
		QTimer::singleShot(0, [] { QApplication::exit(0); });
	});
	clock.start([] { return painted.painted; });
	QWidget *opened = nullptr;
	if (mode == "open-table" || mode == "open-planner") {
		mirel::ui::ToolWindow &tool =
			window.toolWindow(mode == "open-table" ? cmd::DepthOfFieldTable : cmd::FocusPlanner);
		opened = &tool;
		tool.installEventFilter(&painted);
		tool.resize(mode == "open-table" ? kTableSize : kPlannerSize);
		tool.present();
	} else {
		opened = mode == "bare-table" ? bareTableWindow(&window) : barePlannerWindow(&window);
		opened->installEventFilter(&painted);
		opened->resize(mode == "bare-table" ? kTableSize : kPlannerSize);
		opened->show();
		opened->raise();
		opened->activateWindow();
	}
}

bool keysMode(const std::string &mode)
{
	return mode == "page" || mode == "table" || mode == "full";
}

bool openMode(const std::string &mode)
{
	return mode == "open-table" || mode == "bare-table" || mode == "open-planner" || mode == "bare-planner";
}

} // namespace

int main(int argc, char **argv)
{
	const std::string mode = argc == 2 ? argv[1] : "";
	if (!keysMode(mode) && !openMode(mode)) {
		std::fputs("usage: keys_bench page|table|full|open-table|bare-table|open-planner|bare-planner\n",
			   stderr);
		return EXIT_FAILURE;
	}
	setenv("QT_NO_GLIB", "1", 1);
	int qtArgc = 1;
	mirel::MirelApp app(qtArgc, argv);
	QGuiApplication::styleHints()->setCursorFlashTime(0);
	// Once the main window is up and has settled, as a user finds it.
	QTimer::singleShot(kSettleMs, [&mode] {
		mirel::MirelDlg &window = *mirel::MirelDlg::instance();
		if (keysMode(mode))
			typeKeys(window, mode);
		else
			QTimer::singleShot(kSettleMs, [&window, &mode] { openWindow(window, mode); });
	});
	mirel::RegFileStore store(mirel::defaultSettingsPath());
	const mirel::RegistryBinding binding(mirel::settingsKey, store);
	mirel::RegistrySettingsStorage storage(mirel::settingsKey, store);
	return app.run(&storage);
}
