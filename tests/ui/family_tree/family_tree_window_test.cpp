#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <QtMath>
#include <cmath>
#include <memory>
#include <set>

#include "app_state/mod_object.h"
#include "family_tree/family_graph.h"
#include "family_tree/tree_layout.h"
#include "genetics/embedded_code.h"
#include "genetics/gene_sequence.h"
#include "genetics/genetic_code_file.h"
#include "history/history_fixture.h"
#include "picture/line_geometry.h"
#include "picture/picture_object.h"
#include "picture/picture_surface.h"
#include "platform/twips.h"
#include "support/gui_fixture.h"
#include "support/history_window_fixture.h"
#include "ui/common/cell_grid_view.h"
#include "ui/common/change_follower.h"
#include "ui/common/history_actions.h"
#include "ui/common/picture_mime.h"
#include "ui/family_tree/family_tree_view.h"
#include "ui/family_tree/frm_family_tree.h"
#include "ui/history/frm_history.h"
#include "ui/history/history_cells_model.h"
#include "ui/main/history_keeper.h"
#include "ui/picture_window/frm_object.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {
namespace {

using family_tree::Family;
using history::RecordedPicture;
using history::RunId;
// The fixtures of the windows that browse the history.
using namespace testing;  // NOLINT(google-build-using-namespace)

// Two runs:
//   A  8 Dec 14:02, ended: a0, a1 at random; a2 from a0 and a1, closed;
//      a3 from a2 and a1, saved to a file.
//   C 10 Dec 10:00, this run: c0 read from a3's file; c1 at random; c2 from
//      c0 and c1.
// c2's family is all seven; the window opens on it unless a test says.
class FamilyTreeWindowTest : public ::testing::Test {
 protected:
  FamilyTreeWindowTest() {
    clock = at(8, 14, 2);
    {
      history::HistoryStore a(path, options());
      ids["a0"] = *a.recordPicture(madePicture(0));
      ids["a1"] = *a.recordPicture(madePicture(1));
      ids["a2"] = *a.recordPicture(madePicture(2, {0, 1}));
      ids["a3"] = *a.recordPicture(madePicture(3, {2, 1}));
      a.recordClosed(2);
      a.recordSaved(3, dir.filePath(QStringLiteral("a3.txt")), "a3");
      a.endRun();
    }
    clock = at(10, 10, 0);
    store = std::make_unique<history::HistoryStore>(path, options());
    history::NewPicture read = madePicture(0);
    read.origin.how = PictureOrigin::How::Read;
    read.origin.fileName = QStringLiteral("a3.txt");
    read.origin.sources = TraitSources();
    for (int gene = 0; gene < kGeneCount; ++gene) {
      for (int t = 0; t < kTraitCount; ++t) read.origin.sources.setRead(gene, static_cast<Trait>(t));
    }
    read.savedFrom = store->savedBy("a3")->id;
    ids["c0"] = *store->recordPicture(read);
    ids["c1"] = *store->recordPicture(madePicture(1));
    ids["c2"] = *store->recordPicture(madePicture(2, {0, 1}));
    actions.history = store.get();
  }
  ~FamilyTreeWindowTest() override {
    delete window;
    delete pictureWindow;
  }

  history::HistoryOptions options() { return history::testing::SteppingClock(clock); }

  frmFamilyTree& open(const char* name = "c2") {
    window = &showFamilyTreeWindow(actions, ids.at(name));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    settle();
    return *window;
  }
  void settle() {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->layingOut(); }, 10000));
    QCoreApplication::processEvents();
  }
  FamilyTreeView& view() { return window->view(); }
  const Family& family() { return view().scene()->family; }
  std::size_t cellOf(const char* name) {
    for (std::size_t i = 0; i < family().records.size(); ++i) {
      if (family().records[i].id == ids.at(name)) return i;
    }
    ADD_FAILURE() << name << " is not shown";
    return 0;
  }
  QPoint centreOf(const char* name) { return view().cellRectInView(cellOf(name)).center().toPoint(); }
  void hover(QPoint point) {
    QMouseEvent move(QEvent::MouseMove, point, view().viewport()->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view().viewport(), &move);
  }
  QImage shown() {
    view().viewport()->repaint();
    return view().viewport()->grab().toImage();
  }
  // The picture part of a cell as grabbed, its edges (under the frame) cut
  // off unless whole.
  QImage pictureOf(const QImage& grabbed, const char* name, bool whole = false) {
    const qreal ratio = grabbed.devicePixelRatio();
    const QRectF cell = view().cellRectInView(cellOf(name));
    const QRectF picture = family_tree::PictureRectIn(cell);
    const QRect rect = QRectF(picture.topLeft() * ratio, picture.size() * ratio).toAlignedRect();
    return grabbed.copy(whole ? rect : rect.adjusted(2, 2, -2, -2));
  }

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pelorin/history.sqlite"));
  QDateTime clock;
  std::map<std::string, history::PictureId> ids;
  std::unique_ptr<history::HistoryStore> store;
  FakeHistoryActions actions;
  testing::RecordingMessages messages;
  Seam<UserMessages>::Scope recording{messages};
  testing::ScriptedFileDialogs dialogs;
  Seam<FileDialogs>::Scope scripted{dialogs};
  QPointer<frmFamilyTree> window;
  QPointer<frmObject> pictureWindow;
};

struct TitleCase {
  const char* picture;
  const char* title;
  std::size_t cells;
};
class FamilyTreeTitleTest : public FamilyTreeWindowTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(FamilyTreeTitleTest, NamesThePictureAndAnEarlierRunsStart) {
  open(GetParam().picture);
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8(GetParam().title));
  EXPECT_EQ(family().records.size(), GetParam().cells);
  EXPECT_EQ(family().records[view().currentCell()].id, ids.at(GetParam().picture));  // the picture is current
  EXPECT_EQ(messages.texts, QStringList());
}

INSTANTIATE_TEST_SUITE_P(Pictures, FamilyTreeTitleTest,
                         ::testing::Values(TitleCase{"c2", "Family tree of picture 2", 7},
                                           TitleCase{"c1", "Family tree of picture 1", 2},
                                           TitleCase{"a2", "Family tree of picture 2, run of 8 Dec 2026 14:02", 6}),
                         [](const auto& info) { return std::string(info.param.picture); });

TEST_F(FamilyTreeWindowTest, SaysItIsLayingOutUntilTheLayoutArrives) {
  window = &showFamilyTreeWindow(actions, ids["c2"]);
  EXPECT_TRUE(window->layingOut());
  EXPECT_EQ(child<QLabel>(*window, "lblStatus")->text(), QStringLiteral("Laying out the family tree..."));
  EXPECT_EQ(view().scene(), nullptr);
  settle();
  ASSERT_NE(view().scene(), nullptr);
  EXPECT_EQ(child<QLabel>(*window, "lblStatus")->text(), QStringLiteral("7 pictures"));
}

TEST_F(FamilyTreeWindowTest, AMemberThatCannotBeReadStandsAsADamagedCellAndTheRestAsBefore) {
  history::testing::QueryInt(path, ("UPDATE picture SET code = x'' WHERE id = " + std::to_string(ids["a0"])).c_str());
  open("c2");
  ASSERT_NE(view().scene(), nullptr);
  const FamilyTreeScene& scene = *view().scene();
  int damaged = 0;
  for (std::size_t i = 0; i < scene.family.records.size(); ++i) {
    const bool spoilt = scene.family.records[i].id == ids["a0"];
    EXPECT_EQ(scene.cellTips[i].contains(QStringLiteral("damaged")), spoilt) << scene.cellTips[i].toStdString();
    damaged += spoilt;
  }
  EXPECT_EQ(damaged, 1);
  EXPECT_EQ(messages.texts, QStringList());
}

// A cell dragged out offers its picture as a file, drawn from its record when
// not open; the tree does not move meanwhile.
TEST_F(FamilyTreeWindowTest, DraggingACellOffersItsRecordedPictureAndCode) {
  open();
  const QString file = QDir(DragFolder()).filePath(QStringLiteral("picture-2.png"));
  QFile::remove(file);
  const QPoint from = centreOf("a2");
  QTimer::singleShot(100, window, [this] { QTest::keyClick(window->windowHandle(), Qt::Key_Escape); });
  QTest::mousePress(view().viewport(), Qt::LeftButton, {}, from);  // the cell becomes current, in view
  const QPoint scrolled(view().horizontalScrollBar()->value(), view().verticalScrollBar()->value());
  const QPoint to = from + QPoint(QApplication::startDragDistance() + 2, 0);
  QMouseEvent move(QEvent::MouseMove, to, view().viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(view().viewport(), &move);
  QTest::mouseRelease(view().viewport(), Qt::LeftButton, {}, to);
  const QImage png(file);
  clsGenSeq code;
  history::CopyInto(family().records[cellOf("a2")].code, code);
  EXPECT_EQ(png.text(QString::fromLatin1(kPngCodeKeyword)), QString::fromLatin1(GeneticCodeText(code)));
  EXPECT_EQ(png.text(QStringLiteral("Title")), QStringLiteral("Picture 2"));
  EXPECT_EQ(png.size(), twipsSize(kPictureWidthTwips, kPictureHeightTwips) * window->devicePixelRatio());
  EXPECT_EQ(QPoint(view().horizontalScrollBar()->value(), view().verticalScrollBar()->value()), scrolled);
  EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(FamilyTreeWindowTest, OneWindowPerPictureBroughtToTheFront) {
  frmFamilyTree& first = open("c2");
  EXPECT_EQ(&showFamilyTreeWindow(actions, ids["c2"]), &first);
  QPointer<frmFamilyTree> other = &showFamilyTreeWindow(actions, ids["a0"]);
  EXPECT_NE(other.data(), &first);
  EXPECT_EQ(&showFamilyTreeWindow(actions, ids["a0"]), other.data());
  other->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(other.isNull());
}

TEST_F(FamilyTreeWindowTest, CellsStandWhereTheLayoutPutsThemWithTheirRunsDate) {
  open();
  const Family expected =
      family_tree::BuildFamily(store->familyOf(ids["c2"]), ids["c2"], family_tree::FamilyCellSize(window->font()));
  const family_tree::TreeLayout layout = family_tree::LayOutFamily(expected.graph);
  const FamilyTreeScene& scene = *view().scene();
  ASSERT_EQ(scene.layout.cells.size(), layout.cells.size());
  for (std::size_t i = 0; i < layout.cells.size(); ++i) {
    EXPECT_EQ(scene.layout.cells[i].key, layout.cells[i].key);
    EXPECT_EQ(scene.layout.cells[i].rect, layout.cells[i].rect);
  }
  ASSERT_EQ(scene.layout.lines.size(), 7u);  // a0-a2 a1-a2 a2-a3 a1-a3 a3-c0 c0-c2 c1-c2
  for (const char* name : {"a0", "a1", "a2", "a3"}) {
    EXPECT_EQ(scene.drawing.runs[cellOf(name)], QStringLiteral("8 Dec 2026 14:02")) << name;
  }
  for (const char* name : {"c0", "c1", "c2"}) EXPECT_EQ(scene.drawing.runs[cellOf(name)], QString()) << name;
  EXPECT_EQ(scene.drawing.numbers[cellOf("a3")], QStringLiteral("3"));
  // Parents above children; c0 read from the file a3 saved, a3 its parent.
  EXPECT_LT(scene.layout.cells[cellOf("a3")].rect.bottom(), scene.layout.cells[cellOf("c0")].rect.top());
}

TEST_F(FamilyTreeWindowTest, TooltipsAndTheCurrentCellsDescriptionGiveOriginsAndShares) {
  open();
  const FamilyTreeScene& scene = *view().scene();
  EXPECT_EQ(scene.cellTips[cellOf("c0")],
            QStringLiteral("Picture 0: read from a3.txt, saved from picture 3 of the run of 8 Dec 2026 14:02, at "
                           "mutation rate 0.05"));
  EXPECT_TRUE(scene.cellTips[cellOf("a2")].startsWith(QStringLiteral("Picture 2: bred from 0 and 1 at mutation rate")))
      << scene.cellTips[cellOf("a2")].toStdString();
  EXPECT_TRUE(scene.cellTips[cellOf("a2")].endsWith(QStringLiteral(", closed")));
  // The current cell's line is what a screen reader hears of the view.
  EXPECT_EQ(view().accessibleDescription(), scene.cellTips[cellOf("c2")]);
  view().setCurrentCell(cellOf("a2"));
  EXPECT_EQ(view().accessibleDescription(), scene.cellTips[cellOf("a2")]);
  for (std::size_t i = 0; i < scene.layout.lines.size(); ++i) {
    const family_tree::PlacedLine& line = scene.layout.lines[i];
    if (line.child != family_tree::KeyOf(family().records[cellOf("c0")])) continue;
    EXPECT_EQ(line.share, 1.0);  // read whole from the file a3 saved
    EXPECT_EQ(scene.lineTips[i],
              QStringLiteral("From picture 3 of the run of 8 Dec 2026 14:02 to picture 0: 100% of its traits; "
                             "0 of 448 traits mutated"));
  }
}

TEST_F(FamilyTreeWindowTest, AScreenReaderWalksTheCellsAndFromEachToItsParentsAndChildren) {
  testing::AccessibleEvents client;
  open();
  testing::activate(window);
  view().setFocus();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view());
  EXPECT_EQ(list->role(), QAccessible::List);
  ASSERT_EQ(list->childCount(), 7);
  const QString runA = QStringLiteral(", run of 8 Dec 2026 14:02");
  const struct {
    const char* cell;
    QString name;
    QStringList kin;  // sorted
  } cells[] = {
      {"c2", "Picture 2", {"Parent: Picture 0", "Parent: Picture 1"}},
      {"c0", "Picture 0", {"Child: Picture 2", "Parent: Picture 3" + runA}},
      {"a2",
       "Picture 2" + runA + ", closed",
       {"Child: Picture 3" + runA, "Parent: Picture 0" + runA, "Parent: Picture 1" + runA}},
  };
  const auto itemOf = [&](const char* name) {
    const QPoint centre = view().viewport()->mapToGlobal(centreOf(name));
    return list->childAt(centre.x(), centre.y());
  };
  for (const auto& want : cells) {
    SCOPED_TRACE(want.cell);
    QAccessibleInterface* item = itemOf(want.cell);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::ListItem);
    EXPECT_EQ(item->text(QAccessible::Name), want.name);
    EXPECT_EQ(item->text(QAccessible::Description), view().scene()->cellOrigins[cellOf(want.cell)]);
    QStringList kin;
    for (int i = 0; i < item->childCount(); ++i) {
      EXPECT_EQ(item->child(i)->role(), QAccessible::Link);
      EXPECT_EQ(item->child(i)->parent(), item);
      kin << item->child(i)->text(QAccessible::Name);
    }
    kin.sort();
    EXPECT_EQ(kin, want.kin);
  }
  EXPECT_EQ(list->focusChild(), itemOf("c2"));
  EXPECT_TRUE(itemOf("c2")->state().focused);

  // A link leads to its picture's cell, which a screen reader hears.
  QAccessibleInterface* toParent = itemOf("c0")->child(0);  // parents first
  toParent->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(view().currentCell(), cellOf("a3"));
  EXPECT_EQ(client.children(QAccessible::Focus, &view()).constLast(), list->indexOfChild(itemOf("a3")));
  // So do the keys.
  QTest::keyClick(&view(), Qt::Key_Up);
  EXPECT_EQ(client.children(QAccessible::Focus, &view()).constLast(), list->indexOfChild(list->focusChild()));
  EXPECT_NE(list->focusChild(), itemOf("a3"));
  // Pressed, a cell opens its picture.
  itemOf("a3")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(actions.openedIds(), std::vector<history::PictureId>({ids["a3"]}));

  // Another family: its cells, none of the last.
  window->showFamilyOf(ids["a0"]);
  settle();
  EXPECT_EQ(list->childCount(), static_cast<int>(family().records.size()));
  EXPECT_EQ(itemOf("a0")->text(QAccessible::Name), "Picture 0" + runA);
}

TEST_F(FamilyTreeWindowTest, RestingOnACellFadesAllButItsAncestorsAndDescendants) {
  open();
  view().fitAll();
  const QImage before = shown();
  hover(centreOf("c1"));
  EXPECT_EQ(view().hoveredCell(), cellOf("c1"));
  std::set<std::size_t> kin;
  for (std::size_t i = 0; i < view().kin().size(); ++i) {
    if (view().kin()[i]) kin.insert(i);
  }
  EXPECT_EQ(kin, (std::set<std::size_t>{cellOf("c1"), cellOf("c2")}));
  const QImage after = shown();
  EXPECT_EQ(pictureOf(after, "c1"), pictureOf(before, "c1"));
  EXPECT_NE(pictureOf(after, "a0"), pictureOf(before, "a0"));
  EXPECT_NE(pictureOf(after, "c0"), pictureOf(before, "c0"));
  hover(QPoint(1, 1));  // off every cell: nothing faded
  EXPECT_TRUE(view().kin().empty());
  EXPECT_EQ(pictureOf(shown(), "a0"), pictureOf(before, "a0"));
}

TEST_F(FamilyTreeWindowTest, WholePathsFrameEachPicturesWholePathInItsCell) {
  open();
  const QImage framed = shown();
  child<QCheckBox>(*window, "cbxWholePaths")->setChecked(true);
  const QImage whole = shown();
  const QColor background = view().scene()->drawing.background;
  EXPECT_NE(pictureOf(whole, "c0"), pictureOf(framed, "c0"));
  EXPECT_TRUE(ShowsLine(pictureOf(framed, "c0", true), LineColour(0), background, LineFraming::Window));
  EXPECT_TRUE(ShowsLine(pictureOf(whole, "c0", true), LineColour(0), background, LineFraming::WholePath));
  child<QCheckBox>(*window, "cbxWholePaths")->setChecked(false);
  EXPECT_EQ(pictureOf(shown(), "c0"), pictureOf(framed, "c0"));
}

// Scrolled so that parents stand above the view, it paints what the same
// place of a paint of the whole tree shows, the lines coming down from them
// included. The view is one layer high and its edges halfway between layers
// (a cell cut by an edge may differ in a corner pixel of its frame, as the
// raster engine clips it).
TEST_F(FamilyTreeWindowTest, AScrolledPartIsPaintedAsThatPartOfTheWholeTree) {
  open();
  view().setZoom(1.0);
  QWidget* port = view().viewport();
  const family_tree::TreeLayout& layout = view().scene()->layout;
  const double gap = family_tree::LayoutSpacing().layerGap;
  const auto resize = [&](double height) {
    window->resize(window->size() - port->size() + QSize(qCeil(layout.size.width()) + 40, qCeil(height)));
    QCoreApplication::processEvents();
  };
  // The view's paint, and where the layout's (0, 0) lies in it.
  const auto render = [&] {
    QImage image(port->size(), QImage::Format_ARGB32_Premultiplied);
    port->render(&image);
    return std::pair(image, (view().cellRectInView(0).topLeft() - layout.cells[0].rect.topLeft()).toPoint());
  };
  resize(layout.size.height() + 40);
  const auto [whole, wholeOrigin] = render();
  resize(layout.cells[0].rect.height() + gap);
  QScrollBar& bar = *view().verticalScrollBar();
  for (std::size_t i = 0; i < layout.cells.size(); ++i) {
    if (layout.cells[i].layer == 0 || layout.cells[i].layer + 1 == layout.layerCount) continue;
    bar.setValue(bar.value() + qRound(view().cellRectInView(i).top() - gap / 2));
    const auto [part, origin] = render();
    EXPECT_EQ(part, whole.copy(QRect(wholeOrigin - origin, part.size()))) << "above picture " << i;
  }
}

TEST_F(FamilyTreeWindowTest, EnterAndADoubleClickOpenTheRecordedPicture) {
  open();
  testing::activate(window);
  view().setFocus();
  view().setCurrentCell(cellOf("a1"));
  QTest::keyClick(&view(), Qt::Key_Return);
  EXPECT_EQ(actions.openedIds(), (std::vector<history::PictureId>{ids["a1"]}));
  view().fitAll();
  QTest::mouseDClick(view().viewport(), Qt::LeftButton, Qt::NoModifier, centreOf("c0"));
  EXPECT_EQ(actions.openedIds(), (std::vector<history::PictureId>{ids["a1"], ids["c0"]}));
}

TEST_F(FamilyTreeWindowTest, ReadsTheFamilyAgainWhenTheHistoryChangesKeepingItsView) {
  open();
  view().setZoom(2.0);
  view().setCurrentCell(cellOf("a1"));
  const QPoint scrolled(view().horizontalScrollBar()->value(), view().verticalScrollBar()->value());
  const auto isOpen = [&](const char* name) { return family().records[cellOf(name)].open; };
  ASSERT_TRUE(isOpen("c1"));

  // A close and a new child of c2, reported together, are read once.
  store->recordClosed(1);
  ids["c3"] = *store->recordPicture(madePicture(3, {2}));
  emit actions.changed();
  emit actions.changed();
  EXPECT_TRUE(window->refreshPending());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->refreshPending() && !window->layingOut(); }, 10000));
  QCoreApplication::processEvents();
  EXPECT_FALSE(isOpen("c1"));
  EXPECT_EQ(family().records.size(), 8u);
  EXPECT_EQ(view().zoom(), 2.0);
  EXPECT_EQ(QPoint(view().horizontalScrollBar()->value(), view().verticalScrollBar()->value()), scrolled);
  EXPECT_EQ(view().currentCell(), cellOf("a1"));

  // Hidden, it waits until it is shown again.
  window->hide();
  store->recordReopened(1);
  emit actions.changed();
  QTest::qWait(3 * ChangeFollower::kDelayMs);
  EXPECT_FALSE(isOpen("c1"));
  window->show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->refreshPending() && !window->layingOut(); }, 10000));
  QCoreApplication::processEvents();
  EXPECT_TRUE(isOpen("c1"));
}

TEST_F(FamilyTreeWindowTest, SpaceTicksTheParentBoxOfAnOpenPictureOfThisRunOnly) {
  // Picture 1 of this run, open in its window.
  OpenRecordedPicture(1, clsGenSeq(), PictureOrigin(), QString(), makePictureWindow);
  pictureWindow = openWindowOf(1);
  open();
  testing::activate(window);
  view().setFocus();
  view().setCurrentCell(cellOf("a1"));  // number 1 too, but of an earlier run
  QTest::keyClick(&view(), Qt::Key_Space);
  EXPECT_FALSE(pictureWindow->cbxParent()->isChecked());
  view().setCurrentCell(cellOf("c1"));
  QTest::keyClick(&view(), Qt::Key_Space);
  EXPECT_TRUE(pictureWindow->cbxParent()->isChecked());
  QTest::keyClick(&view(), Qt::Key_Space);
  EXPECT_FALSE(pictureWindow->cbxParent()->isChecked());
  view().setCurrentCell(cellOf("c0"));  // no window open: nothing happens
  QTest::keyClick(&view(), Qt::Key_Space);
  EXPECT_EQ(messages.texts, QStringList());
}

TEST_F(FamilyTreeWindowTest, ArrowKeysMoveBetweenNeighbouringCells) {
  open();
  testing::activate(window);
  view().setFocus();
  const auto& cells = view().scene()->layout.cells;
  view().setCurrentCell(cellOf("c2"));
  QTest::keyClick(&view(), Qt::Key_Up);
  const std::size_t up = view().currentCell();
  EXPECT_EQ(cells[up].layer, cells[cellOf("c2")].layer - 1);
  view().setCurrentCell(cellOf("a0"));
  const std::size_t start = view().currentCell();
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left}) {
    QTest::keyClick(&view(), key);
    const std::size_t now = view().currentCell();
    if (now == start) continue;  // no neighbour that way
    EXPECT_EQ(cells[now].layer, cells[start].layer);
    EXPECT_EQ(cells[now].rect.center().x() > cells[start].rect.center().x(), key == Qt::Key_Right);
    view().setCurrentCell(start);
  }
  QTest::keyClick(&view(), Qt::Key_Down);
  EXPECT_EQ(cells[view().currentCell()].layer, cells[start].layer + 1);
  // Alt: along the family's lines, to a parent or a child.
  const struct {
    const char* from;
    Qt::Key key;
    std::set<std::string> to;
  } kin[] = {{"c0", Qt::Key_Up, {"a3"}},
             {"a3", Qt::Key_Down, {"c0"}},
             {"a1", Qt::Key_Down, {"a2", "a3"}},
             {"c2", Qt::Key_Up, {"c0", "c1"}},
             {"a0", Qt::Key_Up, {"a0"}}};
  for (const auto& step : kin) {
    SCOPED_TRACE(step.from);
    view().setCurrentCell(cellOf(step.from));
    QTest::keyClick(&view(), step.key, Qt::AltModifier);
    std::string now;
    for (const auto& [name, id] : ids)
      if (family().records[view().currentCell()].id == id) now = name;
    EXPECT_EQ(step.to.count(now), 1u) << now;
  }
}

TEST_F(FamilyTreeWindowTest, CtrlTShowsTheCurrentCellsFamily) {
  open();
  testing::activate(window);
  view().setFocus();
  view().setCurrentCell(cellOf("c1"));
  QTest::keyClick(&view(), Qt::Key_T, Qt::ControlModifier);
  settle();
  EXPECT_EQ(window->picture(), ids["c1"]);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Family tree of picture 1"));
  EXPECT_EQ(family().records.size(), 2u);
  EXPECT_EQ(&showFamilyTreeWindow(actions, ids["c1"]), window.data());
}

TEST_F(FamilyTreeWindowTest, OnlyTheFamilyAskedForLastIsShown) {
  open();
  int shown = 0;
  QObject::connect(&view(), &FamilyTreeView::currentCellChanged, window, [&] { ++shown; });
  window->showFamilyOf(ids["c1"]);
  window->showFamilyOf(ids["a2"]);
  settle();
  QTest::qWait(300);  // time for a layout asked for earlier to come in
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(family().records[view().currentCell()].id, ids["a2"]);
  EXPECT_EQ(family().records.size(), 6u);
}

TEST_F(FamilyTreeWindowTest, ZoomsAboutTheMouseAndFitsTheWholeTree) {
  open();
  testing::activate(window);
  view().setFocus();
  const qreal zoom = view().zoom();
  const QPoint at = centreOf("c2");
  const QRectF cell = view().cellRectInView(cellOf("c2"));
  QWheelEvent wheel(at, view().viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(view().viewport(), &wheel);
  EXPECT_GT(view().zoom(), zoom);
  const QRectF zoomed = view().cellRectInView(cellOf("c2"));
  EXPECT_GT(zoomed.width(), cell.width());
  EXPECT_TRUE(zoomed.contains(at));  // the cell stays under the mouse
  QTest::keyClick(&view(), Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(&view(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_LT(view().zoom(), zoom);
  QTest::keyClick(&view(), Qt::Key_Home);
  const QRect inside = view().viewport()->rect();
  for (std::size_t i = 0; i < family().records.size(); ++i) {
    EXPECT_TRUE(QRectF(inside).contains(view().cellRectInView(i))) << i;
  }
}

TEST_F(FamilyTreeWindowTest, CtrlPlusAndCtrlEqualsZoomInByAQuarter) {
  open();
  testing::activate(window);
  view().setFocus();
  for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Equal}) {
    const qreal zoom = view().zoom();
    QTest::keyClick(&view(), key, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(view().zoom(), zoom * 1.25) << key;
  }
}

struct ExportCase {
  const char* filter;
  const char* typed;
  const char* written;
  bool svg;
  int scale;
};
class FamilyTreeExportTest : public FamilyTreeWindowTest, public ::testing::WithParamInterface<ExportCase> {};

// The suffix typed decides the format; a name without one gets the filter's.
TEST_P(FamilyTreeExportTest, WritesTheWholeTree) {
  open();
  view().setZoom(2.0);  // only part of it in view
  dialogs.path = dir.filePath(QString::fromUtf8(GetParam().typed));
  dialogs.filter = QString::fromUtf8(GetParam().filter);
  testing::activate(window);
  QTest::keyClick(&view(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(dialogs.asked, 1);
  EXPECT_EQ(messages.texts, QStringList());
  ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromUtf8(GetParam().written)});
  const QByteArray bytes = history::testing::FileBytes(dir.filePath(QString::fromUtf8(GetParam().written)));
  EXPECT_EQ(bytes.startsWith("\x89PNG"), !GetParam().svg);
  const QSizeF size = view().scene()->layout.size;
  if (GetParam().svg) {
    const QString svg = QString::fromUtf8(bytes);
    // Each picture with every segment it draws: its one line.
    for (const RecordedPicture& record : family().records) {
      const QString id = QStringLiteral("id=\"picture-%1-%2\"").arg(record.run).arg(record.number);
      const qsizetype from = svg.indexOf(id);
      ASSERT_GE(from, 0) << record.number;
      const qsizetype to = svg.indexOf(QStringLiteral("</g>"), from);
      EXPECT_EQ(svg.mid(from, to - from).count(QStringLiteral("<line ")), 1) << record.number;
    }
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1\"").arg(std::ceil(size.width()))));
  } else {
    const QImage image = QImage::fromData(bytes, "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), size.toSize() * GetParam().scale);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, FamilyTreeExportTest,
                         ::testing::Values(ExportCase{"SVG image (*.svg)", "tree.svg", "tree.svg", true, 1},
                                           ExportCase{"PNG image (*.png)", "tree.png", "tree.png", false, 1},
                                           ExportCase{"PNG image, 2x (*.png)", "tree.png", "tree.png", false, 2},
                                           ExportCase{"SVG image (*.svg)", "tree.png", "tree.png", false, 1},
                                           ExportCase{"PNG image, 2x (*.png)", "tree.SVG", "tree.SVG", true, 1},
                                           ExportCase{"PNG image, 2x (*.png)", "tree", "tree.png", false, 2},
                                           ExportCase{"SVG image (*.svg)", "tree.v2", "tree.v2", true, 1}));

// From a picture window and the History window, over the main window's own
// keeper; the windows go with the main window.
TEST(FamilyTreeOverTheKeeper, OpensFromAPictureWindowAndTheHistoryWindowAndGoesWithTheMainWindow) {
  const ScopedNumberFormat english({u'.', u','});
  testing::RecordingMessages messages;
  const Seam<UserMessages>::Scope recording(messages);
  QTemporaryDir dir;
  auto main = std::make_unique<frmMain>();
  main->history().openHistory(dir.filePath(QStringLiteral("pelorin/history.sqlite")));
  main->show();
  QCoreApplication::processEvents();
  for (int n = 0; n < 2; ++n) {
    child<QLineEdit>(*main, "txtMutationRate")->setText(QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>(*main, "btnOpen"), Qt::LeftButton);
  }
  frmObject* picture = openWindowOf(1);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->picDraw()->actions().contains(picture->actFamilyTree()));
  EXPECT_EQ(picture->actFamilyTree()->text(), QStringLiteral("Family Tree..."));
  testing::activate(picture);
  QTest::keyClick(picture, Qt::Key_T, Qt::ControlModifier);
  QPointer<frmFamilyTree> tree;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* shown = qobject_cast<frmFamilyTree*>(widget)) tree = shown;
  }
  ASSERT_FALSE(tree.isNull());
  EXPECT_EQ(tree->actions(), &main->history());
  EXPECT_EQ(tree->windowTitle(), QStringLiteral("Family tree of picture 1"));

  frmHistory& history = showHistoryWindow(main->history());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&history));
  CellGridView& cells = history.cellsView();
  cells.setCurrentIndex(history.cellsModel().index(0));
  testing::activate(&history);
  QTest::keyClick(&cells, Qt::Key_T, Qt::ControlModifier);
  QPointer<frmFamilyTree> second;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* shown = qobject_cast<frmFamilyTree*>(widget);
    if (shown != nullptr && shown != tree) second = shown;
  }
  ASSERT_FALSE(second.isNull());
  EXPECT_EQ(second->windowTitle(), QStringLiteral("Family tree of picture 0"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !tree->layingOut() && !second->layingOut(); }, 10000));
  EXPECT_EQ(messages.texts, QStringList());

  main.reset();
  EXPECT_TRUE(tree.isNull());
  EXPECT_TRUE(second.isNull());
  testing::endProgram(main);
}

}  // namespace
}  // namespace pelorin
