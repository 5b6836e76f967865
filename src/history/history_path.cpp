#include "history/history_path.h"

#include <QDir>

namespace pelorin::history {

QString HistoryFilePath(const QString& xdgDataHome, const QString& homeDir) {
  const QString dataHome =
      QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : QDir(homeDir).filePath(QStringLiteral(".local/share"));
  return QDir::cleanPath(QDir(dataHome).filePath(QStringLiteral("pelorin/history.sqlite")));
}

QString DefaultHistoryFilePath() { return HistoryFilePath(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()); }

}  // namespace pelorin::history
