#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>

#include "genetics/genetic_code_file.h"
#include "gui_fixture.h"
#include "picture/picture_export.h"
#include "picture/picture_object.h"
#include "picture/picture_origin.h"
#include "picture/picture_surface.h"
#include "picture/whole_path.h"
#include "ui/board_delegate.h"
#include "ui/board_model.h"
#include "ui/board_view.h"
#include "ui/frm_board.h"
#include "ui/mod_object.h"

namespace pelorin {
namespace {

using testing::activate;
using testing::child;

class BoardTest : public testing::MainWindowTest {
 protected:
  frmBoard& board() {
    frmBoard& shown = main.board();
    shown.show();
    return shown;
  }
  BoardModel& model() { return board().model(); }
  BoardView& view() { return board().view(); }

  QList<int> cells() {
    QList<int> numbers;
    for (int row = 0; row < model().rowCount(); ++row) numbers << model().index(row).data().toInt();
    return numbers;
  }
  BoardDelegate::CellLayout parts(int row) {
    QStyleOptionViewItem option;
    option.initFrom(&view());
    option.widget = &view();
    return board().delegate().layout(view().visualRect(model().index(row)), option);
  }
  // As the window system delivers one: the second press comes as a double click.
  void doubleClick(QPoint point) {
    QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(view().viewport(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(view().viewport(), Qt::LeftButton, {}, point);
  }
  QImage shown() { return view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  static QImage windowImage(frmObject* window) {
    return window->picDraw()->surface().image().convertToFormat(QImage::Format_RGB32);
  }
  static QList<int> numbersOf(const KeyedCollection<clsObject>& pictures) {
    QList<int> numbers;
    for (const auto& [key, picture] : pictures) numbers << picture->ID;
    return numbers;
  }
  // Lays the board out `columns` cells wide.
  void columns(int columns) {
    view().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int frame = view().width() - view().viewport()->width();
    view().resize(view().cellSize().width() * columns + frame + 5, view().cellSize().height() * 2);
    ASSERT_EQ(view().columnCount(), columns);
  }
  // Writes a genetic code file that ends too early: Open fails on it.
  QString shortFile() {
    const QString path = dir.filePath(QStringLiteral("short.txt"));
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write("1\r\n2\r\n") == 6);
    return path;
  }
};

TEST_F(BoardTest, ShowsEveryOpenPictureInNumberOrderFromTheMomentItsWindowIsThere) {
  open();
  open();
  ASSERT_NE(open(QStringLiteral("0"), shortFile()), nullptr);  // picture 2 fails: its window stays
  messages.texts.clear();
  EXPECT_EQ(cells(), QList<int>({0, 1}));
  open();
  EXPECT_EQ(cells(), QList<int>({0, 1, 3}));  // before any event is processed
  EXPECT_EQ(pictureWindows().size(), 4);

  // A picture made from the clipboard text too; text that makes none, none.
  for (const QString& text : {QString::fromLatin1(GeneticCodeText(model().picture(model().index(0))->GenCode)),
                              QStringLiteral("no genetic code")}) {
    QApplication::clipboard()->setText(text);
    child<QAction>(main, "F_NewFromClipboard")->trigger();
  }
  EXPECT_EQ(cells(), QList<int>({0, 1, 3, 4}));
  EXPECT_EQ(messages.texts.size(), 1);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(model().index(row).data(Qt::ToolTipRole).toString(), OriginLine(*model().picture(model().index(row))));
  }
}

enum class Closing { Done, CloseBox, DeleteOnTheBoard };
const char* const kClosingNames[] = {"Done", "CloseBox", "DeleteOnTheBoard"};

class BoardClosing : public BoardTest, public ::testing::WithParamInterface<Closing> {};

TEST_P(BoardClosing, AClosedWindowsCellGoesAtOnceAndItsPictureStaysRegistered) {
  QList<frmObject*> windows;
  for (int i = 0; i < 3; ++i) windows << open();
  activate(&board());
  switch (GetParam()) {
    case Closing::Done: QTest::mouseClick(windows[1]->btnDone(), Qt::LeftButton); break;
    case Closing::CloseBox: windows[1]->close(); break;
    case Closing::DeleteOnTheBoard:
      view().setFocus();
      view().setCurrentIndex(model().indexOf(1));
      QTest::keyClick(&view(), Qt::Key_Delete);
      break;
  }
  EXPECT_EQ(cells(), QList<int>({0, 2}));
  EXPECT_FALSE(windows[1]->isVisible());
  EXPECT_EQ(modObject::Registry().count(), 3u);
  EXPECT_EQ(view().currentIndex().data().toInt(), GetParam() == Closing::DeleteOnTheBoard ? 2 : 0);
  open();
  EXPECT_EQ(cells(), QList<int>({0, 2, 3}));
  EXPECT_TRUE(messages.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Ways, BoardClosing,
                         ::testing::Values(Closing::Done, Closing::CloseBox, Closing::DeleteOnTheBoard),
                         [](const auto& info) { return kClosingNames[static_cast<int>(info.param)]; });

TEST_F(BoardTest, ParentBoxesAreTheWindowsOwnAndBreedingReadsThem) {
  QList<frmObject*> windows;
  for (int i = 0; i < 3; ++i) windows << open();
  activate(&board());
  view().setFocus();
  view().setCurrentIndex(model().indexOf(0));
  QTest::keyClick(&view(), Qt::Key_Space);
  QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, parts(2).parentBox.center());
  EXPECT_EQ(windows[0]->cbxParent()->isChecked(), true);
  EXPECT_EQ(windows[1]->cbxParent()->isChecked(), false);
  EXPECT_EQ(windows[2]->cbxParent()->isChecked(), true);

  QTest::keyClick(&board(), Qt::Key_O, Qt::ControlModifier);  // rate 0: every trait from a parent
  EXPECT_EQ(numbersOf(modObject::ParentList()), QList<int>({0, 2}));
  EXPECT_EQ(cells(), QList<int>({0, 1, 2, 3}));

  // A tick in a window shows on the board at once.
  const QRect box = parts(1).parentBox;
  const QImage before = shown().copy(box);
  QSignalSpy changed(&model(), &QAbstractItemModel::dataChanged);  // the view repaints the cell
  windows[1]->cbxParent()->click();
  EXPECT_EQ(changed.size(), 1);
  windows[0]->cbxParent()->click();
  EXPECT_EQ(model().indexOf(1).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
  EXPECT_EQ(model().indexOf(0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
  EXPECT_NE(shown().copy(box), before);
  open();
  EXPECT_EQ(numbersOf(modObject::ParentList()), QList<int>({1, 2}));

  // Ticking the box of a cell twice, or a double click on it, leaves it as it was.
  doubleClick(parts(1).parentBox.center());
  EXPECT_TRUE(windows[1]->cbxParent()->isChecked());
  EXPECT_TRUE(messages.texts.isEmpty());
}

enum class OpenBy { Button, CtrlO };

class BoardOpen : public BoardTest, public ::testing::WithParamInterface<OpenBy> {
 protected:
  void press() {
    switch (GetParam()) {
      case OpenBy::Button: QTest::mouseClick(child<QPushButton>(board(), "btnOpen"), Qt::LeftButton); break;
      case OpenBy::CtrlO: QTest::keyClick(&board(), Qt::Key_O, Qt::ControlModifier); break;
    }
  }
};

TEST_P(BoardOpen, ChecksTheRateAndNumbersAsTheMainWindowsOpenDoes) {
  open();
  activate(&board());
  child<QLineEdit>(main, "txtMutationRate")->setText(QStringLiteral("abc"));
  press();
  ASSERT_NE(main.dialogs().loaded(DialogId::ErrorMR), nullptr);
  EXPECT_TRUE(main.dialogs().loaded(DialogId::ErrorMR)->isVisible());
  EXPECT_EQ(modObject::ObjectCount, 1);
  EXPECT_EQ(cells(), QList<int>({0}));

  child<QLineEdit>(main, "txtMutationRate")->setText(QStringLiteral(" 0.5"));
  child<QLineEdit>(main, "txtName")->setText(QStringLiteral("no such file"));
  press();
  EXPECT_EQ(cells(), QList<int>({0, 1}));
  EXPECT_EQ(modObject::Registry().keyAt(1), QStringLiteral(" 1"));
  EXPECT_EQ(model().window(model().indexOf(1))->windowTitle(), QStringLiteral("1"));
  EXPECT_EQ(model().window(model().indexOf(1))->txtName()->text(), QStringLiteral("no such file"));

  // A failure is told over the board, where the user pressed Open.
  child<QLineEdit>(main, "txtName")->setText(shortFile());
  press();
  ASSERT_EQ(messages.parents.size(), 1);
  EXPECT_EQ(messages.parents[0], &board());
  EXPECT_TRUE(messages.texts[0].startsWith(QStringLiteral("Input past end of file")));
  EXPECT_EQ(cells(), QList<int>({0, 1}));
  EXPECT_EQ(modObject::ObjectCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Ways, BoardOpen, ::testing::Values(OpenBy::Button, OpenBy::CtrlO),
                         [](const auto& info) { return info.param == OpenBy::Button ? "Button" : "CtrlO"; });

class BoardZoom : public BoardTest, public ::testing::WithParamInterface<int> {};

TEST_P(BoardZoom, CellsShowThePictureAsItsWindowDoesOrDrawnAfreshWhenZoomed) {
  const int zoom = GetParam();
  for (int i = 0; i < 3; ++i) open(QStringLiteral("1"));
  activate(&board());
  board().resize(1200, 900);
  // Up one step too many (it stops at 3), then down as many (it stops at 1), then up.
  for (const auto& [key, times] : {std::pair{Qt::Key_Plus, 3}, {Qt::Key_Minus, 3}, {Qt::Key_Equal, zoom - 1}}) {
    for (int i = 0; i < times; ++i) QTest::keyClick(&board(), key, Qt::ControlModifier);
  }
  ASSERT_EQ(board().zoom(), zoom);
  EXPECT_EQ(child<QAction>(board(), "actZoomIn")->isEnabled(), zoom < 3);
  EXPECT_EQ(child<QAction>(board(), "actZoomOut")->isEnabled(), zoom > 1);
  const QImage grid = shown();
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    frmObject* window = model().window(model().index(row));
    const QRect picture = parts(row).picture;
    ASSERT_EQ(picture.size(), QSize(113, 105) * zoom);
    // The board keeps no copy of the window's image.
    EXPECT_TRUE(window->picDraw()->surface().image().isDetached());
    const std::shared_ptr<clsObject> drawn = model().picture(model().index(row));
    const QImage expected =
        zoom == 1 ? windowImage(window)
                  : RenderPicture(drawn->GenCode, drawn->Segments(), zoom, window->picDraw()->surface().background())
                        .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grid.copy(picture), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Zooms, BoardZoom, ::testing::Values(1, 2, 3));

// A picture whose path runs far out of its window to the right: 64 drawn
// segments of 300 twips at angle 0, each in a colour of its own.
QString farPath(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("far.txt"));
  QFile out(path);
  EXPECT_TRUE(out.open(QIODevice::WriteOnly));
  for (int i = 0; i < 64; ++i)
    out.write(
        QStringLiteral("0\r\n100\r\n%1\r\n%2\r\nTrue\r\n300\r\n2\r\n\r\n").arg(255 - 3 * i).arg(4 * i).toLatin1());
  return path;
}

QSet<QRgb> coloursIn(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return colours;
}

TEST_F(BoardTest, WholePathsFrameEveryDrawnSegmentInsideItsCell) {
  open();
  frmObject* far = open(QStringLiteral("0"), farPath(dir));
  const QColor background = far->picDraw()->surface().background();
  std::shared_ptr<clsObject> picture = modObject::Registry().find(modObject::RegistryKey(1));
  ASSERT_LT(coloursIn(windowImage(far)).size(), 10);  // the window shows a few segments
  board().resize(1200, 900);
  for (int zoom = 1; zoom <= 3; ++zoom) {
    SCOPED_TRACE(zoom);
    board().setZoom(zoom);
    board().setWholePaths(false);
    QImage framedByWindow = shown();
    child<QAction>(board(), "actWholePaths")->trigger();
    ASSERT_TRUE(board().wholePaths());
    QImage whole = shown();
    const QImage cell = whole.copy(parts(1).picture);
    EXPECT_EQ(cell, RenderWholePath(picture->GenCode, picture->Segments(), QSize(113, 105) * zoom, 1, background)
                        .convertToFormat(QImage::Format_RGB32));
    if (zoom > 1) {
      for (int i = 0; i < 64; ++i) EXPECT_TRUE(coloursIn(cell).contains(qRgb(4 * i, 255 - 3 * i, 100))) << i;
    }
    // Outside the pictures nothing changes: no segment reaches past its cell.
    QPainter blank;
    for (QImage* grid : {&framedByWindow, &whole}) {
      blank.begin(grid);
      for (int row = 0; row < 2; ++row) blank.fillRect(parts(row).picture, Qt::black);
      blank.end();
    }
    EXPECT_EQ(whole, framedByWindow);
  }
  child<QAction>(board(), "actWholePaths")->trigger();
  EXPECT_FALSE(board().wholePaths());
  EXPECT_EQ(shown().copy(parts(1).picture),
            RenderPicture(picture->GenCode, picture->Segments(), 3, background).convertToFormat(QImage::Format_RGB32));
}

TEST_F(BoardTest, ArrowsMoveThroughTheGridAndEnterOrADoubleClickBringsTheWindowForward) {
  QList<frmObject*> windows;
  for (int i = 0; i < 7; ++i) windows << open();
  activate(&board());
  columns(3);  // rows 0 1 2 / 3 4 5 / 6
  view().setFocus();
  const std::tuple<int, Qt::Key, int> moves[] = {
      {0, Qt::Key_Right, 1}, {2, Qt::Key_Right, 3}, {3, Qt::Key_Left, 2}, {0, Qt::Key_Left, 0}, {6, Qt::Key_Right, 6},
      {1, Qt::Key_Down, 4},  {4, Qt::Key_Down, 6},  {5, Qt::Key_Down, 6}, {6, Qt::Key_Down, 6}, {4, Qt::Key_Up, 1},
      {1, Qt::Key_Up, 1},    {5, Qt::Key_Home, 0},  {0, Qt::Key_End, 6}};
  for (const auto& [from, key, to] : moves) {
    view().setCurrentIndex(model().index(from));
    QTest::keyClick(&view(), key);
    EXPECT_EQ(view().currentIndex().row(), to) << from << " " << QKeySequence(key).toString().toStdString();
  }

  view().setCurrentIndex(model().index(4));
  QTest::keyClick(&view(), Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitForWindowActive(windows[4]));
  activate(&board());
  windows[5]->showMinimized();
  doubleClick(parts(5).picture.center());
  EXPECT_TRUE(QTest::qWaitForWindowActive(windows[5]));
  EXPECT_FALSE(windows[5]->isMinimized());
}

TEST_F(BoardTest, CellsReflowWithTheWidthAndScrollIntoView) {
  for (int i = 0; i < 12; ++i) open();
  for (int width : {5, 3, 1}) {
    SCOPED_TRACE(width);
    columns(width);
    const QSize cell = view().cellSize();
    for (int row : {0, 4, 7, 11}) {
      view().scrollTo(model().index(row));
      const QRect rect = view().visualRect(model().index(row));
      EXPECT_TRUE(view().viewport()->rect().contains(rect));
      EXPECT_EQ(rect.topLeft() + QPoint(0, view().verticalScrollBar()->value()),
                QPoint(row % width * cell.width(), row / width * cell.height()));
      EXPECT_EQ(view().indexAt(rect.center()).row(), row);
    }
    EXPECT_FALSE(view().indexAt(view().visualRect(model().index(11)).center() + QPoint(cell.width(), 0)).isValid());
  }
}

TEST_F(BoardTest, ViewBoardSitsBetweenFileAndInfoAndShowsTheOneBoard) {
  QStringList menus;
  for (QAction* action : main.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, QStringList({"&File", "&View", "&Info"}));
  EXPECT_EQ(child<QAction>(main, "V_Board")->text(), QStringLiteral("&Board"));
  activate(&main);
  for (int i = 0; i < 2; ++i) {
    QTest::keyClick(&main, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(testing::visibleWindowsNamed(QStringLiteral("frmBoard")), 1);
    main.board().close();
  }
  EXPECT_EQ(main.findChild<frmBoard*>(), nullptr);  // a window of its own
  EXPECT_EQ(main.board().windowTitle(), QStringLiteral("Board"));
}

}  // namespace
}  // namespace pelorin
