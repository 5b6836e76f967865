#include "platform/quit_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace pelorin {

namespace {

// The writing end, read by the handler; -1 while no QuitSignals lives.
volatile sig_atomic_t writeEnd = -1;

extern "C" void writeSignal(int number) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(number);
  // A full socket already holds a request to end: dropping this one loses nothing.
  [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

std::vector<int> QuitSignals::politeEnds() { return {SIGTERM, SIGHUP, SIGINT}; }

QuitSignals::QuitSignals(std::vector<int> numbers, QObject* parent) : QObject(parent), numbers_(std::move(numbers)) {
  Q_ASSERT(writeEnd == -1);
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds_) != 0) {
    numbers_.clear();
    return;
  }
  // The handler must never block, whatever arrives.
  ::fcntl(fds_[0], F_SETFL, ::fcntl(fds_[0], F_GETFL) | O_NONBLOCK);
  ::fcntl(fds_[1], F_SETFL, ::fcntl(fds_[1], F_GETFL) | O_NONBLOCK);
  writeEnd = fds_[1];
  notifier_ = new QSocketNotifier(fds_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::readPending);
  for (int number : numbers_) {
    struct sigaction action {};
    action.sa_handler = writeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    struct sigaction former {};
    ::sigaction(number, &action, &former);
    // nohup's wish outlives the program's own.
    if (former.sa_handler == SIG_IGN) ::sigaction(number, &former, nullptr);
    former_.push_back(former);
  }
}

QuitSignals::~QuitSignals() {
  for (std::size_t i = 0; i < numbers_.size(); ++i) {
    ::sigaction(numbers_[i], &former_[i], nullptr);
  }
  if (fds_[0] == -1) return;
  writeEnd = -1;
  delete notifier_;
  ::close(fds_[0]);
  ::close(fds_[1]);
}

void QuitSignals::readPending() {
  unsigned char bytes[16];
  const ssize_t count = ::read(fds_[0], bytes, sizeof bytes);
  for (ssize_t i = 0; i < count; ++i) emit asked(bytes[i]);
}

}  // namespace pelorin
