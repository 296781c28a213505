#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace mirel {

// Mirel's help: HTML topics built into the program, addressed by context
// number, shown in a window of their own with contents, back and forward.
// A topic that cannot be found shows nothing; help never reports errors.
class HelpWindow : public QWidget
{
	Q_OBJECT

public:
	explicit HelpWindow(QWidget *parent = nullptr);

	// The default topic: the table of contents.
	void showDefaultTopic();
	void showContents();
	// The topic with a context number (101 the licence, 102 to 111 the
	// pages and dialogs, 112 the depth of field table, 113 the film formats,
	// 114 the focus planner).
	void showTopic(int contextNumber);

	// The address of the topic with contextNumber; empty when there is none.
	static QUrl topicUrl(int contextNumber);

private:
	void open(const QUrl &url);

	QTextBrowser *browser_;
};

} // namespace mirel
