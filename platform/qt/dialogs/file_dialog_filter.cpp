#include "platform/qt/dialogs/file_dialog_filter.h"

#include <QStringList>

#include "platform/qt/text/qt_text.h"

namespace platform::qt {

QString FileDialogFilter(const std::string& filter) {
  const QStringList parts = qs(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString name = parts[i];
    // A description that names its patterns already keeps only its words.
    if (name.contains('(')) name = name.left(name.indexOf('(')).trimmed();
    filters << name + " (" + QString(parts[i + 1]).replace(';', ' ').simplified() + ")";
  }
  return filters.join(";;");
}

}  // namespace platform::qt
