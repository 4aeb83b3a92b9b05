#pragma once
// The programs' 8-bit text (Windows-1252) and Qt's strings: every widget text
// passes through these two.
#include <QString>
#include <string>
#include <string_view>

namespace platform::qt {

QString qs(std::string_view cp1252);
// Characters Windows-1252 cannot hold become "?".
std::string cp(const QString& text);

}  // namespace platform::qt
