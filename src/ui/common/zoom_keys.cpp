#include "ui/common/zoom_keys.h"

namespace pelorin {

QList<QKeySequence> ZoomInKeys() {
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
  if (const QKeySequence equal(Qt::CTRL | Qt::Key_Equal); !keys.contains(equal)) keys << equal;
  return keys;
}

}  // namespace pelorin
