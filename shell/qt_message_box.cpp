#include "shell/qt_message_box.h"

#include <QMessageBox>

#include "settings/messages/message_box.h"
#include "shell/mirel_dlg.h"
#include "ui_qt/cp1252.h"

namespace mirel {

void installMessageBoxes()
{
	setMessageBoxHandler([](std::string_view caption, std::string_view text) {
		QString message = ui::fromCp1252(text);
		message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
		QMessageBox box(QMessageBox::NoIcon, ui::fromCp1252(caption), message, QMessageBox::Ok,
				MirelDlg::instance());
		box.exec();
	});
}

} // namespace mirel
