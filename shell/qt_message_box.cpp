#include "shell/qt_message_box.h"

#include <QMessageBox>
#include <QStringList>

#include "core/sentence.h"
#include "settings/messages/message_box.h"
#include "settings/messages/message_patterns.h"
#include "shell/mirel_dlg.h"
#include "ui/text_contexts.h"
#include "ui_qt/translation.h"

namespace mirel {

namespace {

// A message translated paragraph by paragraph: each one a settings message's
// pattern fills (its paths and figures as they are), or a text of its own.
QString translatedMessage(std::string_view text)
{
	constexpr std::string_view kBreak = "\r\n\r\n";
	QStringList paragraphs;
	for (std::size_t start = 0;;) {
		const std::size_t end = text.find(kBreak, start);
		const std::string_view paragraph = text.substr(start, end - start);
		paragraphs << ui::translatedMatching(ui::kMessagesContext, paragraph, kSettingsMessagePatterns);
		if (end == std::string_view::npos)
			break;
		start = end + kBreak.size();
	}
	return paragraphs.join(QString::fromLatin1(kBreak.data(), static_cast<qsizetype>(kBreak.size())));
}

} // namespace

void installMessageBoxes()
{
	setMessageBoxHandler([](std::string_view caption, std::string_view text) {
		QString message = translatedMessage(text);
		message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
		QMessageBox box(QMessageBox::NoIcon, ui::translated(ui::kMessagesContext, caption), message,
				QMessageBox::Ok, MirelDlg::instance());
		box.exec();
	});
}

} // namespace mirel
