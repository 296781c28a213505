#include "shell/mirel_dlg.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>

#include "camera_chooser_qt/camera_dialog.h"
#include "core/diffraction.h"
#include "core/stops.h"
#include "dialogs/about_dlg.h"
#include "dialogs/defaults_dlg.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dialogs/startup_prefs_dlg.h"
#include "film_formats_qt/film_formats_dialog.h"
#include "pages/all_pages.h"
#include "pages/page_text.h"
#include "photo_tool_qt/photo_window.h"
#include "resources/control_ids.h"
#include "resources/menu.h"
#include "resources/pages.h"
#include "resources/templates.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "shell/help_window.h"
#include "shell/menu_item_names.h"
#include "shell/menu_mnemonics.h"
#include "shell/page_sheet.h"
#include "shell/qt_dialog_host.h"
#include "shell/shell_resources.h"
#include "shell/standard_keys.h"
#include "shell/tool_windows.h"
#include "ui/text_contexts.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/dialog_units.h"
#include "ui_qt/qt_controls.h"
#include "ui_qt/tool_window.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

MirelDlg *theWindow = nullptr;

// The keys of a menu command: a tool window's, the accelerator table's, or
// for Exit the desktop's quit key.
QList<QKeySequence> shortcuts(int command)
{
	// The desktop's quit key ends the run through Exit, which shows it.
	if (command == ids::command::Exit)
		return standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
	if (const ToolWindowRow *row = toolWindowRow(command))
		return { QKeySequence(row->shortcut) };
	for (const resources::Accelerator &accelerator : resources::accelerators()) {
		if (accelerator.command == command)
			return { QKeyCombination(Qt::ControlModifier |
							 (accelerator.shift ? Qt::ShiftModifier : Qt::NoModifier),
						 Qt::Key(accelerator.key)) };
	}
	return {};
}

} // namespace

MirelDlg::MirelDlg(SettingsStorage *storage) : storage_(storage)
{
	initShellResources();
	const ui::DialogTemplate &dialog = resources::mainWindowTemplate();
	setWindowTitle(ui::translated(ui::templateContext(dialog), dialog.caption));
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
	setAcceptDrops(true);
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

ui::ToolWindow &MirelDlg::toolWindow(int command)
{
	const ToolWindowRow *row = toolWindowRow(command);
	if (!row)
		throw std::invalid_argument("no tool window for command " + std::to_string(command));
	// Nothing of a tool window is built before it is asked for.
	for (const auto &[built, window] : toolWindows_) {
		if (built == row)
			return *window;
	}
	ui::ToolWindow *window = row->build({ this, [this, topic = row->helpTopic] { showHelp(topic); },
					      [this](int topic) { showHelp(topic); },
					      [this](PageIndex page) {
						      sheet_->activate(static_cast<int>(page));
						      raise();
						      activateWindow();
					      } });
	toolWindows_.emplace_back(row, window);
	return *window;
}

QString MirelDlg::statusText() const
{
	const auto page = static_cast<PageIndex>(sheet_->currentIndex());
	if (page != PageIndex::DepthOfField && page != PageIndex::Hyperfocal)
		return {};
	const CalcSettings &settings = currentSettings();
	return ui::translated(ui::kStatusBarContext, diffractionSentence(settings.Aperture, settings.filmCoC));
}

void MirelDlg::showDiffraction()
{
	const QString text = statusText();
	diffraction_->setText(text);
	diffraction_->setToolTip(text);
}

void MirelDlg::buildMenu()
{
	nameMenuItemsWithoutShortcutText();
	for (const resources::Menu &menu : resources::mainMenu()) {
		QMenu *popup = menuBar()->addMenu(ui::translated(ui::kMenuBarContext, menu.title));
		const std::string context = ui::menuContext(menu.title);
		for (const resources::MenuItem &item : menuItemsWithToolWindows(menu)) {
			if (item.isSeparator()) {
				popup->addSeparator();
				continue;
			}
			// The words translated, the shortcut after the tab as it is.
			const std::string_view text = item.text;
			const std::size_t tab = std::min(text.find('\t'), text.size());
			QAction *action = popup->addAction(ui::translated(context, text.substr(0, tab)) +
							   ui::fromCp1252(text.substr(tab)));
			action->setObjectName(QString::number(item.command));
			action->setShortcuts(shortcuts(item.command));
			const int command = item.command;
			connect(action, &QAction::triggered, this, [this, command] { onCommand(command); });
		}
	}
	followMenuMnemonics(*menuBar());
}

void MirelDlg::onCommand(int command)
{
	namespace cmd = ids::command;
	if (command >= cmd::ShowFirstPage && command < cmd::ShowFirstPage + kPageCount) {
		showPage(command - cmd::ShowFirstPage);
		return;
	}
	if (command == cmd::OpenPhoto) {
		auto &photos = toolWindow<PhotoWindow>(command);
		photos.present();
		photos.choosePhotos();
		return;
	}
	if (toolWindowRow(command)) {
		toolWindow(command).present();
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
	case cmd::CopyPageResults:
		copyPageResults();
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
	FilmFormatsDialog dialog([this](int topic) { help().showTopic(topic); }, this);
	dialog.exec();
	activateWindow();
}

void MirelDlg::showPage(int index)
{
	sheet_->setCurrentIndex(index);
}

void MirelDlg::contextHelp()
{
	// The film formats editor or the camera chooser, while open, has the
	// keyboard.
	const QWidget *modal = QApplication::activeModalWidget();
	if (qobject_cast<const CameraDialog *>(modal)) {
		help().showTopic(ids::help::CameraChooser);
		return;
	}
	if (qobject_cast<const FilmFormatsDialog *>(modal)) {
		help().showTopic(ids::help::FilmFormats);
		return;
	}
	for (const auto &[row, window] : toolWindows_) {
		if (window->isActiveWindow()) {
			const int shown = window->contextHelpTopic();
			showHelp(shown != 0 ? shown : row->helpTopic);
			return;
		}
	}
	showHelp(resources::pageHelpTopic(activePageIndex()));
}

void MirelDlg::showHelp(int topic)
{
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
	for (const auto &[row, window] : toolWindows_)
		window->close();
	QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MirelDlg::dragEnterEvent(QDragEnterEvent *event)
{
	if (!localFiles(event->mimeData()->urls()).isEmpty())
		event->acceptProposedAction();
}

void MirelDlg::dropEvent(QDropEvent *event)
{
	auto &photos = toolWindow<PhotoWindow>(ids::command::OpenPhoto);
	photos.openPhotos(localFiles(event->mimeData()->urls()));
	photos.present();
	event->acceptProposedAction();
}

void MirelDlg::finish()
{
	if (finished_)
		return;
	finished_ = true;
	saveSettingsAtExit(storage_);
}

} // namespace mirel
