#include "ui/common/export_filters.h"

#include <QCoreApplication>

namespace pelorin {

QStringList exportFilterTexts(std::span<const ExportFilter> filters, const char* context) {
  QStringList texts;
  for (const ExportFilter& filter : filters) texts << QCoreApplication::translate(context, filter.text);
  return texts;
}

const ExportFilter& chosenExportFilter(std::span<const ExportFilter> filters, const QString& chosen,
                                       const char* context) {
  for (const ExportFilter& filter : filters) {
    if (chosen == QCoreApplication::translate(context, filter.text)) return filter;
  }
  return filters.front();
}

QString exportSuffix(ImageFormat format) {
  return format == ImageFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png");
}

}  // namespace pelorin
