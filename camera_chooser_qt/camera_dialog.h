#pragma once

#include <functional>

#include <QDialog>

#include "core/circle_of_confusion.h"

class QComboBox;

namespace mirel {

class CameraList;
struct Camera;

// The camera chooser as a dialog: a camera for a row of the film formats
// editor, with the rule of its circle of confusion, or for the circle of
// confusion window, without. Enter or OK takes the list's current row, Esc
// or Cancel none.
class CameraDialog : public QDialog
{
	Q_OBJECT

public:
	enum class Rule { Asked, NotAsked };
	// help shows the chooser's help topic.
	CameraDialog(const QString &purpose, Rule rule, std::function<void()> help, QWidget *parent);

	CameraList &cameras() const { return *cameras_; }
	// After OK: the camera chosen, and the rule of its circle.
	const Camera *camera() const { return chosen_; }
	DiagonalRule rule() const;

	void accept() override;

private:
	CameraList *cameras_;
	QComboBox *rule_ = nullptr;
	const Camera *chosen_ = nullptr;
};

} // namespace mirel
