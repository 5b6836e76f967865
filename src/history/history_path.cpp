#include "history/history_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "platform/file_access.h"

namespace pelorin::history {

QString HistoryFilePath(const QString& xdgDataHome, const QString& homeDir) {
  const QString dataHome =
      QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : QDir(homeDir).filePath(QStringLiteral(".local/share"));
  return QDir::cleanPath(QDir(dataHome).filePath(QStringLiteral("pelorin/history.sqlite")));
}

QString DefaultHistoryFilePath() {
  // The variables' bytes, as every file name's: a folder named in Latin-1 is
  // that folder, not one with U+FFFD in its name.
  const QByteArray home = qgetenv("HOME");
  return HistoryFilePath(DecodeFileName(qgetenv("XDG_DATA_HOME")),
                         home.isEmpty() ? QDir::homePath() : DecodeFileName(home));
}

std::error_code MakeHistoryFolder(const QString& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  std::vector<fs::path> missing;
  for (fs::path path = fs::absolute(fs::path(EncodeFileName(folder).toStdString()), error);
       !error && !fs::exists(path, error); path = path.parent_path()) {
    missing.push_back(path);
    if (path == path.parent_path()) break;
  }
  for (auto path = missing.rbegin(); !error && path != missing.rend(); ++path) {
    // The umask may take more than the group's and others' bits; 0700 is meant.
    if (fs::create_directory(*path, error)) fs::permissions(*path, fs::perms::owner_all, error);
  }
  return error;
}

std::error_code MakeHistoryFile(const QString& path) {
  const int fd = ::open(EncodeFileName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd == -1) return errno == EEXIST ? std::error_code() : std::error_code(errno, std::generic_category());
  const int rc = ::fchmod(fd, 0600);
  const std::error_code error = rc == 0 ? std::error_code() : std::error_code(errno, std::generic_category());
  ::close(fd);
  return error;
}

}  // namespace pelorin::history
