// The history's failures: each leaves one message naming the file, keeps the
// user's file (or moves it aside whole) and lets the program go on.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <map>
#include <thread>
#include <tuple>

#include "history/history_store.h"
#include "history/sqlite_db.h"
#include "history_fixture.h"

namespace pelorin::history {
namespace {

using testing::FileBytes;
using testing::HistoryTest;
using testing::IntegrityOf;
using testing::MadePicture;
using testing::QueryInt;
using testing::RandomBytes;
using testing::WriteBytes;

const QDateTime kNow(QDate(2026, 12, 8), QTime(14, 2, 33));

HistoryOptions AtFixedTime() {
  HistoryOptions options;
  options.now = [] { return kNow; };
  return options;
}

// A history holding three pictures, closed cleanly.
void MakeHistory(const QString& path) {
  HistoryStore store(path);
  for (std::int16_t number = 0; number < 3; ++number) store.recordPicture(MadePicture(number));
  store.endRun();
}

// Runs statements on the file through a connection of its own. Killed: the
// connection ends as a killed program's does, its -wal and -shm left as they
// are (nothing checkpointed).
void Exec(const QString& path, const char* sql, bool killed = false) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  if (killed) sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  sqlite3_close(db);
}

// Every file in path's folder with its bytes.
std::map<QString, QByteArray> FilesBeside(const QString& path) {
  std::map<QString, QByteArray> files;
  const QDir folder = QFileInfo(path).absoluteDir();
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
    files[name] = FileBytes(folder.filePath(name));
  return files;
}

// Files that are no history of ours, each made at path.
struct BrokenCase {
  const char* name;
  std::function<void(const QString& path)> make;
  const char* why;  // in the message
};

class BrokenFile : public HistoryTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenFile, IsMovedAsideWholeAndANewHistoryBegins) {
  GetParam().make(path);
  const QByteArray before = FileBytes(path);
  ASSERT_FALSE(before.isEmpty());
  QStringList messages;
  HistoryStore store(path, AtFixedTime());
  store.setProblemHandler([&](const QString& message) { messages << message; });

  const QString aside = path + QStringLiteral(".broken-20261208-140233");
  EXPECT_EQ(FileBytes(aside), before);
  EXPECT_EQ(store.problemKind(), Problem::MovedAside);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(path))) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(aside))) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains(QString::fromUtf8(GetParam().why))) << messages[0].toStdString();
  EXPECT_TRUE(store.recording());
  EXPECT_TRUE(store.recordPicture(MadePicture(0)));
  EXPECT_EQ(store.runs().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    History, BrokenFile,
    ::testing::Values(BrokenCase{"RandomBytes", [](const QString& path) { WriteBytes(path, RandomBytes(20000, 7)); },
                                 "not a database"},
                      BrokenCase{"DamagedPages",
                                 [](const QString& path) {
                                   MakeHistory(path);
                                   QFile file(path);
                                   ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                                   const qint64 pageSize = 4096;
                                   for (qint64 page = 2; page * pageSize < file.size(); ++page) {
                                     file.seek(page * pageSize);
                                     file.write(QByteArray(16, '\x0d'));
                                   }
                                 },
                                 "failed its check"}),
    [](const auto& info) { return std::string(info.param.name); });

// Another program's database and a newer Pelorin's history, each with the
// -wal and -shm a killed program left (the harder case: SQLite would read or
// checkpoint them): not one byte of any file changes, and nothing is recorded.
struct UntouchedCase {
  const char* name;
  std::function<void(const QString& path)> make;
  Problem problem;
  const char* says;
  // The marks are in the -wal alone: SQLite reads them and may rebuild the
  // -shm, its index of the -wal, which is all that may change.
  bool marksInWal = false;
};

class UntouchedFile : public HistoryTest, public ::testing::WithParamInterface<UntouchedCase> {};

TEST_P(UntouchedFile, KeepsItsBytesAndThoseOfItsCompanions) {
  GetParam().make(path);
  const std::map<QString, QByteArray> before = FilesBeside(path);
  QStringList messages;
  {
    HistoryStore store(path, AtFixedTime());
    store.setProblemHandler([&](const QString& message) { messages << message; });
    EXPECT_FALSE(store.recording());
    EXPECT_EQ(store.problemKind(), GetParam().problem);
    EXPECT_FALSE(store.recordPicture(MadePicture(0)));
  }
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(path))) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains(QString::fromUtf8(GetParam().says))) << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains(QStringLiteral("left as it is"))) << messages[0].toStdString();
  std::map<QString, QByteArray> after = FilesBeside(path);
  if (GetParam().marksInWal)
    after[QStringLiteral("history.sqlite-shm")] = before.at(QStringLiteral("history.sqlite-shm"));
  EXPECT_EQ(after, before);
}

constexpr const char* kForeign = "PRAGMA application_id = 42; CREATE TABLE notes(text); INSERT INTO notes VALUES ('a')";

INSTANTIATE_TEST_SUITE_P(
    History, UntouchedFile,
    ::testing::Values(UntouchedCase{"AnotherProgramsDatabaseWithItsWal",
                                    [](const QString& path) {
                                      Exec(path, kForeign);
                                      Exec(path, "PRAGMA journal_mode = WAL; INSERT INTO notes VALUES ('b')", true);
                                      ASSERT_TRUE(QFile::exists(path + QStringLiteral("-wal")));
                                    },
                                    Problem::Foreign, "another program"},
                      UntouchedCase{"NewerHistoryWithItsWal",
                                    [](const QString& path) {
                                      MakeHistory(path);
                                      Exec(path, "PRAGMA user_version = 2; PRAGMA wal_checkpoint(TRUNCATE)");
                                      Exec(path, "INSERT INTO run(started_ms) VALUES (5)", true);
                                      ASSERT_GT(QFileInfo(path + QStringLiteral("-wal")).size(), 0);
                                    },
                                    Problem::Newer, "newer Pelorin"},
                      UntouchedCase{"NewerHistoryMarkedInItsWalAlone",
                                    [](const QString& path) {
                                      MakeHistory(path);
                                      Exec(path, "PRAGMA user_version = 2; INSERT INTO run(started_ms) VALUES (5)",
                                           true);
                                    },
                                    Problem::Newer, "newer Pelorin", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A history killed with runs still in its -wal and found broken later: what
// is moved aside, opened, holds every run, the -wal's too.
TEST_F(HistoryTest, MovedAsideWithItsWalHoldsEveryRun) {
  MakeHistory(path);
  const std::int64_t indexPage = QueryInt(path, "SELECT rootpage FROM sqlite_schema WHERE name = 'event_by_hash'");
  ASSERT_GT(indexPage, 1);
  Exec(path, "INSERT INTO run(started_ms) VALUES (5); INSERT INTO run(started_ms) VALUES (6)", true);
  ASSERT_GT(QFileInfo(path + QStringLiteral("-wal")).size(), 0);
  {
    // A page no run lives in (saved files' index, untouched since) damaged.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek((indexPage - 1) * 8192);
    file.write(QByteArray(16, '\x0d'));
  }
  HistoryStore store(path, AtFixedTime());
  ASSERT_EQ(store.problemKind(), Problem::MovedAside);
  EXPECT_TRUE(store.problem()->contains(QStringLiteral("failed its check"))) << store.problem()->toStdString();
  const QString aside = path + QStringLiteral(".broken-20261208-140233");
  EXPECT_EQ(QueryInt(aside, "SELECT count(*) FROM run"), 3);
  EXPECT_EQ(store.runs().size(), 1u);  // the new history's own
}

// SQLite would open a device (and write /dev/null-journal beside it) or fail
// on a folder: a history path that is there must be a regular file.
struct NotAFileCase {
  const char* name;
  std::function<void(const QString& path)> make;
};

class NotARegularFile : public HistoryTest, public ::testing::WithParamInterface<NotAFileCase> {};

TEST_P(NotARegularFile, IsRefusedAndLeftAsItIs) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  GetParam().make(path);
  const bool journalBefore = QFileInfo::exists(QStringLiteral("/dev/null-journal"));
  {
    HistoryStore store(path);
    EXPECT_FALSE(store.recording());
    EXPECT_EQ(store.problemKind(), Problem::Unwritable);
    ASSERT_TRUE(store.problem());
    EXPECT_TRUE(store.problem()->contains(QDir::toNativeSeparators(path))) << store.problem()->toStdString();
    EXPECT_TRUE(store.problem()->contains(QStringLiteral("not a regular file"))) << store.problem()->toStdString();
  }
  if (!journalBefore && QFileInfo::exists(QStringLiteral("/dev/null-journal"))) {
    ADD_FAILURE() << "/dev/null-journal was made";
    QFile::remove(QStringLiteral("/dev/null-journal"));
  }
  EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
            QStringList{QFileInfo(path).fileName()});
  QFile::remove(path) || QDir().rmdir(path);  // no history to check
}

INSTANTIATE_TEST_SUITE_P(
    History, NotARegularFile,
    ::testing::Values(
        NotAFileCase{"LinkToDevNull", [](const QString& path) { QFile::link(QStringLiteral("/dev/null"), path); }},
        NotAFileCase{"Folder", [](const QString& path) { QDir().mkpath(path); }},
        NotAFileCase{"NamedPipe", [](const QString& path) { mkfifo(QFile::encodeName(path).constData(), 0600); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HistoryTest, MovedAsideNameThatIsTakenGetsASuffix) {
  WriteBytes(path, "not a database, certainly not");
  const QString taken = path + QStringLiteral(".broken-20261208-140233");
  WriteBytes(taken, "an earlier broken history");
  HistoryStore store(path, AtFixedTime());
  EXPECT_EQ(FileBytes(taken), "an earlier broken history");
  EXPECT_EQ(FileBytes(taken + QStringLiteral("-2")), "not a database, certainly not");
  EXPECT_TRUE(store.recording());
}

TEST_F(HistoryTest, FolderThatCannotBeMadeRecordsNothing) {
  WriteBytes(dir.filePath(QStringLiteral("pelorin")), "a file where the folder should be");
  HistoryStore store(path);
  EXPECT_FALSE(store.recording());
  EXPECT_EQ(store.problemKind(), Problem::Unwritable);
  EXPECT_TRUE(store.problem()->contains(path));
  EXPECT_FALSE(store.recordPicture(MadePicture(0)));
  store.recordClosed(0);
  EXPECT_TRUE(store.closedPictures().empty());
}

TEST_F(HistoryTest, ReadOnlyFolderKeepsTheHistoryAsItWas) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  MakeHistory(path);
  const QByteArray before = FileBytes(path);
  const QString folder = QFileInfo(path).absolutePath();
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
  {
    HistoryStore store(path);
    EXPECT_FALSE(store.recording());
    EXPECT_EQ(store.problemKind(), Problem::Unwritable);
    EXPECT_TRUE(store.problem()->contains(path));
  }
  QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(FileBytes(path), before);
}

// A full disk loses the records that met it, keeps the run and what the
// file had, and tells once a run; the first record written once there is
// room again ends the problem.
TEST_F(HistoryTest, FullDiskLosesRecordsUntilThereIsRoomAgain) {
  HistoryOptions limited;
  limited.maxPageCount = 40;
  int recorded = 0;
  QStringList messages;
  {
    HistoryStore store(path, limited);
    store.setProblemHandler([&](const QString& message) { messages << message; });
    ASSERT_TRUE(store.recording());
    std::int16_t number = 0;
    for (; number < 1000 && store.recordPicture(MadePicture(number)); ++number) ++recorded;
    ASSERT_GT(recorded, 0);
    ASSERT_LT(recorded, 1000);
    EXPECT_EQ(store.problemKind(), Problem::DiskFull);
    EXPECT_TRUE(store.recording());
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(store.recordPicture(MadePicture(++number)));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("disk is full"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(path))) << messages[0].toStdString();

    Exec(path, "DELETE FROM picture WHERE number < 40");  // room, made by another program
    ASSERT_TRUE(store.recordPicture(MadePicture(++number)));
    ++recorded;
    EXPECT_EQ(store.problemKind(), Problem::None);
    EXPECT_FALSE(store.problem());
    // Full again: not told again.
    while (number < 2000 && store.recordPicture(MadePicture(++number))) ++recorded;
    EXPECT_EQ(store.problemKind(), Problem::DiskFull);
    store.endRun();
  }
  EXPECT_EQ(messages.size(), 1);
  HistoryStore later(path);
  ASSERT_TRUE(later.recording());
  const auto runs = later.runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1].pictures, recorded - 40);
  EXPECT_TRUE(runs[1].ended);
}

// What SQLite reports as an I/O failure is a full disk when the system call
// failed for want of space: an fsync's or a -shm's ENOSPC names the full disk.
TEST(SqliteFailures, ANoSpaceErrorIsAFullDisk) {
  const std::tuple<int, int, bool> cases[] = {{SQLITE_FULL, 0, true},       {SQLITE_IOERR, ENOSPC, true},
                                              {SQLITE_IOERR, EDQUOT, true}, {SQLITE_CANTOPEN, ENOSPC, true},
                                              {SQLITE_IOERR, EIO, false},   {SQLITE_CORRUPT, 0, false}};
  for (const auto& [code, systemErrno, full] : cases) {
    EXPECT_EQ(SqliteFailure(code, QStringLiteral("h"), QStringLiteral("r"), systemErrno).diskFull(), full)
        << code << " " << systemErrno;
  }
}

TEST_F(HistoryTest, TwoStoresOnOneFileBothRecordEverything) {
  constexpr int kEach = 150;
  MakeHistory(path);  // the file exists before either opens it
  auto record = [&](std::optional<RunId>* run, bool* clean) {
    HistoryStore store(path);
    for (std::int16_t number = 0; number < kEach; ++number) {
      store.recordPicture(MadePicture(number, number > 0 ? std::vector<std::int16_t>{0} : std::vector<std::int16_t>{}));
      store.recordParentBox(number, true);
    }
    *run = store.currentRun();
    *clean = !store.problem();
    store.endRun();
  };
  std::optional<RunId> runA, runB;
  bool cleanA = false, cleanB = false;
  std::thread a(record, &runA, &cleanA);
  std::thread b(record, &runB, &cleanB);
  a.join();
  b.join();
  EXPECT_TRUE(cleanA);
  EXPECT_TRUE(cleanB);
  ASSERT_TRUE(runA && runB);
  EXPECT_NE(*runA, *runB);
  HistoryStore check(path);
  for (RunId run : {*runA, *runB}) {
    const auto pictures = check.picturesOf(run);
    ASSERT_EQ(pictures.size(), static_cast<std::size_t>(kEach));
    EXPECT_TRUE(pictures.back().ticked);
    EXPECT_EQ(pictures.back().parentRecords[0]->run, run);
  }
}

// What a recording process reports back through its pipe.
struct ProcessOutcome {
  RunId run = 0;
  int recorded = 0;
  Problem problem = Problem::Failed;
  double longestMs = 0;  // the longest single record, lock waits included
};

// A second program: a child process that waits for the go on start, records
// count pictures (each ticked after it is made) in a run of its own and
// writes its outcome to result. Returns the child's id.
pid_t StartRecordingProcess(const QString& path, int count, int start, int result) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  char go = 0;
  ProcessOutcome outcome;
  if (read(start, &go, 1) == 1) {
    HistoryStore store(path);
    for (std::int16_t number = 0; number < count; ++number) {
      const auto begun = std::chrono::steady_clock::now();
      const auto parents = number > 0 ? std::vector<std::int16_t>{0} : std::vector<std::int16_t>{};
      if (store.recordPicture(MadePicture(number, parents))) ++outcome.recorded;
      store.recordParentBox(number, true);
      const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - begun;
      outcome.longestMs = std::max(outcome.longestMs, took.count());
    }
    outcome.run = store.currentRun().value_or(0);
    outcome.problem = store.problemKind();
    store.endRun();
  }
  const bool written = write(result, &outcome, sizeof outcome) == static_cast<ssize_t>(sizeof outcome);
  _exit(written ? 0 : 1);
}

// Two programs write one history at once, each waiting for the other's
// transactions on the file's locks: neither loses a picture, and neither
// waits long on the other (well within the busy timeout).
TEST_F(HistoryTest, TwoProcessesOnOneFileBothRecordEverything) {
  constexpr int kEach = 300;
  constexpr double kLongestWaitMs = 1000;
  MakeHistory(path);
  int start[2], result[2];
  ASSERT_EQ(pipe(start), 0);
  ASSERT_EQ(pipe(result), 0);
  const pid_t children[] = {StartRecordingProcess(path, kEach, start[0], result[1]),
                            StartRecordingProcess(path, kEach, start[0], result[1])};
  ASSERT_GT(children[0], 0);
  ASSERT_GT(children[1], 0);
  ASSERT_EQ(write(start[1], "go", 2), 2);
  std::vector<ProcessOutcome> outcomes;
  for (pid_t child : children) {
    int status = -1;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ProcessOutcome outcome;
    if (read(result[0], &outcome, sizeof outcome) == static_cast<ssize_t>(sizeof outcome)) outcomes.push_back(outcome);
  }
  for (int fd : {start[0], start[1], result[0], result[1]}) close(fd);
  ASSERT_EQ(outcomes.size(), 2u);
  EXPECT_NE(outcomes[0].run, outcomes[1].run);
  HistoryStore check(path);
  for (const ProcessOutcome& outcome : outcomes) {
    EXPECT_EQ(outcome.problem, Problem::None);
    EXPECT_EQ(outcome.recorded, kEach);
    EXPECT_LT(outcome.longestMs, kLongestWaitMs);
    const auto pictures = check.picturesOf(outcome.run);
    ASSERT_EQ(pictures.size(), static_cast<std::size_t>(kEach));
    EXPECT_TRUE(std::all_of(pictures.begin(), pictures.end(), [](const RecordedPicture& p) { return p.ticked; }));
    EXPECT_EQ(pictures.back().parentRecords[0]->run, outcome.run);
  }
}

// A record spoilt after it was written, in a run that made 0..4 (1..4 bred
// from 0) and was killed: the record is that record's problem alone.
struct BadRecordCase {
  const char* name;
  const char* spoil;
  std::int16_t shownAs;  // the damaged record's number as read
};

class BadRecord : public HistoryTest, public ::testing::WithParamInterface<BadRecordCase> {};

TEST_P(BadRecord, IsLeftOutAndEveryOtherPictureComesBack) {
  RunId killed = 0;
  {
    HistoryStore first(path);
    for (std::int16_t number = 0; number < 5; ++number) {
      first.recordPicture(MadePicture(number, number > 0 ? std::vector<std::int16_t>{0} : std::vector<std::int16_t>{}));
    }
    killed = *first.currentRun();
  }
  Exec(path, GetParam().spoil);
  HistoryStore store(path);
  const auto data = store.resumeData(killed);
  ASSERT_TRUE(data);
  EXPECT_EQ(testing::NumbersOf(data->openPictures), (std::vector<std::int16_t>{0, 1, 3, 4})) << GetParam().name;
  ASSERT_EQ(data->damagedPictures.size(), 1u);
  EXPECT_EQ(data->damagedPictures[0].number, GetParam().shownAs);
  EXPECT_TRUE(data->damagedPictures[0].damage);
  EXPECT_EQ(data->highestNumber, 4);
  const auto pictures = store.picturesOf(killed);
  EXPECT_EQ(std::count_if(pictures.begin(), pictures.end(), [](const auto& picture) { return picture.damage; }), 1);
  EXPECT_EQ(HistoryStore::ReadFamily(path, data->openPictures[0].id).size(), 5u);

  ASSERT_TRUE(store.continueRun(killed));
  EXPECT_TRUE(store.recordPicture(MadePicture(5, {0, 1})));
  EXPECT_EQ(store.problemKind(), Problem::None);
  EXPECT_TRUE(store.recording());
}

INSTANTIATE_TEST_SUITE_P(
    History, BadRecord,
    ::testing::Values(BadRecordCase{"Code", "UPDATE picture SET code = x'0203040506' WHERE number = 2", 2},
                      BadRecordCase{"Sources", "UPDATE picture SET sources = x'09' WHERE number = 2", 2},
                      BadRecordCase{"How", "UPDATE picture SET how = 99 WHERE number = 2", 2},
                      BadRecordCase{"NumberTooHigh", "UPDATE picture SET number = 100000 WHERE number = 2", -1},
                      BadRecordCase{"NumberNegative", "UPDATE picture SET number = -3 WHERE number = 2", -1},
                      BadRecordCase{"NumberText", "UPDATE picture SET number = 'abc' WHERE number = 2", -1},
                      BadRecordCase{"NumberTaken", "UPDATE picture SET number = 1 WHERE number = 2", 1},
                      BadRecordCase{"ParentNumber",
                                    "UPDATE parent SET number = 70000 WHERE child = "
                                    "(SELECT id FROM picture WHERE number = 2)",
                                    2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelorin::history
