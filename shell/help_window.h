#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace mirel {

class HelpFindBar;

// Mirel's help: HTML topics built into the program, addressed by context
// number, shown in a window of their own with contents, back and forward,
// and a find bar (Ctrl+F). Esc or Ctrl+W close it. A topic that cannot be
// found shows nothing; help never reports errors.
//
// The window has no owner, so that no modal dialog blocks it: help opened
// from a dialog can be read, scrolled and closed while the dialog is open.
class HelpWindow : public QWidget
{
	Q_OBJECT

public:
	HelpWindow();

	// The default topic: the table of contents.
	void showDefaultTopic();
	void showContents();
	// The topic with a context number (101 the licence, 102 to 111 the
	// pages and dialogs, 112 the depth of field table, 113 the film formats,
	// 114 the focus planner).
	void showTopic(int contextNumber);

	HelpFindBar &findBar() { return *findBar_; }

	// The address of the topic with contextNumber; empty when there is none.
	static QUrl topicUrl(int contextNumber);

protected:
	void closeEvent(QCloseEvent *event) override;

private:
	void open(const QUrl &url);
	// Esc closes the find bar when it has the keyboard, else the window.
	void escape();

	QTextBrowser *browser_;
	HelpFindBar *findBar_;
	// The window that had the keyboard when help was asked for.
	QPointer<QWidget> caller_;
	bool placed_ = false; // opened before, and where the user left it
};

} // namespace mirel
