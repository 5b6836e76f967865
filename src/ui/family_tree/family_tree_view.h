#pragma once

#include <QAbstractScrollArea>
#include <QCache>
#include <QImage>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "family_tree/tree_drawing.h"

namespace pelorin {

// A laid-out family as the family tree window shows it.
struct FamilyTreeScene {
  family_tree::Family family;
  family_tree::TreeLayout layout;
  family_tree::TreeDrawing drawing;  // over family and layout
  std::vector<QString> lineTips;     // lineTips[i]: the tooltip of layout.lines[i]
  std::vector<QString> cellTips;     // cellTips[i]: of layout.cells[i], the picture's origin line
  std::vector<QString> cellOrigins;  // cellOrigins[i]: that origin line alone, as its window's tooltip gives it
};

// Shows a family tree, parents above children: only what is in view is
// painted, each picture drawn from its recorded code when first shown and
// kept in a cache bounded by size. Drag the space between cells or scroll
// to move (dragging a cell tells cellDragged), Ctrl+wheel to
// zoom about the mouse; the arrow keys move the current cell to its
// neighbour, Alt+Up and Alt+Down to its nearest parent and child; resting the mouse on a cell fades all but its kin.
// Enter or a double click on a cell, and Space, are told by signals. A screen reader hears it as a list of its cells
// (makeFamilyTreeAccessible), the current one focused.
class FamilyTreeView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr qreal kMinZoom = 0.05;
  static constexpr qreal kMaxZoom = 4.0;
  // What one step of zooming (a notch of Ctrl+wheel, Zoom In) multiplies the
  // zoom by.
  static constexpr qreal kZoomStep = 1.25;
  // Images kept, in KiB: some screens full of half-size pictures at a
  // device pixel ratio of 2 (about 47 KiB each there).
  static constexpr int kImageCacheKiB = 32 * 1024;

  explicit FamilyTreeView(QWidget* parent = nullptr);

  // Shows scene (none: an empty view); the current cell becomes the focus.
  void setScene(std::shared_ptr<const FamilyTreeScene> scene);
  // Shows scene, the same family read again: the zoom, the scrolled place
  // and the current cell (by its picture, when still there) stay.
  void replaceScene(std::shared_ptr<const FamilyTreeScene> scene);
  const FamilyTreeScene* scene() const { return scene_.get(); }
  // Cells show their pictures framed so; changing it drops the kept images.
  void setFraming(family_tree::CellFraming framing);

  qreal zoom() const { return zoom_; }
  // Zooms to zoom (clamped) keeping the layout point under anchor (viewport
  // coordinates) where it is; the viewport's centre when none.
  void setZoom(qreal zoom, std::optional<QPointF> anchor = std::nullopt);
  // The same by steps of kZoomStep: in when steps > 0, out when < 0.
  void zoomBy(qreal steps, std::optional<QPointF> anchor = std::nullopt);
  // The whole tree in view, at most at full size.
  void fitAll();
  // Brings cell into view, at its centre when it is far.
  void centreOn(std::size_t cell);

  std::size_t currentCell() const { return current_; }
  void setCurrentCell(std::size_t cell);
  // Does what Enter does on cell: tells cellActivated.
  void activateCell(std::size_t cell) { emit cellActivated(cell); }
  std::size_t hoveredCell() const { return hovered_; }
  // One per cell while the mouse rests on a cell, else empty.
  const std::vector<bool>& kin() const { return kin_; }
  // Where cell lies in the viewport's coordinates.
  QRectF cellRectInView(std::size_t cell) const;
  // The cell at a viewport point; npos for none.
  std::size_t cellAt(QPointF point) const;

  int imagesDrawn() const { return drawn_; }

 signals:
  void cellActivated(std::size_t cell);  // Enter, a double click
  void cellToggled(std::size_t cell);    // Space
  // A press on a cell moved past the system's drag distance: the cell's
  // picture is to be dragged out (the tree does not move).
  void cellDragged(std::size_t cell);
  void currentCellChanged(std::size_t cell);  // also when a scene is shown: its record is new
  void sceneChanged();                        // before currentCellChanged

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // Shows scene; keepView: the zoom, the scrolled place and the current
  // cell's picture stay.
  void showScene(std::shared_ptr<const FamilyTreeScene> scene, bool keepView);
  // Where the layout's (0, 0) lies in the viewport.
  QPoint origin() const;
  QPointF toLayout(QPointF viewPoint) const;
  void updateScrollBars();
  void setHovered(std::size_t cell);
  // The neighbour of the current cell in direction key; npos for none.
  std::size_t neighbour(int key) const;
  // The current cell's parent (or child) nearest to it across; npos for none.
  std::size_t nearestKin(bool parent) const;
  std::size_t lineAt(QPointF viewPoint) const;
  // Tells an accessibility client which cell has the focus.
  void tellFocus();
  QImage imageOf(std::size_t cell, qreal pixelScale);

  std::shared_ptr<const FamilyTreeScene> scene_;
  family_tree::CellFraming framing_ = family_tree::CellFraming::Window;
  qreal zoom_ = 1.0;
  std::size_t current_ = family_tree::Family::npos;
  std::size_t hovered_ = family_tree::Family::npos;
  std::vector<bool> kin_;
  std::optional<QPoint> dragFrom_;
  std::size_t pressedCell_ = family_tree::Family::npos;  // where the left button went down, if on a cell
  bool dragged_ = false;
  struct Kept {
    QImage image;
    qreal scale;
  };
  QCache<history::PictureId, Kept> images_;
  int drawn_ = 0;
};

}  // namespace pelorin
