#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <memory>
#include <set>

#include "app_state/mod_object.h"
#include "history/history_fixture.h"
#include "picture/line_geometry.h"
#include "picture/picture_export.h"
#include "picture/picture_object.h"
#include "picture/picture_origin.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "support/gui_fixture.h"
#include "support/history_window_fixture.h"
#include "ui/common/cell_grid_view.h"
#include "ui/common/history_actions.h"
#include "ui/history/frm_history.h"
#include "ui/history/history_cell_delegate.h"
#include "ui/history/history_cells_model.h"
#include "ui/history/history_runs_model.h"
#include "ui/main/history_keeper.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {
namespace {

using history::RecordedPicture;
using history::RunId;
// The fixtures of the windows that browse the history.
using namespace testing;  // NOLINT(google-build-using-namespace)

// A history of three runs, oldest first (a fourth, E, made nothing and is gone):
//   A  8 Dec 14:02, ended: pictures 0, 1 (bred from 0), 2 (from 0 and 1); 1 closed
//   E  8 Dec 15:30, ended: no pictures
//   B  9 Dec 09:15, killed: pictures 0, 1; 0 closed
//   C 10 Dec 10:00, this run, continuing B: pictures 2 (bred from B's 1), 3; 3 closed
// and the History window over it.
class HistoryWindowTest : public ::testing::Test {
 protected:
  HistoryWindowTest() {
    runA = pastRun(at(8, 14, 2), 3, {1}, true);
    pastRun(at(8, 15, 30), 0, {}, true);
    runB = pastRun(at(9, 9, 15), 2, {0}, false);
    clock = at(10, 10, 0);
    store = std::make_unique<history::HistoryStore>(path, options());
    runC = *store->currentRun();
    EXPECT_TRUE(store->continueRun(runB));
    store->recordPicture(madePicture(2, {1}));
    store->recordPicture(madePicture(3));
    store->recordClosed(3);
    actions.history = store.get();
  }
  void TearDown() override {
    delete window;
    store.reset();
    EXPECT_EQ(history::testing::IntegrityOf(path), "ok");
  }

  history::HistoryOptions options() { return history::testing::SteppingClock(clock); }
  RunId pastRun(const QDateTime& start, int pictures, const std::set<int>& closed, bool ended) {
    clock = start;
    history::HistoryStore past(path, options());
    for (int n = 0; n < pictures; ++n) {
      std::vector<std::int16_t> parents;
      for (int p = 0; p < n; ++p) parents.push_back(static_cast<std::int16_t>(p));
      past.recordPicture(madePicture(static_cast<std::int16_t>(n), parents));
    }
    for (int n : closed) past.recordClosed(static_cast<std::int16_t>(n));
    const RunId run = *past.currentRun();
    if (ended) past.endRun();
    return run;
  }

  frmHistory& open() {
    window = &showHistoryWindow(actions);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    return *window;
  }
  void choose(RunId run) {
    window->chooseRun(run);
    ASSERT_EQ(window->chosenRun(), run);
  }
  HistoryCellsModel& cells() { return window->cellsModel(); }
  QList<int> numbers() {
    QList<int> shown;
    for (int row = 0; row < cells().rowCount(); ++row) shown << cells().index(row).data().toInt();
    return shown;
  }
  QRect pictureRect(int row) {
    QStyleOptionViewItem option;
    option.initFrom(&window->cellsView());
    option.widget = &window->cellsView();
    return window->delegate().layout(window->cellsView().visualRect(cells().index(row)), option).picture;
  }
  // The program says the history changed; the window reads it soon after.
  void changed() {
    emit actions.changed();
    EXPECT_TRUE(window->refreshPending());
    for (int i = 0; i < 600 && window->refreshPending(); ++i) QTest::qWait(5);
    EXPECT_FALSE(window->refreshPending());
  }
  QString status() {
    auto* label = child<QLabel>(*window, "lblStatus");
    return label->isVisible() ? label->text() : QString();
  }

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pelorin/history.sqlite"));
  QDateTime clock;
  RunId runA = 0, runB = 0, runC = 0;
  std::unique_ptr<history::HistoryStore> store;
  FakeHistoryActions actions;
  testing::RecordingMessages messages;
  Seam<UserMessages>::Scope recording{messages};
  QPointer<frmHistory> window;
};

TEST_F(HistoryWindowTest, ListsTheRunsNewestFirstWithTheirCountsThisRunMarkedAndChosen) {
  open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("History"));
  EXPECT_EQ(window->objectName(), QStringLiteral("frmHistory"));
  const HistoryRunsModel& runs = window->runsModel();
  EXPECT_EQ(&runs, window->runsView().model());
  QStringList headers;
  for (int column = 0; column < runs.columnCount(); ++column)
    headers << runs.headerData(column, Qt::Horizontal).toString();
  EXPECT_EQ(headers, QStringList({"Started", "Pictures", "Open"}));
  const struct {
    RunId run;
    const char* started;
    const char* pictures;
    const char* open;
    bool bold;
  } expected[] = {
      {runC, "10 Dec 2026 10:00:00 (this run)", "2", "1", true},
      {runB, "9 Dec 2026 09:15:00 (continued)", "2", "1", false},
      {runA, "8 Dec 2026 14:02:00", "3", "2", false},
  };
  ASSERT_EQ(runs.rowCount(), 3);
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    const auto& want = expected[row];
    const auto cell = [&](int column, int role = Qt::DisplayRole) { return runs.index(row, column).data(role); };
    EXPECT_EQ(cell(0, HistoryRunsModel::RunRole).value<RunId>(), want.run);
    EXPECT_EQ(cell(HistoryRunsModel::StartedColumn).toString(), QString::fromLatin1(want.started));
    EXPECT_EQ(cell(HistoryRunsModel::PicturesColumn).toString(), QString::fromLatin1(want.pictures));
    EXPECT_EQ(cell(HistoryRunsModel::OpenColumn).toString(), QString::fromLatin1(want.open));
    EXPECT_EQ(cell(HistoryRunsModel::StartedColumn, Qt::FontRole).value<QFont>().bold(), want.bold);
  }
  EXPECT_TRUE(
      runs.index(2, 0).data(Qt::ToolTipRole).toString().startsWith("The run started 8 Dec 2026 14:02:00, ended"));
  EXPECT_EQ(runs.index(1, 0).data(Qt::ToolTipRole).toString(),
            "The run started 9 Dec 2026 09:15:00, never ended (the program was stopped, or is still running): "
            "2 pictures, 1 open; this run continues it");
  // The newest run with pictures, this one here.
  EXPECT_EQ(window->chosenRun(), runC);
  EXPECT_EQ(window->runsView().currentIndex().row(), 0);
  EXPECT_EQ(child<QLabel>(*window, "lblRun")->text(), QStringLiteral("This run: 2 pictures, 1 open"));
  EXPECT_EQ(status(), QString());
  EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(HistoryWindowTest, ShowsAChosenRunsPicturesInNumberOrderWithTheirOriginLinesClosedOnesDimmed) {
  open();
  const struct {
    RunId run;
    QList<int> numbers;
    QList<bool> open;
    QStringList origins;  // as each picture's tooltip gives it
    const char* label;
  } shown[] = {
      {runA,
       {0, 1, 2},
       {true, false, true},
       {"Picture 0: random", "Picture 1: bred from 0 at mutation rate 0.05; 1 of 448 traits mutated",
        "Picture 2: bred from 0 and 1 at mutation rate 0.05; 1 of 448 traits mutated"},
       "The run of 8 Dec 2026 14:02:00: 3 pictures, 2 open"},
      {runB,
       {0, 1},
       {false, true},
       {"Picture 0: random", "Picture 1: bred from 0 at mutation rate 0.05; 1 of 448 traits mutated"},
       "The run of 9 Dec 2026 09:15:00: 2 pictures, 1 open"},
      {runC,
       {2, 3},
       {true, false},
       {"Picture 2: bred from 1 at mutation rate 0.05; 1 of 448 traits mutated", "Picture 3: random"},
       "This run: 2 pictures, 1 open"},
  };
  for (const auto& want : shown) {
    SCOPED_TRACE(want.label);
    // Chosen with the mouse, as the user does.
    QTreeView& runs = window->runsView();
    QTest::mouseClick(runs.viewport(), Qt::LeftButton, {},
                      runs.visualRect(window->runsModel().indexOf(want.run)).center());
    ASSERT_EQ(window->chosenRun(), want.run);
    EXPECT_EQ(child<QLabel>(*window, "lblRun")->text(), QString::fromLatin1(want.label));
    EXPECT_EQ(numbers(), want.numbers);
    const QImage shot = window->cellsView().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // As a screen reader hears them: the cells of the run chosen.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&window->cellsView());
    ASSERT_EQ(list->childCount(), want.numbers.size());
    for (int row = 0; row < cells().rowCount(); ++row) {
      SCOPED_TRACE(row);
      QAccessibleInterface* item = list->child(row);
      EXPECT_EQ(item->role(), QAccessible::ListItem);
      EXPECT_EQ(item->text(QAccessible::Name), QStringLiteral("Picture %1%2")
                                                   .arg(want.numbers[row])
                                                   .arg(want.open[row] ? QString() : QStringLiteral(", closed")));
      EXPECT_EQ(item->text(QAccessible::Description), want.origins[row]);
      const QModelIndex cell = cells().index(row);
      const RecordedPicture& picture = *cells().picture(cell);
      EXPECT_EQ(picture.run, want.run);
      EXPECT_EQ(cell.data(HistoryCellsModel::OpenRole).toBool(), want.open[row]);
      EXPECT_EQ(cell.data(OriginRole).toString(), want.origins[row]);
      EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(),
                want.origins[row] + (want.open[row] ? QString() : QStringLiteral(", closed")));
      // An open picture's cell shows it as it is; a closed one's dimmed.
      const QImage painted = shot.copy(pictureRect(row));
      EXPECT_EQ(bool(ShowsLine(painted, LineColour(picture.number), systemWindowBackground(), LineFraming::Window)),
                want.open[row]);
    }
  }
  EXPECT_EQ(cells().index(1).data(OriginRole).toString(), "Picture 3: random");
  choose(runA);
  EXPECT_EQ(cells().index(2).data(OriginRole).toString(),
            "Picture 2: bred from 0 and 1 at mutation rate 0.05; 1 of 448 traits mutated");
}

// Lineage as the picture's own tooltip gives it: the recorded picture it was
// read or copied from, named with its run unless it is of this run.
TEST_F(HistoryWindowTest, ACellsOriginLineNamesThePictureItWasReadOrCopiedFrom) {
  const std::vector<RecordedPicture> earlier = store->picturesOf(runA);
  const std::vector<RecordedPicture> continued = store->picturesOf(runB);
  const struct {
    PictureOrigin::How how;
    history::PictureId from;
    const char* line;
  } made[] = {
      {PictureOrigin::How::Read, earlier[2].id,
       "Picture 4: read from a.txt, saved from picture 2 of the run of 8 Dec 2026 14:02, at mutation rate 0.05"},
      {PictureOrigin::How::Copied, earlier[0].id, "Picture 5: from picture 0 of the run of 8 Dec 2026 14:02"},
      {PictureOrigin::How::Copied, continued[1].id, "Picture 6: from picture 1"},
  };
  std::int16_t number = 4;
  for (const auto& picture : made) {
    history::NewPicture copy = madePicture(number++);
    copy.origin.how = picture.how;
    copy.origin.fileName = QStringLiteral("/pictures/a.txt");
    copy.origin.sources = TraitSources();
    copy.savedFrom = picture.from;
    store->recordPicture(copy);
  }
  open();
  ASSERT_EQ(numbers(), QList<int>({2, 3, 4, 5, 6}));
  for (int row = 2; row < 5; ++row) {
    EXPECT_EQ(cells().index(row).data(OriginRole).toString(), QString::fromLatin1(made[row - 2].line));
  }
}

TEST_F(HistoryWindowTest, CellsAreDrawnFromTheirCodePixelForPixelOnlyWhenInViewInABoundedCache) {
  for (std::int16_t n = 4; n < 124; ++n) store->recordPicture(madePicture(n));
  open();
  window->resize(800, 500);
  QCoreApplication::processEvents();
  CellGridView& view = window->cellsView();
  ASSERT_EQ(cells().rowCount(), 122);
  const auto inView = [&] {
    int count = 0;
    for (int row = 0; row < cells().rowCount(); ++row) {
      count += view.visualRect(cells().index(row)).intersects(view.viewport()->rect());
    }
    return count;
  };
  cells().dropImages();
  const int before = cells().imagesDrawn();
  view.viewport()->repaint();
  const int first = inView();
  ASSERT_GT(first, 0);
  ASSERT_LT(first, 40);
  EXPECT_EQ(cells().imagesDrawn(), before + first);
  // Two screens further: only the cells that came into view.
  view.verticalScrollBar()->setValue(view.viewport()->height() * 2);
  view.viewport()->repaint();
  const int second = inView();
  EXPECT_EQ(cells().imagesDrawn(), before + first + second);
  view.verticalScrollBar()->setValue(0);
  view.viewport()->repaint();
  EXPECT_EQ(cells().imagesDrawn(), before + first + second);  // kept

  // Each image is the picture drawn from its recorded code, at the screen's ratio.
  for (const qreal ratio : {1.0, 2.0}) {
    cells().setDevicePixelRatio(ratio);
    for (int row : {0, 1, 60, 121}) {
      const QImage image = cells().index(row).data(Qt::DecorationRole).value<QImage>();
      EXPECT_EQ(image.devicePixelRatio(), ratio);
      EXPECT_EQ(image.size(), QSize(113, 105) * ratio);
      const int number = cells().picture(cells().index(row))->number;
      EXPECT_TRUE(ShowsLine(image, LineColour(number), systemWindowBackground(), LineFraming::Window))
          << row << " at " << ratio;
    }
  }
  // The cache keeps images up to its size, whatever is asked.
  cells().setDevicePixelRatio(1.0);
  cells().setImageCacheKiB(3 * 47);
  for (int row = 0; row < cells().rowCount(); ++row) cells().index(row).data(Qt::DecorationRole);
  EXPECT_LE(cells().imagesKept(), 3);
}

TEST_F(HistoryWindowTest, EnterOrADoubleClickOnACellOpensThatPicture) {
  open();
  testing::activate(window);
  CellGridView& view = window->cellsView();
  const struct {
    const char* name;
    std::function<void(const QModelIndex&)> act;
  } gestures[] = {
      {"Enter",
       [&](const QModelIndex& cell) {
         view.setFocus();
         view.setCurrentIndex(cell);
         QTest::keyClick(&view, Qt::Key_Return);
       }},
      {"double click",
       [&](const QModelIndex& cell) {
         // As the system sends one: a click, then the second press as a double click.
         const QPoint at = view.visualRect(cell).center();
         QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
         QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
         QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at);
       }},
      {"its accessible action",
       [&](const QModelIndex& cell) {
         QAccessibleActionInterface* actions =
             QAccessible::queryAccessibleInterface(&view)->child(cell.row())->actionInterface();
         EXPECT_EQ(actions->localizedActionName(QAccessibleActionInterface::pressAction()), QStringLiteral("Open"));
         actions->doAction(QAccessibleActionInterface::pressAction());
       }},
  };
  for (const auto& gesture : gestures) {
    // A closed picture of an earlier run, an open one of this run.
    for (const auto& [run, row] : {std::pair{runA, 1}, {runC, 0}}) {
      SCOPED_TRACE(::testing::Message() << gesture.name << " on row " << row);
      choose(run);
      actions.opened.clear();
      const QModelIndex cell = cells().index(row);
      const RecordedPicture expected = *cells().picture(cell);
      gesture.act(cell);
      ASSERT_EQ(actions.opened.size(), 1u);
      EXPECT_EQ(actions.opened[0].id, expected.id);
      EXPECT_EQ(actions.opened[0].run, run);
      EXPECT_EQ(actions.opened[0].number, expected.number);
      EXPECT_TRUE(history::testing::SameBits(actions.opened[0].code, expected.code));
    }
  }
}

TEST_F(HistoryWindowTest, TabLeadsFromTheRunsToTheCellsWhereTheKeysMoveTheFocusAScreenReaderHears) {
  testing::AccessibleEvents client;
  open();
  testing::activate(window);
  choose(runA);
  CellGridView& view = window->cellsView();
  window->runsView().setFocus();
  QTest::keyClick(&window->runsView(), Qt::Key_Tab);
  ASSERT_TRUE(view.hasFocus());
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
  EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Pictures of the chosen run"));
  view.setCurrentIndex(cells().index(0));
  for (const auto& [key, row] : {std::pair{Qt::Key_Right, 1}, {Qt::Key_End, 2}, {Qt::Key_Home, 0}}) {
    QTest::keyClick(&view, key);
    EXPECT_EQ(client.children(QAccessible::Focus, &view).constLast(), row);
    EXPECT_EQ(list->focusChild(), list->child(row));
    EXPECT_TRUE(list->child(row)->state().focused);
  }
  // The view's own action, on the cell it is done on.
  QAccessibleActionInterface* actions = list->child(2)->actionInterface();
  EXPECT_EQ(actions->actionNames(), QStringList({"SetFocus", "Press", "Family Tree"}));
  actions->doAction(QStringLiteral("Family Tree"));
  EXPECT_EQ(view.currentIndex().row(), 2);
  QWidget* tree = nullptr;
  for (QWidget* shown : QApplication::topLevelWidgets()) {
    if (shown->objectName() == QStringLiteral("frmFamilyTree")) tree = shown;
  }
  ASSERT_NE(tree, nullptr);
  delete tree;
  // Another run's cells: told as new.
  choose(runB);
  EXPECT_EQ(client.children(QAccessible::ObjectReorder, &view), QList<int>({-1}));
  EXPECT_EQ(list->child(1)->text(QAccessible::Name), QStringLiteral("Picture 1"));
}

TEST_F(HistoryWindowTest, ARecordThatCannotBeReadIsAMarkedCellSayingSo) {
  history::testing::QueryInt(
      path, ("UPDATE picture SET sources = x'09' WHERE number = 1 AND run = " + std::to_string(runA)).c_str());
  open();
  choose(runA);
  ASSERT_EQ(numbers(), QList<int>({0, 1, 2}));
  for (int row = 0; row < 3; ++row) {
    const QModelIndex cell = cells().index(row);
    const QImage image = cell.data(Qt::DecorationRole).value<QImage>();
    int marked = 0;  // pixels of the damage mark's colour
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) marked += image.pixel(x, y) == qRgb(0xb0, 0x30, 0x30);
    }
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString().contains(QStringLiteral("damaged")), row == 1) << row;
    EXPECT_EQ(marked > image.width(), row == 1) << row;
  }
  EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(HistoryWindowTest, ResumeIsEnabledOnlyWhenTheProgramAllowsItAndResumesTheChosenRun) {
  actions.resumable = {runA};
  open();
  auto* resume = child<QPushButton>(*window, "btnResume");
  for (const auto& [run, enabled] : {std::pair{runC, false}, {runB, false}, {runA, true}}) {
    choose(run);
    EXPECT_EQ(resume->isEnabled(), enabled) << run;
  }
  QTest::mouseClick(resume, Qt::LeftButton);
  EXPECT_EQ(actions.resumed, std::vector<RunId>({runA}));
  // Resuming makes this run a continuation: the program no longer allows it.
  actions.resumable.clear();
  changed();
  EXPECT_FALSE(resume->isEnabled());
  QTest::mouseClick(resume, Qt::LeftButton);
  EXPECT_EQ(actions.resumed, std::vector<RunId>({runA}));
}

TEST_F(HistoryWindowTest, DeleteAsksNamingTheRunAndItsPicturesAndForgetsOnlyOnYesNeverThisRun) {
  open();
  const struct {
    const char* name;
    RunId run;
    bool button;  // else the Delete key in the list of runs
    bool yes;
    const char* question;  // null: not asked
    RunId chosenAfter;
  } cases[] = {
      {"no", runA, false, false,
       "Forget the run of 8 Dec 2026 14:02:00 and the 3 pictures it holds? They cannot be brought back.", runA},
      {"yes with the button", runA, true, true,
       "Forget the run of 8 Dec 2026 14:02:00 and the 3 pictures it holds? They cannot be brought back.", runB},
      {"this run", runC, false, true, nullptr, runC},
      {"the run this one continues", runB, true, true, nullptr, runB},
  };
  std::set<RunId> kept = {runA, runB, runC};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    choose(test.run);
    messages.questions.clear();
    messages.answer = test.yes;
    auto* forget = child<QPushButton>(*window, "btnForget");
    EXPECT_EQ(forget->isEnabled(), test.question != nullptr);
    if (test.button) {
      QTest::mouseClick(forget, Qt::LeftButton);
    } else {
      testing::activate(window);
      window->runsView().setFocus();
      QTest::keyClick(&window->runsView(), Qt::Key_Delete);
    }
    const QStringList asked = test.question ? QStringList{QString::fromLatin1(test.question)} : QStringList{};
    EXPECT_EQ(messages.questions, asked);
    if (test.question && test.yes) kept.erase(test.run);
    std::set<RunId> listed, stored;
    for (const history::RunSummary& run : store->runs()) stored.insert(run.id);
    for (int row = 0; row < window->runsModel().rowCount(); ++row) {
      listed.insert(window->runsModel().index(row, 0).data(HistoryRunsModel::RunRole).value<RunId>());
    }
    EXPECT_EQ(stored, kept);
    EXPECT_EQ(listed, kept);
    EXPECT_EQ(window->chosenRun(), test.chosenAfter);
  }
  EXPECT_EQ(messages.askedOver, QList<QWidget*>(2, window.data()));
}

TEST_F(HistoryWindowTest, KeepHistoryBoxShowsAndSetsTheProgramsChoiceAndSaysWhenNothingIsRecorded) {
  open();
  auto* keep = child<QCheckBox>(*window, "cbxKeepHistory");
  EXPECT_EQ(keep->text(), QStringLiteral("&Keep history"));
  EXPECT_TRUE(keep->isChecked());
  const QString off = QStringLiteral("Keep history is off: nothing more is recorded.");
  for (const bool on : {false, true}) {
    QTest::mouseClick(keep, Qt::LeftButton);
    EXPECT_EQ(actions.keep, on);
    EXPECT_EQ(keep->isChecked(), on);
    EXPECT_EQ(status(), on ? QString() : off);
    EXPECT_EQ(window->runsModel().rowCount(), 3);  // the history is still there to browse
  }
  EXPECT_EQ(actions.keeps, std::vector<bool>({false, true}));
  // Switched off elsewhere: the box follows, and tells nothing back.
  actions.keep = false;
  changed();
  EXPECT_FALSE(keep->isChecked());
  EXPECT_EQ(status(), off);
  EXPECT_EQ(actions.keeps, std::vector<bool>({false, true}));
}

TEST_F(HistoryWindowTest, WithoutAHistoryItSaysSoAndWhyWhenKnownAndStaysUsable) {
  actions.available = false;
  open();
  EXPECT_EQ(status(), QStringLiteral("The history is not available."));
  EXPECT_EQ(window->runsModel().rowCount(), 0);
  EXPECT_EQ(cells().rowCount(), 0);
  EXPECT_FALSE(window->chosenRun().has_value());
  EXPECT_FALSE(child<QPushButton>(*window, "btnResume")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(*window, "btnForget")->isEnabled());
  EXPECT_EQ(child<QLabel>(*window, "lblRun")->text(), QString());
  QTest::mouseClick(child<QCheckBox>(*window, "cbxKeepHistory"), Qt::LeftButton);
  EXPECT_EQ(actions.keeps, std::vector<bool>({false}));
  EXPECT_EQ(status(), QStringLiteral("Keep history is off: nothing more is recorded. The history is not available."));

  // A history that could not be opened: its own message says why.
  QFile blocker(dir.filePath(QStringLiteral("blocker")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  history::HistoryStore broken(dir.filePath(QStringLiteral("blocker/history.sqlite")));
  ASSERT_TRUE(broken.problem());
  actions.history = &broken;
  actions.available = true;
  actions.keep = true;
  changed();
  EXPECT_EQ(status(), QStringLiteral("The history is not available. ") + *broken.problem());
  EXPECT_EQ(window->runsModel().rowCount(), 0);

  // Then the history opens.
  actions.history = store.get();
  changed();
  EXPECT_EQ(status(), QString());
  EXPECT_EQ(window->runsModel().rowCount(), 3);
  EXPECT_EQ(window->chosenRun(), runC);
}

TEST_F(HistoryWindowTest, ReadsTheHistoryAgainWhenItChangesKeepingTheChosenRunAndItsDrawnCells) {
  open();
  window->cellsView().viewport()->repaint();
  const int drawn = cells().imagesDrawn();
  EXPECT_EQ(drawn, 2);
  store->recordPicture(madePicture(4));
  store->recordClosed(2);
  store->recordReopened(3);
  EXPECT_EQ(numbers(), QList<int>({2, 3}));  // until the program says so
  for (int i = 0; i < 2; ++i) emit actions.changed();
  QCoreApplication::processEvents();
  EXPECT_EQ(numbers(), QList<int>({2, 3}));  // a moment later, once for many changes
  changed();
  EXPECT_EQ(window->chosenRun(), runC);
  EXPECT_EQ(numbers(), QList<int>({2, 3, 4}));
  for (const auto& [row, open] : {std::pair{0, false}, {1, true}, {2, true}}) {
    EXPECT_EQ(cells().index(row).data(HistoryCellsModel::OpenRole).toBool(), open) << row;
  }
  EXPECT_EQ(window->runsModel().index(0, HistoryRunsModel::PicturesColumn).data().toString(), "3");
  EXPECT_EQ(window->runsModel().index(0, HistoryRunsModel::OpenColumn).data().toString(), "2");
  window->cellsView().viewport()->repaint();
  EXPECT_EQ(cells().imagesDrawn(), drawn + 1);  // the new cell alone

  // An earlier run stays chosen through a change, hidden or shown.
  choose(runB);
  window->hide();
  store->recordPicture(madePicture(5));
  changed();
  EXPECT_EQ(window->runsModel().index(0, HistoryRunsModel::PicturesColumn).data().toString(), "3");
  window->show();
  EXPECT_EQ(window->runsModel().index(0, HistoryRunsModel::PicturesColumn).data().toString(), "4");
  EXPECT_EQ(window->chosenRun(), runB);
  EXPECT_EQ(numbers(), QList<int>({0, 1}));
}

TEST_F(HistoryWindowTest, OneWindowBroughtToTheFrontWhenAskedAgainAndGoneWithTheProgramsActions) {
  frmHistory& first = open();
  QWidget other;
  other.show();
  testing::activate(&other);
  EXPECT_EQ(&showHistoryWindow(actions), &first);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&first));
  EXPECT_EQ(testing::visibleWindowsNamed(QStringLiteral("frmHistory")), 1);
  first.close();
  frmHistory& again = showHistoryWindow(actions);  // closed: a new one
  EXPECT_NE(&again, &first);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window, nullptr);
  window = &again;
  EXPECT_EQ(testing::visibleWindowsNamed(QStringLiteral("frmHistory")), 1);

  auto elsewhere = std::make_unique<FakeHistoryActions>();
  elsewhere->history = store.get();
  QPointer<frmHistory> second = &showHistoryWindow(*elsewhere);
  EXPECT_EQ(testing::visibleWindowsNamed(QStringLiteral("frmHistory")), 2);  // one for each program side
  elsewhere.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(second, nullptr);
}

// Over the main window's own keeper of the history: what the window shows is
// what the main window recorded, and its cells open pictures as the keeper
// does, the line of a picture made from an earlier run's cell the same in
// its cell as in its window.
TEST(HistoryWindowOverTheKeeper, ShowsWhatTheMainWindowRecordedAndOpensItsCellsThroughTheKeeper) {
  const ScopedNumberFormat english({u'.', u','});
  testing::RecordingMessages messages;
  const Seam<UserMessages>::Scope recording(messages);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pelorin/history.sqlite"));
  std::unique_ptr<frmMain> main;
  const auto start = [&] {
    main = std::make_unique<frmMain>();
    main->history().openHistory(path);
    main->show();
    QCoreApplication::processEvents();
  };
  const auto openPicture = [&] {
    const int number = modObject::ObjectCount;
    child<QLineEdit>(*main, "txtMutationRate")->setText(QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>(*main, "btnOpen"), Qt::LeftButton);
    return openWindowOf(number);
  };
  const auto stop = [&] { testing::endProgram(main); };
  start();
  ASSERT_NE(openPicture(), nullptr);
  stop();
  start();
  ASSERT_NE(openPicture(), nullptr);
  ASSERT_NE(openPicture(), nullptr);
  QTest::mouseClick(openWindowOf(0)->btnDone(), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  // View > History, Ctrl+H, shows the window over the main window's keeper.
  QAction* viewHistory = child<QAction>(*main, "V_History");
  EXPECT_EQ(viewHistory->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
  viewHistory->trigger();
  QPointer<frmHistory> window;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* shown = qobject_cast<frmHistory*>(widget)) window = shown;
  }
  ASSERT_FALSE(window.isNull());
  EXPECT_EQ(window->actions(), &main->history());
  EXPECT_EQ(&showHistoryWindow(main->history()), window.data());  // still the one window
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  const auto settled = [&] {
    for (int i = 0; i < 600 && window->refreshPending(); ++i) QTest::qWait(5);
  };
  const auto row = [&](int r) {
    QStringList texts;
    for (int column = 0; column < HistoryRunsModel::kColumnCount; ++column) {
      texts << window->runsModel().index(r, column).data().toString();
    }
    return texts;
  };
  ASSERT_EQ(window->runsModel().rowCount(), 2);
  EXPECT_TRUE(row(0)[0].endsWith(QStringLiteral(" (this run)")));
  EXPECT_EQ(row(0).mid(1), QStringList({"2", "1"}));
  EXPECT_EQ(row(1).mid(1), QStringList({"1", "1"}));
  HistoryCellsModel& cells = window->cellsModel();
  ASSERT_EQ(cells.rowCount(), 2);
  EXPECT_FALSE(cells.index(0).data(HistoryCellsModel::OpenRole).toBool());

  // This run's closed picture comes back as itself.
  CellGridView& view = window->cellsView();
  testing::activate(window);
  view.setFocus();
  view.setCurrentIndex(cells.index(0));
  QTest::keyClick(&view, Qt::Key_Return);
  ASSERT_NE(openWindowOf(0), nullptr);
  settled();
  EXPECT_TRUE(cells.index(0).data(HistoryCellsModel::OpenRole).toBool());
  EXPECT_EQ(row(0).mid(1), QStringList({"2", "2"}));

  // An earlier run's picture becomes a new picture of this run.
  window->chooseRun(window->runsModel().index(1, 0).data(HistoryRunsModel::RunRole).value<RunId>());
  view.setFocus();
  view.setCurrentIndex(cells.index(0));
  QTest::keyClick(&view, Qt::Key_Return);
  const std::shared_ptr<clsObject> copy = modObject::Registry().find(modObject::RegistryKey(2));
  ASSERT_NE(copy, nullptr);
  settled();
  EXPECT_EQ(row(0).mid(1), QStringList({"3", "3"}));
  window->chooseRun(*main->history().store()->currentRun());
  ASSERT_EQ(cells.rowCount(), 3);
  const QDateTime earlier = main->history().store()->runs()[1].started;
  const QString line = QStringLiteral("Picture 2: from picture 0 of the run of %1")
                           .arg(QLocale::c().toString(earlier.toLocalTime(), QStringLiteral("d MMM yyyy HH:mm")));
  EXPECT_EQ(cells.index(2).data(OriginRole).toString(), line);
  EXPECT_EQ(OriginLine(*copy), line);
  EXPECT_EQ(messages.texts, QStringList());
  main.reset();
  EXPECT_TRUE(window.isNull());  // it works on the keeper, so it goes with the main window
  stop();
}

}  // namespace
}  // namespace pelorin
