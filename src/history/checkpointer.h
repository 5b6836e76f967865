#pragma once

#include <QString>
#include <condition_variable>
#include <mutex>
#include <thread>

struct sqlite3;

namespace pelorin::history {

// Copies the write-ahead log into the database file on a thread of its own,
// with a connection of its own, so that the syncs of a checkpoint never hold
// up the thread that records. Attached to the recording connection in place
// of SQLite's automatic checkpoint; a failed checkpoint is left to the next.
// Should the log reach twice framesPerCheckpoint all the same (commits
// coming faster than the thread's checkpoints can end the log), the
// recording connection checkpoints it after its commit, so the log stays
// bounded.
class Checkpointer {
 public:
  // Checkpoints path's log once it holds framesPerCheckpoint frames.
  Checkpointer(sqlite3* recording, const QString& path, int framesPerCheckpoint);
  // Finishes a checkpoint under way, then stops.
  ~Checkpointer();
  Checkpointer(const Checkpointer&) = delete;
  Checkpointer& operator=(const Checkpointer&) = delete;

 private:
  static int onCommit(void* self, sqlite3* db, const char* name, int frames);
  void run();

  sqlite3* recording_;
  QString path_;
  int framesPerCheckpoint_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool wanted_ = false;
  bool stopping_ = false;
  std::thread thread_;  // from the first checkpoint on
};

}  // namespace pelorin::history
