#pragma once

class QLabel;
class QWidget;

namespace pelorin {

// Layouts are fixed in twips, but desktop fonts are often wider than the one
// they were made for. A label whose text does not fit its box in its font is
// given a smaller size of the same font (down to 6 points) so that the whole
// text stays readable; a label that fits keeps its font. The box ends at the
// edge of the label's parent and where a later label below it begins, so texts
// are never cut by the window and never run into each other. Call once the
// parent has its size and every label in it is placed.
void fitTextToBox(QLabel* label);

// fitTextToBox for every text label of window.
void fitTextToBoxes(QWidget* window);

}  // namespace pelorin
