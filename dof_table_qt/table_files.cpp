#include "dof_table_qt/table_files.h"

#include <QDir>
#include <QSaveFile>

#include "dof_table/table_text.h"
#include "dof_table_qt/dof_card.h"

namespace mirel {

QString saveDofTable(const DofTable &table, const QString &path)
{
	QSaveFile file(path);
	bool written = file.open(QIODevice::WriteOnly);
	if (written && path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
		written = writeDofCardPdf(file, table);
	} else if (written) {
		const std::string csv = csvText(table);
		written = file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size());
	}
	if (written && file.commit())
		return {};
	const QString reason =
		file.errorString().isEmpty() ? QStringLiteral("the file could not be written") : file.errorString();
	return QStringLiteral("The depth of field table could not be saved as \u201c%1\u201d: %2.")
		.arg(QDir::toNativeSeparators(path), reason);
}

} // namespace mirel
