#include "support/arduino_sim.h"

namespace kwil::sim {

int ArduinoSim::outputs() const {
  std::lock_guard lock(mutex_);
  return outputs_;
}

void ArduinoSim::setButtons(int buttons) {
  std::lock_guard lock(mutex_);
  buttons_ = buttons;
}

QByteArray ArduinoSim::execute(int number) {
  if (pendingCommand_ == 1) {
    outputs_ = number & 0xFF;
    pendingCommand_ = -1;
    return {};
  }
  switch (number) {
    case 90:
      return probeReply;
    case 1:
      pendingCommand_ = 1;
      return {};
    case 7:
      return "DI" + QByteArray::number(buttons_) + "\r\n";
    default:
      return {};
  }
}

// Numbers end in "/"; anything else but digits is line noise and starts afresh.
QByteArray ArduinoSim::answer() {
  QByteArray reply;
  QByteArray& in = buffer();
  qsizetype start = 0;
  for (qsizetype i = 0; i < in.size(); ++i) {
    const char c = in[i];
    if (c >= '0' && c <= '9') continue;
    if (c == '/' && i > start)
      reply += execute(in.mid(start, i - start).toInt());
    else if (c != '/')
      pendingCommand_ = -1;
    start = i + 1;
  }
  in.remove(0, start);
  return reply;
}

}  // namespace kwil::sim
