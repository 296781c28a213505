#include "photo_tool_qt/photo_window.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "photo_tool/photo_on_pages.h"
#include "photo_tool_qt/photo_loading.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"
#include "ui/text_contexts.h"
#include "ui_qt/cp1252.h"
#include "ui_qt/result_field.h"
#include "ui_qt/translation.h"
#include "ui_qt/whole_file.h"

namespace mirel {

namespace {

// A tag's name ("Exif.Photo.SubjectDistance") has no blank to wrap at: a
// zero-width space after each dot before a letter lets a narrow column wrap
// it there, and never a number at its decimal point.
QString breakableAtDots(QString text)
{
	static const QRegularExpression dotBeforeLetter(QStringLiteral("\\.(?=[A-Za-z])"));
	return text.replace(dotBeforeLetter, QStringLiteral(".\u200B"));
}

// Where what the pages keep is translated, its words with their
// possessive ("ihr Format"), in the phrases they fill.
constexpr const char *kKeptContext = "PhotoWindow pages keep";

// The side of the square a thumbnail fits, in logical pixels.
constexpr int kThumbnailSide = 160;

QString qText(std::string_view cp1252)
{
	return ui::fromCp1252(cp1252);
}

// A text of the model as the desktop's language says it: a sentence of the
// photo's figures by its pattern, with the figures as they are.
QString shown(std::string_view cp1252)
{
	return ui::translatedMatching(ui::kPhotoWindowContext, cp1252, kPhotoPatterns);
}

QString figureText(const ShotFigure &figure)
{
	return figure.sentence.pattern.empty() ? shown(figure.text)
					       : ui::translated(ui::kPhotoWindowContext, figure.sentence);
}

QPushButton *button(QWidget *window, const QString &text, const char *name, const QString &tip)
{
	auto *pushButton = new QPushButton(text, window);
	pushButton->setObjectName(QString::fromLatin1(name));
	pushButton->setAutoDefault(false);
	pushButton->setToolTip(tip);
	return pushButton;
}

// The file dialog's filter: the picture and raw formats the reader knows.
QString photoFilter()
{
	return QCoreApplication::translate("PhotoWindow", "Photos (%1);;All files (*)")
		.arg(QStringLiteral(
			"*.jpg *.jpeg *.jpe *.tif *.tiff *.dng *.cr2 *.cr3 *.crw *.nef *.nrw *.arw *.sr2 "
			"*.srf *.raf *.orf *.rw2 *.pef *.srw *.mrw *.heic *.heif *.avif *.png *.webp *.jp2"));
}

} // namespace

QStringList localFiles(const QList<QUrl> &urls)
{
	QStringList paths;
	for (const QUrl &url : urls) {
		if (url.isLocalFile())
			paths << url.toLocalFile();
	}
	return paths;
}

PhotoWindow::PhotoWindow(std::function<void()> help, std::function<void(PageIndex)> showPage, QWidget *parent)
	: ToolWindow(parent), help_(std::move(help)), showPage_(std::move(showPage)), hint_(new QLabel(this)),
	  list_(new QTableWidget(this)), thumbnail_(new QLabel(this)), distanceLabel_(new QLabel(this)),
	  distance_(new QLineEdit(this)), note_(new QLabel(this)),
	  use_(button(this, QCoreApplication::translate("PhotoWindow", "&Use on Pages"), "photoUse",
		      QCoreApplication::translate("PhotoWindow",
						  "Put the photo's focal length, aperture, focus distance "
						  "and camera on the pages"))),
	  copy_(button(this, QCoreApplication::translate("PhotoWindow", "&Copy"), "photoCopy",
		       QCoreApplication::translate("PhotoWindow", "Copy the list as text for a spreadsheet"))),
	  save_(button(
		  this, QCoreApplication::translate("PhotoWindow", "&Save as CSV..."), "photoSave",
		  QCoreApplication::translate("PhotoWindow", "Save the list, every figure with its source, as CSV")))
{
	setObjectName(QStringLiteral("photoWindow"));
	setWindowTitle(QCoreApplication::translate("PhotoWindow", "Photo"));
	setAcceptDrops(true);

	hint_->setObjectName(QStringLiteral("photoHint"));
	hint_->setWordWrap(true);
	hint_->setText(QCoreApplication::translate(
		"PhotoWindow", "Open photos, or drop them here: the depth of field of each shot from its own "
			       "metadata, with the circle of confusion the pages suggest for its camera."));

	const std::vector<std::string> headings = listHeadings();
	list_->setObjectName(QStringLiteral("photoList"));
	list_->setAccessibleName(
		QCoreApplication::translate("PhotoWindow", "Photos, one row each with the depth of field of its shot"));
	list_->setColumnCount(static_cast<int>(headings.size()));
	QStringList labels;
	for (const std::string &heading : headings)
		labels << shown(heading);
	list_->setHorizontalHeaderLabels(labels);
	list_->verticalHeader()->hide();
	list_->setSelectionBehavior(QAbstractItemView::SelectRows);
	list_->setSelectionMode(QAbstractItemView::SingleSelection);
	list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
	list_->setTabKeyNavigation(false); // Tab leaves the list; the arrows move in it
	list_->setWordWrap(false);
	list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
	connect(list_, &QTableWidget::currentCellChanged, this, [this] { showCurrent(); });

	thumbnail_->setObjectName(QStringLiteral("photoThumbnail"));
	thumbnail_->setFixedSize(kThumbnailSide, kThumbnailSide);
	thumbnail_->setAlignment(Qt::AlignCenter);
	thumbnail_->setFrameShape(QFrame::StyledPanel);

	// A row per figure: its name, its value, where it came from.
	auto *details = new QWidget;
	auto *grid = new QGridLayout;
	int row = 0;
	for (const ShotFigure &figure : shotFigures({}, LengthUnit::Millimetres, 0).figures) {
		auto *label = new QLabel(shown(figure.label) + QLatin1Char(':'), details);
		auto *value = new ui::ResultField(QString(), details);
		value->setObjectName(QStringLiteral("photo_") + QString::fromLatin1(figure.key));
		value->setAccessibleName(shown(figure.label));
		// Room for the longest figure, the frame's sides and diagonal.
		value->setMinimumWidth(value->fontMetrics().averageCharWidth() * 46);
		label->setBuddy(value);
		auto *source = new QLabel(details);
		source->setObjectName(QStringLiteral("photoSource_") + QString::fromLatin1(figure.key));
		source->setTextFormat(Qt::PlainText); // tags and names from the file, never markup
		source->setWordWrap(true);            // a long source wraps rather than leaving the window
		grid->addWidget(label, row, 0);
		grid->addWidget(value, row, 1);
		grid->addWidget(source, row, 2);
		values_.push_back(value);
		sources_.push_back(source);
		++row;
	}
	grid->setColumnStretch(2, 1);
	auto *detailsLayout = new QHBoxLayout(details);
	detailsLayout->addWidget(thumbnail_, 0, Qt::AlignTop);
	detailsLayout->addLayout(grid, 1);
	// Scrolled, never squeezed, on a small screen.
	detailsLayout->setSizeConstraint(QLayout::SetMinimumSize);
	auto *scroll = new QScrollArea(this);
	scroll->setObjectName(QStringLiteral("photoDetails"));
	scroll->setWidgetResizable(true);
	scroll->setFrameShape(QFrame::NoFrame);
	scroll->setWidget(details);
	// Never narrower than the figures: the window grows instead.
	scroll->setMinimumWidth(details->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());

	auto *splitter = new QSplitter(Qt::Vertical, this);
	splitter->addWidget(list_);
	splitter->addWidget(scroll);
	splitter->setChildrenCollapsible(false);
	splitter->setStretchFactor(1, 1);

	distance_->setObjectName(QStringLiteral("photoDistance"));
	distance_->setToolTip(QCoreApplication::translate(
		"PhotoWindow", "The focus distance of a photo that records none, in the unit of the "
			       "pages"));
	distanceLabel_->setBuddy(distance_);
	connect(distance_, &QLineEdit::textEdited, this, [this](const QString &text) {
		const int row = currentRow();
		if (row < 0)
			return;
		photos_.typeDistance(row, ui::toCp1252(text));
		showRow(row);
		showCurrent();
	});
	auto *distanceRow = new QHBoxLayout;
	distanceRow->addWidget(distanceLabel_);
	distanceRow->addWidget(distance_, 1);

	note_->setObjectName(QStringLiteral("photoNote"));
	note_->setTextFormat(Qt::PlainText);
	note_->setWordWrap(true);

	auto *open = button(this, QCoreApplication::translate("PhotoWindow", "&Open..."), "photoOpen",
			    QCoreApplication::translate("PhotoWindow", "Open photos to read"));
	auto *helpButton = button(this, QCoreApplication::translate("PhotoWindow", "&Help"), "photoHelp",
				  QCoreApplication::translate("PhotoWindow", "How photos are read"));
	auto *closeButton = button(this, QCoreApplication::translate("PhotoWindow", "Close"), "photoClose",
				   QCoreApplication::translate("PhotoWindow", "Close the window (Esc)"));
	connect(open, &QPushButton::clicked, this, &PhotoWindow::choosePhotos);
	connect(use_, &QPushButton::clicked, this, &PhotoWindow::useOnPages);
	connect(copy_, &QPushButton::clicked, this, &PhotoWindow::copy);
	connect(save_, &QPushButton::clicked, this, &PhotoWindow::saveAs);
	connect(helpButton, &QPushButton::clicked, this, [this] {
		if (help_)
			help_();
	});
	connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
	auto *buttons = new QHBoxLayout;
	for (QPushButton *b : { open, use_, copy_, save_ })
		buttons->addWidget(b);
	buttons->addStretch(1);
	buttons->addWidget(helpButton);
	buttons->addWidget(closeButton);

	auto *layout = new QVBoxLayout(this);
	layout->addWidget(hint_);
	layout->addWidget(splitter, 1);
	layout->addLayout(distanceRow);
	layout->addWidget(note_);
	layout->addLayout(buttons);

	refresh();
	// Four photos in view, with the headings and the scroll bar.
	const int listHeight = list_->horizontalHeader()->sizeHint().height() +
			       4 * list_->verticalHeader()->defaultSectionSize() +
			       list_->horizontalScrollBar()->sizeHint().height() + 2 * list_->frameWidth();
	splitter->setSizes({ listHeight, details->sizeHint().height() });
	place(QSize(std::max(sizeHint().width(), fontMetrics().averageCharWidth() * 180),
		    sizeHint().height() + details->sizeHint().height() - scroll->sizeHint().height() + listHeight -
			    list_->sizeHint().height()),
	      remembered().photoPlace);
	list_->setFocus();
}

PhotoWindow::Shown PhotoWindow::currentShown()
{
	return { currentSettings().LengthUnit, currentSettings().RoundOtherMethod };
}

bool PhotoWindow::showsCurrentSettings() const
{
	return shown_ == currentShown();
}

void PhotoWindow::refresh()
{
	shown_ = currentShown();
	distanceLabel_->setText(QCoreApplication::translate("PhotoWindow", "Focus &distance (%1):")
					.arg(qText(unitAbbreviation(shown_.unit))));
	for (int row = 0; row < photos_.size(); ++row)
		showRow(row);
	showCurrent();
}

int PhotoWindow::currentRow() const
{
	return list_->currentRow();
}

void PhotoWindow::setCurrentRow(int row)
{
	list_->setCurrentCell(row, 0);
}

void PhotoWindow::choosePhotos()
{
	if (folder_.isEmpty())
		folder_ = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
	auto *dialog =
		new QFileDialog(this, QCoreApplication::translate("PhotoWindow", "Open Photo"), folder_, photoFilter());
	dialog->setObjectName(QStringLiteral("photoOpenDialog"));
	dialog->setFileMode(QFileDialog::ExistingFiles);
	dialog->setAttribute(Qt::WA_DeleteOnClose);
	connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList &paths) {
		if (!paths.isEmpty())
			folder_ = QFileInfo(paths.front()).absolutePath();
		openPhotos(paths);
	});
	dialog->open();
}

void PhotoWindow::openPhotos(const QStringList &paths)
{
	const int side = qRound(kThumbnailSide * devicePixelRatioF());
	int first = -1;
	for (const QString &path : paths) {
		const int row = photos_.add(ui::toCp1252(QFileInfo(path).fileName()));
		thumbnails_.emplace_back();
		list_->setRowCount(photos_.size());
		showRow(row);
		if (first < 0)
			first = row;
		// Read on a worker of Qt's pool, which the application waits for
		// at its end; the answer comes back through the event loop, to
		// this window while it lives.
		auto *watcher = new QFutureWatcher<LoadedPhoto>(this);
		connect(watcher, &QFutureWatcher<LoadedPhoto>::finished, this, [this, watcher, row] {
			LoadedPhoto loaded = watcher->result();
			watcher->deleteLater();
			arrive(row, std::move(loaded.reading), std::move(loaded.thumbnail));
		});
		watcher->setFuture(QtConcurrent::run(loadPhoto, path, side));
	}
	if (first >= 0)
		setCurrentRow(first);
	showCurrent();
}

void PhotoWindow::arrive(int row, PhotoReading reading, QImage thumbnail)
{
	photos_.arrive(row, std::move(reading));
	thumbnails_.at(static_cast<std::size_t>(row)) = std::move(thumbnail);
	showRow(row);
	if (row == currentRow())
		showCurrent();
	emit photoRead(row);
}

void PhotoWindow::showRow(int row)
{
	const std::vector<std::string> cells = listRow(photos_, row, shown_.unit, shown_.roundOther);
	for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
		QTableWidgetItem *item = list_->item(row, column);
		if (!item) {
			item = new QTableWidgetItem;
			list_->setItem(row, column, item);
		}
		// The file's name as it is; the figures and notes translated.
		const std::string &cell = cells[static_cast<std::size_t>(column)];
		item->setText(column == 0 ? qText(cell) : shown(cell));
	}
}

void PhotoWindow::showCurrent()
{
	const int row = currentRow();
	const std::optional<PhotoReading> shot =
		row >= 0 ? photos_.shot(row, shown_.unit) : std::optional<PhotoReading>();
	const bool read = shot && shot->error.empty();
	const ShotFigures figures = shotFigures(read ? *shot : PhotoReading{}, shown_.unit, shown_.roundOther);
	for (std::size_t i = 0; i < values_.size(); ++i) {
		const ShotFigure &figure = figures.figures[i];
		values_[i]->setText(read ? figureText(figure) : QString());
		const QString source = read ? shown(figure.why.empty() ? figure.source : figure.why) : QString();
		sources_[i]->setText(breakableAtDots(source));
		values_[i]->setAccessibleDescription(source);
	}
	const QImage *thumbnail = row >= 0 ? &thumbnails_.at(static_cast<std::size_t>(row)) : nullptr;
	if (thumbnail && !thumbnail->isNull()) {
		QPixmap pixmap = QPixmap::fromImage(*thumbnail);
		pixmap.setDevicePixelRatio(devicePixelRatioF());
		thumbnail_->setPixmap(pixmap);
	} else {
		thumbnail_->setText(shot       ? QCoreApplication::translate("PhotoWindow", "no picture")
				    : row >= 0 ? shown(kReadingPhoto)
					       : QString());
	}
	const QString name = row >= 0 ? qText(photos_.photo(row).name) : QString();
	thumbnail_->setAccessibleName(row >= 0 ? QCoreApplication::translate("PhotoWindow", "Thumbnail of %1").arg(name)
					       : QString());

	// A distance can be typed only for a photo that records none.
	const bool typeable = read && photos_.photo(row).reading->focusDistance.known() == false;
	distance_->setEnabled(typeable);
	const QString typed = typeable ? qText(photos_.photo(row).typedDistance) : QString();
	if (distance_->text() != typed)
		distance_->setText(typed);
	distance_->setPlaceholderText(typeable ? QCoreApplication::translate("PhotoWindow", "not recorded: type it")
					       : QString());

	QStringList notes;
	if (shot && !shot->error.empty())
		notes << QCoreApplication::translate("PhotoWindow", "%1: %2.").arg(name, shown(shot->error));
	else if (read && !shot->damage.empty())
		notes << shown(shot->damage) + QLatin1Char('.');
	if (read)
		notes << shown(kFocusDistanceIsApproximate);
	if (!kept_.isEmpty())
		notes << kept_;
	note_->setText(notes.join(QLatin1Char(' ')));
	use_->setEnabled(read);
	copy_->setEnabled(photos_.size() > 0);
	save_->setEnabled(photos_.size() > 0);
}

void PhotoWindow::useOnPages()
{
	const int row = currentRow();
	const std::optional<PhotoReading> shot = row >= 0 ? photos_.shot(row, shown_.unit) : std::nullopt;
	if (!shot || !shot->error.empty())
		return;
	// The photo was read with the database, so it is there by now.
	QStringList kept;
	for (Sentence sentence : usePhotoOnPages(*shot, installedCameraDatabase())) {
		// Its words translated too: "ihre Brennweite", "leur focale".
		for (std::string &word : sentence.figures)
			word = ui::toCp1252(ui::translated(kKeptContext, word));
		kept << ui::translated(kKeptContext, sentence);
	}
	kept_ = kept.join(QLatin1Char(' '));
	showCurrent();
	if (showPage_)
		showPage_(PageIndex::DepthOfField);
}

void PhotoWindow::copy() const
{
	QGuiApplication::clipboard()->setText(
		QString::fromStdString(tabSeparatedText(photos_, shown_.unit, shown_.roundOther)));
}

QString PhotoWindow::saveCsv(const QString &path) const
{
	const QString reason =
		ui::saveWholeFile(path, QByteArray::fromStdString(csvText(photos_, shown_.unit, shown_.roundOther)));
	if (reason.isEmpty())
		return {};
	return QCoreApplication::translate("PhotoWindow", "The list of photos could not be saved as “%1”: %2.")
		.arg(QDir::toNativeSeparators(path), reason);
}

void PhotoWindow::saveAs()
{
	if (folder_.isEmpty())
		folder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
	QString path =
		QFileDialog::getSaveFileName(this, QCoreApplication::translate("PhotoWindow", "Save the Photos as CSV"),
					     QDir(folder_).filePath(QStringLiteral("photos.csv")),
					     QCoreApplication::translate("PhotoWindow", "CSV table (*.csv)"));
	if (path.isEmpty())
		return;
	if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
		path += QStringLiteral(".csv");
	if (const QString problem = saveCsv(path); !problem.isEmpty())
		QMessageBox::warning(this, QCoreApplication::translate("PhotoWindow", "Mirel"), problem);
}

void PhotoWindow::dragEnterEvent(QDragEnterEvent *event)
{
	if (!localFiles(event->mimeData()->urls()).isEmpty())
		event->acceptProposedAction();
}

void PhotoWindow::dropEvent(QDropEvent *event)
{
	openPhotos(localFiles(event->mimeData()->urls()));
	event->acceptProposedAction();
}

} // namespace mirel
