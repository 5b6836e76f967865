#include "ui/board/frm_board.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/board/board_delegate.h"
#include "ui/board/board_model.h"
#include "ui/common/cell_grid_view.h"
#include "ui/common/zoom_keys.h"

namespace pelorin {

frmBoard::frmBoard(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmBoard"));
  setWindowTitle(tr("Board"));

  model_ = new BoardModel(this);
  delegate_ = new BoardDelegate(this);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setAccessibleName(windowTitle());
  setCentralWidget(client);

  auto* actOpen = new QAction(tr("Open"), this);
  actOpen->setObjectName(QStringLiteral("actOpen"));
  actOpen->setShortcuts(QKeySequence::Open);
  addAction(actOpen);
  connect(actOpen, &QAction::triggered, this, &frmBoard::openRequested);
  auto* btnOpen = new QPushButton(tr("Open"), client);
  btnOpen->setObjectName(QStringLiteral("btnOpen"));
  btnOpen->setAutoDefault(false);
  btnOpen->setToolTip(tr("Open a picture as the main window's Open does (Ctrl+O)"));
  connect(btnOpen, &QPushButton::clicked, actOpen, &QAction::trigger);

  view_ = new CellGridView(client);
  view_->setObjectName(QStringLiteral("board"));
  view_->setAccessibleName(tr("Open pictures"));
  view_->setActivationText(tr("Bring to Front"));
  view_->setItemDelegate(delegate_);
  view_->setModel(model_);
  // Cells are dragged out; drops are the board's own (PictureDropTarget).
  view_->setDragEnabled(true);
  view_->setDragDropMode(QAbstractItemView::DragOnly);
  connect(view_, &QAbstractItemView::activated, model_, &BoardModel::bringToFront);
  auto* actClose = new QAction(tr("Close Picture Window"), view_);
  actClose->setObjectName(QStringLiteral("actClose"));
  actClose->setShortcut(QKeySequence::Delete);
  actClose->setShortcutContext(Qt::WidgetShortcut);
  view_->addAction(actClose);
  connect(actClose, &QAction::triggered, this, [this] { model_->closeWindow(view_->currentIndex()); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnOpen);
  buttons->addStretch();
  auto* column = new QVBoxLayout(client);
  column->addLayout(buttons);
  column->addWidget(view_, 1);

  buildMenus();
  // The keys act on the cells from the start.
  view_->setFocus();
  const QSize cell = view_->cellSize();
  resize(cell.width() * 6 + 40, cell.height() * 3 + 90);
}

void frmBoard::buildMenus() {
  QMenu* M_View = menuBar()->addMenu(tr("&View"));
  M_View->setObjectName(QStringLiteral("M_View"));
  M_View->setAccessibleName(tr("View"));
  menuBar()->setAccessibleName(tr("Menu bar"));
  actZoomIn_ = M_View->addAction(tr("Zoom &In"));
  actZoomIn_->setObjectName(QStringLiteral("actZoomIn"));
  actZoomIn_->setShortcuts(ZoomInKeys());
  actZoomOut_ = M_View->addAction(tr("Zoom &Out"));
  actZoomOut_->setObjectName(QStringLiteral("actZoomOut"));
  actZoomOut_->setShortcuts(QKeySequence::ZoomOut);
  connect(actZoomIn_, &QAction::triggered, this, [this] { setZoom(zoom() + 1); });
  connect(actZoomOut_, &QAction::triggered, this, [this] { setZoom(zoom() - 1); });
  M_View->addSeparator();
  actWholePaths_ = M_View->addAction(tr("&Whole Paths"));
  actWholePaths_->setObjectName(QStringLiteral("actWholePaths"));
  actWholePaths_->setCheckable(true);
  connect(actWholePaths_, &QAction::toggled, this, &frmBoard::setWholePaths);
  updateZoomActions();
}

bool frmBoard::wholePaths() const { return delegate_->wholePaths(); }

void frmBoard::setWholePaths(bool on) {
  delegate_->setWholePaths(on);
  actWholePaths_->setChecked(on);
  view_->viewport()->update();
}

int frmBoard::zoom() const { return delegate_->zoom(); }

void frmBoard::setZoom(int zoom) {
  delegate_->setZoom(zoom);
  view_->relayout();
  updateZoomActions();
}

void frmBoard::updateZoomActions() {
  actZoomIn_->setEnabled(zoom() < BoardDelegate::kMaxZoom);
  actZoomOut_->setEnabled(zoom() > BoardDelegate::kMinZoom);
}

}  // namespace pelorin
