#include "ui_qt/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include "core/cp1252.h"
#include "ui_qt/cp1252.h"

namespace mirel::ui {

namespace {

// Set while a translation is loaded: English never looks a text up, so its
// texts are the models' byte for byte.
bool loaded = false;

// Where the .qm files are: installed beside the program's share folder, or
// in the build tree, one folder above the program.
QString translationFile(const QString &language)
{
	const QString name = QStringLiteral("mirel_%1.qm").arg(language);
	const QDir programs(QCoreApplication::applicationDirPath());
	for (const char *folder : { "../share/mirel/translations", "../translations" }) {
		const QString path = programs.filePath(QLatin1String(folder) + u'/' + name);
		if (QFileInfo::exists(path))
			return path;
	}
	return {};
}

// A UTF-8 pattern translated in context, filled with UTF-8 figures.
QString filledTranslation(const char *context, const std::string &pattern, const std::vector<std::string> &figures)
{
	const QByteArray translation = QCoreApplication::translate(context, pattern.c_str()).toUtf8();
	return QString::fromStdString(fillPattern(
		std::string_view(translation.constData(), static_cast<std::size_t>(translation.size())), figures));
}

} // namespace

QString translated(const char *context, std::string_view text)
{
	if (!loaded || text.empty())
		return fromCp1252(text);
	const std::string source = utf8FromCp1252(text);
	return QCoreApplication::translate(context, source.c_str());
}

QString translated(const char *context, const Sentence &sentence)
{
	if (!loaded || sentence.pattern.empty())
		return fromCp1252(sentence.text());
	std::vector<std::string> figures;
	for (const std::string &figure : sentence.figures)
		figures.push_back(utf8FromCp1252(figure));
	return filledTranslation(context, utf8FromCp1252(sentence.pattern), figures);
}

QString translatedUtf8(const char *context, const Sentence &sentence)
{
	if (!loaded || sentence.pattern.empty())
		return QString::fromStdString(sentence.text());
	return filledTranslation(context, std::string(sentence.pattern), sentence.figures);
}

QString translatedMatching(const char *context, std::string_view text, std::span<const std::string_view> patterns)
{
	if (!loaded)
		return fromCp1252(text);
	if (const std::optional<Sentence> sentence = sentenceOf(text, patterns))
		return translated(context, *sentence);
	return translated(context, text);
}

std::unique_ptr<Translations> Translations::load(const QStringList &languages)
{
	for (const QString &wanted : languages) {
		const QString language = wanted.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
		if (language == u"en")
			return nullptr;
		const QString file = translationFile(language);
		if (file.isEmpty())
			continue;
		std::unique_ptr<Translations> translations(new Translations(language));
		if (!translations->mirel_.load(file))
			continue;
		QCoreApplication::installTranslator(&translations->mirel_);
		if (translations->qt_.load(QStringLiteral("qtbase_") + language,
					   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
			QCoreApplication::installTranslator(&translations->qt_);
		loaded = true;
		return translations;
	}
	return nullptr;
}

Translations::~Translations()
{
	QCoreApplication::removeTranslator(&qt_);
	QCoreApplication::removeTranslator(&mirel_);
	loaded = false;
}

} // namespace mirel::ui
