#include "ui_qt/whole_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QSaveFile>

namespace mirel::ui {

namespace {

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

QString reasonOr(const QString &reason)
{
	return reason.isEmpty() ? QStringLiteral("the file could not be written") : reason;
}

} // namespace

QString saveWholeFile(const QString &path, const QByteArray &bytes)
{
	// Unbuffered, so a write the disk refuses fails here, where it is seen;
	// QSaveFile would otherwise find it only when it flushes at its commit,
	// and put a short file in the old one's place all the same. A save that
	// fails at any step leaves the old file, the new one discarded.
	QSaveFile file(path);
	if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, bytes))
		return reasonOr(file.errorString());
	// On the disk before it takes the old file's place (QSaveFile syncs but
	// does not say whether that worked).
	if (::fsync(file.handle()) != 0)
		return reasonOr(QString::fromLocal8Bit(std::strerror(errno)));
	if (!file.commit())
		return reasonOr(file.errorString());
	return {};
}

} // namespace mirel::ui
