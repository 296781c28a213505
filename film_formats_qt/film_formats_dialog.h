#pragma once

#include <array>
#include <functional>

#include <QDialog>

#include "dialogs/film_table_editor.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirel {

// Settings > Film Formats: the ten formats of the film table, a row each,
// with name, width, height and circle of confusion to edit, the circle
// each frame suggests beside, a picker of today's formats and a camera
// chooser per row; a row filled from a camera names it in its name's
// tooltip. A field the table cannot hold is marked, says why below the
// table, and keeps OK from storing; OK stores through the editor, Cancel
// changes nothing.
class FilmFormatsDialog : public QDialog
{
	Q_OBJECT

public:
	// help shows the help topic of a context number: the dialog's, or the
	// camera chooser's.
	FilmFormatsDialog(std::function<void(int topic)> help, QWidget *parent = nullptr);

	// The edit of a field; objectName "formatName0", "formatWidth0" ...
	QLineEdit *field(FilmTableEditor::Field field) const;
	// The preset picker of a row; objectName "formatPreset0" ...
	QComboBox *presetPicker(int row) const;
	// The button that opens the camera chooser for a row; objectName
	// "formatCamera0" ...
	QPushButton *cameraButton(int row) const;

	void accept() override;

protected:
	void changeEvent(QEvent *event) override;

private:
	void showRow(int row);
	void check();
	void chooseCamera(int row);

	std::function<void(int)> help_;
	FilmTableEditor editor_;
	std::array<std::array<QLineEdit *, FilmTableEditor::kColumnCount>, kFilmFormatCount> fields_{};
	std::array<QLabel *, kFilmFormatCount> suggested_{};
	std::array<QComboBox *, kFilmFormatCount> presets_{};
	std::array<QPushButton *, kFilmFormatCount> cameras_{};
	QLabel *problem_;
	QPushButton *ok_;
};

} // namespace mirel
