#pragma once

#include <QDateTime>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "app_state/mod_object.h"
#include "history/history_store.h"

class QObject;

namespace pelorin::history {

// Writes an open store's records on a thread of its own, so that the thread
// that records (the interface) never waits on the disk or on another
// program's write lock: each record call copies what it records, with the
// time it is called, into a queue and returns. The thread writes each in one
// transaction of its own, in the order called. A write that finds the file
// held by another program's write lock is tried again, the queue growing in
// memory meanwhile, for HistoryOptions::busyRetryMs; only then is it the
// store's usual failure.
//
// Made, used and destroyed on one thread, the owner's. A problem the writing
// meets is handed to the problem handler on that thread, from its event loop
// (or sooner, from settled()). Killed, the program loses only the records
// still queued: those called since the last one written.
class HistoryRecorder {
 public:
  explicit HistoryRecorder(std::unique_ptr<HistoryStore> store);
  // Writes what is queued, then stops; the run stays without an end unless
  // endRun() ran.
  ~HistoryRecorder();
  HistoryRecorder(const HistoryRecorder&) = delete;
  HistoryRecorder& operator=(const HistoryRecorder&) = delete;

  // False once the store stopped recording (a problem, or endRun()), as of
  // the last record written.
  bool recording() const { return recording_.load(); }
  // As HistoryStore's, called on the owner's thread; with the problem at
  // once if the store has one already.
  void setProblemHandler(std::function<void(const QString&)> handler);
  // HistoryStore::liveElsewhere, without waiting for the queue.
  bool liveElsewhere(RunId run) const { return store_->liveElsewhere(run); }

  void recordPicture(const NewPicture& picture);
  void recordClosed(PictureNumber number);
  void recordReopened(PictureNumber number);
  void recordMoved(PictureNumber number, QPoint position);
  void recordParentBox(PictureNumber number, bool ticked);
  void recordSaved(PictureNumber number, const QString& path, const QByteArray& bytes);
  void recordExported(PictureNumber number, const QString& path, const QByteArray& code);
  // HistoryStore::forgetRun, in its turn with the records.
  void forgetRun(RunId run);
  // Writes what is queued and ends the run; records nothing more.
  void endRun();

  // Waits until every record called so far is written, then hands over the
  // store: the owner reads it (and may call it directly) until its next
  // record call.
  HistoryStore& settled();
  // The same, but null (after at most 0.1 s) while a write waits for another
  // program's write lock: the owner never waits on the file. The freed handler tells
  // when writing goes on.
  HistoryStore* available();
  // A write waits for another program's write lock now.
  bool waiting() const { return waiting_.load(); }
  // Called on the owner's thread, from its event loop, each time writing
  // goes on after such a wait.
  void setFreedHandler(std::function<void()> handler) { freedHandler_ = std::move(handler); }

 private:
  struct Job {
    QDateTime at;  // when it was called: the time recorded
    std::function<void(HistoryStore&)> write;
  };
  void push(std::function<void(HistoryStore&)> write);
  void run();
  // Writes job, trying again while the file is busy.
  void write(const Job& job);
  void deliverProblem();

  std::unique_ptr<HistoryStore> store_;
  std::unique_ptr<QObject> owner_;  // lives on the owner's thread: problems are posted to it
  std::function<void(const QString&)> handler_;
  std::function<void()> freedHandler_;
  std::atomic<bool> recording_;
  std::atomic<bool> waiting_ = false;    // changed under mutex_
  std::atomic<std::thread::id> writer_;  // the thread's id, once it runs

  std::mutex mutex_;
  std::condition_variable wake_;     // a job queued, or stopping
  std::condition_variable written_;  // the queue ran dry, or a write began to wait
  std::deque<Job> jobs_;
  bool busy_ = false;
  bool stopping_ = false;
  std::optional<QString> problem_;  // met on the thread, not yet handed over
  std::thread thread_;
};

}  // namespace pelorin::history
