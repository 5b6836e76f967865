#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenuBar>
#include <QSignalSpy>

#include "genetics/genetic_code_file.h"
#include "picture/picture_export.h"
#include "picture/picture_object.h"
#include "picture/picture_origin.h"
#include "picture/picture_registry.h"
#include "picture/picture_surface.h"
#include "picture/whole_path.h"
#include "support/gui_fixture.h"
#include "support/line_picture.h"
#include "ui/board/board_delegate.h"
#include "ui/board/board_model.h"
#include "ui/board/frm_board.h"
#include "ui/common/cell_grid_view.h"

namespace pelorin {
namespace {

using testing::activate;
using testing::child;
using testing::ShowsLine;

class BoardTest : public testing::MainWindowTest {
 protected:
  frmBoard& board() {
    main.board().show();
    return main.board();
  }
  BoardModel& model() { return board().model(); }
  CellGridView& view() { return board().view(); }

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
};

TEST_F(BoardTest, CellsComeAndGoWithTheirWindowsInNumberOrderShareTheirParentBoxesAndReflow) {
  QStringList menus;
  for (QAction* action : main.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, QStringList({"&File", "&View", "&Info"}));
  QList<frmObject*> windows{open(), open(), open(), open()};
  EXPECT_EQ(cells(), QList<int>({0, 1, 2, 3}));  // before any event is processed
  activate(&board());
  for (int row : {1, 3}) QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, parts(row).parentBox.center());
  QTest::keyClick(&board(), Qt::Key_O, Qt::ControlModifier);
  std::vector<int> parents;
  for (const auto& [key, picture] : modObject::ParentList()) parents.push_back(picture->ID);
  EXPECT_EQ(parents, std::vector<int>({1, 3}));
  // Its button too; a failure is told over the board, where the user pressed Open.
  QFile ending(dir.filePath(QStringLiteral("short.txt")));  // Open fails on a file that ends too early
  ASSERT_TRUE(ending.open(QIODevice::WriteOnly) && ending.write("1\r\n2\r\n") == 6 && ending.flush());
  child<QLineEdit>(main, "txtName")->setText(ending.fileName());
  QTest::mouseClick(child<QPushButton>(board(), "btnOpen"), Qt::LeftButton);
  EXPECT_EQ(messages.parents, QList<QWidget*>({&board()}));
  EXPECT_EQ(cells(), QList<int>({0, 1, 2, 3, 4}));

  QSignalSpy changed(&model(), &QAbstractItemModel::dataChanged);  // the view repaints the cell
  windows[2]->cbxParent()->click();
  EXPECT_EQ(changed.size(), 1);
  EXPECT_EQ(model().indexOf(2).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);

  view().setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  const QSize cell = view().cellSize();
  view().resize(cell.width() * 3 + view().width() - view().viewport()->width() + 5, cell.height() * 2);
  ASSERT_EQ(view().columnCount(), 3);  // rows 0 1 2 / 3 4
  view().setFocus();
  for (const auto& [from, key, to] :
       {std::tuple{2, Qt::Key_Right, 3}, {1, Qt::Key_Down, 4}, {2, Qt::Key_Down, 4}, {4, Qt::Key_Up, 1}}) {
    view().setCurrentIndex(model().index(from));
    QTest::keyClick(&view(), key);
    EXPECT_EQ(view().currentIndex().row(), to) << from << " " << key;
  }
  QTest::keyClick(&view(), Qt::Key_Return);
  EXPECT_TRUE(QTest::qWaitForWindowActive(windows[1]));
  view().scrollTo(model().index(4));
  const QRect rect = view().visualRect(model().index(4));
  EXPECT_TRUE(view().viewport()->rect().contains(rect));
  EXPECT_EQ(view().indexAt(rect.center()).row(), 4);

  activate(&board());
  QTest::mouseClick(windows[0]->btnDone(), Qt::LeftButton);
  windows[1]->close();
  view().setFocus();
  view().setCurrentIndex(model().indexOf(2));
  QTest::keyClick(&view(), Qt::Key_Delete);
  EXPECT_EQ(cells(), QList<int>({3, 4}));
  EXPECT_FALSE(windows[2]->isVisible());
  // A picture made from the clipboard too, its whole origin line as the tooltip.
  QApplication::clipboard()->setText(QString::fromLatin1(GeneticCodeText(model().picture(model().index(0))->GenCode)));
  child<QAction>(main, "F_NewFromClipboard")->trigger();
  EXPECT_EQ(cells(), QList<int>({3, 4, 6}));
  EXPECT_EQ(model().indexOf(6).data(Qt::ToolTipRole).toString(),
            QStringLiteral("Picture 6: pasted from the clipboard at mutation rate 0"));
}

QStringList gWarnings;

// Delete and Enter act on the current cell; without one (none yet, or none
// set) they do nothing and warn of nothing.
TEST_F(BoardTest, DeleteAndEnterWithoutACurrentCellDoNothing) {
  for (const bool withCell : {false, true}) {
    frmObject* window = withCell ? open() : nullptr;
    activate(&board());
    view().setFocus();
    view().setCurrentIndex(QModelIndex());
    gWarnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { gWarnings << text; });
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(&view(), key);
    qInstallMessageHandler(previous);
    EXPECT_EQ(gWarnings, QStringList());
    EXPECT_EQ(cells(), withCell ? QList<int>{0} : QList<int>{});
    EXPECT_TRUE(!withCell || window->isVisible());
  }
}

class BoardZoom : public BoardTest, public ::testing::WithParamInterface<int> {};

TEST_P(BoardZoom, CellsShowThePictureAsItsWindowDoesOrDrawnAfreshWhenZoomedOrWhole) {
  const int zoom = GetParam();
  const QColor colour(30, 140, 200);
  // A line that runs out of its window to the right, read as it is.
  child<QLineEdit>(main, "txtMutationRate")->setText(QStringLiteral("0"));
  QApplication::clipboard()->setText(testing::LineCodeText(colour));
  child<QAction>(main, "F_NewFromClipboard")->trigger();
  activate(&board());
  board().resize(800, 600);
  // One step past each end (3 and 1), then up.
  for (const auto& [key, times] : {std::pair{Qt::Key_Plus, 3}, {Qt::Key_Minus, 3}, {Qt::Key_Equal, zoom - 1}}) {
    for (int i = 0; i < times; ++i) QTest::keyClick(&board(), key, Qt::ControlModifier);
  }
  ASSERT_EQ(board().zoom(), zoom);
  const PictureSurface& surface = model().window(model().index(0))->picDraw()->surface();
  for (bool whole : {false, true}) {
    if (whole) child<QAction>(board(), "actWholePaths")->trigger();
    EXPECT_TRUE(surface.image().isDetached());  // the board keeps no copy of the window's image
    const QImage shown = view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage cell = shown.copy(parts(0).picture);
    EXPECT_EQ(cell.size(), QSize(113, 105) * zoom);
    EXPECT_TRUE(ShowsLine(cell, colour, surface.background(),
                          whole ? testing::LineFraming::WholePath : testing::LineFraming::Window))
        << whole;
    if (zoom == 1 && !whole) {
      EXPECT_EQ(cell, surface.image().convertToFormat(QImage::Format_RGB32));  // the window's image itself
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Zooms, BoardZoom, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace pelorin
