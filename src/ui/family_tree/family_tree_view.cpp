#include "ui/family_tree/family_tree_view.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "picture/picture_surface.h"
#include "platform/seam.h"
#include "ui/common/accessible_cells.h"
#include "ui/common/plain_text.h"

namespace pelorin {

namespace {

using family_tree::Family;

// Around the tree, in pixels of the view.
constexpr int kMargin = 16;
// How far the mouse moves before a press becomes a drag.
constexpr int kDragStart = 4;

// Images are drawn at the next power of two at or above the scale shown, so
// that zooming reuses them until the scale doubles.
qreal imageScale(qreal pixelScale) {
  return std::pow(2.0, std::ceil(std::log2(std::clamp(pixelScale, 1.0 / 16, 16.0))));
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length = QPointF::dotProduct(ab, ab);
  const double t = length > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length, 0.0, 1.0) : 0.0;
  const QPointF nearest = a + t * ab;
  return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

FamilyTreeView::FamilyTreeView(QWidget* parent) : QAbstractScrollArea(parent), images_(kImageCacheKiB) {
  // A family tree is a drawing, not text: right-to-left languages see it
  // (and scroll it) as it is drawn.
  setLayoutDirection(Qt::LeftToRight);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setBackgroundRole(QPalette::Base);
}

void FamilyTreeView::setScene(std::shared_ptr<const FamilyTreeScene> scene) { showScene(std::move(scene), false); }

void FamilyTreeView::replaceScene(std::shared_ptr<const FamilyTreeScene> scene) {
  showScene(std::move(scene), scene_ != nullptr);
}

void FamilyTreeView::showScene(std::shared_ptr<const FamilyTreeScene> scene, bool keepView) {
  keepView = keepView && scene != nullptr;
  std::optional<family_tree::PictureKey> currentKey;
  if (keepView && current_ < scene_->family.graph.cells.size()) currentKey = scene_->family.graph.cells[current_].key;
  const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
  scene_ = std::move(scene);
  images_.clear();  // the same id may now be another picture's (a forgotten run)
  hovered_ = Family::npos;
  kin_.clear();
  current_ = Family::npos;
  if (scene_ && currentKey) current_ = scene_->family.indexOf(*currentKey);
  if (scene_ && current_ == Family::npos) current_ = scene_->family.indexOf(scene_->family.focus);
  emit sceneChanged();
  updateScrollBars();
  if (keepView) {
    horizontalScrollBar()->setValue(scrolled.x());
    verticalScrollBar()->setValue(scrolled.y());
  } else if (current_ != Family::npos) {
    centreOn(current_);
  }
  viewport()->update();
  tellFocus();
  emit currentCellChanged(current_);  // its picture is read anew, even where its index is not
}

void FamilyTreeView::tellFocus() {
  // Nothing without a client: the interfaces are made only for one.
  if (!Seam<AccessibilityEvents>::current().listening() || !hasFocus()) return;
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(this);
  if (QAccessibleInterface* cell = tree->focusChild())
    tellAccessibility(this, QAccessible::Focus, tree->indexOfChild(cell));
}

void FamilyTreeView::setFraming(family_tree::CellFraming framing) {
  if (framing == framing_) return;
  framing_ = framing;
  images_.clear();
  viewport()->update();
}

QPoint FamilyTreeView::origin() const {
  // A tree smaller than the view stands in its middle.
  const QSizeF size = scene_ ? scene_->layout.size * zoom_ : QSizeF();
  const QSize view = viewport()->size();
  const int left = std::max(kMargin, static_cast<int>((view.width() - std::ceil(size.width())) / 2));
  const int top = std::max(kMargin, static_cast<int>((view.height() - std::ceil(size.height())) / 2));
  return QPoint(left - horizontalScrollBar()->value(), top - verticalScrollBar()->value());
}

QPointF FamilyTreeView::toLayout(QPointF viewPoint) const { return (viewPoint - origin()) / zoom_; }

QRectF FamilyTreeView::cellRectInView(std::size_t cell) const {
  if (!scene_ || cell >= scene_->layout.cells.size()) return {};
  const QRectF rect = scene_->layout.cells[cell].rect;
  return QRectF(rect.topLeft() * zoom_ + origin(), rect.size() * zoom_);
}

std::size_t FamilyTreeView::cellAt(QPointF point) const {
  if (!scene_) return Family::npos;
  const QPointF at = toLayout(point);
  const auto& cells = scene_->layout.cells;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i].rect.contains(at)) return i;
  }
  return Family::npos;
}

std::size_t FamilyTreeView::lineAt(QPointF viewPoint) const {
  if (!scene_) return Family::npos;
  const QPointF at = toLayout(viewPoint);
  std::size_t best = Family::npos;
  double bestDistance = std::numeric_limits<double>::max();
  const auto& lines = scene_->layout.lines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // Within the pen's half width and three pixels of the screen.
    const double reach = family_tree::LineWidth(lines[i].share) / 2 + 3 / zoom_;
    const QPolygonF& points = lines[i].points;
    if (!points.boundingRect().adjusted(-reach, -reach, reach, reach).contains(at)) continue;
    for (qsizetype p = 1; p < points.size(); ++p) {
      const double distance = distanceToSegment(at, points[p - 1], points[p]);
      if (distance <= reach && distance < bestDistance) {
        bestDistance = distance;
        best = i;
      }
    }
  }
  return best;
}

void FamilyTreeView::updateScrollBars() {
  const QSizeF size = scene_ ? scene_->layout.size * zoom_ : QSizeF();
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0,
                                  std::max(0, static_cast<int>(std::ceil(size.width())) + 2 * kMargin - view.width()));
  verticalScrollBar()->setRange(0,
                                std::max(0, static_cast<int>(std::ceil(size.height())) + 2 * kMargin - view.height()));
  horizontalScrollBar()->setPageStep(view.width());
  verticalScrollBar()->setPageStep(view.height());
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
}

void FamilyTreeView::setZoom(qreal zoom, std::optional<QPointF> anchor) {
  zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  const QPointF at = anchor.value_or(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
  const QPointF fixed = toLayout(at);
  zoom_ = zoom;
  updateScrollBars();
  // Where fixed now lies, moved back under at.
  const QPointF now = fixed * zoom_ + QPointF(origin());
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + static_cast<int>(std::lround(now.x() - at.x())));
  verticalScrollBar()->setValue(verticalScrollBar()->value() + static_cast<int>(std::lround(now.y() - at.y())));
  viewport()->update();
}

void FamilyTreeView::zoomBy(qreal steps, std::optional<QPointF> anchor) {
  setZoom(zoom_ * std::pow(kZoomStep, steps), anchor);
}

void FamilyTreeView::fitAll() {
  if (!scene_) return;
  const QSizeF size = scene_->layout.size;
  const QSize view = viewport()->size() - QSize(2 * kMargin, 2 * kMargin);
  qreal zoom = 1.0;
  if (size.width() > 0 && size.height() > 0) {
    zoom = std::min({1.0, view.width() / size.width(), view.height() / size.height()});
  }
  setZoom(zoom);
  horizontalScrollBar()->setValue(horizontalScrollBar()->maximum() / 2);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum() / 2);
}

void FamilyTreeView::centreOn(std::size_t cell) {
  const QRectF rect = cellRectInView(cell);
  if (rect.isNull()) return;
  if (viewport()->rect().contains(rect.toAlignedRect())) return;
  const QPointF shift = rect.center() - QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0);
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + static_cast<int>(std::lround(shift.x())));
  verticalScrollBar()->setValue(verticalScrollBar()->value() + static_cast<int>(std::lround(shift.y())));
}

void FamilyTreeView::setCurrentCell(std::size_t cell) {
  if (!scene_ || cell >= scene_->layout.cells.size() || cell == current_) return;
  current_ = cell;
  centreOn(cell);
  viewport()->update();
  tellFocus();
  emit currentCellChanged(cell);
}

void FamilyTreeView::setHovered(std::size_t cell) {
  if (cell == hovered_) return;
  hovered_ = cell;
  if (cell == Family::npos || !scene_) {
    kin_.clear();
  } else {
    kin_ = family_tree::KinOf(scene_->family.graph, cell);
  }
  viewport()->update();
}

QImage FamilyTreeView::imageOf(std::size_t cell, qreal pixelScale) {
  const history::RecordedPicture& record = scene_->family.records[cell];
  const qreal scale = imageScale(pixelScale);
  if (const Kept* kept = images_.object(record.id); kept != nullptr && kept->scale == scale) return kept->image;
  auto kept = std::make_unique<Kept>(
      Kept{family_tree::CellPicture(record, framing_, scale, scene_->drawing.background), scale});
  ++drawn_;
  const QImage image = kept->image;
  const auto kib = static_cast<int>(std::max<qsizetype>(1, image.sizeInBytes() / 1024));
  images_.insert(record.id, kept.release(), kib);
  return image;
}

void FamilyTreeView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.fillRect(event->rect(), palette().color(QPalette::Base));
  if (!scene_) return;
  painter.translate(origin());
  painter.scale(zoom_, zoom_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  const QRectF area(toLayout(event->rect().topLeft()), toLayout(event->rect().bottomRight() + QPoint(1, 1)));
  family_tree::TreeMarks marks;
  marks.current = hasFocus() ? current_ : Family::npos;
  marks.kin = kin_;
  family_tree::PaintFamilyTree(painter, scene_->drawing, marks, area, zoom_ * devicePixelRatioF(),
                               [this](std::size_t cell, qreal pixelScale) { return imageOf(cell, pixelScale); });
}

void FamilyTreeView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollBars();
}

void FamilyTreeView::scrollContentsBy(int, int) { viewport()->update(); }

void FamilyTreeView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  dragFrom_ = event->position().toPoint();
  dragged_ = false;
  const std::size_t cell = cellAt(event->position());
  pressedCell_ = cell;
  if (cell != Family::npos) setCurrentCell(cell);
}

void FamilyTreeView::mouseMoveEvent(QMouseEvent* event) {
  if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
    const QPoint at = event->position().toPoint();
    const QPoint moved = at - *dragFrom_;
    if (pressedCell_ != Family::npos) {
      // A cell is dragged out, not the tree.
      if (moved.manhattanLength() < QApplication::startDragDistance()) return;
      const std::size_t cell = std::exchange(pressedCell_, Family::npos);
      dragFrom_.reset();
      emit cellDragged(cell);
      return;
    }
    if (!dragged_ && moved.manhattanLength() < kDragStart) return;
    dragged_ = true;
    viewport()->setCursor(Qt::ClosedHandCursor);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
    dragFrom_ = at;
    return;
  }
  setHovered(cellAt(event->position()));
}

void FamilyTreeView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragFrom_.reset();
    pressedCell_ = Family::npos;
    viewport()->unsetCursor();
  }
  QAbstractScrollArea::mouseReleaseEvent(event);
}

void FamilyTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
  const std::size_t cell = cellAt(event->position());
  if (event->button() == Qt::LeftButton && cell != Family::npos) emit cellActivated(cell);
}

void FamilyTreeView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) return QAbstractScrollArea::wheelEvent(event);
  const qreal notches = event->angleDelta().y() / 120.0;
  if (notches != 0) zoomBy(notches, event->position());
  event->accept();
}

std::size_t FamilyTreeView::neighbour(int key) const {
  if (!scene_ || current_ == Family::npos) return Family::npos;
  const auto& cells = scene_->layout.cells;
  const family_tree::PlacedCell& from = cells[current_];
  const int layer = from.layer + (key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0);
  const qreal x = from.rect.center().x();
  std::size_t best = Family::npos;
  qreal bestDistance = std::numeric_limits<qreal>::max();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i == current_ || cells[i].layer != layer) continue;
    const qreal dx = cells[i].rect.center().x() - x;
    if ((key == Qt::Key_Left && dx >= 0) || (key == Qt::Key_Right && dx <= 0)) continue;
    if (std::abs(dx) < bestDistance) {
      bestDistance = std::abs(dx);
      best = i;
    }
  }
  return best;
}

std::size_t FamilyTreeView::nearestKin(bool parent) const {
  if (!scene_ || current_ == Family::npos) return Family::npos;
  const family_tree::PictureKey from = scene_->layout.cells[current_].key;
  const qreal x = scene_->layout.cells[current_].rect.center().x();
  std::size_t best = Family::npos;
  qreal bestDistance = std::numeric_limits<qreal>::max();
  for (const family_tree::TreeLine& line : scene_->family.graph.lines) {
    if ((parent ? line.child : line.parent) != from) continue;
    const std::size_t kin = scene_->family.indexOf(parent ? line.parent : line.child);
    const qreal distance = std::abs(scene_->layout.cells[kin].rect.center().x() - x);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = kin;
    }
  }
  return best;
}

void FamilyTreeView::keyPressEvent(QKeyEvent* event) {
  if (!scene_ || current_ == Family::npos) return QAbstractScrollArea::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier &&
          (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        if (const std::size_t next = nearestKin(event->key() == Qt::Key_Up); next != Family::npos) setCurrentCell(next);
        return;
      }
      if (event->modifiers() & ~Qt::KeypadModifier) break;
      if (const std::size_t next = neighbour(event->key()); next != Family::npos) setCurrentCell(next);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit cellActivated(current_); return;
    case Qt::Key_Space: emit cellToggled(current_); return;
    default: break;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

bool FamilyTreeView::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(event);
      const std::size_t cell = cellAt(help->pos());
      const std::size_t line = cell == Family::npos ? lineAt(help->pos()) : Family::npos;
      if (cell != Family::npos) {
        QToolTip::showText(help->globalPos(), plainToolTip(scene_->cellTips[cell]), viewport());
      } else if (line != Family::npos) {
        QToolTip::showText(help->globalPos(), plainToolTip(scene_->lineTips[line]), viewport());
      } else {
        QToolTip::hideText();
        event->ignore();
      }
      return true;
    }
    case QEvent::Leave: setHovered(Family::npos); break;
    default: break;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace pelorin
