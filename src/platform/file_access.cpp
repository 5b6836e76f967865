#include "platform/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QStringView>
#include <algorithm>
#include <cerrno>
#include <climits>
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

// Writes all of content to fd; 0, or the errno of the write that failed.
int writeAll(int fd, const QByteArray& content) {
  const char* data = content.constData();
  std::size_t left = static_cast<std::size_t>(content.size());
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return 0;
}

// The name a chain of symbolic links from path ends in, which need not
// exist; path itself when it is no link. Sets error to ELOOP for a chain too
// long, or to readlink's errno.
QByteArray linkEnd(QByteArray path, int& error) {
  for (int links = 0; links < 40; ++links) {
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    QByteArray target(std::max<qsizetype>(status.st_size, PATH_MAX) + 1, Qt::Uninitialized);
    const ssize_t size = ::readlink(path.constData(), target.data(), static_cast<std::size_t>(target.size()));
    if (size < 0) {
      error = errno;
      return path;
    }
    target.truncate(size);
    if (!target.startsWith('/')) {
      const qsizetype slash = path.lastIndexOf('/');
      if (slash >= 0) target.prepend(path.left(slash + 1));
    }
    path = target;
  }
  error = ELOOP;
  return path;
}

mode_t currentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

QString DecodeFileName(const QByteArray& bytes) {
  QString name;
  name.reserve(bytes.size());
  const qsizetype size = bytes.size();
  for (qsizetype i = 0; i < size;) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;  // of the sequence lead begins; 0 when it begins none
    if (lead < 0x80) length = 1;
    else if (lead >= 0xc2 && lead <= 0xdf) length = 2;
    else if (lead >= 0xe0 && lead <= 0xef) length = 3;
    else if (lead >= 0xf0 && lead <= 0xf4) length = 4;
    char32_t code = length <= 1 ? lead : lead & (0x7fu >> length);
    bool valid = length > 0 && i + length <= size;
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      valid = (next & 0xc0u) == 0x80u;
      code = code << 6 | (next & 0x3fu);
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    valid = valid && !(length == 3 && code < 0x800) && !(length == 4 && (code < 0x10000 || code > 0x10ffff)) &&
            !(code >= 0xd800 && code <= 0xdfff);
    if (!valid) {
      name += QChar(static_cast<char16_t>(0xdc00 + lead));
      ++i;
      continue;
    }
    if (QChar::requiresSurrogates(code)) {
      name += QChar(QChar::highSurrogate(code));
      name += QChar(QChar::lowSurrogate(code));
    } else {
      name += QChar(static_cast<char16_t>(code));
    }
    i += length;
  }
  return name;
}

QByteArray EncodeFileName(const QString& name) {
  QByteArray bytes;
  bytes.reserve(name.size());
  qsizetype plainFrom = 0;  // the run of text without kept bytes, encoded as UTF-8
  const auto flush = [&](qsizetype to) {
    bytes += QStringView(name).mid(plainFrom, to - plainFrom).toUtf8();
    plainFrom = to;
  };
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char16_t unit = name[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
      ++i;  // a pair: one character
    } else if (unit >= 0xdc80 && unit <= 0xdcff) {
      flush(i);
      bytes += static_cast<char>(unit - 0xdc00);
      plainFrom = i + 1;
    }
  }
  flush(name.size());
  return bytes;
}

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  const QByteArray native = EncodeFileName(path);
  struct stat status {};
  if (::stat(native.constData(), &status) != 0) return false;  // follows links
  return S_ISREG(status.st_mode);
}

void RequireRegularFile(const QString& path) {
  if (FileExists(path)) return;
  struct stat status {};
  QString reason = QCoreApplication::translate("pelorin::FileAccess", "Not a regular file");
  if (path.isEmpty() || ::stat(EncodeFileName(path).constData(), &status) != 0)
    reason = systemReason(path.isEmpty() ? ENOENT : errno);
  else if (S_ISDIR(status.st_mode)) reason = systemReason(EISDIR);
  throw Failure(FailureKind::FileSystem, path, reason);
}

std::ifstream OpenForReading(const QString& path) {
  const QByteArray native = EncodeFileName(path);
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
  const QByteArray native = EncodeFileName(path);
  const auto fail = [&path](int error) { throw Failure(FailureKind::FileSystem, path, systemReason(error)); };
  struct stat status {};
  if (::stat(native.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
    if (S_ISDIR(status.st_mode)) fail(EISDIR);
    const int fd = ::open(native.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) fail(errno);
    int error = writeAll(fd, content);
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error != 0) fail(error);
    return;
  }

  int error = 0;
  const QByteArray target = linkEnd(native, error);
  if (error != 0) fail(error);
  const bool exists = ::stat(target.constData(), &status) == 0;
  QByteArray temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    if (error != EACCES || !exists) fail(error);
    // The folder refuses the temporary file: the file itself, in place.
    const int direct = ::open(target.constData(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (direct < 0) fail(errno);
    error = writeAll(direct, content);
    if (::close(direct) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error != 0) fail(error);
    return;
  }
  // The old file's permissions, or a new file's (mkostemp makes it 0600).
  ::fchmod(fd, exists ? status.st_mode & 07777 : 0666 & ~currentUmask());
  error = writeAll(fd, content);
  if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.constData());
    fail(error);
  }
}

}  // namespace pelorin
