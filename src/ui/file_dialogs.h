#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace pelorin {

// How the windows ask the user for a file. Tests install a scripted
// replacement; the program uses QFileDialog.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Asks for a file to save to; an existing one is confirmed before it is
  // chosen. suggested: the path offered. filters: name filters, such as
  // "PNG image (*.png)". selectedFilter: in, the filter offered first; out,
  // the one the user chose. Returns the path, empty when cancelled.
  virtual QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                  const QStringList& filters, QString* selectedFilter) = 0;
};

// The file dialogs in use: the installed ones, or the QFileDialog default.
FileDialogs& fileDialogs();

// Installs dialogs (null restores the default) and returns the ones
// installed before (null when that was the default). Not owned.
FileDialogs* setFileDialogs(FileDialogs* dialogs);

}  // namespace pelorin
