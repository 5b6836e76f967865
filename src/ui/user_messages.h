#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace pelorin {

// How the windows tell the user about a failure. Tests install a recording
// replacement; the program uses message boxes.
class UserMessages {
 public:
  virtual ~UserMessages() = default;
  virtual void showFailure(QWidget* parent, const QString& title, const QString& text) = 0;
};

// The messages in use: the installed ones, or the message-box default.
UserMessages& userMessages();

// Installs messages (null restores the default) and returns the ones
// installed before (null when that was the default). Not owned.
UserMessages* setUserMessages(UserMessages* messages);

// Runs work. A pelorin::Failure, std::exception or anything else thrown out
// of it is reported to the user, naming it (Failure::message(), e.g.
// "Overflow"), and swallowed, so event handlers can wrap their whole body in
// it and no exception leaves a slot. True when work finished without one.
bool reportFailures(QWidget* parent, const std::function<void()>& work);

}  // namespace pelorin
