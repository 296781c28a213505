#include "shell/mirel_dlg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

#include "core/diffraction.h"
#include "core/stops.h"
#include "dialogs/about_dlg.h"
#include "dialogs/defaults_dlg.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dialogs/startup_prefs_dlg.h"
#include "dof_table_qt/dof_table_window.h"
#include "film_formats_qt/film_formats_dialog.h"
#include "pages/all_pages.h"
#include "pages/page_text.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "resources/menu.h"
#include "resources/pages.h"
#include "resources/templates.h"
#include "settings/lifecycle.h"
#include "settings/records.h"
#include "shell/help_window.h"
#include "shell/page_sheet.h"
#include "shell/qt_dialog_host.h"
#include "shell/shell_resources.h"
#include "shell/standard_keys.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/dialog_units.h"
#include "ui_qt/qt_controls.h"

namespace mirel {

namespace {

MirelDlg *theWindow = nullptr;

} // namespace

MirelDlg::MirelDlg(SettingsStorage *storage) : storage_(storage)
{
	initShellResources();
	const ui::DialogTemplate &dialog = resources::mainWindowTemplate();
	setWindowTitle(ui::fromCp1252(dialog.caption));
	// The application's icon, so that its dialogs and the About box share it.
	setApplicationIcon(this);

	initStopMath();
	loadSettingsAtStartup(storage_);
	pages_ = createPages();

	// The sheet takes the place of the frame that marks it, grown if the
	// pages need more room at the desktop's font.
	const ui::DialogUnits units(ui::DialogUnits::dialogFont(dialog.fontPoints));
	const ui::ControlTemplate *frame = dialog.find(ids::mainwindow::SheetFrame);
	auto *client = new QWidget(this);
	sheet_ = new PageSheet(pages_, startupPrefs().StartupForm, client);
	const QRect place = units.toPixels(frame->rect);
	sheet_->setGeometry(QRect(place.topLeft(), place.size().expandedTo(sheet_->sizeHint())));
	const QSize margin = units.toPixels(dialog.width, dialog.height) - place.size() - QSize(place.x(), place.y());
	client->setFixedSize(sheet_->geometry().bottomRight().x() + 1 + margin.width(),
			     sheet_->geometry().bottomRight().y() + 1 + margin.height());
	setCentralWidget(client);

	// Never wider than the window: the text is cut rather than the window
	// grown by it.
	statusBar()->setSizeGripEnabled(false);
	diffraction_ = new QLabel(statusBar());
	diffraction_->setObjectName(QStringLiteral("diffractionStatus"));
	diffraction_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
	statusBar()->addWidget(diffraction_, 1);
	followingDiffraction_.emplace([this] { showDiffraction(); });
	showDiffraction();

	buildMenu();
	// Esc ends the run as Exit does; Enter does nothing here.
	connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
	setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
	layout()->setSizeConstraint(QLayout::SetFixedSize);
	// Only now the owner of message boxes: one shown while the settings load
	// has no window to belong to yet.
	theWindow = this;
}

MirelDlg::~MirelDlg()
{
	finish();
	theWindow = nullptr;
}

MirelDlg *MirelDlg::instance()
{
	return theWindow;
}

HelpWindow &MirelDlg::help()
{
	if (!help_)
		help_ = std::make_unique<HelpWindow>();
	return *help_;
}

DofTableWindow &MirelDlg::dofTable()
{
	// Nothing of the window or its chart is built before it is asked for.
	if (!dofTable_)
		dofTable_ = new DofTableWindow([this] { help().showTopic(ids::help::DepthOfFieldTable); }, this);
	return *dofTable_;
}

FocusPlannerWindow &MirelDlg::focusPlanner()
{
	if (!focusPlanner_)
		focusPlanner_ =
			new FocusPlannerWindow([this] { help().showTopic(ids::help::FocusPlanner); },
					       [this] {
						       sheet_->activate(static_cast<int>(PageIndex::DepthOfField));
						       raise();
						       activateWindow();
					       },
					       this);
	return *focusPlanner_;
}

QString MirelDlg::statusText() const
{
	const auto page = static_cast<PageIndex>(sheet_->currentIndex());
	if (page != PageIndex::DepthOfField && page != PageIndex::Hyperfocal)
		return {};
	const CalcSettings &settings = currentSettings();
	return QString::fromStdString(diffractionText(settings.Aperture, settings.filmCoC));
}

void MirelDlg::showDiffraction()
{
	const QString text = statusText();
	diffraction_->setText(text);
	diffraction_->setToolTip(text);
}

void MirelDlg::buildMenu()
{
	for (const resources::Menu &menu : resources::mainMenu()) {
		QMenu *popup = menuBar()->addMenu(ui::fromCp1252(menu.title));
		for (const resources::MenuItem &item : menu.items) {
			if (item.isSeparator()) {
				popup->addSeparator();
				continue;
			}
			QAction *action = popup->addAction(ui::fromCp1252(item.text));
			action->setObjectName(QString::number(item.command));
			const int command = item.command;
			connect(action, &QAction::triggered, this, [this, command] { onCommand(command); });
			for (const resources::Accelerator &accelerator : resources::accelerators()) {
				if (accelerator.command == command)
					action->setShortcut(QKeyCombination(
						Qt::ControlModifier |
							(accelerator.shift ? Qt::ShiftModifier : Qt::NoModifier),
						Qt::Key(accelerator.key)));
			}
			// The desktop's quit key ends the run through Exit, which shows it.
			if (command == ids::command::Exit)
				action->setShortcuts(
					standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
		}
	}
}

void MirelDlg::onCommand(int command)
{
	namespace cmd = ids::command;
	if (command >= cmd::ShowFirstPage && command < cmd::ShowFirstPage + kPageCount) {
		showPage(command - cmd::ShowFirstPage);
		return;
	}
	switch (command) {
	case cmd::Exit:
		close();
		break;
	case cmd::About: {
		AboutDlg about;
		runDialog(about);
		break;
	}
	case cmd::Contents:
		help().showDefaultTopic();
		break;
	case cmd::Context:
		contextHelp();
		break;
	case cmd::RoundingRules: {
		RoundingRulesDlg dialog;
		runDialog(dialog);
		break;
	}
	case cmd::Defaults: {
		DefaultsDlg dialog;
		runDialog(dialog);
		break;
	}
	case cmd::StartupPreferences: {
		StartupPrefsDlg dialog;
		runDialog(dialog);
		break;
	}
	case cmd::DepthOfFieldTable:
		dofTable().present();
		break;
	case cmd::CopyPageResults:
		copyPageResults();
		break;
	case cmd::FocusPlanner:
		focusPlanner().present();
		break;
	case cmd::FilmFormats:
		editFilmFormats();
		break;
	default:
		break;
	}
}

void MirelDlg::runDialog(DialogModel &dialog)
{
	QtDialogHost host(
		dialog, [this](int topic) { help().showTopic(topic); }, this);
	host.run();
}

void MirelDlg::editFilmFormats()
{
	FilmFormatsDialog dialog([this] { help().showTopic(ids::help::FilmFormats); }, this);
	dialog.exec();
	activateWindow();
}

void MirelDlg::showPage(int index)
{
	sheet_->setCurrentIndex(index);
}

void MirelDlg::contextHelp()
{
	// The film formats editor, while it is open, has the keyboard.
	if (qobject_cast<const FilmFormatsDialog *>(QApplication::activeModalWidget())) {
		help().showTopic(ids::help::FilmFormats);
		return;
	}
	for (const auto &[window, topic] :
	     { std::pair<const QWidget *, int>{ dofTable_, ids::help::DepthOfFieldTable },
	       std::pair<const QWidget *, int>{ focusPlanner_, ids::help::FocusPlanner } }) {
		if (window && window->isActiveWindow()) {
			help().showTopic(topic);
			return;
		}
	}
	const int topic = resources::pageHelpTopic(activePageIndex());
	if (topic != 0)
		help().showTopic(topic);
	else
		help().showContents();
}

void MirelDlg::copyPageResults()
{
	const ui::QtControls *page = sheet_->controls(sheet_->currentIndex());
	if (page)
		QGuiApplication::clipboard()->setText(ui::fromCp1252(pageText(page->dialogTemplate(), *page)));
}

void MirelDlg::requestQuit()
{
	// Dialogs and message boxes first, innermost first; the window closes
	// once they have unwound.
	for (int guard = 0; guard < 16; ++guard) {
		QWidget *modal = QApplication::activeModalWidget();
		if (!modal || modal == this)
			break;
		modal->close();
	}
	QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void MirelDlg::showEvent(QShowEvent *event)
{
	QMainWindow::showEvent(event);
	// The sheet gave the start page's first field the keyboard: its focus
	// frame shows, as after a Tab, so the user sees where typing goes.
	setAttribute(Qt::WA_KeyboardFocusChange);
}

void MirelDlg::closeEvent(QCloseEvent *event)
{
	finish();
	event->accept();
	if (help_)
		help_->close();
	if (dofTable_)
		dofTable_->close();
	if (focusPlanner_)
		focusPlanner_->close();
	QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MirelDlg::finish()
{
	if (finished_)
		return;
	finished_ = true;
	saveSettingsAtExit(storage_);
}

} // namespace mirel
