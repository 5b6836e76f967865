#pragma once

#include <signal.h>

#include <QObject>
#include <vector>

class QSocketNotifier;

namespace pelorin {

// Turns the signals that ask a program to end politely (SIGTERM, a logout's
// SIGHUP, Ctrl+C's SIGINT) into `asked` on the thread that made it, so the
// program can end as File > Exit does. The handler only writes the signal's
// number to a socket pair, the one thing a handler may safely do; a notifier
// reads it in the event loop. At most one lives at a time; the handlers it
// replaced come back when it goes. A signal ignored as the program started
// (nohup) stays ignored. Without a socket pair (no descriptors
// left) nothing is installed and the signals keep their own effect.
class QuitSignals : public QObject {
  Q_OBJECT

 public:
  explicit QuitSignals(std::vector<int> numbers, QObject* parent = nullptr);
  ~QuitSignals() override;

  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // SIGTERM, SIGHUP and SIGINT.
  static std::vector<int> politeEnds();

 signals:
  void asked(int number);

 private:
  void readPending();

  std::vector<int> numbers_;
  std::vector<struct sigaction> former_;
  int fds_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace pelorin
