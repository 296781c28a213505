#include "shell/qt_message_box.h"

#include <QMessageBox>

#include "settings/messages/message_box.h"
#include "shell/mirel_dlg.h"
#include "ui/text_contexts.h"
#include "ui_qt/translation.h"

namespace mirel {

void installMessageBoxes()
{
	setMessageBoxHandler([](std::string_view caption, std::string_view text) {
		QString message = ui::translated(ui::kMessagesContext, text);
		message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
		QMessageBox box(QMessageBox::NoIcon, ui::translated(ui::kMessagesContext, caption), message,
				QMessageBox::Ok, MirelDlg::instance());
		box.exec();
	});
}

} // namespace mirel
