// The history as the user meets it: what the main window records, Reopen
// Closed Picture, Resume Last Run, a picture made from an earlier run's code,
// lineage through saved files, and what the user sees when the history file
// cannot be used, and the run's end when a signal ends the program. The
// store's own behaviour is tested in tests/history/.
#include <signal.h>
#include <sqlite3.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTextDocument>
#include <QToolTip>
#include <functional>
#include <map>
#include <random>
#include <thread>

#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "history/history_fixture.h"
#include "history/history_store.h"
#include "picture/picture_object.h"
#include "picture/picture_origin.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "support/gui_fixture.h"
#include "support/scripted_random.h"
#include "ui/board/board_model.h"
#include "ui/family_tree/family_tree_view.h"
#include "ui/family_tree/frm_family_tree.h"
#include "ui/history/frm_history.h"
#include "ui/history/history_cells_model.h"
#include "ui/history/history_runs_model.h"
#include "ui/main/history_keeper.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/genetic_code_window.h"
#include "ui/picture_window/picture_view.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {
namespace {

using history::testing::RandomBytes;
using history::testing::WriteBytes;
using testing::child;
namespace stored = history::testing;

std::shared_ptr<clsObject> picture(int id) { return modObject::Registry().find(modObject::RegistryKey(id)); }

// A spiral of 64 short drawn segments: it stays inside the drawing area.
void WriteSpiral(const QString& path) {
  clsGenSeq code;
  for (std::int16_t k = 0; k < kGeneCount; ++k) {
    code.SetGAngle(k, 0.1 * (k % 62));
    code.SetGColorRed(k, static_cast<std::int16_t>((k * 4) % 256));
    code.SetGColorGreen(k, static_cast<std::int16_t>(200 - k * 3));
    code.SetGColorBlue(k, static_cast<std::int16_t>((k * 7) % 256));
    code.SetGColorDraw(k, kTrue16);
    code.SetGColorLength(k, 30);
    code.SetGColorWidth(k, 2);
  }
  SaveGeneticCode(code, path);
}

using stored::QueryInt;

// What a picture window shows of its picture.
struct Shown {
  QImage image;
  QString title, name, origin;
  bool ticked = false;
  QPoint position;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& shown) {
  return out << shown.title.toStdString() << " [" << shown.origin.toStdString() << "] name " << shown.name.toStdString()
             << (shown.ticked ? " ticked" : "") << " at " << shown.position.x() << ',' << shown.position.y();
}

// The main window with a history of the test's own (start() opens it),
// messages recorded, file dialogs scripted.
class History : public ::testing::Test {
 protected:
  ~History() override {
    stop();
    QSettings().remove(QStringLiteral("history/keep"));
  }

  void start(const history::HistoryOptions& options = {}) {
    main = std::make_unique<frmMain>();
    main->history().openHistory(path, options);
    main->show();  // opens nothing more: the history is open
    QCoreApplication::processEvents();
  }

  // The program ends: the main window and every window with it, as when it
  // quits (no window is closed by the user).
  void stop() { testing::endProgram(main); }

  void restart(const history::HistoryOptions& options = {}) {
    stop();
    start(options);
  }

  // Presses Open with this rate and name; returns the new picture's window.
  frmObject* open(const QString& rate = QStringLiteral("1"), const QString& name = {}) {
    const int number = modObject::ObjectCount;
    child<QLineEdit>(*main, "txtMutationRate")->setText(rate);
    child<QLineEdit>(*main, "txtName")->setText(name);
    QTest::mouseClick(child<QPushButton>(*main, "btnOpen"), Qt::LeftButton);
    return openWindowOf(number);
  }

  // Opens a picture read from a spiral written to seed and saves it as saved.
  void readAndSave(const QString& seed, const QString& saved) {
    WriteSpiral(seed);
    frmObject* reader = open(QStringLiteral("0"), seed);
    ASSERT_NE(reader, nullptr);
    reader->txtName()->setText(saved);
    QTest::mouseClick(reader->btnSave(), Qt::LeftButton);
  }

  QAction* item(const char* name) { return child<QAction>(*main, name); }
  history::HistoryStore& store() {
    history::HistoryStore* store = main->history().store();
    EXPECT_NE(store, nullptr);
    return *store;
  }
  history::RunId run() { return store().currentRun().value_or(0); }

  // Moves a window and waits until it has come to rest.
  static void moveTo(frmObject* window, QPoint position) {
    window->move(position);
    QTest::qWait(400);
  }

  static void close(frmObject* window) {
    QTest::mouseClick(window->btnDone(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Every open picture window, by number.
  static std::map<int, Shown> shownPictures() {
    std::map<int, Shown> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* form = qobject_cast<frmObject*>(widget);
      if (form == nullptr || !form->isVisible()) continue;
      const std::shared_ptr<clsObject> made = picture(form->tag().toInt());
      shown[form->tag().toInt()] = Shown{form->picDraw()->surface().image(),
                                         form->windowTitle(),
                                         form->txtName()->text(),
                                         made ? OriginLine(*made) : QString(),
                                         form->cbxParent()->isChecked(),
                                         form->pos()};
    }
    return shown;
  }

  int messagesNaming(const QString& text) const {
    int count = 0;
    for (const QString& message : messages.texts) count += message.contains(text);
    return count;
  }

  ScopedNumberFormat english_{{u'.', u','}};
  testing::RecordingMessages messages;
  testing::ScriptedFileDialogs dialogs;
  Seam<UserMessages>::Scope recording_{messages};
  Seam<FileDialogs>::Scope scripted_{dialogs};
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("data/pelorin/history.sqlite"));
  std::unique_ptr<frmMain> main;
};

// --- Recording -------------------------------------------------------------

TEST_F(History, RecordsEachPictureByEveryRoadAndWhatTheUserDoesAsItHappens) {
  start();
  const QString seed = dir.filePath(QStringLiteral("seed.txt"));
  WriteSpiral(seed);
  frmObject* random = open(QStringLiteral("1"));   // 0: random
  random->cbxParent()->click();                    // ticked
  frmObject* bred = open(QStringLiteral(" 0.5"));  // 1: bred from 0
  QApplication::clipboard()->setText(QString::fromLatin1(GeneticCodeText(picture(0)->GenCode)));
  item("F_NewFromClipboard")->trigger();              // 2: pasted
  frmObject* read = open(QStringLiteral("0"), seed);  // 3: read
  ASSERT_TRUE(random && bred && read && openWindowOf(2));
  moveTo(bred, QPoint(310, 220));
  close(openWindowOf(2));
  random->cbxParent()->click();  // cleared
  bred->cbxParent()->click();    // ticked
  read->txtName()->setText(dir.filePath(QStringLiteral("saved.txt")));
  QTest::mouseClick(read->btnSave(), Qt::LeftButton);
  dialogs.path = dir.filePath(QStringLiteral("exported.png"));
  dialogs.filter = QStringLiteral("PNG image (*.png)");
  read->actExportImage()->trigger();

  const std::vector<history::RecordedPicture> pictures = store().picturesOf(run());
  ASSERT_EQ(pictures.size(), 4u);
  using How = PictureOrigin::How;
  const struct {
    How how;
    std::vector<std::int16_t> parents;
    const char* rateBox;
    QString nameBox;
    bool open, ticked;
  } expected[] = {{How::Random, {}, "1", {}, true, false},
                  {How::Bred, {0}, " 0.5", {}, true, true},
                  {How::Pasted, {}, " 0.5", {}, false, false},
                  {How::Read, {}, "0", seed, true, false}};
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    SCOPED_TRACE(i);
    const history::RecordedPicture& recorded = pictures[i];
    EXPECT_EQ(recorded.number, static_cast<std::int16_t>(i));
    EXPECT_TRUE(stored::SameBits(recorded.code, history::ValuesOf(picture(static_cast<int>(i))->GenCode)));
    EXPECT_EQ(recorded.origin.how, expected[i].how);
    EXPECT_EQ(recorded.origin.parents, expected[i].parents);
    EXPECT_EQ(recorded.origin.rateText, picture(static_cast<int>(i))->Origin.rateText);
    EXPECT_EQ(recorded.rateBoxText, QString::fromLatin1(expected[i].rateBox));
    EXPECT_EQ(recorded.nameBoxText, expected[i].nameBox);
    EXPECT_EQ(recorded.open, expected[i].open);
    EXPECT_EQ(recorded.ticked, expected[i].ticked);
  }
  EXPECT_EQ(pictures[1].position, std::optional<QPoint>(QPoint(310, 220)));
  const std::optional<history::PictureRef> saver = store().savedBy(stored::FileBytes(dir.filePath("saved.txt")));
  ASSERT_TRUE(saver);
  EXPECT_EQ(saver->number, 3);
  EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM event WHERE kind = 7 AND path LIKE '%exported.png'"), 1);
  EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(History, RecordingChangesNoDrawNumberOrFileOfARun) {
  // The same Opens with the history and without it: the same draws, numbers
  // and saved bytes.
  const auto session = [this] {
    testing::ScriptedRandom random({}, 0.37f);
    open(QStringLiteral("1"))->cbxParent()->click();
    frmObject* child = open(QStringLiteral("0.5"));
    child->txtName()->setText(dir.filePath(QStringLiteral("child.txt")));
    QTest::mouseClick(child->btnSave(), Qt::LeftButton);
    return std::pair{random.trace(), stored::FileBytes(dir.filePath(QStringLiteral("child.txt")))};
  };
  start();
  const auto recorded = session();
  ASSERT_NE(main->history().store(), nullptr);
  stop();
  main = std::make_unique<frmMain>();  // never shown: no history
  main->show();
  main->history().endRun();
  const auto bare = session();
  EXPECT_EQ(recorded, bare);
  EXPECT_EQ(modObject::ObjectCount, 2);
}

// --- Reopen and resume ------------------------------------------------------

TEST_F(History, ReopenClosedPictureBringsBackTheMostRecentlyClosedAsItselfThenTheOneBefore) {
  start();
  EXPECT_FALSE(item("F_ReopenClosed")->isEnabled());
  EXPECT_EQ(item("F_ReopenClosed")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+T")));
  for (int i = 0; i < 3; ++i) open(QStringLiteral("1"));
  moveTo(openWindowOf(1), QPoint(300, 200));
  moveTo(openWindowOf(2), QPoint(520, 240));
  openWindowOf(1)->cbxParent()->click();
  std::map<int, Shown> before = shownPictures();
  before[1].ticked = false;  // a reopened picture's Parent box is clear
  close(openWindowOf(1));
  openWindowOf(2)->close();  // the close box
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(shownPictures().size(), 1u);
  ASSERT_TRUE(item("F_ReopenClosed")->isEnabled());

  testing::ScriptedRandom random;
  item("F_ReopenClosed")->trigger();
  EXPECT_EQ(shownPictures().size(), 2u);
  EXPECT_EQ(shownPictures().at(2), before.at(2));
  item("F_ReopenClosed")->trigger();
  EXPECT_EQ(shownPictures(), before);
  EXPECT_EQ(random.trace(), "");
  EXPECT_EQ(modObject::ObjectCount, 3);
  EXPECT_FALSE(item("F_ReopenClosed")->isEnabled());
  for (const history::RecordedPicture& recorded : store().picturesOf(run())) {
    EXPECT_TRUE(recorded.open && !recorded.ticked) << recorded.number;
  }
  // Back, it is a picture like any other: ticked, it is a parent.
  openWindowOf(1)->cbxParent()->click();
  open(QStringLiteral("0"));
  EXPECT_EQ(picture(3)->Origin.parents, std::vector<std::int16_t>({1}));
  EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(History, ReopenWorksWithTheHistoryOff) {
  QSettings().setValue(QStringLiteral("history/keep"), false);
  start();
  EXPECT_EQ(main->history().store(), nullptr);
  EXPECT_FALSE(QFile::exists(path));
  open();
  const std::map<int, Shown> before = shownPictures();
  close(openWindowOf(0));
  item("F_ReopenClosed")->trigger();
  EXPECT_EQ(shownPictures(), before);
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(History, ResumeBringsBackEveryOpenPictureAsItWasAndItsClosedOnesCanBeReopened) {
  start();
  EXPECT_FALSE(item("F_ResumeLast")->isEnabled());  // no earlier run
  const QString seed = dir.filePath(QStringLiteral("seed.txt"));
  WriteSpiral(seed);
  open(QStringLiteral("1"));
  open(QStringLiteral("1"))->cbxParent()->click();
  open(QStringLiteral("0.5"));  // 2: bred from 1
  moveTo(open(QStringLiteral("0"), seed), QPoint(400, 300));
  const Shown closedBefore = shownPictures().at(2);
  close(openWindowOf(2));
  const std::map<int, Shown> before = shownPictures();
  child<QLineEdit>(*main, "txtMutationRate")->setText(QStringLiteral("0.9"));  // not a picture's: not kept
  restart();
  ASSERT_TRUE(item("F_ResumeLast")->isEnabled());
  EXPECT_EQ(item("F_ResumeLast")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+R")));
  EXPECT_FALSE(item("F_ReopenClosed")->isEnabled());

  testing::ScriptedRandom random;
  item("F_ResumeLast")->trigger();
  EXPECT_EQ(random.trace(), "");
  EXPECT_EQ(shownPictures(), before);
  EXPECT_EQ(child<QLineEdit>(*main, "txtMutationRate")->text(), QStringLiteral("0"));
  EXPECT_EQ(child<QLineEdit>(*main, "txtName")->text(), seed);
  EXPECT_EQ(modObject::ObjectCount, 4);
  EXPECT_FALSE(item("F_ResumeLast")->isEnabled());
  ASSERT_TRUE(item("F_ReopenClosed")->isEnabled());
  item("F_ReopenClosed")->trigger();
  EXPECT_EQ(shownPictures().at(2), closedBefore);
  EXPECT_EQ(random.trace(), "");
  // Numbering goes on; the ticked picture is a parent.
  open(QStringLiteral("0"));
  EXPECT_EQ(OriginLine(*picture(4)), QStringLiteral("Picture 4: bred from 1 at mutation rate 0"));
  const std::vector<history::RunSummary> runs = store().runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].continues, std::optional<history::RunId>(runs[1].id));
  EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(History, ResumeOfAResumedRunBringsBackBothRunsPicturesAsThemselvesTheLastClosedFirst) {
  start();
  for (int i = 0; i < 3; ++i) open();
  close(openWindowOf(2));
  restart();
  item("F_ResumeLast")->trigger();
  open();  // 3, of the continuation
  const std::map<int, Shown> all = shownPictures();
  close(openWindowOf(3));
  close(openWindowOf(0));  // of the first run, closed last
  restart();
  item("F_ResumeLast")->trigger();
  EXPECT_EQ(shownPictures().size(), 1u);
  item("F_ReopenClosed")->trigger();
  EXPECT_EQ(shownPictures().size(), 2u);
  EXPECT_EQ(shownPictures().at(0), all.at(0));
  item("F_ReopenClosed")->trigger();
  EXPECT_EQ(shownPictures().at(3), all.at(3));
  item("F_ReopenClosed")->trigger();
  EXPECT_EQ(shownPictures().count(2), 1u);
  EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(History, ARunWithAnUnreadableRecordResumesEveryGoodPictureSaysSoOnceAndRecordsOn) {
  start();
  for (int i = 0; i < 3; ++i) open();
  const std::map<int, Shown> before = shownPictures();
  stop();
  QueryInt(path, "UPDATE picture SET code = x'0203040506' WHERE number = 1");
  start();
  item("F_ResumeLast")->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(shownPictures().size(), 2u);
  EXPECT_EQ(shownPictures().at(2), before.at(2));
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("picture 1 ("))) << messages.texts[0].toStdString();
  ASSERT_NE(open(), nullptr);
  EXPECT_TRUE(main->history().recording());
  EXPECT_EQ(store().picturesOf(run()).size(), 1u);
  EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(History, ResumeIsOnlyForARunThatHasMadeNoPicture) {
  start();
  open();
  restart();
  open();
  EXPECT_FALSE(item("F_ResumeLast")->isEnabled());
  EXPECT_FALSE(main->history().canResume(store().runs()[1].id));
}

TEST_F(History, AForgottenRunIsGoneAndNoLongerOfferedToResume) {
  start();
  open();
  restart();
  const history::RunId earlier = store().runs()[1].id;
  ASSERT_TRUE(item("F_ResumeLast")->isEnabled());
  main->history().forgetRun(earlier);
  EXPECT_FALSE(item("F_ResumeLast")->isEnabled());
  EXPECT_FALSE(main->history().canResume(earlier));
  ASSERT_EQ(store().runs().size(), 1u);
  EXPECT_EQ(store().runs()[0].id, run());
}

TEST_F(History, APictureOfAnEarlierRunBecomesANewPictureOfThisRunNamingIt) {
  start();
  open();
  open();
  const Shown earlier = shownPictures().at(1);
  restart();
  open();  // picture 0 of this run
  const history::RunSummary before = store().runs()[1];
  const history::RecordedPicture recorded = store().picturesOf(before.id)[1];
  testing::ScriptedRandom random;
  main->history().openRecorded(recorded);
  EXPECT_EQ(random.trace(), "");
  ASSERT_NE(openWindowOf(1), nullptr);
  EXPECT_EQ(shownPictures().at(1).image, earlier.image);
  const QString runText = QLocale::c().toString(before.started, QStringLiteral("d MMM yyyy HH:mm"));
  EXPECT_EQ(OriginLine(*picture(1)), QStringLiteral("Picture 1: from picture 1 of the run of %1").arg(runText));
  const history::RecordedPicture made = store().picturesOf(run()).back();
  EXPECT_EQ(made.origin.how, PictureOrigin::How::Copied);
  ASSERT_TRUE(made.savedFrom);
  EXPECT_EQ(made.savedFrom->id, recorded.id);
  // A picture of this run comes to the front, or back if closed.
  close(openWindowOf(0));
  main->history().openRecorded(store().picturesOf(run())[0]);
  EXPECT_NE(openWindowOf(0), nullptr);
  main->history().openRecorded(store().picturesOf(run())[0]);
  EXPECT_EQ(modObject::ObjectCount, 2);
}

// --- Lineage through files ----------------------------------------------------

TEST_F(History, APictureReadFromASavedFileNamesThePictureThatSavedIt) {
  start();
  const QString seed = dir.filePath(QStringLiteral("seed.txt"));
  const QString saved = dir.filePath(QStringLiteral("a.txt"));
  readAndSave(seed, saved);
  open(QStringLiteral("0"), saved);
  const struct {
    int number;
    const char* line;
  } thisRun[] = {{0, "Picture 0: read from seed.txt at mutation rate 0"},
                 {1, "Picture 1: read from a.txt, saved from picture 0, at mutation rate 0"}};
  for (const auto& [number, line] : thisRun) EXPECT_EQ(OriginLine(*picture(number)), QString::fromLatin1(line));
  GeneticCodeWindow* window = showGeneticCodeWindow(*picture(1));
  EXPECT_EQ(child<QLabel>(*window, "lblOrigin")->text(), QString::fromLatin1(thisRun[1].line));

  restart();
  open(QStringLiteral("0"), saved);
  const QString runText = QLocale::c().toString(store().runs()[1].started, QStringLiteral("d MMM yyyy HH:mm"));
  EXPECT_EQ(OriginLine(*picture(0)),
            QStringLiteral("Picture 0: read from a.txt, saved from picture 0 of the run of %1, at mutation rate 0")
                .arg(runText));
  // Resumed, the picture read in this run still names its saver.
  restart();
  item("F_ResumeLast")->trigger();
  EXPECT_EQ(OriginLine(*picture(0)),
            QStringLiteral("Picture 0: read from a.txt, saved from picture 0 of the run of %1, at mutation rate 0")
                .arg(runText));

  // Without the history the line is as it always was.
  main->history().setKeepHistory(false);
  open(QStringLiteral("0"), saved);
  EXPECT_EQ(OriginLine(*picture(1)), QStringLiteral("Picture 1: read from a.txt at mutation rate 0"));
  EXPECT_EQ(messages.texts, QStringList());
}

// An exported image carries the code: read back, it names the picture that
// exported it, as a saved file names its saver.
TEST_F(History, APictureReadFromAnExportedImageNamesThePictureThatExportedIt) {
  start();
  frmObject* random = open(QStringLiteral("1"));
  ASSERT_NE(random, nullptr);
  const struct {
    const char* file;
    const char* filter;
  } exports[] = {{"a.png", "PNG image, 4x (*.png)"}, {"a.svg", "SVG image, whole path (*.svg)"}};
  for (const auto& [file, filter] : exports) {
    dialogs.path = dir.filePath(QString::fromLatin1(file));
    dialogs.filter = QString::fromLatin1(filter);
    random->actExportImage()->trigger();
    ASSERT_NE(open(QStringLiteral("0"), dialogs.path), nullptr);
  }
  EXPECT_EQ(OriginLine(*picture(1)),
            QStringLiteral("Picture 1: read from a.png, saved from picture 0, at mutation rate 0"));
  EXPECT_EQ(OriginLine(*picture(2)),
            QStringLiteral("Picture 2: read from a.svg, saved from picture 0, at mutation rate 0"));
  EXPECT_EQ(messages.texts, QStringList());
}

// Another program holds the history's write lock for seconds: Opens of
// files, whose lineage is looked up, return at once, and once the lock is
// free every picture and save is recorded, naming the picture that saved the
// file read, of an earlier run or of this one.
TEST_F(History, AnotherProgramsWriteLockNeitherHoldsUpOpenNorLosesARecord) {
  history::HistoryOptions options;
  options.busyTimeoutMs = 2500;  // each write waits this long, then again
  start(options);
  const QString earlier = dir.filePath(QStringLiteral("a.txt"));
  const QString own = dir.filePath(QStringLiteral("b.txt"));
  readAndSave(dir.filePath(QStringLiteral("seed.txt")), earlier);
  restart(options);
  const history::RunId ours = run();
  frmHistory& window = showHistoryWindow(main->history());

  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
  sqlite3_busy_timeout(other, 5000);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
  QElapsedTimer held;
  held.start();
  open(QStringLiteral("1"));  // 0: its record waits for the lock
  frmObject* fromEarlier = open(QStringLiteral("0"), earlier);
  ASSERT_NE(fromEarlier, nullptr);
  fromEarlier->txtName()->setText(own);
  QTest::mouseClick(fromEarlier->btnSave(), Qt::LeftButton);
  ASSERT_NE(open(QStringLiteral("0"), own), nullptr);
  window.refresh();                 // nor does the History window
  EXPECT_LT(held.elapsed(), 2000);  // no wait of a busy timeout
  EXPECT_TRUE(child<QLabel>(window, "lblStatus")->text().startsWith(QStringLiteral("Another program is writing")));
  EXPECT_EQ(OriginLine(*picture(2)),
            QStringLiteral("Picture 2: read from b.txt, saved from picture 1, at mutation rate 0"));
  QTest::qWait(static_cast<int>(std::max<qint64>(0, 4000 - held.elapsed())));  // past a busy timeout
  sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  // Shown again once free.
  EXPECT_TRUE(QTest::qWaitFor([&] {
    const history::RunSummary* shown = window.runsModel().run(window.runsModel().indexOf(ours));
    return shown != nullptr && shown->pictures == 3;
  }));

  const std::vector<history::RecordedPicture> pictures = store().picturesOf(ours);
  ASSERT_EQ(pictures.size(), 3u);
  ASSERT_TRUE(pictures[1].savedFrom && pictures[2].savedFrom);
  EXPECT_EQ(pictures[1].savedFrom->run, store().runs()[1].id);
  EXPECT_EQ(pictures[1].savedFrom->number, 0);
  EXPECT_EQ(pictures[2].savedFrom->id, pictures[1].id);
  EXPECT_EQ(store().savedBy(stored::FileBytes(own))->id, pictures[1].id);
  EXPECT_EQ(messages.texts, QStringList());
}

// A recorded place on a screen since unplugged would put the window out of
// reach; reopened or resumed, it comes back where a new picture's window goes
// instead. (Places on a screen come back: see the tests above.)
TEST_F(History, AWindowFromAGoneScreenComesBackWhereANewOneGoes) {
  start();
  const QPoint newPlace = open()->pos();
  for (int i = 0; i < 2; ++i) moveTo(open(), QPoint(5000, 4000));
  ASSERT_EQ(openWindowOf(2)->pos(), QPoint(5000, 4000));
  close(openWindowOf(2));
  item("F_ReopenClosed")->trigger();
  ASSERT_NE(openWindowOf(2), nullptr);
  EXPECT_EQ(openWindowOf(2)->pos(), newPlace);
  restart();
  item("F_ResumeLast")->trigger();
  ASSERT_NE(openWindowOf(1), nullptr);
  EXPECT_EQ(openWindowOf(1)->pos(), newPlace);
}

// --- Names shown as written -------------------------------------------------

// The text a user reads in a tooltip Qt is given: rich text rendered.
QString readAs(const QString& tip) {
  QTextDocument document;
  document.setHtml(tip);
  return Qt::mightBeRichText(tip) ? document.toPlainText() : tip;
}

QString tooltipOver(QWidget* widget, QPoint point) {
  QHelpEvent help(QEvent::ToolTip, point, widget->mapToGlobal(point));
  QApplication::sendEvent(widget, &help);
  return readAs(QToolTip::text());
}

// A file's name may look like markup: every tooltip naming its picture reads
// as the picture's origin line. (Ordinary tooltips are compared as before by
// the board's, History window's and family tree's own tests.)
TEST_F(History, EveryTooltipShowsAFilesNameAsWritten) {
  start();
  const QString file = dir.filePath(QStringLiteral("<b>bold<i>it \"q\" 'x' &amp; <img src=x>.txt"));
  WriteSpiral(file);
  ASSERT_NE(open(QStringLiteral("0"), file), nullptr);
  const QString line = OriginLine(*picture(0));
  ASSERT_TRUE(line.contains(QFileInfo(file).fileName())) << line.toStdString();
  PictureView* view = openWindowOf(0)->picDraw();
  EXPECT_EQ(tooltipOver(view, view->rect().center()), line);
  EXPECT_EQ(readAs(BoardModel().indexOf(0).data(Qt::ToolTipRole).toString()), line);
  HistoryCellsModel cells;
  cells.setPictures(run(), store().picturesOf(run()));
  EXPECT_EQ(readAs(cells.index(0).data(Qt::ToolTipRole).toString()), line);
  frmFamilyTree& tree = showFamilyTreeWindow(main->history(), store().picturesOf(run()).at(0).id);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !tree.layingOut(); }, 10000));
  QCoreApplication::processEvents();
  EXPECT_EQ(tooltipOver(tree.view().viewport(), tree.view().cellRectInView(0).center().toPoint()), line);
}

// --- When things go wrong ----------------------------------------------------

struct Trouble {
  const char* name;
  // Makes the trouble for the history at path under folder; returns the options.
  std::function<history::HistoryOptions(const QString& path, const QString& folder)> make;
  const char* says;        // in the one message
  bool recordsAfterwards;  // a new history begins
};

class WhenTheHistoryCannotBeUsed : public History, public ::testing::WithParamInterface<Trouble> {};

TEST_P(WhenTheHistoryCannotBeUsed, TheUserIsToldOnceNamingTheFileAndOpenStillWorks) {
  const Trouble& trouble = GetParam();
  const history::HistoryOptions options = trouble.make(path, dir.path());
  const QByteArray before = stored::FileBytes(path);
  start(options);
  for (int i = 0; i < 3; ++i) ASSERT_NE(open(), nullptr) << i;
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.texts.size(), 1) << messages.texts.join(u'\n').toStdString();
  EXPECT_TRUE(messages.texts[0].contains(QDir::toNativeSeparators(path))) << messages.texts[0].toStdString();
  EXPECT_TRUE(messages.texts[0].contains(QLatin1String(trouble.says))) << messages.texts[0].toStdString();
  EXPECT_EQ(main->history().store() != nullptr, trouble.recordsAfterwards);
  if (trouble.recordsAfterwards) {
    EXPECT_EQ(store().picturesOf(run()).size(), 3u);
  }
  // The user's file: moved aside byte for byte, or left as it was.
  const QStringList aside = QDir(QFileInfo(path).absolutePath()).entryList({QStringLiteral("*.broken-*")});
  if (QLatin1String(trouble.says) == QLatin1String("moved aside")) {
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(messages.texts[0].contains(aside[0]));
    EXPECT_EQ(stored::FileBytes(QFileInfo(path).absolutePath() + u'/' + aside[0]), before);
  } else if (!before.isEmpty()) {
    EXPECT_EQ(stored::FileBytes(path), before);
  }
  // Reopen needs no history.
  close(openWindowOf(2));
  item("F_ReopenClosed")->trigger();
  EXPECT_NE(openWindowOf(2), nullptr);
  EXPECT_EQ(messages.texts.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, WhenTheHistoryCannotBeUsed,
                         ::testing::Values(Trouble{"RandomBytes",
                                                   [](const QString& path, const QString&) {
                                                     WriteBytes(path, RandomBytes(65536, 17));
                                                     return history::HistoryOptions{};
                                                   },
                                                   "moved aside", true},
                                           Trouble{"NewerPelorin",
                                                   [](const QString& path, const QString&) {
                                                     { history::HistoryStore made(path); }
                                                     EXPECT_EQ(QueryInt(path, "PRAGMA user_version = 2"),
                                                               -1);  // runs; returns no row
                                                     return history::HistoryOptions{};
                                                   },
                                                   "newer Pelorin", false},
                                           Trouble{"FolderCannotBeMade",
                                                   [](const QString&, const QString& folder) {
                                                     // The data folder's parent is a regular file.
                                                     WriteBytes(folder + QStringLiteral("/data"), "not a folder");
                                                     return history::HistoryOptions{};
                                                   },
                                                   "cannot be made", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(History, AFullDiskStopsTheRecordingWithOneMessageAndKeepsWhatItHad) {
  // The size of a new history, plus one page: a few pictures fit.
  const QString probe = dir.filePath(QStringLiteral("probe/history.sqlite"));
  { history::HistoryStore made(probe); }
  history::HistoryOptions limited;
  limited.maxPageCount = QueryInt(probe, "PRAGMA page_count") + 1;
  start(limited);
  // The records are written on the recorder's thread, below the interface's
  // priority: on a busy machine it may lag many Opens behind. Each Open is
  // waited for (store() settles the queue and hands over its problem), so
  // the message comes at the Open whose picture did not fit.
  int opened = 0;
  for (; opened < 60 && messages.texts.isEmpty(); ++opened) {
    ASSERT_NE(open(), nullptr);
    main->history().store();
    QCoreApplication::processEvents();
  }
  ASSERT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(messages.texts[0].contains(QStringLiteral("disk is full")));
  EXPECT_TRUE(messages.texts[0].contains(QDir::toNativeSeparators(path)));
  for (int i = 0; i < 3; ++i) ASSERT_NE(open(), nullptr);
  QCoreApplication::processEvents();
  EXPECT_EQ(messages.texts.size(), 1);
  stop();
  EXPECT_EQ(stored::IntegrityOf(path), "ok");
  history::HistoryStore later(path);
  const std::vector<history::RunSummary> runs = later.runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_GT(runs[1].pictures, 0);
  EXPECT_LT(runs[1].pictures, opened);
}

TEST_F(History, TwoProgramsAtOnceEachRecordTheirOwnRun) {
  start();
  const history::RunId ours = run();
  std::optional<history::RunId> theirs;
  std::thread other([&] {
    history::HistoryStore second(path);
    for (std::int16_t number = 0; number < 100; ++number) second.recordPicture(stored::MadePicture(number));
    theirs = second.currentRun();
    second.endRun();
  });
  for (int i = 0; i < 20; ++i) open();
  other.join();
  QCoreApplication::processEvents();
  EXPECT_EQ(messages.texts, QStringList());
  ASSERT_TRUE(theirs);
  EXPECT_NE(*theirs, ours);
  EXPECT_EQ(store().picturesOf(ours).size(), 20u);
  EXPECT_EQ(store().picturesOf(*theirs).size(), 100u);
}

TEST_F(History, KeepHistoryIsRememberedAndOffRecordsNothingMore) {
  start();
  EXPECT_TRUE(main->history().keepHistory());
  open();
  main->history().setKeepHistory(false);
  EXPECT_EQ(main->history().store(), nullptr);
  open();
  restart();
  EXPECT_FALSE(main->history().keepHistory());
  EXPECT_EQ(main->history().store(), nullptr);
  main->history().setKeepHistory(true);
  ASSERT_NE(main->history().store(), nullptr);
  const std::vector<history::RunSummary> runs = store().runs();
  ASSERT_EQ(runs.size(), 2u);  // the first run, and this one from now on
  EXPECT_EQ(runs[1].pictures, 1);
}

// --- Other Pelorins on the same history ------------------------------------

// Starts the real program with its data and settings under home, the signals
// it handles at their defaults (a test run in the background may hand them
// down ignored), on display's X server if given, and waits for its run:
// returns the run's id, not above the last run before when none came.
history::RunId StartPelorin(QProcess& program, const QString& home, const QString& display = {}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), display.isEmpty() ? "offscreen" : "xcb");
  if (!display.isEmpty()) environment.insert(QStringLiteral("DISPLAY"), display);
  environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
  program.setProcessEnvironment(environment);
  program.setChildProcessModifier([] {
    for (int number : {SIGTERM, SIGHUP, SIGINT}) ::signal(number, SIG_DFL);
  });
  const QString file = home + QStringLiteral("/data/pelorin/history.sqlite");
  const std::int64_t before = std::max<std::int64_t>(0, QueryInt(file, "SELECT count(*) FROM run"));
  program.start(QStringLiteral(PELORIN_PROGRAM), {});
  EXPECT_TRUE(QTest::qWaitFor([&] { return QueryInt(file, "SELECT count(*) FROM run") > before; }, 30000));
  return QueryInt(file, "SELECT max(id) FROM run");
}

// Another Pelorin records a run of three pictures on the test's history while
// this one starts. Its run is live until it dies: this program neither
// resumes nor forgets it meanwhile, and says why.
struct AnotherProgram {
  const char* name;
  bool earlierRun;  // a killed run of two pictures before the other's
  int endedBy;      // the signal that ends the other before Resume Last Run; 0: none
};

class WithAnotherPelorin : public History, public ::testing::WithParamInterface<AnotherProgram> {};

TEST_P(WithAnotherPelorin, ItsLiveRunIsNeitherResumedNorForgottenHere) {
  const AnotherProgram& c = GetParam();
  const int kept = c.earlierRun ? 2 : 0;  // of the killed run; the rest become the other's
  const history::RunId killed = [&] {
    history::HistoryStore made(path);  // killed: no end
    for (std::int16_t number = 0; number < kept + 3; ++number) made.recordPicture(stored::MadePicture(number));
    return *made.currentRun();
  }();
  QProcess other;
  const history::RunId theirs = StartPelorin(other, dir.path());
  ASSERT_GT(theirs, killed);
  QueryInt(path,
           QStringLiteral("UPDATE picture SET run = %1 WHERE number >= %2").arg(theirs).arg(kept).toUtf8().constData());
  start();

  emit child<QMenu>(*main, "M_File")->aboutToShow();
  EXPECT_EQ(item("F_ResumeLast")->isEnabled(), c.earlierRun);
  EXPECT_TRUE(item("F_ResumeLast")->toolTip().contains(QStringLiteral("still being recorded by another Pelorin")));
  frmHistory& window = showHistoryWindow(main->history());
  window.chooseRun(theirs);
  for (const char* button : {"btnResume", "btnForget"}) {
    EXPECT_FALSE(child<QPushButton>(window, button)->isEnabled()) << button;
    EXPECT_EQ(child<QPushButton>(window, button)->toolTip(),
              QStringLiteral("The chosen run is still being recorded by another Pelorin"));
  }
  window.close();

  if (c.endedBy != 0) {
    ASSERT_EQ(::kill(static_cast<pid_t>(other.processId()), c.endedBy), 0);
    ASSERT_TRUE(other.waitForFinished(30000));
    emit child<QMenu>(*main, "M_File")->aboutToShow();
    EXPECT_TRUE(item("F_ResumeLast")->isEnabled());
    EXPECT_FALSE(item("F_ResumeLast")->toolTip().contains(QStringLiteral("another Pelorin")));
  }
  item("F_ResumeLast")->trigger();
  const history::RunId resumed = c.endedBy != 0 ? theirs : c.earlierRun ? killed : 0;
  EXPECT_EQ(shownPictures().size(), c.endedBy != 0 ? 3u : static_cast<std::size_t>(kept));
  EXPECT_EQ(store().runs()[0].continues, resumed != 0 ? std::optional(resumed) : std::nullopt);
  EXPECT_EQ(messages.texts, QStringList());
}

INSTANTIATE_TEST_SUITE_P(History, WithAnotherPelorin,
                         ::testing::Values(AnotherProgram{"Running", false, 0},
                                           AnotherProgram{"RunningAfterAKilledRun", true, 0},
                                           AnotherProgram{"Killed", false, SIGKILL}),
                         [](const auto& info) { return std::string(info.param.name); });

// The real program, asked to end by a signal as a logout, kill or Ctrl+C
// asks it, or losing its X server (signal 0), exits with the code given and
// ends its run (which made nothing, so is gone); SIGKILL (code -1) leaves the
// run as a crash does.
TEST_F(History, APoliteSignalEndsTheRunAsExitDoes) {
  const bool xvfb = !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
  for (const auto& [signal, code] : {std::pair{SIGTERM, 0}, {SIGHUP, 0}, {SIGINT, 0}, {0, 1}, {SIGKILL, -1}}) {
    SCOPED_TRACE(signal);
    QProcess server, program;
    QString display;
    if (signal == 0) {
      if (!xvfb) continue;
      server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp"});
      ASSERT_TRUE(server.waitForReadyRead(10000));
      display = QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed());
    }
    ASSERT_GT(StartPelorin(program, dir.path(), display), 0);
    if (signal == 0) {
      server.kill();
    } else {
      ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), signal), 0);
    }
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, code);
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM run WHERE ended_ms IS NULL"), code < 0 ? 1 : 0);
  }
  if (!xvfb) GTEST_SKIP() << "no Xvfb: a lost X server was not tried";
}

}  // namespace
}  // namespace pelorin
