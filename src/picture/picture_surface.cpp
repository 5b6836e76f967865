#include "picture/picture_surface.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/twips.h"

namespace pelorin {

QColor systemWindowBackground() {
  if (QGuiApplication::instance() == nullptr) return QColor(Qt::white);
  return QGuiApplication::palette().color(QPalette::Base);
}

void StrokeSquareCapped(QPainter& painter, QPointF from, QPointF to, qreal width, QColor colour) {
  QColor opaque = colour.toRgb();
  opaque.setAlpha(255);
  if (from == to && painter.deviceTransform().type() >= QTransform::TxScale) {
    painter.fillRect(QRectF(from.x() - width / 2, from.y() - width / 2, width, width), opaque);
    return;
  }
  painter.setPen(QPen(opaque, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawLine(from, to);
}

QColor BackgroundOrWhite(QColor background) { return background.isValid() ? background.toRgb() : QColor(Qt::white); }

QImage BlankImage(QSize logicalSize, qreal devicePixelRatio, QColor background) {
  const QSize size = logicalSize.expandedTo(QSize(1, 1));
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  QImage image(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(BackgroundOrWhite(background));
  return image;
}

PictureSurface::PictureSurface(int widthTwips, int heightTwips, qreal devicePixelRatio, QColor background)
    : logicalSize_(std::max(1, twipsToPixels(widthTwips)), std::max(1, twipsToPixels(heightTwips))),
      background_(BackgroundOrWhite(background)),
      image_(BlankImage(logicalSize_, devicePixelRatio, background_)) {}

PictureSurface::~PictureSurface() = default;

namespace {

void preparePainter(QPainter& painter, QSize logicalSize) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setClipRect(QRect(QPoint(0, 0), logicalSize));
}

}  // namespace

PictureSurface::Painting::Painting(PictureSurface& surface) : surface_(surface) {
  if (surface_.painter_) return;  // an outer Painting already holds one
  owner_ = true;
  surface_.painter_ = std::make_unique<QPainter>(&surface_.image_);
  preparePainter(*surface_.painter_, surface_.logicalSize_);
}

PictureSurface::Painting::~Painting() {
  if (owner_) surface_.painter_.reset();
}

void PictureSurface::Cls() {
  image_.fill(background_);
  linesDrawn_ = 0;
}

void PictureSurface::DrawWidth(std::int16_t pixels) { drawWidth_ = pixels; }

int PictureSurface::PenWidth(std::int16_t pixels) { return std::clamp<int>(pixels, 1, kMaxPenWidth); }

void PictureSurface::Line(float x1, float y1, float x2, float y2, QColor colour) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  const int width = PenWidth(drawWidth_);
  std::optional<QPainter> own;
  if (!painter_) {
    own.emplace(&image_);  // follows the image's device pixel ratio
    preparePainter(*own, logicalSize_);
  }
  QPainter& painter = painter_ ? *painter_ : *own;
  ++linesDrawn_;
  StrokeSquareCapped(painter, QPointF(twipsToPixelsF(x1), twipsToPixelsF(y1)),
                     QPointF(twipsToPixelsF(x2), twipsToPixelsF(y2)), width, colour);
}

}  // namespace pelorin
