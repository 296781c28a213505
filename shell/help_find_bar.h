#pragma once

#include <QTextDocument>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTextBrowser;

namespace mirel {

// The help window's search: finds a phrase in the topic shown, forwards or
// backwards, going round at the ends; can mark every match; says so when
// the phrase is not there. Typing searches as the phrase grows.
class HelpFindBar : public QWidget
{
	Q_OBJECT

public:
	HelpFindBar(QTextBrowser &browser, QWidget *parent);

	// Shows the bar, its phrase selected, ready to type.
	void open();
	// Hides the bar and its marks; the keyboard goes back to the topic.
	void dismiss();

	void findNext();
	void findPrevious();
	// Marks the matches again, after a new topic was shown.
	void refresh();

	// Whether the last search found nothing.
	bool notFound() const { return notFound_; }

protected:
	void keyPressEvent(QKeyEvent *event) override;

private:
	// From the cursor, or from the start of the current match when the
	// phrase grows.
	void find(QTextDocument::FindFlags flags, bool fromMatchStart);
	void markAll();
	void showFound(bool found);

	QTextBrowser &browser_;
	QLineEdit *phrase_;
	QCheckBox *highlightAll_;
	QLabel *status_;
	bool notFound_ = false;
};

} // namespace mirel
