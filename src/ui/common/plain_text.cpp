#include "ui/common/plain_text.h"

#include <QTextDocument>

namespace pelorin {

QString plainToolTip(const QString& text) {
  if (!Qt::mightBeRichText(text)) return text;
  // Plain tooltips keep their spaces and line breaks and do not wrap.
  return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace pelorin
