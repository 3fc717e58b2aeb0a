#include "platform/forms/timer.h"

namespace kwil {

Timer::Timer(QObject* parent, int intervalMs, std::function<void()> handler)
    : QObject(parent), interval_(intervalMs), handler_(std::move(handler)) {
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
}

void Timer::setInterval(int ms) {
  interval_ = ms < 0 ? 0 : ms;
  timer_.stop();
  update();
}

void Timer::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  update();
}

void Timer::update() {
  if (enabled_ && interval_ > 0) {
    if (!timer_.isActive()) timer_.start(interval_);
  } else {
    timer_.stop();
  }
}

void Timer::fire() {
  if (handler_) handler_();
}

}  // namespace kwil
