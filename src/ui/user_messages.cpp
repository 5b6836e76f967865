#include "ui/user_messages.h"

#include <QMessageBox>
#include <exception>

#include "platform/failure.h"

namespace pelorin {

namespace {

class MessageBoxMessages final : public UserMessages {
 public:
  void showFailure(QWidget* parent, const QString& title, const QString& text) override {
    QMessageBox::critical(parent, title, text);
  }
};

UserMessages* gInstalled = nullptr;

const QString kTitle = QStringLiteral("Pelorin");

}  // namespace

UserMessages& userMessages() {
  static MessageBoxMessages defaultMessages;
  return gInstalled != nullptr ? *gInstalled : defaultMessages;
}

UserMessages* setUserMessages(UserMessages* messages) {
  UserMessages* previous = gInstalled;
  gInstalled = messages;
  return previous;
}

bool reportFailures(QWidget* parent, const std::function<void()>& work) {
  QString text;
  try {
    work();
    return true;
  } catch (const Failure& failure) {
    text = failure.message();
  } catch (const std::exception& error) {
    text = QString::fromLocal8Bit(error.what());
  } catch (...) {
    text = QStringLiteral("Unknown failure");
  }
  // Reporting must not throw out of a slot either.
  try {
    userMessages().showFailure(parent, kTitle, text);
  } catch (...) {
  }
  return false;
}

}  // namespace pelorin
