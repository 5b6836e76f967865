#include "platform/file_access.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <ios>
#include <string>
#include <system_error>

#include "platform/failure.h"

namespace pelorin {

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// libstdc++'s file buffer throws from underflow when read() fails, whatever
// the stream's exception mask, carrying errno as the error code.
template <typename Read>
auto guardedRead(Read read) {
  try {
    return read();
  } catch (const std::ios_base::failure& error) {
    const std::error_code code = error.code();
    const bool fromSystem = code.category() == std::generic_category() || code.category() == std::system_category();
    throw Failure(FailureKind::FileSystem, {}, systemReason(fromSystem && code.value() != 0 ? code.value() : EIO));
  }
}

}  // namespace

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  const QByteArray native = QFile::encodeName(path);
  struct stat status {};
  if (::stat(native.constData(), &status) != 0) return false;  // follows links
  return S_ISREG(status.st_mode);
}

void RequireRegularFile(const QString& path) {
  if (FileExists(path)) return;
  struct stat status {};
  QString reason = QCoreApplication::translate("pelorin::FileAccess", "Not a regular file");
  if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
    reason = systemReason(path.isEmpty() ? ENOENT : errno);
  else if (S_ISDIR(status.st_mode)) reason = systemReason(EISDIR);
  throw Failure(FailureKind::FileSystem, path, reason);
}

std::ifstream OpenForReading(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  errno = 0;
  std::ifstream in(native.constData(), std::ios::in | std::ios::binary);
  if (!in.is_open()) {
    const int error = errno != 0 ? errno : EIO;
    throw Failure(FailureKind::FileSystem, path, systemReason(error));
  }
  return in;
}

bool TextStreamReader::AtEndOfStream() {
  std::streambuf* buffer = in_.rdbuf();
  return buffer == nullptr || guardedRead([buffer] { return buffer->sgetc(); }) == std::char_traits<char>::eof();
}

QString TextStreamReader::ReadLine() {
  using Traits = std::char_traits<char>;
  std::streambuf* buffer = in_.rdbuf();
  if (AtEndOfStream()) throw Failure(FailureKind::InputPastEndOfFile);
  std::string bytes;
  for (;;) {
    const Traits::int_type c = guardedRead([buffer] { return buffer->sbumpc(); });
    if (c == Traits::eof() || c == '\n') break;
    // One byte of slack for the CR of a CR LF line end.
    if (bytes.size() > static_cast<std::size_t>(kMaxLineBytes)) throw Failure(FailureKind::TypeMismatch);
    bytes.push_back(Traits::to_char_type(c));
  }
  if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
  if (bytes.size() > static_cast<std::size_t>(kMaxLineBytes)) throw Failure(FailureKind::TypeMismatch);
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void WriteFileAtomically(const QString& path, const QByteArray& content) {
  QSaveFile file(path);
  // Writes in place only when the folder refuses the temporary file.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) throw Failure(FailureKind::FileSystem, path, file.errorString());
  // Qt 6.4's commit() can report success after a short write, so every step
  // is checked here and the temporary file dropped on any shortfall.
  const qint64 written = file.write(content);
  if (written != content.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw Failure(FailureKind::FileSystem, path, reason);
  }
  if (!file.commit()) throw Failure(FailureKind::FileSystem, path, file.errorString());
}

}  // namespace pelorin
