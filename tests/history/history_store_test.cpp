#include "history/history_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QtEndian>
#include <algorithm>

#include "history_fixture.h"

namespace pelorin::history {
namespace {

using testing::HistoryTest;
using testing::MadePicture;
using testing::SameBits;

using testing::NumbersOf;
using RecordTest = HistoryTest;

TEST_F(RecordTest, NewFileIsMarkedAsThisVersionsHistory) {
  HistoryStore store(path);
  ASSERT_TRUE(store.recording());
  EXPECT_FALSE(store.problem());
  EXPECT_EQ(store.problemKind(), Problem::None);
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, "SELECT * FROM pragma_application_id, pragma_user_version, pragma_journal_mode", -1,
                     &statement, nullptr);
  ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(statement, 0), kApplicationId);
  EXPECT_EQ(sqlite3_column_int(statement, 1), kSchemaVersion);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 2)), "wal");
  sqlite3_finalize(statement);
  sqlite3_close(db);
  // In the file itself, not only in its -wal, so that they are read without
  // SQLite: user_version at 60, application_id at 68, big-endian.
  const QByteArray header = testing::FileBytes(path).left(100);
  ASSERT_EQ(header.size(), 100);
  EXPECT_EQ(qFromBigEndian<std::int32_t>(header.constData() + 60), kSchemaVersion);
  EXPECT_EQ(qFromBigEndian<std::int32_t>(header.constData() + 68), kApplicationId);
}

// Written one commit right after another, as fast as they come, the -wal
// is checkpointed and begun again, so it stays near the checkpoint's size
// however long the run.
TEST_F(RecordTest, TheWalStaysBoundedOverALongRun) {
  constexpr int kRecords = 3000;          // one commit each, so at least as many frames
  constexpr qint64 kBound = 3000 * 8216;  // three checkpoints' worth of 8 KiB frames
  HistoryStore store(path);
  store.recordPicture(MadePicture(0));
  qint64 largest = 0;
  for (int i = 0; i < kRecords; ++i) {
    store.recordMoved(0, QPoint(i, i));
    largest = std::max(largest, QFileInfo(path + QStringLiteral("-wal")).size());
  }
  EXPECT_TRUE(store.recording());
  EXPECT_LT(largest, kBound);
  EXPECT_GT(QFileInfo(path).size(), 8192 * 4);  // pages the checkpoints wrote into the file
}

TEST_F(RecordTest, PictureComesBackAsRecorded) {
  HistoryStore store(path);
  NewPicture made = MadePicture(0);
  made.code[17].Angle = -0.0;
  made.code[18].Angle = DoubleFromBits(0x7ff8000000000abc);
  made.code[19].Length = -32768;
  made.origin.how = PictureOrigin::How::Read;
  made.origin.fileName = QStringLiteral("/tmp/ä b.txt");
  made.origin.rate = DoubleFromBits(0x3fa999999999999a);
  made.origin.sources.setRead(3, Trait::Draw);
  made.position = QPoint(-20, 640);
  const auto id = store.recordPicture(made);
  ASSERT_TRUE(id);

  const auto back = store.picture(*id);
  ASSERT_TRUE(back);
  EXPECT_TRUE(SameBits(back->code, made.code));
  EXPECT_EQ(back->origin.how, PictureOrigin::How::Read);
  EXPECT_EQ(DoubleBits(back->origin.rate), 0x3fa999999999999a);
  EXPECT_EQ(back->origin.rateText, made.origin.rateText);
  EXPECT_EQ(back->origin.fileName, made.origin.fileName);
  EXPECT_EQ(back->origin.sources.counts(), made.origin.sources.counts());
  EXPECT_EQ(back->origin.sources.at(3, Trait::Draw).kind, TraitSources::Kind::Read);
  EXPECT_EQ(back->rateBoxText, made.rateBoxText);
  EXPECT_EQ(back->nameBoxText, made.nameBoxText);
  EXPECT_EQ(back->position, QPoint(-20, 640));
  EXPECT_EQ(back->run, *store.currentRun());
  EXPECT_TRUE(back->open);
  EXPECT_FALSE(back->ticked);
}

TEST_F(RecordTest, ParentsAreReferencesToTheirRecords) {
  HistoryStore store(path);
  const auto mother = store.recordPicture(MadePicture(0));
  const auto father = store.recordPicture(MadePicture(1));
  const auto child = store.recordPicture(MadePicture(2, {1, 0, 7}));  // 7 was never recorded
  const auto back = store.picture(*child);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->origin.parents, (std::vector<std::int16_t>{1, 0, 7}));
  ASSERT_EQ(back->parentRecords.size(), 3u);
  EXPECT_EQ(back->parentRecords[0]->id, *father);
  EXPECT_EQ(back->parentRecords[1]->id, *mother);
  EXPECT_EQ(back->parentRecords[1]->number, 0);
  EXPECT_FALSE(back->parentRecords[2]);
  EXPECT_EQ(back->origin.sources.counts(), MadePicture(2, {1, 0, 7}).origin.sources.counts());
}

TEST_F(RecordTest, EventsChangeWhatAPictureIs) {
  HistoryStore store(path);
  store.recordPicture(MadePicture(0));
  store.recordParentBox(0, true);
  store.recordMoved(0, QPoint(10, 20));
  store.recordMoved(0, QPoint(30, 40));
  auto pictures = store.picturesOf(*store.currentRun());
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_TRUE(pictures[0].ticked);
  EXPECT_EQ(pictures[0].position, QPoint(30, 40));

  store.recordClosed(0);
  EXPECT_FALSE(store.picturesOf(*store.currentRun())[0].open);
  store.recordReopened(0);
  pictures = store.picturesOf(*store.currentRun());
  EXPECT_TRUE(pictures[0].open);
  EXPECT_FALSE(pictures[0].ticked);  // a reopened picture comes back unticked
  store.recordExported(0, QStringLiteral("/tmp/a.png"), "code");
  // A file carrying that code leads back to the picture, as a saved one does.
  ASSERT_TRUE(store.savedBy("code"));
  EXPECT_EQ(store.savedBy("code")->number, 0);
  store.recordClosed(99);  // never recorded: nothing happens
  EXPECT_TRUE(store.recording());
}

TEST_F(RecordTest, RunsAreListedNewestFirstWithTheirCounts) {
  {
    HistoryStore first(path);
    first.recordPicture(MadePicture(0));
    first.recordPicture(MadePicture(1));
    first.recordClosed(0);
    first.endRun();
  }
  {
    HistoryStore killed(path);  // no end: killed
    killed.recordPicture(MadePicture(0));
  }
  { HistoryStore killedAtStart(path); }  // made nothing: not listed
  { HistoryStore(path).endRun(); }       // made nothing: gone
  HistoryStore store(path);
  store.recordPicture(MadePicture(0));
  const auto runs = store.runs();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_TRUE(runs[0].current);
  EXPECT_EQ(runs[0].pictures, 1);
  EXPECT_FALSE(runs[1].current);
  EXPECT_FALSE(runs[1].ended);
  EXPECT_EQ(runs[1].pictures, 1);
  EXPECT_TRUE(runs[2].ended);
  EXPECT_EQ(runs[2].pictures, 2);
  EXPECT_EQ(runs[2].openPictures, 1);
  EXPECT_GT(runs[0].id, runs[2].id);
}

TEST_F(RecordTest, PicturesOfARunComeInNumberOrder) {
  HistoryStore store(path);
  for (std::int16_t number : {2, 0, 1}) store.recordPicture(MadePicture(number));
  EXPECT_EQ(NumbersOf(store.picturesOf(*store.currentRun())), (std::vector<std::int16_t>{0, 1, 2}));
  EXPECT_TRUE(store.picturesOf(*store.currentRun() + 100).empty());
}

using ReopenTest = HistoryTest;

TEST_F(ReopenTest, MostRecentlyClosedComesFirst) {
  HistoryStore store(path);
  for (std::int16_t number = 0; number < 5; ++number) store.recordPicture(MadePicture(number));
  for (std::int16_t number : {3, 1, 4}) store.recordClosed(number);
  EXPECT_EQ(NumbersOf(store.closedPictures()), (std::vector<std::int16_t>{4, 1, 3}));
  store.recordReopened(1);
  EXPECT_EQ(NumbersOf(store.closedPictures()), (std::vector<std::int16_t>{4, 3}));
  store.recordClosed(1);
  EXPECT_EQ(NumbersOf(store.closedPictures()), (std::vector<std::int16_t>{1, 4, 3}));
}

TEST_F(ReopenTest, ClosedPicturesOfAnotherRunAreNotOffered) {
  {
    HistoryStore earlier(path);
    earlier.recordPicture(MadePicture(0));
    earlier.recordClosed(0);
  }
  HistoryStore store(path);
  EXPECT_TRUE(store.closedPictures().empty());
}

class ResumeTest : public HistoryTest {
 protected:
  // A run that made 0..4, ticked 1, moved 2, closed 3, and was killed.
  RunId KilledRun() {
    HistoryStore killed(path);
    for (std::int16_t number = 0; number < 5; ++number) {
      NewPicture picture = MadePicture(number, number > 0 ? std::vector<std::int16_t>{0} : std::vector<std::int16_t>{});
      picture.rateBoxText = QStringLiteral(" 0.%1").arg(number);
      killed.recordPicture(picture);
    }
    killed.recordParentBox(1, true);
    killed.recordMoved(2, QPoint(5, 6));
    killed.recordClosed(3);
    return *killed.currentRun();
  }
};

TEST_F(ResumeTest, BringsBackTheOpenPicturesAsTheyWere) {
  const RunId killed = KilledRun();
  HistoryStore store(path);
  const auto data = store.resumeData(killed);
  ASSERT_TRUE(data);
  EXPECT_EQ(NumbersOf(data->openPictures), (std::vector<std::int16_t>{0, 1, 2, 4}));
  EXPECT_TRUE(data->openPictures[1].ticked);
  EXPECT_FALSE(data->openPictures[0].ticked);
  EXPECT_EQ(data->openPictures[2].position, QPoint(5, 6));
  EXPECT_TRUE(SameBits(data->openPictures[3].code, MadePicture(4).code));
  EXPECT_EQ(data->rateBoxText, QStringLiteral(" 0.4"));
  EXPECT_EQ(data->nameBoxText, QStringLiteral("pic4.txt"));
  EXPECT_EQ(data->highestNumber, 4);
  EXPECT_FALSE(store.resumeData(killed + 100));
}

TEST_F(ResumeTest, ContinuationGoesOnWithTheRunsPicturesAndNumbers) {
  const RunId killed = KilledRun();
  HistoryStore store(path);
  ASSERT_TRUE(store.continueRun(killed));
  EXPECT_EQ(NumbersOf(store.closedPictures()), (std::vector<std::int16_t>{3}));
  store.recordReopened(3);
  const auto child = store.recordPicture(MadePicture(5, {3, 1}));
  store.recordClosed(0);
  const auto back = store.picture(*child);
  EXPECT_EQ(back->parentRecords[0]->run, killed);
  EXPECT_EQ(back->parentRecords[0]->number, 3);
  EXPECT_EQ(store.runs()[0].continues, killed);

  // Killed again: resuming the continuation brings back both runs' open pictures.
  const RunId continuation = *store.currentRun();
  HistoryStore later(path);
  const auto data = later.resumeData(continuation);
  EXPECT_EQ(NumbersOf(data->openPictures), (std::vector<std::int16_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(data->highestNumber, 5);
}

TEST_F(ResumeTest, OnlyAFreshRunContinuesAnotherKnownRun) {
  const RunId killed = KilledRun();
  HistoryStore store(path);
  EXPECT_FALSE(store.continueRun(*store.currentRun()));
  EXPECT_FALSE(store.continueRun(killed + 100));
  store.recordPicture(MadePicture(0));
  EXPECT_FALSE(store.continueRun(killed));
}

using LineageTest = HistoryTest;

TEST_F(LineageTest, SavedBytesNameThePictureThatSavedThem) {
  const QByteArray bytes = "64 records of 8 lines";
  RunId earlierRun = 0;
  {
    HistoryStore earlier(path);
    earlier.recordPicture(MadePicture(0));
    earlier.recordPicture(MadePicture(12));
    earlier.recordSaved(12, QStringLiteral("/tmp/a.txt"), bytes);
    earlierRun = *earlier.currentRun();
    earlier.endRun();
  }
  HistoryStore store(path);
  const auto saver = store.savedBy(bytes);
  ASSERT_TRUE(saver);
  EXPECT_EQ(saver->number, 12);
  EXPECT_EQ(saver->run, earlierRun);
  EXPECT_EQ(saver->runStart, store.runs()[1].started);
  EXPECT_FALSE(store.savedBy(bytes + "\n"));

  NewPicture read = MadePicture(0);
  read.origin.how = PictureOrigin::How::Read;
  read.savedFrom = saver->id;
  const auto id = store.recordPicture(read);
  EXPECT_EQ(store.picture(*id)->savedFrom, saver);
}

// Every record reuses its prepared statements: a save's path and hash must
// not stay bound into the next event of another picture.
TEST_F(LineageTest, EventsAfterASaveLeaveItsSaver) {
  HistoryStore store(path);
  store.recordPicture(MadePicture(0));
  store.recordPicture(MadePicture(1));
  store.recordSaved(0, QStringLiteral("a.txt"), "bytes");
  store.recordMoved(1, QPoint(3, 4));
  store.recordParentBox(1, true);
  store.recordClosed(1);
  const auto saver = store.savedBy("bytes");
  ASSERT_TRUE(saver);
  EXPECT_EQ(saver->number, 0);
}

TEST_F(LineageTest, TheLatestSaveOfTheBytesWins) {
  HistoryStore store(path);
  store.recordPicture(MadePicture(0));
  store.recordPicture(MadePicture(1));
  store.recordSaved(0, QStringLiteral("a.txt"), "same");
  store.recordSaved(1, QStringLiteral("b.txt"), "same");
  EXPECT_EQ(store.savedBy("same")->number, 1);
}

using ForgetTest = HistoryTest;

TEST_F(ForgetTest, ForgottenRunLeavesLaterPicturesWorking) {
  RunId forgotten = 0;
  std::optional<PictureId> parent;
  {
    HistoryStore earlier(path);
    parent = earlier.recordPicture(MadePicture(0));
    earlier.recordPicture(MadePicture(1, {0}));
    earlier.recordSaved(0, QStringLiteral("a.txt"), "bytes");
    earlier.recordClosed(1);
    forgotten = *earlier.currentRun();
  }
  RunId middle = 0;
  {
    HistoryStore continuation(path);
    continuation.continueRun(forgotten);
    continuation.recordPicture(MadePicture(2, {0}));
    middle = *continuation.currentRun();
  }
  HistoryStore store(path);
  NewPicture read = MadePicture(0);
  read.savedFrom = store.savedBy("bytes")->id;
  const auto reader = store.recordPicture(read);

  ASSERT_TRUE(store.forgetRun(forgotten));
  EXPECT_FALSE(store.picture(*parent));
  EXPECT_FALSE(store.savedBy("bytes"));
  EXPECT_FALSE(store.picture(*reader)->savedFrom);
  const auto child = store.picturesOf(middle);
  ASSERT_EQ(child.size(), 1u);
  EXPECT_EQ(child[0].origin.parents, (std::vector<std::int16_t>{0}));
  EXPECT_FALSE(child[0].parentRecords[0]);
  EXPECT_FALSE(store.runs()[1].continues);
  EXPECT_EQ(store.runs().size(), 2u);
  EXPECT_FALSE(store.forgetRun(forgotten));
  EXPECT_TRUE(store.recording());
}

TEST_F(ForgetTest, ThisRunAndTheRunItContinuesStay) {
  RunId earlier = 0;
  {
    HistoryStore first(path);
    first.recordPicture(MadePicture(0));
    earlier = *first.currentRun();
  }
  HistoryStore store(path);
  ASSERT_TRUE(store.continueRun(earlier));
  EXPECT_FALSE(store.forgetRun(*store.currentRun()));
  EXPECT_FALSE(store.forgetRun(earlier));
  EXPECT_EQ(store.runs().size(), 2u);
}

// A run another store records is live to every other store, which neither
// continues nor forgets it; its lock goes when the other ends its run or
// closes (as when its program dies). Two stores stand for two programs:
// their locks conflict as two processes' do.
enum class Other { Recording, Ended, Gone };
struct LiveCase {
  const char* name;
  bool continued;  // the other continued a killed run: that run is the one asked about
  Other other;
};

class LiveRun : public ResumeTest, public ::testing::WithParamInterface<LiveCase> {};

TEST_P(LiveRun, IsNeitherContinuedNorForgottenByAnother) {
  const LiveCase& c = GetParam();
  const RunId killed = KilledRun();
  auto other = std::make_unique<HistoryStore>(path);
  if (c.continued) {
    ASSERT_TRUE(other->continueRun(killed));
  }
  other->recordPicture(MadePicture(5));
  const RunId asked = c.continued ? killed : *other->currentRun();
  if (c.other == Other::Ended) other->endRun();
  if (c.other == Other::Gone) other.reset();
  const bool live = c.other == Other::Recording;

  auto resumer = std::make_unique<HistoryStore>(path);
  for (const RunSummary& run : resumer->runs()) {
    EXPECT_EQ(run.live, live && (run.id == asked || (other && run.id == *other->currentRun()))) << run.id;
  }
  EXPECT_EQ(resumer->continueRun(asked), !live);
  // Of two resuming one run, the first holds it.
  if (!live) {
    EXPECT_FALSE(HistoryStore(path).continueRun(asked));
  }
  resumer.reset();
  HistoryStore forgetter(path);
  EXPECT_EQ(forgetter.forgetRun(asked), !live);
  if (live) {
    // The other goes on recording as if alone.
    other->recordClosed(1);
    EXPECT_TRUE(other->recordPicture(MadePicture(6, {5})));
    EXPECT_FALSE(other->problem());
    EXPECT_EQ(other->picturesOf(asked).size(), c.continued ? 5u : 2u);
  }
}

INSTANTIATE_TEST_SUITE_P(History, LiveRun,
                         ::testing::Values(LiveCase{"Recording", false, Other::Recording},
                                           LiveCase{"RecordingItsContinuation", true, Other::Recording},
                                           LiveCase{"Ended", false, Other::Ended}, LiveCase{"Gone", false, Other::Gone},
                                           LiveCase{"ItsContinuationGone", true, Other::Gone}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChainCase {
  const char* name;
  std::vector<std::pair<RunId, std::optional<RunId>>> runs;  // each run and the run it continues
  RunId from;
  std::vector<RunId> chain;
};

class RunChain : public ::testing::TestWithParam<ChainCase> {};

TEST_P(RunChain, FollowsWhatEachRunContinues) {
  std::vector<RunSummary> runs;
  for (const auto& [id, continues] : GetParam().runs) runs.push_back(RunSummary{id, {}, {}, continues});
  EXPECT_EQ(ChainOf(runs, GetParam().from), GetParam().chain);
}

INSTANTIATE_TEST_SUITE_P(Runs, RunChain,
                         ::testing::Values(ChainCase{"Alone", {{1, {}}, {2, {}}}, 2, {2}},
                                           ChainCase{
                                               "ThroughSeveral", {{4, 2}, {3, {}}, {2, 1}, {1, {}}}, 4, {4, 2, 1}},
                                           ChainCase{"EndsAtAForgottenRun", {{3, 2}, {2, 1}}, 3, {3, 2}},
                                           ChainCase{"EndsAtALoop", {{3, 2}, {2, 1}, {1, 2}}, 3, {3, 2, 1}},
                                           ChainCase{"UnknownRun", {{1, {}}}, 5, {}}),
                         [](const auto& info) { return info.param.name; });

int ModeOf(const QString& path) {
  struct stat status {};
  return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : -1;
}

// The permissions of what the history finds or makes, under a umask of 022:
// the user's alone unless the folder or file found has its own.
TEST_F(HistoryTest, ModesAreTheUsersAloneUnlessGiven) {
  const struct {
    int folderBefore, fileBefore;  // -1: none
    int folderAfter, fileAfter;
  } cases[] = {{-1, -1, 0700, 0600}, {0755, -1, 0755, 0600}, {0750, 0640, 0750, 0640}};
  const mode_t saved = ::umask(022);
  for (const auto& c : cases) {
    const QString folder = dir.filePath(QStringLiteral("%1 %2").arg(c.folderBefore).arg(c.fileBefore));
    const QString file = folder + QStringLiteral("/history.sqlite");
    SCOPED_TRACE(folder.toStdString());
    if (c.folderBefore >= 0) {
      ASSERT_TRUE(QDir().mkpath(folder));
      ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), c.folderBefore), 0);
    }
    if (c.fileBefore >= 0) {
      testing::WriteBytes(file, {});
      ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), c.fileBefore), 0);
    }
    HistoryStore store(file);
    EXPECT_TRUE(store.recording());
    EXPECT_EQ(ModeOf(folder), c.folderAfter);
    EXPECT_EQ(ModeOf(file), c.fileAfter);
    EXPECT_EQ(ModeOf(file + QStringLiteral("-wal")), c.fileAfter);
    EXPECT_EQ(ModeOf(HistoryStore::LockPathOf(file)), 0600);
  }
  ::umask(saved);
}

TEST(HistoryOff, RecordsNothingAndHasNoProblem) {
  HistoryStore off;
  EXPECT_FALSE(off.recording());
  EXPECT_FALSE(off.problem());
  EXPECT_FALSE(off.recordPicture(MadePicture(0)));
  off.recordClosed(0);
  EXPECT_TRUE(off.runs().empty());
  EXPECT_TRUE(off.closedPictures().empty());
  EXPECT_FALSE(off.currentRun());
}

}  // namespace
}  // namespace pelorin::history
