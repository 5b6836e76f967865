#pragma once

class QAbstractButton;
class QFont;
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

// The same for a push button or check box placed at a fixed box: a text
// wider than the control (a translation longer than the English) is shown in
// a smaller size of the font, down to 6 points.
void fitTextToBox(QAbstractButton* button);

// The width button needs for its text in font: a check box's size hint; a
// push button's text with the style's margins and frame, without the least
// width some styles give every push button (the fixed boxes are narrower).
int textWidth(const QAbstractButton& button, const QFont& font);

// fitTextToBox for every text label, push button and check box of window
// that no Qt layout arranges.
void fitTextToBoxes(QWidget* window);

}  // namespace pelorin
