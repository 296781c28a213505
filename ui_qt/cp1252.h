#pragma once

#include <string>
#include <string_view>

#include <QString>
#include <QStringView>

namespace mirel::ui {

// Windows-1252 <-> Unicode, for texts crossing into Qt widgets.
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 controls of the same value, so every byte string
// round-trips. Characters without a Windows-1252 byte become '?'.

QString fromCp1252(std::string_view text);
std::string toCp1252(QStringView text);

} // namespace mirel::ui
