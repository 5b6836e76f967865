#pragma once

#include <QObject>
#include <functional>

class QTimer;
class QWidget;

namespace pelorin {

class HistoryActions;

// Keeps a window that shows the history up to date. When the program
// reports a change (HistoryActions::changed), read is called once, interval()
// after the first change of a burst; a change that finds the window hidden is
// read when it is shown again.
class ChangeFollower : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDelayMs = 200;  // the first interval

  // Follows actions' changes for window; both must outlive it (the window
  // owns it).
  ChangeFollower(QWidget& window, HistoryActions& actions, std::function<void()> read);

  // A change waits for the interval to pass.
  bool pending() const;
  // The time from a change to its reading, milliseconds (> 0).
  int interval() const;
  void setInterval(int ms);
  // The window has just read the history: nothing waits any more.
  void done();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  std::function<void()> read_;
  QTimer* timer_ = nullptr;
  bool stale_ = false;  // a change came while the window was hidden
};

}  // namespace pelorin
