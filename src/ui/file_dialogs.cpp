#include "ui/file_dialogs.h"

#include <QFileDialog>

namespace pelorin {

namespace {

class QtFileDialogs final : public FileDialogs {
 public:
  QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QStringList& filters,
                          QString* selectedFilter) override {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filters.join(QStringLiteral(";;")), selectedFilter);
  }
};

FileDialogs* gInstalled = nullptr;

}  // namespace

FileDialogs& fileDialogs() {
  static QtFileDialogs defaultDialogs;
  return gInstalled != nullptr ? *gInstalled : defaultDialogs;
}

FileDialogs* setFileDialogs(FileDialogs* dialogs) {
  FileDialogs* previous = gInstalled;
  gInstalled = dialogs;
  return previous;
}

}  // namespace pelorin
