// The Photo window in the running program: photos dropped on the main
// window and opened with Ctrl+O, read off the user interface thread, an
// unreadable file's reason in its row, a focus distance typed with a
// decimal comma, and "Use on Pages" putting the shot on the pages.
//
// The Canon EOS 7D at 50 mm and f/8, circle 0.015438 mm (tests/photo_tool
// works the figures out by hand): focused at 5 m, near 4.017555 m; at
// 2.5 m, near 2.230084 m.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "photo_tool_qt/photo_window.h"
#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/records.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing/photo_files.h"
#include "testing_qt/shell_fixture.h"

namespace mirel::testing {
namespace {

class PhotoWindowTest : public ::testing::Test
{
protected:
	PhotoWindowTest()
	{
		writePhoto(noDistance, PhotoFormat::Jpeg, canon7DShot());
		writePhoto(focused, PhotoFormat::Jpeg, canon7DShotAt5m());
		writeFile(notAPhoto, "Was the whole bird sharp?\n");
	}

	static QString text(const PhotoWindow &photos, const char *name)
	{
		return child<QLineEdit>(photos, name).text();
	}

	static bool readAll(const PhotoWindow &photos)
	{
		return QTest::qWaitFor([&] { return photos.photos().size() > 0 && !photos.photos().reading(); });
	}

	TempDir dir;
	const std::string focused = dir.path() + "/IMG_0001.JPG";
	const std::string noDistance = dir.path() + "/IMG_0002.JPG";
	const std::string notAPhoto = dir.path() + "/list.txt";
};

TEST_F(PhotoWindowTest, PhotosDroppedOnTheMainWindowAreReadAndOneGoesOnThePages)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kFNumbers);
	QMimeData mime;
	mime.setUrls({ QUrl::fromLocalFile(QString::fromStdString(focused)),
		       QUrl::fromLocalFile(QString::fromStdString(notAPhoto)) });
	QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
	QApplication::sendEvent(window.get(), &enter);
	ASSERT_TRUE(enter.isAccepted());
	QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
	QApplication::sendEvent(window.get(), &drop);

	auto &photos = window->toolWindow<PhotoWindow>(ids::command::OpenPhoto);
	ASSERT_TRUE(readAll(photos));
	EXPECT_TRUE(photos.isVisible());
	const auto &list = child<QTableWidget>(photos, "photoList");
	ASSERT_EQ(list.rowCount(), 2);
	EXPECT_EQ(list.item(1, 0)->text(), "list.txt");
	// The reader's reason, in the file's row, and no figures.
	EXPECT_EQ(list.item(1, list.columnCount() - 1)->text(),
		  "not an image Mirel reads (JPEG, TIFF, PNG, WebP, HEIF or a camera's raw file)");
	EXPECT_EQ(list.item(1, 5)->text(), "");
	EXPECT_EQ(photos.currentRow(), 0);
	EXPECT_EQ(text(photos, "photo_near"), "4.017555 m");
	EXPECT_EQ(child<QLabel>(photos, "photoSource_focus_distance").text().remove(QChar(0x200B)),
		  "Exif.Photo.SubjectDistance");

	child<QPushButton>(photos, "photoUse").click();
	const CalcSettings &pages = currentSettings();
	EXPECT_EQ(pages.FocalLength, 50.0);
	EXPECT_EQ(pages.Aperture, 8.0);
	EXPECT_EQ(pages.FocusDistance, 5000.0);
	EXPECT_EQ(filmName(pages.FilmSizes[static_cast<std::size_t>(pages.FilmSize)]), "Canon EOS 7D");
	EXPECT_EQ(window->sheet().currentIndex(), kDepthOfField);
}

TEST_F(PhotoWindowTest, CtrlOOpensPhotosAndAMissingDistanceIsTypedWithADecimalComma)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
	auto &photos = window->toolWindow<PhotoWindow>(ids::command::OpenPhoto);
	auto *dialog = photos.findChild<QFileDialog *>("photoOpenDialog");
	ASSERT_NE(dialog, nullptr);
	ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); }));
	dialog->selectFile(QString::fromStdString(noDistance));
	static_cast<QDialog *>(dialog)->accept(); // as its Open button does
	ASSERT_TRUE(readAll(photos));

	EXPECT_EQ(text(photos, "photo_focus_distance"), "not recorded");
	EXPECT_EQ(text(photos, "photo_near"), "n/a");
	auto &distance = child<QLineEdit>(photos, "photoDistance");
	ASSERT_TRUE(distance.isEnabled());
	QTest::keyClicks(&distance, QStringLiteral("2,5"));
	EXPECT_EQ(text(photos, "photo_focus_distance"), "2.5 m");
	EXPECT_EQ(child<QLabel>(photos, "photoSource_focus_distance").text(), "typed");
	EXPECT_EQ(text(photos, "photo_near"), "2.230084 m");
	EXPECT_EQ(child<QTableWidget>(photos, "photoList").item(0, 5)->text(), "2.230084 m");
}

} // namespace
} // namespace mirel::testing
