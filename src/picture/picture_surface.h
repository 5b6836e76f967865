#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <cstdint>
#include <memory>

class QPainter;

namespace pelorin {

// The drawing area of a picture window's picDraw, in twips.
inline constexpr int kPictureWidthTwips = 1695;
inline constexpr int kPictureHeightTwips = 1575;

// The system's window background (QPalette::Base of the application
// palette); white when no QGuiApplication exists, as in widget-free tests.
QColor systemWindowBackground();

// background as an RGB colour, or white when it is not a valid colour.
QColor BackgroundOrWhite(QColor background);

// An image of logicalSize logical pixels (at least 1 x 1) holding
// logicalSize * devicePixelRatio device pixels (rounded up; a ratio of 0 or
// less counts as 1), filled with BackgroundOrWhite(background).
QImage BlankImage(QSize logicalSize, qreal devicePixelRatio, QColor background);

// A solid, opaque line from `from` to `to` on painter, width logical pixels
// wide, with square caps and the painter's aliasing. A line of no length is
// a square of that width centred on its point (Qt's own stroke of one is
// wrong under a scaling transform, as at a device pixel ratio above 1).
void StrokeSquareCapped(QPainter& painter, QPointF from, QPointF to, qreal width, QColor colour);

// The retained picture image of a picture window: coordinates in twips
// (kTwipsPerPixel to a logical pixel), origin top-left, Y downwards. The window
// paints image() in its paintEvent; nothing is drawn twice. Works without a
// window or an application object.
class PictureSurface {
 public:
  // A pen wider than this (logical pixels) is drawn this wide. Every point a
  // line with int16 twip coordinates can reach the surface from lies within
  // 8192 pixels, so the cap changes nothing visible and keeps stroking cheap.
  static constexpr int kMaxPenWidth = 16384;

  // widthTwips/heightTwips: the drawing area, at least one pixel's worth of
  // twips each way.
  // devicePixelRatio > 0: the image holds logical size * ratio pixels.
  explicit PictureSurface(int widthTwips = kPictureWidthTwips, int heightTwips = kPictureHeightTwips,
                          qreal devicePixelRatio = 1.0, QColor background = systemWindowBackground());
  ~PictureSurface();
  // A Painting refers to its surface and keeps a painter on its image, so a
  // surface stays where it was made.
  PictureSurface(const PictureSurface&) = delete;
  PictureSurface& operator=(const PictureSurface&) = delete;

  // Keeps one painter open on the image for the Line calls made while it
  // lives: starting a painter costs more than drawing a short line, and a
  // drawing pass draws up to 64. Lines look the same either way. Do not copy
  // or clear the image while one lives.
  class Painting {
   public:
    Q_DISABLE_COPY(Painting)
    explicit Painting(PictureSurface& surface);
    ~Painting();

   private:
    PictureSurface& surface_;
    bool owner_ = false;
  };

  // Clears the image to the background colour.
  void Cls();
  // The Line calls that drew since the last Cls (clipped ones included).
  int linesDrawn() const { return linesDrawn_; }
  // The pen width in logical pixels for the lines that follow; values below
  // 1 draw one pixel wide, values above kMaxPenWidth draw kMaxPenWidth wide.
  void DrawWidth(std::int16_t pixels);
  // The width a pen of that many pixels is drawn with (see DrawWidth).
  static int PenWidth(std::int16_t pixels);
  // A solid, opaque, aliased line in twips from (x1, y1) to (x2, y2), with
  // square caps (each end extends by half the pen width, so the corners of a
  // chain of segments close). Clipped to the area; a non-finite coordinate
  // draws nothing.
  void Line(float x1, float y1, float x2, float y2, QColor colour);

  const QImage& image() const { return image_; }
  QSize logicalSize() const { return logicalSize_; }
  QColor background() const { return background_; }

 private:
  QSize logicalSize_;
  QColor background_;
  std::int16_t drawWidth_ = 1;
  int linesDrawn_ = 0;
  QImage image_;
  std::unique_ptr<QPainter> painter_;  // open while a Painting lives
};

}  // namespace pelorin
