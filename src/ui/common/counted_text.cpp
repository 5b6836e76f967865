#include "ui/common/counted_text.h"

#include <QCoreApplication>

#include "platform/numbers.h"

namespace pelorin {

QString PicturesText(long long count) {
  // Not tr("%n picture(s)", "", count): its English forms would need a translation file, which comes with the others.
  return count == 1 ? QCoreApplication::translate("pelorin::PicturesText", "1 picture")
                    : QCoreApplication::translate("pelorin::PicturesText", "%1 pictures").arg(plainNumberText(count));
}

}  // namespace pelorin
