#pragma once

#include <QString>
#include <QStringList>
#include <iostream>

#include "ui/common/file_dialogs.h"
#include "ui/common/user_messages.h"

namespace pelorin::testing {

// Modal dialogs would block a test or a benchmark forever: messages are
// printed, questions answered no and file dialogs cancelled instead.
class PrintedDialogs final : public UserMessages, public FileDialogs {
 public:
  void showFailure(QWidget*, const QString& title, const QString& text) override {
    std::cerr << "[message] " << title.toStdString() << ": " << text.toStdString() << '\n';
  }
  bool askYesNo(QWidget*, const QString& title, const QString& question) override {
    std::cerr << "[question answered no] " << title.toStdString() << ": " << question.toStdString() << '\n';
    return false;
  }
  QString getSaveFileName(QWidget*, const QString& caption, const QString&, const QStringList&, QString*) override {
    std::cerr << "[file dialog cancelled] " << caption.toStdString() << '\n';
    return {};
  }
};

}  // namespace pelorin::testing
