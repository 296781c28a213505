#pragma once

#include <string>
#include <string_view>

#include <QString>
#include <QStringView>

namespace mirel::ui {

// Windows-1252 <-> Unicode (core/cp1252.h), for texts crossing into Qt
// widgets. Characters without a Windows-1252 byte become '?'.

QString fromCp1252(std::string_view text);
std::string toCp1252(QStringView text);

} // namespace mirel::ui
