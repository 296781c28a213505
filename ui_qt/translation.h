#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include <QString>
#include <QStringList>
#include <QTranslator>

#include "core/sentence.h"

namespace mirel::ui {

// A model's Windows-1252 text as the desktop's language says it, looked up
// in context (ui/text_contexts.h); the English text itself when no
// translation is loaded or it has none for the text.
QString translated(const char *context, std::string_view text);
inline QString translated(const std::string &context, std::string_view text)
{
	return translated(context.c_str(), text);
}

// A sentence with figures: its pattern translated, the same figures filled
// in.
QString translated(const char *context, const Sentence &sentence);
// The same for a sentence whose pattern and figures are UTF-8.
QString translatedUtf8(const char *context, const Sentence &sentence);
// A model's text the model filled from one of patterns: translated as that
// sentence when it is one of them, else as a text of its own. Under English
// it is the text as it is, matched against nothing.
QString translatedMatching(const char *context, std::string_view text, std::span<const std::string_view> patterns);

// The translation of Mirel into one language, with Qt's own texts for it
// (button boxes, the print and file dialogs), loaded while it lives.
class Translations
{
public:
	// For the first of the desktop's languages (QLocale::uiLanguages, most
	// wanted first) that Mirel is translated into; none when English comes
	// before any of them, or none is: English loads nothing.
	static std::unique_ptr<Translations> load(const QStringList &languages);
	~Translations();
	Translations(const Translations &) = delete;
	Translations &operator=(const Translations &) = delete;

	// The language's code: "de".
	const QString &language() const { return language_; }

private:
	explicit Translations(QString language) : language_(std::move(language)) {}

	QString language_;
	QTranslator mirel_;
	QTranslator qt_;
};

} // namespace mirel::ui
