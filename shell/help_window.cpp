#include "shell/help_window.h"

#include <QAction>
#include <QDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace mirel {

namespace {

const QString kHelpFolder = QStringLiteral(":/help/");
const QUrl kContents(QStringLiteral("qrc:/help/index.html"));

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
	setWindowTitle(tr("Mirel Help"));
	setObjectName(QStringLiteral("help"));
	browser_->setOpenExternalLinks(true);
	browser_->setSearchPaths({ kHelpFolder });

	auto *toolbar = new QToolBar(this);
	QAction *contents = toolbar->addAction(tr("&Contents"), this, &HelpWindow::showContents);
	QAction *back = toolbar->addAction(tr("&Back"), browser_, &QTextBrowser::backward);
	QAction *forward = toolbar->addAction(tr("&Forward"), browser_, &QTextBrowser::forward);
	contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
	back->setShortcut(QKeySequence::Back);
	forward->setShortcut(QKeySequence::Forward);
	back->setEnabled(false);
	forward->setEnabled(false);
	connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
	connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
	connect(browser_, &QTextBrowser::sourceChanged, this,
		[this] { setWindowTitle(tr("Mirel Help") + QStringLiteral(" - ") + browser_->documentTitle()); });

	auto *layout = new QVBoxLayout(this);
	layout->setContentsMargins(0, 0, 0, 0);
	layout->setSpacing(0);
	layout->addWidget(toolbar);
	layout->addWidget(browser_);
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
	show();
	raise();
	activateWindow();
}

} // namespace mirel
