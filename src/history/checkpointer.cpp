#include "history/checkpointer.h"

#include <sqlite3.h>

#include "platform/file_access.h"

namespace pelorin::history {

namespace {
// How many times framesPerCheckpoint the log may grow to before the
// recording connection checkpoints it itself.
constexpr int kBehind = 2;
}  // namespace

Checkpointer::Checkpointer(sqlite3* recording, const QString& path, int framesPerCheckpoint)
    : recording_(recording), path_(path), framesPerCheckpoint_(framesPerCheckpoint) {
  sqlite3_wal_hook(recording, &Checkpointer::onCommit, this);
}

Checkpointer::~Checkpointer() {
  sqlite3_wal_hook(recording_, nullptr, nullptr);
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
}

int Checkpointer::onCommit(void* self, sqlite3* db, const char* name, int frames) {
  auto* checkpointer = static_cast<Checkpointer*>(self);
  if (frames >= kBehind * checkpointer->framesPerCheckpoint_) {
    // The log begins again only when a writer finds it copied to its end, so
    // while commits keep coming (a burst of records) the thread's passive
    // checkpoints never end it. This far behind, the recording connection
    // copies it itself between two of its commits; its next one begins the
    // log again.
    sqlite3_wal_checkpoint_v2(db, name, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
  } else if (frames >= checkpointer->framesPerCheckpoint_) {
    {
      const std::lock_guard lock(checkpointer->mutex_);
      checkpointer->wanted_ = true;
      // Started at the first checkpoint, not with the store: most runs
      // never write that much, and the program starts without it.
      if (!checkpointer->thread_.joinable())
        checkpointer->thread_ = std::thread([checkpointer] { checkpointer->run(); });
    }
    checkpointer->wake_.notify_one();
  }
  return SQLITE_OK;
}

void Checkpointer::run() {
  sqlite3* db = nullptr;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return wanted_ || stopping_; });
      if (stopping_) break;
      wanted_ = false;
    }
    if (!db && sqlite3_open_v2(EncodeFileName(path_).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
      sqlite3_busy_timeout(db, 1000);
    }
    if (db) sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
  }
  sqlite3_close_v2(db);
}

}  // namespace pelorin::history
