#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

#include "family_tree/family_graph.h"
#include "family_tree/tree_layout.h"

class QPainter;

namespace pelorin::family_tree {

// How a cell shows its picture: as its window shows it, or its whole path
// framed into the same place.
enum class CellFraming { Window, WholePath };

// What a drawing of a family shows beyond the layout. Texts are the
// caller's, in the user's language.
struct TreeDrawing {
  const Family* family = nullptr;
  const TreeLayout* layout = nullptr;  // of family->graph
  std::vector<QString> numbers;        // numbers[i]: cell i's first line, its number
  std::vector<QString> runs;           // runs[i]: its second line (the run's date), or empty
  CellFraming framing = CellFraming::Window;
  QFont font;
  QColor background, text;
  QColor line;     // the lines, and the frame around each picture
  QColor outline;  // around the cell of the picture whose family it is
};

// What only the screen shows.
struct TreeMarks {
  std::size_t current = Family::npos;  // the keyboard's cell: a dotted frame
  // When not empty, one per cell: cells outside, and the lines that leave
  // them, are faded.
  std::vector<bool> kin;
};

inline constexpr qreal kClosedOpacity = 0.4;  // a closed picture's cell
inline constexpr qreal kFadedOpacity = 0.15;  // what is not kin of the cell under the mouse

// A cell's size, logical pixels: the picture at half its window's size
// above two lines of text of font, wide enough for a run's date.
QSizeF FamilyCellSize(const QFont& font);
// Where a cell's picture lies within it.
QRectF PictureRectIn(const QRectF& cell);
// A line's pen width, logical pixels, for share 0..1: 1 to 6.
qreal LineWidth(double share);

// The picture of record drawn afresh for its place in a cell, pixelScale
// device pixels per logical pixel (> 0), that device pixel ratio set.
QImage CellPicture(const history::RecordedPicture& record, CellFraming framing, qreal pixelScale, QColor background);

// The picture of cell i for pixelScale; a provider may hand a kept one of
// another scale (its device pixel ratio), which is scaled to its place.
using CellImages = std::function<QImage(std::size_t cell, qreal pixelScale)>;

// Paints what of the drawing lies in area (logical pixels of the layout) on
// painter, whose transform maps the layout's logical pixels to the device;
// pixelScale: device pixels per logical pixel there. Lines under cells;
// only cells and lines meeting area are touched.
void PaintFamilyTree(QPainter& painter, const TreeDrawing& drawing, const TreeMarks& marks, const QRectF& area,
                     qreal pixelScale, const CellImages& images);

// The whole tree as SVG text (UTF-8) of the layout's size: the lines as
// polylines, each cell's picture as its own segments clipped to its place,
// and its texts.
QByteArray FamilyTreeSvg(const TreeDrawing& drawing);
// The whole tree as an image of the layout's size times scale (1 or 2)
// device pixels, that device pixel ratio set.
QImage FamilyTreeImage(const TreeDrawing& drawing, int scale);

}  // namespace pelorin::family_tree
