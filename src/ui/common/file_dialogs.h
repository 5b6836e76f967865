#pragma once

#include <QString>
#include <QStringList>

#include "platform/seam.h"

class QWidget;

namespace pelorin {

// How the windows ask the user for a file: Seam<FileDialogs>::current().
// Tests route it to a scripted replacement.
class FileDialogs {
 public:
  // QFileDialog.
  static FileDialogs& standard();

  virtual ~FileDialogs() = default;
  // Asks for a file to save to; an existing one is confirmed before it is
  // chosen. suggested: the path offered. filters: name filters, such as
  // "PNG image (*.png)". selectedFilter: in, the filter offered first; out,
  // the one the user chose. Returns the path, empty when cancelled.
  virtual QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                  const QStringList& filters, QString* selectedFilter) = 0;
};

}  // namespace pelorin
