#pragma once

#include <QWidget>

#include "camera_chooser/camera_chooser.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace mirel {

// A search field over the cameras matching it, best first, each with its
// frame, crop factor and circle of confusion. The keyboard stays in the
// field: Up, Down, Page Up and Page Down move through the list, Enter
// chooses (Enter typed while the database is on its way chooses the best
// match when it arrives). While the database is on its way, when it is missing, or when
// nothing matches, a sentence stands where the list would be. The database
// is asked for when the list is made.
class CameraList : public QWidget
{
	Q_OBJECT

public:
	explicit CameraList(QWidget *parent);

	QLineEdit &searchField() const { return *search_; }
	QTreeWidget &list() const { return *list_; }
	// The camera of the list's current row; nullptr when none is listed.
	const Camera *current() const;
	bool loading() const { return chooser_.loading(); }

	// The rule of the circles listed.
	void setRule(DiagonalRule rule);
	// The database, or why there is none.
	void arrive(const CameraDatabaseLoad &load);

signals:
	// Enter, or a double click on a row.
	void chosen(const Camera &camera);
	// The current row moved, or the list changed.
	void currentChanged();

protected:
	bool eventFilter(QObject *watched, QEvent *event) override;

private:
	// The list anew: its best match current, or with keepCurrent the row
	// that was, when it is still listed.
	void fill(bool keepCurrent);
	void choose();

	CameraChooser chooser_;
	DiagonalRule rule_ = DiagonalRule::Classic;
	bool chooseOnArrival_ = false;
	QLineEdit *search_;
	QLabel *message_;
	QTreeWidget *list_;
};

// The picker of the rule a row's circle of confusion is filled by, on the
// rule the remembered record keeps, which it keeps from then on.
QComboBox *ruleBox(QWidget *parent);
DiagonalRule ruleOf(const QComboBox &box);

} // namespace mirel
