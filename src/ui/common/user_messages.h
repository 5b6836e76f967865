#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "platform/seam.h"

class QWidget;

namespace pelorin {

// How the windows tell the user about a failure: Seam<UserMessages>::current().
// Tests route it to a recording replacement.
class UserMessages {
 public:
  // Message boxes, their texts shown as plain text.
  static UserMessages& standard();

  virtual ~UserMessages() = default;
  // text and question are plain text, shown as written.
  virtual void showFailure(QWidget* parent, const QString& title, const QString& text) = 0;
  // A yes/no question; true for yes. The standard one asks with a message box
  // whose default button is No. This default answers no without asking, so a
  // replacement that does not override it never lets anything be done that
  // needs a yes.
  virtual bool askYesNo(QWidget* parent, const QString& title, const QString& question);
};

// Runs work. Anything thrown out of it is reported to the user and
// swallowed, so event handlers can wrap their whole body in it and no
// exception leaves a slot. A pelorin::Failure is named by its message (e.g.
// "Overflow"). Anything else carries a library's text, which would mean
// nothing to the user; it is reported by what was being done instead:
// doing is a phrase such as `saving picture 3 to "pic.txt"` (empty: a
// general sentence). True when work finished without a throw.
bool reportFailures(QWidget* parent, const QString& doing, const std::function<void()>& work);
// The same without showing it: the text reportFailures would show, or none
// when work finished without a throw. For work that gathers several failures
// into one message.
std::optional<QString> failureText(const QString& doing, const std::function<void()>& work);
bool reportFailures(QWidget* parent, const std::function<void()>& work);

}  // namespace pelorin
