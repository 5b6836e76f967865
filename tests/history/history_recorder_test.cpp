#include "history/history_recorder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <thread>

#include "history_fixture.h"

namespace pelorin::history {
namespace {

using testing::HistoryTest;
using testing::MadePicture;

using RecorderTest = HistoryTest;
using Clock = std::chrono::steady_clock;

TEST_F(RecorderTest, EndRunWritesWhatIsQueuedAndEndsTheRun) {
  RunId run = 0;
  {
    HistoryRecorder recorder(std::make_unique<HistoryStore>(path));
    run = *recorder.settled().currentRun();
    for (std::int16_t number = 0; number < 50; ++number) recorder.recordPicture(MadePicture(number));
    recorder.endRun();
    EXPECT_FALSE(recorder.recording());
    recorder.recordPicture(MadePicture(50));  // ignored
  }
  HistoryStore later(path);
  EXPECT_EQ(later.picturesOf(run).size(), 50u);
  EXPECT_TRUE(later.runs()[1].ended);
}

// Another program holds the write lock: the calls return at once, and what
// they recorded is written in order, timed as called, once the lock is free,
// however many busy timeouts pass meanwhile; held past the bound, the
// recording fails as usual.
struct LockCase {
  const char* name;
  int busyTimeoutMs;
  int busyRetryMs;
  int heldMs;
  bool recorded;
};

class LockedByAnother : public RecorderTest, public ::testing::WithParamInterface<LockCase> {};

TEST_P(LockedByAnother, RecordingDoesNotWaitAndGoesOnOnceFree) {
  const LockCase& c = GetParam();
  const QDateTime start(QDate(2026, 12, 8), QTime(14, 0));
  std::atomic<qint64> clock = start.toMSecsSinceEpoch();
  HistoryOptions options;
  options.now = [&clock] { return QDateTime::fromMSecsSinceEpoch(clock.load()); };
  options.busyTimeoutMs = c.busyTimeoutMs;
  options.busyRetryMs = c.busyRetryMs;
  HistoryRecorder recorder(std::make_unique<HistoryStore>(path, options));
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  const auto called = Clock::now();
  for (std::int16_t number = 0; number < 10; ++number) {
    clock = start.addSecs(60 * number).toMSecsSinceEpoch();
    recorder.recordPicture(MadePicture(number));
  }
  recorder.recordMoved(3, QPoint(70, 80));
  recorder.recordClosed(4);
  recorder.recordParentBox(5, true);
  EXPECT_LT(Clock::now() - called, std::chrono::milliseconds(100));
  std::this_thread::sleep_for(std::chrono::milliseconds(c.heldMs));
  sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  HistoryStore& store = recorder.settled();
  if (!c.recorded) {
    EXPECT_EQ(store.problemKind(), Problem::Failed);
    EXPECT_TRUE(store.problem()->contains(QStringLiteral("database is locked"))) << store.problem()->toStdString();
    return;
  }
  const std::vector<RecordedPicture> pictures = store.picturesOf(*store.currentRun());
  ASSERT_EQ(pictures.size(), 10u);
  for (std::size_t i = 0; i < pictures.size(); ++i)
    EXPECT_EQ(pictures[i].made, start.addSecs(60 * static_cast<int>(i)));
  EXPECT_EQ(pictures[3].position, std::optional<QPoint>(QPoint(70, 80)));
  EXPECT_FALSE(pictures[4].open);
  EXPECT_TRUE(pictures[5].ticked);
  EXPECT_FALSE(store.problem());
}

INSTANTIATE_TEST_SUITE_P(History, LockedByAnother,
                         ::testing::Values(LockCase{"WithinTheBusyTimeout", 5000, 60000, 300, true},
                                           LockCase{"ManyBusyTimeouts", 100, 60000, 1500, true},
                                           LockCase{"PastTheBound", 100, 300, 1500, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A full disk met on the writing thread reaches the handler once, on the
// owner's thread: from its event loop, or from settled() when that comes first.
class RecorderProblem : public RecorderTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RecorderProblem, ReachesTheHandlerOnceOnTheOwnersThread) {
  const bool eventLoop = GetParam();
  int argc = 1;
  char name[] = "history_tests";
  char* argv[] = {name, nullptr};
  std::optional<QCoreApplication> application;
  if (eventLoop) application.emplace(argc, argv);
  HistoryOptions limited;
  limited.maxPageCount = 40;
  HistoryRecorder recorder(std::make_unique<HistoryStore>(path, limited));
  std::vector<std::thread::id> calls;
  recorder.setProblemHandler([&](const QString& message) {
    EXPECT_TRUE(message.contains(QStringLiteral("disk is full"))) << message.toStdString();
    calls.push_back(std::this_thread::get_id());
  });
  for (std::int16_t number = 0; number < 400; ++number) {
    recorder.recordPicture(MadePicture(number));
    if (eventLoop) {
      QCoreApplication::processEvents();
    } else if (number % 50 == 0) {
      recorder.settled();
    }
  }
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (eventLoop && calls.empty() && Clock::now() < deadline) QCoreApplication::processEvents();
  if (!eventLoop) recorder.settled();
  EXPECT_TRUE(recorder.recording());  // each later record tries again
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], std::this_thread::get_id());
  EXPECT_EQ(recorder.settled().problemKind(), Problem::DiskFull);
}

INSTANTIATE_TEST_SUITE_P(History, RecorderProblem, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "EventLoop" : "Settled"; });

}  // namespace
}  // namespace pelorin::history
