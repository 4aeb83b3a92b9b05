#pragma once
// Qt's strings and the programs' two kinds of text: the 8-bit Windows-1252 text
// that files store and widgets show (qs, cp), and the disk's names, carried as
// std::filesystem::path so that they are never taken for stored text (qPath,
// diskPath).
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform::qt {

QString qs(std::string_view cp1252);
// Characters Windows-1252 cannot hold become "?".
std::string cp(const QString& text);

// A disk name for a widget or a file dialog, and a name a file dialog gave back
// as the disk has it: a UTF-8 name, in any letters, passes whole either way; the
// bytes of a name that is no UTF-8 (one unpacked as Windows-1252) do not, since
// Qt reads names as UTF-8.
QString qPath(const std::filesystem::path& path);
std::filesystem::path diskPath(const QString& name);

}  // namespace platform::qt
