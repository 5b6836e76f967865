#include "ui/common/file_dialogs.h"

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

}  // namespace

FileDialogs& FileDialogs::standard() {
  static QtFileDialogs dialogs;
  return dialogs;
}

}  // namespace pelorin
