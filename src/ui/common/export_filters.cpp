#include "ui/common/export_filters.h"

#include <QCoreApplication>
#include <QFileInfo>

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

ExportTarget exportTarget(std::span<const ExportFilter> filters, const ExportFilter& chosen, const QString& typed) {
  const QString suffix = QFileInfo(typed).suffix().toLower();
  if (suffix.isEmpty()) return {typed + QLatin1Char('.') + exportSuffix(chosen.format), &chosen};
  for (const ImageFormat format : {ImageFormat::Png, ImageFormat::Svg}) {
    if (suffix != exportSuffix(format) || format == chosen.format) continue;
    const ExportFilter* first = nullptr;
    for (const ExportFilter& filter : filters) {
      if (filter.format != format) continue;
      if (filter.framing == chosen.framing) return {typed, &filter};
      if (first == nullptr) first = &filter;
    }
    if (first != nullptr) return {typed, first};
  }
  return {typed, &chosen};
}

}  // namespace pelorin
