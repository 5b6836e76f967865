#pragma once

#include <QString>

namespace pelorin {

// Text for a tooltip that Qt shows exactly as written, whatever names it
// holds (a file may be called "<b>x.txt"). Qt takes a tooltip for rich text
// when Qt::mightBeRichText says so; text it would show as plain comes back
// unchanged, anything else as rich text that renders to the same characters,
// on the same lines and unwrapped, as plain text shows.
QString plainToolTip(const QString& text);

}  // namespace pelorin
