// The Depth of Field Table window in the running program: showing the table
// of the pages, taken away by the clipboard, as PDF and CSV, and its chart
// drawn cleanly.

#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "core/stops.h"
#include "dof_table/table_text.h"
#include "dof_table_qt/dof_card.h"
#include "dof_table_qt/dof_chart.h"
#include "dof_table_qt/dof_table_window.h"
#include "dof_table_qt/table_files.h"
#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/palettes.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;
namespace page = ids::page;

// The window shows the table of the pages, following a change on a page,
// and Ctrl+C copies it whole; Ctrl+Shift+C copies the page in front. (How
// the table follows each change is the table model's test.)
TEST(DofTableWindow, ShowsThePagesTableAndCopiesItAndThePageResults)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kDepthOfField);
	ui::QtControls &page = *window->sheet().controls(kDepthOfField);
	QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
	const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
	const auto shown = [&](int id) { return qobject_cast<const QLineEdit *>(page.widget(id))->text(); };
	for (const QString &line :
	     { "Focal length (mm): " + shown(page::FocalLength), "Near: " + shown(ids::depthoffield::Near) })
		EXPECT_TRUE(lines.contains(line)) << line.toStdString();

	DofTableWindow &table = window->toolWindow<DofTableWindow>(cmd::DepthOfFieldTable);
	table.present();
	EXPECT_EQ(table.windowTitle(), "Depth of Field Table");
	ui::QtUserActions(page).type(page::Aperture, "8");
	QApplication::processEvents(); // the window follows once the loop turns
	const QAbstractItemModel *grid = table.findChild<QTableView *>(QStringLiteral("dofTableView"))->model();
	EXPECT_EQ(grid->headerData(table.table().currentRow(), Qt::Vertical).toString(), "f/8");
	EXPECT_EQ(table.findChild<QLabel *>(QStringLiteral("dofHeader"))->text().toStdString(),
		  table.table().headerLine());

	ASSERT_TRUE(activate(table));
	const QString expected = QString::fromStdString(tabSeparatedText(table.table()));
	QGuiApplication::clipboard()->clear();
	QTest::keyClick(table.findChild<QTableView *>(), Qt::Key_C, Qt::ControlModifier);
	EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

QString output(const QString &program, const QStringList &arguments)
{
	QProcess process;
	process.start(program, arguments);
	EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
	EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
					 << process.readAllStandardError().toStdString();
	return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(DofTableFiles, APdfOfOnePageWithItsTextAndACsvOfTheTable)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	const DofTable &table = window->toolWindow<DofTableWindow>(cmd::DepthOfFieldTable).table();
	QTemporaryDir folder;
	const QString pdf = folder.filePath("card.pdf"), csv = folder.filePath("table.CSV");
	EXPECT_EQ(saveDofTable(table, pdf), "");
	EXPECT_EQ(saveDofTable(table, csv), "");
	EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({ "card.pdf", "table.CSV" }));

	QFile written(csv);
	ASSERT_TRUE(written.open(QIODevice::ReadOnly));
	EXPECT_EQ(written.readAll().toStdString(), csvText(table));

	const QString info = output("pdfinfo", { pdf });
	EXPECT_TRUE(info.contains(QRegularExpression("Pages: +1\n"))) << info.toStdString();
	EXPECT_TRUE(info.contains(QRegularExpression("Page size: +595[.\\d]* x 84[12][.\\d]* pts \\(A4\\)")))
		<< info.toStdString();
	const QString text = output("pdftotext", { "-layout", pdf, "-" });
	QStringList expected = { "Depth of Field Table", QString::fromStdString(table.headerLine()), "Hyperfocal",
				 "Subject distance (m)" };
	for (const int row : { 0, table.currentRow(), table.rowCount() - 1 }) {
		expected << QString::fromStdString(table.rowHeading(row))
			 << QString::fromStdString(table.hyperfocalText(row));
		const std::optional<ZoneTexts> zone = table.zoneTexts(row, table.nearestColumn());
		expected << QString::fromStdString(zone->near) << QString::fromStdString(zone->far);
	}
	for (const QString &shown : expected)
		EXPECT_TRUE(text.contains(shown)) << shown.toStdString();
}

// A save that cannot be written says where and why.
TEST(DofTableFiles, ASaveThatFailsSaysWhereAndWhy)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	QTemporaryDir folder;
	const QString path = folder.filePath("missing/card.pdf");
	const QString said = saveDofTable(window->toolWindow<DofTableWindow>(cmd::DepthOfFieldTable).table(), path);
	EXPECT_TRUE(said.contains(path) && said.contains("No such file or directory")) << said.toStdString();
}

QStringList *warnings = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
	if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith("This plugin does not support"))
		warnings->append(message);
}

// Whether image holds colour anywhere: the current aperture's bar.
bool shows(const QImage &image, const QColor &colour)
{
	for (int y = 0; y < image.height(); ++y)
		for (int x = 0; x < image.width(); ++x)
			if (image.pixel(x, y) == colour.rgb())
				return true;
	return false;
}

TEST(DofChart, DrawsOnScreenAndOnPaperWithoutAWarning)
{
	QStringList recorded;
	warnings = &recorded;
	const QtMessageHandler previous = qInstallMessageHandler(recordWarnings);
	initStopMath();
	loadSettingsAtStartup(nullptr);
	struct Case {
		const char *what;
		double focus;
		bool zones;
	};
	for (const Case c :
	     { Case{ "a focus of 3 m", 3000.0, true }, Case{ "a focus shorter than the lens", 10.0, false } }) {
		CalcSettings settings = currentSettings();
		settings.FocusDistance = c.focus;
		const DofTable table(settings, {});
		for (const QPalette &palette : { ui::lightPalette(), ui::darkPalette() }) {
			DofChart chart;
			chart.setPalette(palette);
			chart.setTable(table);
			chart.resize(chart.sizeHint());
			const QImage drawn = chart.grab().toImage();
			EXPECT_EQ(shows(drawn, palette.color(QPalette::Highlight)), c.zones) << c.what;
		}
		QImage paper(QPageSize(QPageSize::A4).sizePixels(100), QImage::Format_RGB32);
		paper.setDotsPerMeterX(3937);
		paper.setDotsPerMeterY(3937);
		QPainter painter(&paper);
		paintDofCard(painter, QRectF(paper.rect()), table);
	}
	qInstallMessageHandler(previous);
	EXPECT_EQ(recorded.join('\n').toStdString(), "");
}

} // namespace
} // namespace mirel::testing

namespace mirel::testing {
namespace {

// Records the region of the next paint of a widget.
struct PaintedRegion : QObject {
	QRegion region;
	bool eventFilter(QObject *, QEvent *event) override
	{
		if (event->type() == QEvent::Paint)
			region += static_cast<QPaintEvent *>(event)->region();
		return false;
	}
};

// A chart that repaints only the rows an aperture leaves and reaches shows
// what a chart painted whole shows: every pixel that differs is repainted.
TEST(DofChart, RepaintsWhatAMovedApertureChangesAndAllOfIt)
{
	initStopMath();
	DofTableInputs inputs{ .focalLength = 50.0,
			       .coc = 0.025,
			       .aperture = 2.0,
			       .focusDistance = 2000.0,
			       .unit = LengthUnit::Metres,
			       .rounding = RoundOther2 };
	const DofTableOptions thirds{ true, {} };
	DofChart chart;
	chart.resize(900, 420);
	chart.setTable(DofTable(inputs, thirds));
	chart.show();
	ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
	const QImage before = chart.grab().toImage();

	PaintedRegion painted;
	chart.installEventFilter(&painted);
	inputs.aperture = 11.0;
	chart.setTable(DofTable(inputs, thirds));
	QApplication::processEvents();
	chart.removeEventFilter(&painted);
	const QImage after = chart.grab().toImage();
	qsizetype area = 0;
	for (const QRect &part : painted.region)
		area += qsizetype{ part.width() } * part.height();
	EXPECT_LT(area, chart.width() * chart.height() / 2) << "a part, not the whole chart";
	int changed = 0, outside = 0;
	for (int y = 0; y < after.height(); ++y)
		for (int x = 0; x < after.width(); ++x)
			if (before.pixel(x, y) != after.pixel(x, y)) {
				++changed;
				outside += !painted.region.contains(QPoint(x, y));
			}
	EXPECT_GT(changed, 0);
	EXPECT_EQ(outside, 0) << "of " << changed << " pixels changed";
}

} // namespace
} // namespace mirel::testing
