#include "dof_table_qt/table_files.h"

#include <optional>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>

#include "dof_table/table_text.h"
#include "dof_table_qt/dof_card.h"
#include "ui_qt/whole_file.h"

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

} // namespace

QString saveDofTable(const DofTable &table, const QString &path)
{
	const auto failed = [&](const QString &reason) {
		return QCoreApplication::translate("TableFiles",
						   "The depth of field table could not be saved as \u201c%1\u201d: %2.")
			.arg(QDir::toNativeSeparators(path), reason);
	};
	const std::optional<QByteArray> bytes = contents(table, path);
	if (!bytes)
		return failed(QCoreApplication::translate("TableFiles", "the card could not be drawn"));
	if (const QString reason = ui::saveWholeFile(path, *bytes); !reason.isEmpty())
		return failed(reason);
	return {};
}

} // namespace mirel
