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

// pattern with each %n replaced by figures[n - 1], as shown by asQString.
template <typename AsQString>
QString filled(const QString &pattern, const std::vector<std::string> &figures, AsQString asQString)
{
	QString text;
	for (qsizetype i = 0; i < pattern.size(); ++i) {
		const qsizetype index = i + 1 < pattern.size() ? pattern[i + 1].digitValue() - 1 : -1;
		if (pattern[i] == u'%' && index >= 0 && index < static_cast<qsizetype>(figures.size())) {
			text += asQString(figures[static_cast<std::size_t>(index)]);
			++i;
		} else {
			text += pattern[i];
		}
	}
	return text;
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
	return filled(translated(context, sentence.pattern), sentence.figures, fromCp1252);
}

QString translatedUtf8(const char *context, const Sentence &sentence)
{
	const auto utf8 = [](std::string_view text) {
		return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
	};
	if (!loaded || sentence.pattern.empty())
		return utf8(sentence.text());
	const std::string pattern(sentence.pattern);
	return filled(QCoreApplication::translate(context, pattern.c_str()), sentence.figures, utf8);
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
