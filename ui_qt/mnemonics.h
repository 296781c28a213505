#pragma once

#include <QString>

namespace mirel::ui {

// '&' before a character marks it as the keyboard mnemonic, "&&" is a
// literal '&': the same convention in templates and in Qt's buttons and
// labels with a buddy.

// The text as shown: "&Focal length" gives "Focal length", "A && B" "A & B".
QString withoutMnemonics(const QString &text);

// A text shown as it is, every '&' escaped.
QString escapeMnemonics(const QString &text);

} // namespace mirel::ui
