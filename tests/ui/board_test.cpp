#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
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
    main.board().show();
    return main.board();
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
  QImage shownCell(int row) {
    return view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(parts(row).picture);
  }
  // Writes a genetic code file: Open fails on one that ends too early.
  QString file(const char* name, const QByteArray& text) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(text) == text.size());
    return path;
  }
};

TEST_F(BoardTest, CellsComeAndGoWithTheirWindowsInNumberOrder) {
  QList<frmObject*> windows{open(), open(), open(), open()};
  EXPECT_EQ(cells(), QList<int>({0, 1, 2, 3}));  // before any event is processed
  activate(&board());
  QTest::mouseClick(windows[0]->btnDone(), Qt::LeftButton);
  windows[1]->close();
  view().setFocus();
  view().setCurrentIndex(model().indexOf(2));
  QTest::keyClick(&view(), Qt::Key_Delete);
  EXPECT_EQ(cells(), QList<int>({3}));
  EXPECT_EQ(view().currentIndex().data().toInt(), 3);
  EXPECT_FALSE(windows[2]->isVisible());

  // A picture made from the clipboard text too; text that makes none, none.
  for (const QString& text : {QString::fromLatin1(GeneticCodeText(model().picture(model().index(0))->GenCode)),
                              QStringLiteral("no genetic code")}) {
    QApplication::clipboard()->setText(text);
    child<QAction>(main, "F_NewFromClipboard")->trigger();
  }
  EXPECT_EQ(cells(), QList<int>({3, 4}));
  EXPECT_EQ(model().indexOf(4).data(Qt::ToolTipRole).toString(), OriginLine(*model().picture(model().indexOf(4))));
  EXPECT_EQ(modObject::Registry().count(), 5u);
  EXPECT_EQ(messages.texts.size(), 1);
}

TEST_F(BoardTest, ParentBoxesAreTheWindowsOwnAndOpenOnTheBoardBreedsAsTheMainWindowsDoes) {
  QList<frmObject*> windows{open(), open(), open()};
  activate(&board());
  for (int row : {0, 2}) QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, parts(row).parentBox.center());
  QTest::keyClick(&board(), Qt::Key_O, Qt::ControlModifier);  // rate 0: every trait from a parent
  std::vector<int> parents;
  for (const auto& [key, picture] : modObject::ParentList()) parents.push_back(picture->ID);
  EXPECT_EQ(parents, std::vector<int>({0, 2}));
  EXPECT_EQ(cells(), QList<int>({0, 1, 2, 3}));
  // Its button too; a failure is told over the board, where the user pressed Open.
  child<QLineEdit>(main, "txtName")->setText(file("short.txt", "1\r\n2\r\n"));
  QTest::mouseClick(child<QPushButton>(board(), "btnOpen"), Qt::LeftButton);
  ASSERT_EQ(messages.parents, QList<QWidget*>({&board()}));
  EXPECT_TRUE(messages.texts[0].startsWith(QStringLiteral("Input past end of file")));
  EXPECT_EQ(cells(), QList<int>({0, 1, 2, 3}));
  EXPECT_EQ(modObject::ObjectCount, 5);

  // A tick in a window shows on the board at once.
  QSignalSpy changed(&model(), &QAbstractItemModel::dataChanged);  // the view repaints the cell
  windows[1]->cbxParent()->click();
  EXPECT_EQ(changed.size(), 1);
  EXPECT_EQ(model().indexOf(1).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
  // Ticking the box of a cell twice, as a double click does, leaves it as it was.
  doubleClick(parts(1).parentBox.center());
  EXPECT_TRUE(windows[1]->cbxParent()->isChecked());
}

class BoardZoom : public BoardTest, public ::testing::WithParamInterface<int> {};

TEST_P(BoardZoom, CellsShowThePictureAsItsWindowDoesOrDrawnAfreshWhenZoomed) {
  const int zoom = GetParam();
  for (int i = 0; i < 2; ++i) open(QStringLiteral("1"));
  // A path that runs far out of its window to the right.
  QByteArray far;
  for (int i = 0; i < 64; ++i)
    far += QStringLiteral("0\r\n100\r\n%1\r\n%2\r\nTrue\r\n300\r\n2\r\n\r\n").arg(255 - 3 * i).arg(4 * i).toLatin1();
  open(QStringLiteral("0"), file("far.txt", far));
  activate(&board());
  board().resize(1200, 900);
  // Up one step too many (it stops at 3), then down as many (it stops at 1), then up.
  for (const auto& [key, times] : {std::pair{Qt::Key_Plus, 3}, {Qt::Key_Minus, 3}, {Qt::Key_Equal, zoom - 1}}) {
    for (int i = 0; i < times; ++i) QTest::keyClick(&board(), key, Qt::ControlModifier);
  }
  ASSERT_EQ(board().zoom(), zoom);
  EXPECT_EQ(child<QAction>(board(), "actZoomIn")->isEnabled(), zoom < 3);
  EXPECT_EQ(child<QAction>(board(), "actZoomOut")->isEnabled(), zoom > 1);
  for (bool whole : {false, true}) {
    if (whole) child<QAction>(board(), "actWholePaths")->trigger();
    ASSERT_EQ(board().wholePaths(), whole);
    for (int row = 0; row < 3; ++row) {
      SCOPED_TRACE(::testing::Message() << "row " << row << (whole ? " whole" : ""));
      const QImage& image = model().window(model().index(row))->picDraw()->surface().image();
      EXPECT_TRUE(image.isDetached());  // the board keeps no copy of the window's image
      const std::shared_ptr<clsObject> drawn = model().picture(model().index(row));
      const QColor background = model().window(model().index(row))->picDraw()->surface().background();
      const QImage expected =
          whole       ? RenderWholePath(drawn->GenCode, drawn->Segments(), QSize(113, 105) * zoom, 1, background)
          : zoom == 1 ? image
                      : RenderPicture(drawn->GenCode, drawn->Segments(), zoom, background);
      EXPECT_EQ(shownCell(row), expected.convertToFormat(QImage::Format_RGB32));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Zooms, BoardZoom, ::testing::Values(1, 2, 3));

TEST_F(BoardTest, CellsReflowWithTheWidthArrowsMoveThroughThemAndEnterOrADoubleClickBringsTheWindowForward) {
  QList<frmObject*> windows;
  for (int i = 0; i < 7; ++i) windows << open();
  activate(&board());
  view().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  const QSize cell = view().cellSize();
  const auto columns = [&](int count) {
    view().resize(cell.width() * count + view().width() - view().viewport()->width() + 5, cell.height() * 2);
    ASSERT_EQ(view().columnCount(), count);
  };
  columns(3);  // rows 0 1 2 / 3 4 5 / 6
  view().setFocus();
  const std::tuple<int, Qt::Key, int> moves[] = {{2, Qt::Key_Right, 3}, {0, Qt::Key_Left, 0}, {1, Qt::Key_Down, 4},
                                                 {5, Qt::Key_Down, 6},  {4, Qt::Key_Up, 1},   {1, Qt::Key_Up, 1}};
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

  columns(1);
  view().scrollTo(model().index(5));
  const QRect rect = view().visualRect(model().index(5));
  EXPECT_TRUE(view().viewport()->rect().contains(rect));
  EXPECT_EQ(rect.top() + view().verticalScrollBar()->value(), 5 * cell.height());
  EXPECT_EQ(view().indexAt(rect.center()).row(), 5);
}

TEST_F(BoardTest, ViewBoardSitsBetweenFileAndInfoAndShowsTheOneBoard) {
  QStringList menus;
  for (QAction* action : main.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, QStringList({"&File", "&View", "&Info"}));
  for (int i = 0; i < 2; ++i) child<QAction>(main, "V_Board")->trigger();
  EXPECT_EQ(testing::visibleWindowsNamed(QStringLiteral("frmBoard")), 1);
}

}  // namespace
}  // namespace pelorin
