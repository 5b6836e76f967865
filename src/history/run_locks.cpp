#include "history/run_locks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_access.h"

namespace pelorin::history {

namespace {

// A lock on length bytes from start (0: to the end of any file).
struct flock lockOf(short type, std::int64_t start, std::int64_t length) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = static_cast<off_t>(start);
  lock.l_len = static_cast<off_t>(length);
  lock.l_pid = 0;  // required by open-file-description locks
  return lock;
}

}  // namespace

RunLocks::RunLocks(const QString& path) {
  // Non-blocking: opening a FIFO put in its place must not wait.
  fd_ = ::open(EncodeFileName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (fd_ < 0) {
    error_ = std::error_code(errno, std::generic_category());
    return;
  }
  struct stat status {};
  if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
    error_ = std::make_error_code(std::errc::invalid_argument);
    ::close(fd_);
    fd_ = -1;
  }
}

RunLocks::~RunLocks() {
  if (fd_ >= 0) ::close(fd_);
}

bool RunLocks::hold(std::int64_t run) {
  if (fd_ < 0 || run < 0) return false;
  struct flock lock = lockOf(F_WRLCK, run, 1);
  return ::fcntl(fd_, F_OFD_SETLK, &lock) == 0;
}

void RunLocks::release(std::int64_t run) {
  if (fd_ < 0 || run < 0) return;
  struct flock lock = lockOf(F_UNLCK, run, 1);
  ::fcntl(fd_, F_OFD_SETLK, &lock);
}

void RunLocks::releaseAll() {
  if (fd_ < 0) return;
  struct flock lock = lockOf(F_UNLCK, 0, 0);
  ::fcntl(fd_, F_OFD_SETLK, &lock);
}

bool RunLocks::heldElsewhere(std::int64_t run) const {
  if (fd_ < 0 || run < 0) return false;
  // The file's own locks never conflict with themselves: only another's show.
  struct flock lock = lockOf(F_WRLCK, run, 1);
  return ::fcntl(fd_, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

}  // namespace pelorin::history
