#include "ui/picture_window/picture_view.h"

#include <QPainter>

#include "picture/line_geometry.h"
#include "picture/picture_surface.h"

namespace pelorin {

PictureView::PictureView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

PictureView::~PictureView() = default;

PictureSurface& PictureView::surface() {
  if (!surface_) {
    surface_ = std::make_unique<PictureSurface>(kPictureWidthTwips, kPictureHeightTwips, devicePixelRatioF());
  }
  return *surface_;
}

QString PictureView::drawingDescription() const {
  if (!surface_) return tr("Nothing drawn");
  return tr("%1 of %2 segments drawn").arg(surface_->linesDrawn()).arg(std::tuple_size_v<SegmentTable>);
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (surface_) {
    painter.drawImage(QPoint(0, 0), surface_->image());
  } else {
    // Before the first drawing: what a cleared surface shows.
    painter.fillRect(rect(), systemWindowBackground());
  }
}

}  // namespace pelorin
