#pragma once

namespace pelorin {

// Tells screen readers what Qt cannot know of the program's own widgets: a
// picture window is a window, and its picture (picDraw) a graphic whose
// description says how many of its segments are drawn, read afresh whenever
// it is asked for; its context menu's items are its actions ("Family Tree"
// for "Family Tree..."). The board's and the History window's grids of
// cells and the family tree are lists of their cells (accessible_cells.h,
// family_tree_accessible.h). Qt makes each interface only when a client
// asks. Call once the QApplication exists.
void installAccessibility();

}  // namespace pelorin
