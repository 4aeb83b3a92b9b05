#include "platform/qt/text/qt_text.h"

#include <QFile>

#include "platform/core/text_encoding.h"

namespace platform::qt {

QString qs(std::string_view cp1252) { return QString::fromStdString(cp1252ToUtf8(cp1252)); }

std::string cp(const QString& text) { return utf8ToCp1252(text.toStdString()); }

QString qPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

std::filesystem::path diskPath(const QString& name) { return std::filesystem::path(QFile::encodeName(name).toStdString()); }

}  // namespace platform::qt
