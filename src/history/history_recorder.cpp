#include "history/history_recorder.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <chrono>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace pelorin::history {

HistoryRecorder::HistoryRecorder(std::unique_ptr<HistoryStore> store)
    : store_(std::move(store)), owner_(std::make_unique<QObject>()), recording_(store_->recording()) {
  store_->setProblemHandler([this](const QString& message) {
    // Before the owner can hear of it: a store with a problem may have stopped.
    recording_ = store_->recording();
    {
      const std::lock_guard lock(mutex_);
      problem_ = message;
    }
    QMetaObject::invokeMethod(
        owner_.get(), [this] { deliverProblem(); }, Qt::QueuedConnection);
  });
  store_->setRetryBusy(true);
  store_->setWaitHandler([this] {
    if (std::this_thread::get_id() != writer_.load()) return;  // the owner's own call waits itself
    {
      const std::lock_guard lock(mutex_);
      waiting_ = true;
    }
    written_.notify_all();
  });
  thread_ = std::thread([this] { run(); });
}

HistoryRecorder::~HistoryRecorder() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void HistoryRecorder::setProblemHandler(std::function<void(const QString&)> handler) {
  handler_ = std::move(handler);
  const HistoryStore& store = settled();
  if (const auto problem = store.problem()) {
    const std::lock_guard lock(mutex_);
    problem_ = *problem;
  }
  deliverProblem();
}

void HistoryRecorder::deliverProblem() {
  std::optional<QString> problem;
  {
    const std::lock_guard lock(mutex_);
    problem.swap(problem_);
  }
  if (problem && handler_) handler_(*problem);
}

void HistoryRecorder::push(std::function<void(HistoryStore&)> write) {
  if (!recording()) return;
  {
    const std::lock_guard lock(mutex_);
    jobs_.push_back(Job{store_->now(), std::move(write)});
  }
  wake_.notify_one();
}

void HistoryRecorder::run() {
  writer_ = std::this_thread::get_id();
#ifdef __linux__
  // Below the interface: woken by a record, this thread must not take the
  // processor from the interface that is still drawing the picture.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return !jobs_.empty() || stopping_; });
    if (jobs_.empty()) break;  // stopping, with everything written
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    busy_ = true;
    lock.unlock();
    store_->setRecordTime(job.at);
    write(job);
    store_->setRecordTime(std::nullopt);
    recording_ = store_->recording();
    lock.lock();
    busy_ = false;
    if (waiting_.exchange(false)) {
      QMetaObject::invokeMethod(
          owner_.get(),
          [this] {
            if (freedHandler_) freedHandler_();
          },
          Qt::QueuedConnection);
    }
    if (jobs_.empty()) written_.notify_all();
  }
}

void HistoryRecorder::write(const Job& job) {
  // Each try waits the busy timeout inside SQLite first; a busy write was
  // rolled back, so trying it again records it once.
  constexpr auto kPause = std::chrono::milliseconds(50);
  store_->takeBusy();  // a read of the owner's may have met it
  job.write(*store_);
  if (!store_->takeBusy()) return;
  QElapsedTimer waiting;
  waiting.start();
  while (waiting.elapsed() < store_->options().busyRetryMs) {
    std::this_thread::sleep_for(kPause);
    job.write(*store_);
    if (!store_->takeBusy()) return;
  }
  // Held too long: the last try fails as any failure does.
  store_->setRetryBusy(false);
  job.write(*store_);
  store_->setRetryBusy(true);
}

HistoryStore& HistoryRecorder::settled() {
  {
    std::unique_lock lock(mutex_);
    written_.wait(lock, [this] { return jobs_.empty() && !busy_; });
  }
  deliverProblem();
  return *store_;
}

HistoryStore* HistoryRecorder::available() {
  {
    std::unique_lock lock(mutex_);
    written_.wait(lock, [this] { return (jobs_.empty() && !busy_) || waiting_; });
    // A wait that ends now still hands the store over.
    constexpr auto kGrace = std::chrono::milliseconds(100);
    if (waiting_ && !written_.wait_for(lock, kGrace, [this] { return jobs_.empty() && !busy_; })) return nullptr;
  }
  deliverProblem();
  return store_.get();
}

void HistoryRecorder::recordPicture(const NewPicture& picture) {
  push([picture](HistoryStore& store) { store.recordPicture(picture); });
}

void HistoryRecorder::recordClosed(PictureNumber number) {
  push([number](HistoryStore& store) { store.recordClosed(number); });
}

void HistoryRecorder::recordReopened(PictureNumber number) {
  push([number](HistoryStore& store) { store.recordReopened(number); });
}

void HistoryRecorder::recordMoved(PictureNumber number, QPoint position) {
  push([number, position](HistoryStore& store) { store.recordMoved(number, position); });
}

void HistoryRecorder::recordParentBox(PictureNumber number, bool ticked) {
  push([number, ticked](HistoryStore& store) { store.recordParentBox(number, ticked); });
}

void HistoryRecorder::recordSaved(PictureNumber number, const QString& path, const QByteArray& bytes) {
  push([number, path, bytes](HistoryStore& store) { store.recordSaved(number, path, bytes); });
}

void HistoryRecorder::recordExported(PictureNumber number, const QString& path, const QByteArray& code) {
  push([number, path, code](HistoryStore& store) { store.recordExported(number, path, code); });
}

void HistoryRecorder::forgetRun(RunId run) {
  push([run](HistoryStore& store) { store.forgetRun(run); });
}

void HistoryRecorder::endRun() {
  push([](HistoryStore& store) { store.endRun(); });
  settled();
  recording_ = false;
}

}  // namespace pelorin::history
