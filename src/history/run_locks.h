#pragma once

#include <QString>
#include <cstdint>
#include <system_error>

namespace pelorin::history {

// Which runs of a history a living program is recording, known by locks the
// kernel keeps, not by guesswork: one lock file beside the history, and on
// it a write lock on the byte at offset run id for each run a program holds.
// They are Linux open-file-description locks: those of one RunLocks conflict
// with those of every other, in this process or another, and go when the
// file is closed or the program dies, however it dies.
//
// Construction and destruction on one thread; hold, release and
// heldElsewhere may be called from any thread meanwhile.
class RunLocks {
 public:
  // Opens the lock file at path, making it 0600 when missing; error() says
  // why when it cannot (a symbolic link or anything but a regular file is
  // refused).
  explicit RunLocks(const QString& path);
  // Closes the file: its locks go.
  ~RunLocks();
  RunLocks(const RunLocks&) = delete;
  RunLocks& operator=(const RunLocks&) = delete;

  std::error_code error() const { return error_; }

  // Takes run's lock at once; false when another RunLocks holds it (or the
  // file is not open). Holding it again is no change.
  bool hold(std::int64_t run);
  void release(std::int64_t run);
  void releaseAll();
  // Another RunLocks (another program, or another store of this one) holds
  // run's lock: that run is still being recorded. False without the file.
  bool heldElsewhere(std::int64_t run) const;

 private:
  int fd_ = -1;
  std::error_code error_;
};

}  // namespace pelorin::history
