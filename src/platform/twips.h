#pragma once

#include <QRect>
#include <QSize>

namespace pelorin {

// Window layouts and picture coordinates are kept in twips (1/1440 inch).
// Fifteen twips make one logical pixel; Qt scales logical pixels for the
// screen, so layouts and pictures stay the same size on high-DPI screens.
inline constexpr int kTwipsPerPixel = 15;

// Layout values are multiples of kTwipsPerPixel, so nothing is lost here.
constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

// Picture coordinates may fall between pixels.
constexpr double twipsToPixelsF(double twips) { return twips / kTwipsPerPixel; }

constexpr QRect twipsRect(int left, int top, int width, int height) {
  return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

constexpr QSize twipsSize(int width, int height) { return QSize(twipsToPixels(width), twipsToPixels(height)); }

}  // namespace pelorin
