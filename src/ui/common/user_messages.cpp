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

namespace {

struct MessageText {
  Q_DECLARE_TR_FUNCTIONS(pelorin::UserMessages)
};

}  // namespace

std::optional<QString> failureText(const QString& doing, const std::function<void()>& work) {
  // Why: "not enough memory" or "an unexpected error occurred".
  const auto unfinished = [&doing](bool memory) {
    if (doing.isEmpty()) {
      return memory ? MessageText::tr("Pelorin could not finish what it was doing: not enough memory.")
                    : MessageText::tr("Pelorin could not finish what it was doing: an unexpected error occurred.");
    }
    return (memory ? MessageText::tr("Could not finish %1: not enough memory.")
                   : MessageText::tr("Could not finish %1: an unexpected error occurred."))
        .arg(doing);
  };
  try {
    work();
    return std::nullopt;
  } catch (const Failure& failure) {
    return failure.message();
  } catch (const std::bad_alloc&) {
    return unfinished(true);
  } catch (...) {
    return unfinished(false);
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
