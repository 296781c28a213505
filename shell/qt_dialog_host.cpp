#include "shell/qt_dialog_host.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ui_qt/qt_controls.h"

namespace mirel {

QtDialogHost::QtDialogHost(DialogModel &model, HelpHandler help, QWidget *parent)
	: QDialog(parent), model_(model), help_(std::move(help)),
	  run_(model, *this, [this](bool accepted) { accepted ? accept() : reject(); }),
	  controls_(new ui::QtControls(model.dialogTemplate(), run_, this))
{
	setWindowTitle(controls_->windowTitle());
	setObjectName(QString::number(model.dialogTemplate().id));
	setWindowModality(Qt::WindowModal);
	auto *layout = new QVBoxLayout(this);
	layout->setContentsMargins(0, 0, 0, 0);
	layout->addWidget(controls_);
	layout->setSizeConstraint(QLayout::SetFixedSize);
	present();
	run_.open(*controls_);
}

QtDialogHost::~QtDialogHost() = default;

void QtDialogHost::present()
{
	const DialogPresentation presentation = model_.presentation();
	if (presentation.captionless)
		setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
	if (presentation.autoCloseMs > 0)
		QTimer::singleShot(presentation.autoCloseMs, this, &QDialog::reject);
	if (presentation.fullScreenWhite) {
		layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
		QPalette white = palette();
		white.setColor(QPalette::Window, Qt::white);
		setPalette(white);
		setAutoFillBackground(true);
		controls_->setPalette(white);
		controls_->setAutoFillBackground(true);
		// The screen Mirel is on, whatever its place among the screens. The
		// window covers it by its own geometry too: placed, it is not
		// centred on its owner when shown, and it covers the screen also
		// where the window system ignores the full-screen state.
		QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
		setScreen(screen);
		setGeometry(screen->geometry());
		setWindowState(Qt::WindowFullScreen);
	}
}

void QtDialogHost::resizeEvent(QResizeEvent *event)
{
	QDialog::resizeEvent(event);
	// The light table's label stays centred near the top edge, whatever size
	// the window system gave the full-screen window.
	const DialogPresentation presentation = model_.presentation();
	if (!presentation.fullScreenWhite)
		return;
	if (QWidget *label = controls_->widget(presentation.centredLabelId))
		label->move((width() - label->width()) / 2, 20);
}

bool QtDialogHost::run()
{
	if (model_.presentation().captionless && !model_.presentation().fullScreenWhite) {
		// Centred on the screen and in front.
		adjustSize();
		const QRect screenArea = (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
						 ->availableGeometry();
		move(screenArea.center() - rect().center());
	}
	raise();
	activateWindow();
	const bool accepted = exec() == QDialog::Accepted;
	// The owner takes the keyboard again, as on Windows, also where no
	// window manager hands it back.
	if (QWidget *owner = parentWidget())
		owner->activateWindow();
	return accepted;
}

void QtDialogHost::showHelpTopic(int topic)
{
	if (topic != 0 && help_)
		help_(topic);
}

void QtDialogHost::runModal(DialogModel &dialog)
{
	QtDialogHost nested(dialog, help_, this);
	nested.run();
	// Back here, Enter closes this dialog rather than running the nested
	// one again from the button that opened it.
	focusDefaultButton();
}

void QtDialogHost::focusDefaultButton()
{
	for (const ui::ControlTemplate &control : model_.dialogTemplate().controls) {
		if (control.style & ui::kDefaultButton) {
			controls_->widget(control.id)->setFocus(Qt::OtherFocusReason);
			return;
		}
	}
}

} // namespace mirel
