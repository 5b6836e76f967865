#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "picture/picture_export.h"

namespace pelorin {

// One name filter of an export's file dialog and what it writes.
struct ExportFilter {
  const char* text;  // marked with QT_TRANSLATE_NOOP in the exporting window's context
  ImageFormat format;
  int scale;  // PNG only: 1, 2 or 4 times the shown size
  ImageFraming framing;
};

// The filters' texts as the dialog shows them, translated in context.
QStringList exportFilterTexts(std::span<const ExportFilter> filters, const char* context);
// The filter whose shown text is chosen; the first when none is.
const ExportFilter& chosenExportFilter(std::span<const ExportFilter> filters, const QString& chosen,
                                       const char* context);
// "png" or "svg".
QString exportSuffix(ImageFormat format);

}  // namespace pelorin
