#pragma once
// A window timer: Interval in milliseconds, Enabled, and a handler run on the GUI thread at
// every tick. Interval 0 never ticks. Setting Enabled = false stops it; enabling a running
// timer changes nothing; a new Interval restarts the count. Hiding the window does not stop
// its timers. A handler that lets pending events run may be entered again by the next tick.
#include <QObject>
#include <QTimer>
#include <functional>

namespace kwil {

class Timer : public QObject {
  Q_OBJECT
 public:
  explicit Timer(QObject* parent = nullptr, int intervalMs = 0, std::function<void()> handler = {});
  int Interval() const { return interval_; }
  void setInterval(int ms);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool on);
  void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
  // Runs the handler once now, as a tick would (tests, and windows that call their tick).
  void fire();

 private:
  void update();
  QTimer timer_;
  int interval_ = 0;
  bool enabled_ = false;
  std::function<void()> handler_;
};

}  // namespace kwil
