#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <vector>

#include "history/code_blob.h"

namespace pelorin::testing {

// A picture whose pixels are known without drawing it: gene 0 draws a line
// 900 twips (60 pixels) straight right from the start point (850, 800 twips:
// 56.7, 53.3 pixels), 10 pixels wide, in colour, out of the window's 113 x
// 105 pixels on the right; every other gene is hidden and of no length.
inline history::GeneticCodeValues LineCode(QColor colour) {
  history::GeneticCodeValues code{};
  clsGene& line = code[0];
  line.Length = 900;
  line.Width = 10;
  line.ColorRed = static_cast<std::int16_t>(colour.red());
  line.ColorGreen = static_cast<std::int16_t>(colour.green());
  line.ColorBlue = static_cast<std::int16_t>(colour.blue());
  line.Draw = kTrue16;
  return code;
}

// LineCode(colour) as genetic code text: Angle, ColorBlue, ColorGreen,
// ColorRed, Draw, Length, Width and an empty line per gene.
inline QString LineCodeText(QColor colour) {
  QString text = QStringLiteral("0\r\n%1\r\n%2\r\n%3\r\nTrue\r\n900\r\n10\r\n\r\n")
                     .arg(colour.blue())
                     .arg(colour.green())
                     .arg(colour.red());
  for (int gene = 1; gene < 64; ++gene) text += QStringLiteral("0\r\n0\r\n0\r\n0\r\nFalse\r\n0\r\n0\r\n\r\n");
  return text;
}

// A colour of its own for each picture number up to 359.
inline QColor LineColour(int number) { return QColor::fromHsv(number * 37 % 360, 220, 180); }

enum class LineFraming {
  Window,     // as its window shows it: from the start point, cut off on the right
  WholePath,  // framed whole into the image: across its width, centred, 15% of its height
};

// Whether image (a picture at any scale, the whole of it) shows
// LineCode(colour) on background as framing puts it. Looks only at points
// well inside or well outside the line, which no rounding can move across.
inline ::testing::AssertionResult ShowsLine(const QImage& image, QColor colour, QColor background,
                                            LineFraming framing) {
  struct Spot {
    QPointF at;  // fractions of the image's width and height
    bool onLine;
  };
  const auto pixel = [](double x, double y) { return QPointF(x / 113, y / 105); };
  const std::vector<Spot> window = {{pixel(60, 53), true},  {pixel(85, 53), true},  {pixel(105, 53), true},
                                    {pixel(46, 53), false}, {pixel(85, 42), false}, {pixel(85, 65), false},
                                    {pixel(8, 8), false},   {pixel(8, 97), false},  {pixel(105, 97), false}};
  const std::vector<Spot> whole = {{{0.1, 0.5}, true},  {{0.5, 0.5}, true},  {{0.9, 0.5}, true},
                                   {{0.5, 0.46}, true}, {{0.5, 0.54}, true}, {{0.5, 0.3}, false},
                                   {{0.5, 0.7}, false}, {{0.1, 0.1}, false}, {{0.9, 0.9}, false}};
  for (const Spot& spot : framing == LineFraming::Window ? window : whole) {
    const QPoint at(static_cast<int>(spot.at.x() * image.width()), static_cast<int>(spot.at.y() * image.height()));
    const QColor wanted = spot.onLine ? colour : background;
    const QColor found = image.pixelColor(at);
    if (found.rgb() != wanted.rgb()) {
      return ::testing::AssertionFailure()
             << "at (" << at.x() << ", " << at.y() << ") of " << image.width() << " x " << image.height() << ": "
             << found.name().toStdString() << ", not " << wanted.name().toStdString();
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace pelorin::testing
