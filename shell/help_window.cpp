#include "shell/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "shell/help_find_bar.h"
#include "shell/standard_keys.h"
#include "ui_qt/window_placing.h"

namespace mirel {

namespace {

const QString kHelpFolder = QStringLiteral(":/help/");
const QUrl kContents(QStringLiteral("qrc:/help/index.html"));

QAction *addShortcut(QWidget *window, const QList<QKeySequence> &keys)
{
	auto *action = new QAction(window);
	action->setShortcuts(keys);
	window->addAction(action);
	return action;
}

} // namespace

HelpWindow::HelpWindow() : browser_(new QTextBrowser(this)), findBar_(new HelpFindBar(*browser_, this))
{
	setWindowTitle(tr("Mirel Help"));
	setObjectName(QStringLiteral("help"));
	browser_->setOpenExternalLinks(true);
	browser_->setSearchPaths({ kHelpFolder });
	// Room around the text, as on a printed page.
	browser_->document()->setDocumentMargin(3 * fontMetrics().averageCharWidth());

	auto *toolbar = new QToolBar(this);
	QAction *contents = toolbar->addAction(tr("&Contents"), this, &HelpWindow::showContents);
	QAction *back = toolbar->addAction(tr("&Back"), browser_, &QTextBrowser::backward);
	QAction *forward = toolbar->addAction(tr("&Forward"), browser_, &QTextBrowser::forward);
	QAction *find = toolbar->addAction(tr("&Find"), findBar_, &HelpFindBar::open);
	contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
	back->setShortcut(QKeySequence::Back);
	forward->setShortcut(QKeySequence::Forward);
	find->setShortcut(QKeySequence::Find);
	back->setEnabled(false);
	forward->setEnabled(false);
	connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
	connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
	connect(addShortcut(this, QKeySequence::keyBindings(QKeySequence::FindNext)), &QAction::triggered, findBar_,
		&HelpFindBar::findNext);
	connect(addShortcut(this, QKeySequence::keyBindings(QKeySequence::FindPrevious)), &QAction::triggered, findBar_,
		&HelpFindBar::findPrevious);
	connect(addShortcut(this, standardKeys(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W))),
		&QAction::triggered, this, &QWidget::close);
	connect(addShortcut(this, { QKeySequence(Qt::Key_Escape) }), &QAction::triggered, this, &HelpWindow::escape);
	connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
		setWindowTitle(browser_->documentTitle() + QStringLiteral(" - ") + tr("Mirel Help"));
		findBar_->refresh();
	});

	auto *layout = new QVBoxLayout(this);
	layout->setContentsMargins(0, 0, 0, 0);
	layout->setSpacing(0);
	layout->addWidget(toolbar);
	layout->addWidget(browser_);
	layout->addWidget(findBar_);
	resize(640, 560);
}

QUrl HelpWindow::topicUrl(int contextNumber)
{
	const QString prefix = QStringLiteral("topic-%1-").arg(contextNumber);
	const QStringList matches = QDir(kHelpFolder).entryList({ prefix + QStringLiteral("*.html") }, QDir::Files);
	if (matches.size() != 1)
		return {};
	return QUrl(QStringLiteral("qrc:/help/") + matches.front());
}

void HelpWindow::showDefaultTopic()
{
	open(kContents);
}

void HelpWindow::showContents()
{
	open(kContents);
}

void HelpWindow::showTopic(int contextNumber)
{
	open(topicUrl(contextNumber));
}

void HelpWindow::open(const QUrl &url)
{
	if (url.isEmpty())
		return;
	browser_->setSource(url);
	if (QWidget *active = QApplication::activeWindow(); active && active != this)
		caller_ = active;
	// First over the window that asked for it, later where the user left
	// it; on the screen either way, whatever its scale.
	if (isHidden()) {
		const QPoint corner = placed_ ? pos() : ui::centredOver(caller_, size());
		ui::placeOnScreen(*this, QRect(corner, size()), caller_);
		placed_ = true;
	}
	show();
	raise();
	activateWindow();
}

void HelpWindow::closeEvent(QCloseEvent *event)
{
	// The keyboard goes back where help was asked for, the dialog that may
	// still be open, also where no window manager hands it back.
	if (caller_ && isActiveWindow())
		caller_->activateWindow();
	QWidget::closeEvent(event);
}

void HelpWindow::escape()
{
	if (findBar_->isVisible() && findBar_->isAncestorOf(focusWidget()))
		findBar_->dismiss();
	else
		close();
}

} // namespace mirel
