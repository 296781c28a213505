#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "ui_qt/translation.h"

namespace mirel::testing {

// English and every language Mirel ships (translations/CMakeLists.txt),
// for the checks that must hold in each: "en", "de", ...
inline QStringList everyLanguage()
{
	return QStringLiteral("en " MIREL_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
}

// The window in language while it lives; English loads nothing.
inline std::unique_ptr<ui::Translations> speak(const QString &language)
{
	return ui::Translations::load({ language });
}

} // namespace mirel::testing
