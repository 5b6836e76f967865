#pragma once

#include <QMainWindow>

class QAction;

namespace pelorin {

class BoardDelegate;
class BoardModel;
class CellGridView;

// The board: every open picture in one window, as cells in number order.
// Its View menu zooms the cells (Ctrl+plus, Ctrl+minus) and shows each
// picture's whole path instead of its window's framing. Open (the button
// and Ctrl+O) asks the main window to open a picture; double-click or Enter
// brings a cell's window to the front, Delete closes it as Done does, Space
// ticks or clears its Parent box. Closing the board only hides it.
class frmBoard : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmBoard(QWidget* parent = nullptr);

  BoardModel& model() { return *model_; }
  CellGridView& view() { return *view_; }
  BoardDelegate& delegate() { return *delegate_; }

  int zoom() const;
  // Sets the cells' zoom, clamped to 1..3, keeping the current cell in view.
  void setZoom(int zoom);
  bool wholePaths() const;
  void setWholePaths(bool on);

 signals:
  // Open was pressed or Ctrl+O typed on the board.
  void openRequested();

 private:
  void buildMenus();
  void updateZoomActions();

  BoardModel* model_ = nullptr;
  BoardDelegate* delegate_ = nullptr;
  CellGridView* view_ = nullptr;
  QAction* actZoomIn_ = nullptr;
  QAction* actZoomOut_ = nullptr;
  QAction* actWholePaths_ = nullptr;
};

}  // namespace pelorin
