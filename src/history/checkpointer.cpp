#include "history/checkpointer.h"

#include <sqlite3.h>

namespace pelorin::history {

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

int Checkpointer::onCommit(void* self, sqlite3*, const char*, int frames) {
  auto* checkpointer = static_cast<Checkpointer*>(self);
  if (frames >= checkpointer->framesPerCheckpoint_) {
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
    if (!db && sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
      sqlite3_busy_timeout(db, 1000);
    }
    if (db) sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
  }
  sqlite3_close_v2(db);
}

}  // namespace pelorin::history
