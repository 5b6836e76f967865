#include "ui/common/user_messages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <memory>
#include <new>

#include "platform/failure.h"

namespace pelorin {

namespace {

class MessageBoxMessages final : public UserMessages {
 public:
  void showFailure(QWidget* parent, const QString& title, const QString& text) override {
    plainBox(QMessageBox::Critical, parent, title, text, QMessageBox::Ok, QMessageBox::Ok)->exec();
  }
  bool askYesNo(QWidget* parent, const QString& title, const QString& question) override {
    return plainBox(QMessageBox::Question, parent, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               ->exec() == QMessageBox::Yes;
  }

 private:
  // Texts name files, which may look like markup: shown as written.
  static std::unique_ptr<QMessageBox> plainBox(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                               const QString& text, QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton byDefault) {
    auto box = std::make_unique<QMessageBox>(icon, title, text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(byDefault);
    return box;
  }
};

}  // namespace

bool UserMessages::askYesNo(QWidget*, const QString&, const QString&) { return false; }

UserMessages& UserMessages::standard() {
  static MessageBoxMessages messages;
  return messages;
}

std::optional<QString> failureText(const QString& doing, const std::function<void()>& work) {
  const auto unfinished = [&doing] {
    return doing.isEmpty()
               ? QCoreApplication::translate("pelorin::UserMessages", "Pelorin could not finish what it was doing")
               : QCoreApplication::translate("pelorin::UserMessages", "Could not finish %1").arg(doing);
  };
  try {
    work();
    return std::nullopt;
  } catch (const Failure& failure) {
    return failure.message();
  } catch (const std::bad_alloc&) {
    return unfinished() + QCoreApplication::translate("pelorin::UserMessages", ": not enough memory.");
  } catch (...) {
    return unfinished() + QCoreApplication::translate("pelorin::UserMessages", ": an unexpected error occurred.");
  }
}

bool reportFailures(QWidget* parent, const QString& doing, const std::function<void()>& work) {
  const std::optional<QString> text = failureText(doing, work);
  if (!text) return true;
  // Reporting must not throw out of a slot either.
  try {
    Seam<UserMessages>::current().showFailure(parent, QCoreApplication::translate("pelorin::UserMessages", "Pelorin"),
                                              *text);
  } catch (...) {
  }
  return false;
}

bool reportFailures(QWidget* parent, const std::function<void()>& work) { return reportFailures(parent, {}, work); }

}  // namespace pelorin
