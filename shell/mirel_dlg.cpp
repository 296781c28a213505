#include "shell/mirel_dlg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>

#include "core/stops.h"
#include "dialogs/about_dlg.h"
#include "dialogs/defaults_dlg.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dialogs/startup_prefs_dlg.h"
#include "dof_table_qt/dof_table_window.h"
#include "pages/all_pages.h"
#include "pages/page_text.h"
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
		help_ = new HelpWindow(this);
	return *help_;
}

DofTableWindow &MirelDlg::dofTable()
{
	// Nothing of the window or its chart is built before it is asked for.
	if (!dofTable_)
		dofTable_ = new DofTableWindow([this] { help().showTopic(ids::help::DepthOfFieldTable); }, this);
	return *dofTable_;
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

void MirelDlg::showPage(int index)
{
	sheet_->setCurrentIndex(index);
}

void MirelDlg::contextHelp()
{
	if (dofTable_ && dofTable_->isActiveWindow()) {
		help().showTopic(ids::help::DepthOfFieldTable);
		return;
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

void MirelDlg::closeEvent(QCloseEvent *event)
{
	finish();
	event->accept();
	if (help_)
		help_->close();
	if (dofTable_)
		dofTable_->close();
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
