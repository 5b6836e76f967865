#pragma once

#include <QRect>
#include <QSize>

namespace pelorin {

// Window layouts are kept in twips (1/1440 inch). 15 twips make one logical
// pixel; Qt scales logical pixels for the screen, so layouts stay crisp and
// the same size on high-DPI screens. Every layout value is a multiple of 15.
constexpr int twipsToPixels(int twips) { return twips / 15; }

constexpr QRect twipsRect(int left, int top, int width, int height) {
  return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

constexpr QSize twipsSize(int width, int height) { return QSize(twipsToPixels(width), twipsToPixels(height)); }

}  // namespace pelorin
