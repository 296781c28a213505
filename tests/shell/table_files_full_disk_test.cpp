// The depth of field table saved where the disk is full: each kind of file
// says why it could not be saved and leaves the file it would replace as it
// was. Runs on a small file system of its own (scripts/with-small-disk sets
// MIREL_SMALL_DISK), and is skipped without one.

#include <cstdlib>

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "core/stops.h"
#include "dof_table/dof_table.h"
#include "dof_table_qt/table_files.h"
#include "settings/model/records.h"

#include "testing_qt/shell_fixture.h"

namespace mirel::testing {
namespace {

// Fills the file system of folder with a file of its own, to the last byte.
void fill(const QDir &folder)
{
	QFile filler(folder.filePath(QStringLiteral("filler")));
	ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
	const QByteArray block(4096, 'x');
	while (filler.write(block) == block.size()) {
	}
	while (filler.write("x", 1) == 1) {
	}
}

TEST(DofTableFiles, OnAFullDiskEachKindSaysWhyAndKeepsTheFileItWouldReplace)
{
	const char *disk = std::getenv("MIREL_SMALL_DISK");
	if (!disk)
		GTEST_SKIP() << "needs a small file system of its own: scripts/with-small-disk";
	initStopMath();
	const DofTable table(defaultSettings(), { true, {} });
	const QDir folder(QString::fromLocal8Bit(disk));
	for (const char *name : { "table.csv", "card.pdf" }) {
		const QString path = folder.filePath(QLatin1String(name));
		const QByteArray before = QByteArray("what the user had in ") + name;
		QFile old(path);
		ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
		old.close();
		fill(folder);

		const QString said = saveDofTable(table, path);
		EXPECT_TRUE(said.contains(QLatin1String("No space left on device")) && said.contains(path))
			<< name << ": " << said.toStdString();
		ASSERT_TRUE(old.open(QIODevice::ReadOnly));
		EXPECT_EQ(old.readAll(), before) << name;
		old.close();
		QStringList expected = { QLatin1String(name), QStringLiteral("filler") };
		expected.sort();
		EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(),
			  expected.join(' ').toStdString())
			<< "nothing left beside it";
		QFile::remove(path);
		QFile::remove(folder.filePath(QStringLiteral("filler")));
	}
}

} // namespace
} // namespace mirel::testing
