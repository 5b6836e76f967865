#pragma once

#include <functional>

#include "ui/main_window_boxes.h"

namespace pelorin::testing {

// The main window's two boxes without the window; registered while alive.
class FakeMainBoxes final : public MainWindowBoxes {
 public:
  explicit FakeMainBoxes(QString rate = QStringLiteral(" 0"), QString name = {})
      : rate(std::move(rate)), name(std::move(name)), previous_(mainWindowBoxes()) {
    setMainWindowBoxes(this);
  }
  ~FakeMainBoxes() override { setMainWindowBoxes(previous_); }
  QString mutationRateText() const override {
    if (whenRateRead) whenRateRead();
    return rate;
  }
  QString nameText() const override { return name; }

  QString rate, name;
  std::function<void()> whenRateRead;  // runs at every read of the rate box

 private:
  MainWindowBoxes* previous_;
};

}  // namespace pelorin::testing
