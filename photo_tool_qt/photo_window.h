#pragma once

#include <functional>
#include <vector>

#include <QImage>

#include "photo_tool/photo_list.h"
#include "ui_qt/tool_window.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace mirel {

enum class PageIndex : int;
namespace ui {
class ResultField;
}

// Program > Open Photo, or photos dropped on the main window or here: the
// depth of field of pictures already taken, from their own metadata. A
// list with a row per photo; for the photo chosen a thumbnail, every figure
// with where it came from, a focus distance to type when the photo records
// none, and "Use on Pages". Photos are read off the user interface thread,
// so a large raw file keeps nothing waiting. The texts follow the pages'
// unit and rounding.
class PhotoWindow : public ui::ToolWindow
{
	Q_OBJECT

public:
	// help shows the window's help topic; showPage makes a page the
	// active page, showing the settings afresh.
	PhotoWindow(std::function<void()> help, std::function<void(PageIndex)> showPage, QWidget *parent = nullptr);

	// Asks for photos to open, in a file dialog of the window.
	void choosePhotos();
	// Adds the photos at paths to the list and reads them; the first of
	// them becomes the photo chosen.
	void openPhotos(const QStringList &paths);
	const PhotoList &photos() const { return photos_; }
	// The row of the photo chosen; -1 for none.
	int currentRow() const;
	void setCurrentRow(int row);
	// The photo chosen on the pages (usePhotoOnPages); the main window
	// shows the Depth of Field page.
	void useOnPages();
	// The list as CSV at path: what to tell the user when it fails, empty
	// when saved.
	QString saveCsv(const QString &path) const;

signals:
	// A photo's reading arrived; for tests.
	void photoRead(int row);

protected:
	void dragEnterEvent(QDragEnterEvent *event) override;
	void dropEvent(QDropEvent *event) override;

private:
	// What the window reads of the settings.
	struct Shown {
		LengthUnit unit = LengthUnit::Millimetres;
		int roundOther = 0;
		bool operator==(const Shown &) const = default;
	};
	static Shown currentShown();

	void refresh() override;
	bool showsCurrentSettings() const override;
	void arrive(int row, PhotoReading reading, QImage thumbnail);
	void showRow(int row);
	void showCurrent();
	void copy() const;
	void saveAs();

	std::function<void()> help_;
	std::function<void(PageIndex)> showPage_;
	PhotoList photos_;
	std::vector<QImage> thumbnails_;
	Shown shown_;
	QString kept_; // what the pages kept of their own at the last Use on Pages
	QString folder_;

	QLabel *hint_;
	QTableWidget *list_;
	QLabel *thumbnail_;
	std::vector<ui::ResultField *> values_;
	std::vector<QLabel *> sources_;
	QLabel *distanceLabel_;
	QLineEdit *distance_;
	QLabel *note_;
	QPushButton *use_;
	QPushButton *copy_;
	QPushButton *save_;
};

// The paths of the local files among urls, as a drop gives them.
QStringList localFiles(const QList<QUrl> &urls);

} // namespace mirel
