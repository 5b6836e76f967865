#include "ui/common/change_follower.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "ui/common/history_actions.h"

namespace pelorin {

ChangeFollower::ChangeFollower(QWidget& window, HistoryActions& actions, std::function<void()> read)
    : QObject(&window), window_(window), read_(std::move(read)), timer_(new QTimer(this)) {
  timer_->setSingleShot(true);
  timer_->setInterval(kDelayMs);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (window_.isVisible()) {
      read_();
    } else {
      stale_ = true;
    }
  });
  connect(&actions, &HistoryActions::changed, this, [this] {
    if (!timer_->isActive()) timer_->start();
  });
  window.installEventFilter(this);
}

bool ChangeFollower::pending() const { return timer_->isActive(); }

int ChangeFollower::interval() const { return timer_->interval(); }

void ChangeFollower::setInterval(int ms) { timer_->setInterval(ms); }

void ChangeFollower::done() {
  timer_->stop();
  stale_ = false;
}

bool ChangeFollower::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Show && stale_) read_();
  return QObject::eventFilter(watched, event);
}

}  // namespace pelorin
