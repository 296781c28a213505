#include "ui_qt/mnemonics.h"

namespace mirel::ui {

QString withoutMnemonics(const QString &text)
{
	QString shown;
	shown.reserve(text.size());
	for (qsizetype i = 0; i < text.size(); ++i) {
		if (text[i] == u'&') {
			++i; // the marked character, or the second of "&&"
			if (i == text.size())
				break;
		}
		shown += text[i];
	}
	return shown;
}

QString escapeMnemonics(const QString &text)
{
	QString escaped = text;
	return escaped.replace(u'&', QStringLiteral("&&"));
}

} // namespace mirel::ui
