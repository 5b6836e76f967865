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

// What an export writes: the typed name, with the chosen filter's suffix
// added when it has none, and the format its suffix names ("png" or "svg",
// in any case). A suffix naming the other format than the filter's takes the
// first filter of that format with the same framing (else the first of that
// format); any other suffix keeps the chosen filter.
struct ExportTarget {
  QString path;
  const ExportFilter* filter = nullptr;
};
ExportTarget exportTarget(std::span<const ExportFilter> filters, const ExportFilter& chosen, const QString& typed);

}  // namespace pelorin
