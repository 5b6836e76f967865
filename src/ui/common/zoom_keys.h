#pragma once

#include <QKeySequence>
#include <QList>

namespace pelorin {

// The keys of Zoom In in every window that zooms: the platform's, and Ctrl+=
// too, since on many keyboards plus is shifted equals.
QList<QKeySequence> ZoomInKeys();

}  // namespace pelorin
