#include "ui/common/counted_text.h"

#include <QCoreApplication>
#include <climits>

namespace pelorin {

QString PicturesText(long long count) {
  // One picture has a text of its own, so that English needs no translation
  // file for its plural; the others follow the language's plural rules.
  if (count == 1) return QCoreApplication::translate("pelorin::PicturesText", "1 picture");
  const int n = count > INT_MAX ? INT_MAX : static_cast<int>(count);
  return QCoreApplication::translate("pelorin::PicturesText", "%n pictures", nullptr, n);
}

}  // namespace pelorin
