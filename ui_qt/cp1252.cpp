#include "ui_qt/cp1252.h"

#include "core/cp1252.h"

namespace mirel::ui {

QString fromCp1252(std::string_view text)
{
	QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
	QChar *out = result.data();
	for (char c : text)
		*out++ = QChar(unicodeOfCp1252(static_cast<unsigned char>(c)));
	return result;
}

std::string toCp1252(QStringView text)
{
	std::string result;
	result.reserve(static_cast<std::size_t>(text.size()));
	for (qsizetype i = 0; i < text.size(); ++i) {
		const QChar c = text[i];
		if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
			// One character outside the Basic Multilingual Plane: one '?'.
			++i;
			result += '?';
		} else if (c.isSurrogate()) {
			result += '?';
		} else {
			result += cp1252OfUnicode(c.unicode()).value_or('?');
		}
	}
	return result;
}

} // namespace mirel::ui
