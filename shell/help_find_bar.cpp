#include "shell/help_find_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QToolButton>

namespace mirel {

namespace {

QToolButton *button(const QString &text, QWidget *parent)
{
	auto *b = new QToolButton(parent);
	b->setText(text);
	b->setAutoRaise(true);
	return b;
}

} // namespace

HelpFindBar::HelpFindBar(QTextBrowser &browser, QWidget *parent)
	: QWidget(parent), browser_(browser), phrase_(new QLineEdit(this)),
	  highlightAll_(new QCheckBox(tr("&Highlight all"), this)), status_(new QLabel(this))
{
	auto *label = new QLabel(tr("&Find:"), this);
	label->setBuddy(phrase_);
	phrase_->setAccessibleName(tr("Find"));
	phrase_->setClearButtonEnabled(true);
	QToolButton *previous = button(tr("&Previous"), this);
	QToolButton *next = button(tr("&Next"), this);
	QToolButton *close = button(tr("Close"), this);
	previous->setToolTip(QKeySequence(QKeySequence::FindPrevious).toString(QKeySequence::NativeText));
	next->setToolTip(QKeySequence(QKeySequence::FindNext).toString(QKeySequence::NativeText));
	close->setToolTip(QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText));
	connect(phrase_, &QLineEdit::textEdited, this, [this] { find({}, true); });
	connect(previous, &QToolButton::clicked, this, &HelpFindBar::findPrevious);
	connect(next, &QToolButton::clicked, this, &HelpFindBar::findNext);
	connect(close, &QToolButton::clicked, this, &HelpFindBar::dismiss);
	connect(highlightAll_, &QCheckBox::toggled, this, &HelpFindBar::markAll);

	auto *layout = new QHBoxLayout(this);
	const int margin = fontMetrics().averageCharWidth();
	layout->setContentsMargins(margin, margin / 2, margin, margin / 2);
	layout->addWidget(label);
	layout->addWidget(phrase_, 1);
	layout->addWidget(previous);
	layout->addWidget(next);
	layout->addWidget(highlightAll_);
	layout->addWidget(status_, 1);
	layout->addWidget(close);
	hide();
}

void HelpFindBar::open()
{
	show();
	phrase_->setFocus(Qt::ShortcutFocusReason);
	phrase_->selectAll();
}

void HelpFindBar::dismiss()
{
	hide();
	browser_.setExtraSelections({});
	browser_.setFocus();
}

void HelpFindBar::findNext()
{
	if (!isVisible())
		open();
	find({}, false);
}

void HelpFindBar::findPrevious()
{
	if (!isVisible())
		open();
	find(QTextDocument::FindBackward, false);
}

void HelpFindBar::refresh()
{
	showFound(true);
	markAll();
}

void HelpFindBar::keyPressEvent(QKeyEvent *event)
{
	// Enter goes on to the next match, Shift+Enter back to the one before.
	if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
		event->modifiers() & Qt::ShiftModifier ? findPrevious() : findNext();
		return;
	}
	QWidget::keyPressEvent(event);
}

void HelpFindBar::find(QTextDocument::FindFlags flags, bool fromMatchStart)
{
	const QString phrase = phrase_->text();
	QTextCursor from = browser_.textCursor();
	if (fromMatchStart)
		from.setPosition(from.selectionStart());
	if (phrase.isEmpty()) {
		from.clearSelection();
		browser_.setTextCursor(from);
		showFound(true);
		markAll();
		return;
	}
	QTextDocument &document = *browser_.document();
	QTextCursor found = document.find(phrase, from, flags);
	if (found.isNull()) {
		// Round the end, from the other end of the topic.
		QTextCursor edge(&document);
		edge.movePosition(flags & QTextDocument::FindBackward ? QTextCursor::End : QTextCursor::Start);
		found = document.find(phrase, edge, flags);
	}
	if (!found.isNull())
		browser_.setTextCursor(found);
	showFound(!found.isNull());
	markAll();
}

void HelpFindBar::markAll()
{
	QList<QTextEdit::ExtraSelection> marks;
	const QString phrase = phrase_->text();
	if (highlightAll_->isChecked() && isVisible() && !phrase.isEmpty()) {
		QTextCharFormat mark;
		mark.setBackground(QColor(255, 225, 64));
		mark.setForeground(Qt::black);
		QTextDocument &document = *browser_.document();
		for (QTextCursor at = document.find(phrase); !at.isNull(); at = document.find(phrase, at))
			marks.append({ at, mark });
	}
	browser_.setExtraSelections(marks);
}

void HelpFindBar::showFound(bool found)
{
	notFound_ = !found;
	status_->setText(found ? QString() : tr("Phrase not found"));
	// The phrase box turns red, as in browsers, and tells screen readers why.
	QPalette palette; // the inherited one
	if (!found) {
		palette = phrase_->palette();
		palette.setColor(QPalette::Base, QColor(255, 200, 200));
		palette.setColor(QPalette::Text, Qt::black);
	}
	phrase_->setPalette(palette);
	phrase_->setAccessibleDescription(status_->text());
}

} // namespace mirel
