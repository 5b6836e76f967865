#pragma once

class QLabel;
class QWidget;

namespace pelorin {

// Layouts are fixed in twips, but desktop fonts are often wider than the one
// they were made for. A label whose text does not fit its box in its font is
// given a smaller size of the same font (down to 6 points) so that the whole
// text stays readable; a label that fits keeps its font. The box ends where a
// later label below it begins, so texts never run into each other. Call once
// every label of the window is placed.
void fitTextToBox(QLabel* label);

// fitTextToBox for every text label of window.
void fitTextToBoxes(QWidget* window);

}  // namespace pelorin
