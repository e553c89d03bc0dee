#pragma once

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <stop_token>
#include <thread>

namespace plant {

// SIGINT and SIGTERM stop the drawing, which then removes its scratch files; afterwards the
// process ends by the same signal, as the sender expects. The signals are taken by a thread of
// their own with sigwait, so nothing runs in a signal handler.
class StopOnSignals {
 public:
  StopOnSignals() {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    sigaddset(&signals_, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals_, nullptr);  // before any other thread exists
    waiter_ = std::jthread([this](std::stop_token finished) {
      int signal = 0;
      while (sigwait(&signals_, &signal) == 0) {
        if (finished.stop_requested()) return;
        received_ = signal;
        source_.request_stop();
      }
    });
  }
  ~StopOnSignals() {
    waiter_.request_stop();
    pthread_kill(waiter_.native_handle(), SIGHUP);  // wakes the waiter, which then returns
  }

  std::stop_token token() const { return source_.get_token(); }

  // Ends the process by the signal that stopped the drawing, if one did.
  void RaiseReceived() const {
    if (received_ == 0) return;
    signal(received_, SIG_DFL);
    pthread_sigmask(SIG_UNBLOCK, &signals_, nullptr);
    raise(received_);
  }

 private:
  sigset_t signals_{};
  std::stop_source source_;
  std::atomic<int> received_{0};
  std::jthread waiter_;
};

}  // namespace plant
