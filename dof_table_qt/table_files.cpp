#include "dof_table_qt/table_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include "dof_table/table_text.h"
#include "dof_table_qt/dof_card.h"

namespace mirel {

namespace {

// The file's bytes, made in memory before the file is touched: the card as
// PDF, or the table as CSV; none when the card cannot be drawn.
std::optional<QByteArray> contents(const DofTable &table, const QString &path)
{
	if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
		return QByteArray::fromStdString(csvText(table));
	QBuffer pdf;
	pdf.open(QIODevice::WriteOnly);
	if (!writeDofCardPdf(pdf, table))
		return std::nullopt;
	return pdf.data();
}

// Writes bytes whole; false when the file system takes no more, with the
// reason in file's error string.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
	for (qint64 done = 0; done < bytes.size();) {
		const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
		if (written <= 0)
			return false;
		done += written;
	}
	return true;
}

} // namespace

QString saveDofTable(const DofTable &table, const QString &path)
{
	const auto failed = [&](QString reason) {
		if (reason.isEmpty())
			reason = QCoreApplication::translate("TableFiles", "the file could not be written");
		return QCoreApplication::translate("TableFiles",
						   "The depth of field table could not be saved as \u201c%1\u201d: %2.")
			.arg(QDir::toNativeSeparators(path), reason);
	};
	const std::optional<QByteArray> bytes = contents(table, path);
	if (!bytes)
		return failed(QCoreApplication::translate("TableFiles", "the card could not be drawn"));
	// Unbuffered, so a write the disk refuses fails here, where it is seen;
	// QSaveFile would otherwise find it only when it flushes at its commit,
	// and put a short file in the old one's place all the same. A save that
	// fails at any step leaves the old file, the new one discarded.
	QSaveFile file(path);
	if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, *bytes))
		return failed(file.errorString());
	// On the disk before it takes the old file's place (QSaveFile syncs but
	// does not say whether that worked).
	if (::fsync(file.handle()) != 0)
		return failed(QString::fromLocal8Bit(std::strerror(errno)));
	if (!file.commit())
		return failed(file.errorString());
	return {};
}

} // namespace mirel
