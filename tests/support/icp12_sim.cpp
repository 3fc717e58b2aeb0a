#include "support/icp12_sim.h"

namespace kwil::sim {

int Icp12Sim::outputs() const {
  std::lock_guard lock(mutex_);
  const char* pins[8] = {"RA0", "RA1", "RA2", "RA3", "RA5", "RB0", "RB1", "RB2"};
  int value = 0;
  for (int bit = 0; bit < 8; ++bit)
    if (pinsHigh_.count(QString::fromLatin1(pins[bit]))) value |= 1 << bit;
  return value;
}

std::set<QString> Icp12Sim::outputPins() const {
  std::lock_guard lock(mutex_);
  return outputPins_;
}

QStringList Icp12Sim::commands() const {
  std::lock_guard lock(mutex_);
  return commands_;
}

void Icp12Sim::setButtons(int buttons) {
  std::lock_guard lock(mutex_);
  buttons_ = buttons;
}

QByteArray Icp12Sim::execute(const QString& command) {
  commands_ << command;
  if (command == QStringLiteral("ZMD")) return "ZMD iCP12 sim\r\n";
  if (command == QStringLiteral("DPC")) {
    auto key = [this](int button) { return (buttons_ & (1 << button)) ? '0' : '1'; };
    QByteArray reply = "DPC";
    reply += key(0);
    reply += key(1);
    reply += key(2);
    reply += "111";
    reply += key(3);
    reply += key(4);
    return reply + "\r\n";
  }
  if (command.size() == 4 &&
      (command.startsWith(QStringLiteral("RA")) || command.startsWith(QStringLiteral("RB")))) {
    const QString pin = command.left(3);
    if (command[3] == u'o')
      outputPins_.insert(pin);
    else if (command[3] == u'1')
      pinsHigh_.insert(pin);
    else if (command[3] == u'0')
      pinsHigh_.erase(pin);
  }
  return {};
}

// Commands stand in round brackets; whatever lies outside them is noise.
QByteArray Icp12Sim::answer() {
  QByteArray reply;
  QByteArray& in = buffer();
  for (;;) {
    const qsizetype open = in.indexOf('(');
    if (open < 0) {
      in.clear();
      break;
    }
    const qsizetype close = in.indexOf(')', open);
    if (close < 0) {
      in.remove(0, open);
      if (in.size() > 16) in.clear();  // a "(" that never closes
      break;
    }
    reply += execute(QString::fromLatin1(in.mid(open + 1, close - open - 1)));
    in.remove(0, close + 1);
  }
  return reply;
}

}  // namespace kwil::sim
