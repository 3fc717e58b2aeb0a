#include "interface/serialport.h"

#include "platform/services.h"
#include "platform/vb.h"

namespace kwil {

SerialPort& serialPort() {
  static SerialPort port;
  return port;
}

bool SerialPort::PortOpen() {
  if (device_ && !device_->healthy()) device_.reset();
  return device_ != nullptr;
}

void SerialPort::setPortOpen(bool open) {
  device_.reset();
  onvolledigAntwoord.clear();
  if (!open) return;
  SerialPorts* ports = platform().serialPorts.get();
  if (!ports) return;
  const QString path = ports->pathOf(CommPort);
  if (path.isEmpty()) return;
  device_ = ports->open(path);
}

void SerialPort::Output(const QString& text) {
  if (text.isEmpty() || !PortOpen()) return;
  // The boards speak plain ASCII; Latin-1 keeps every byte as it stands.
  device_->write(text.toLatin1());
}

QString SerialPort::Input() {
  if (!PortOpen()) return {};
  return QString::fromLatin1(device_->readAll());
}

int SerialPort::InBufferCount() {
  if (!PortOpen()) return 0;
  const int n = device_->bytesAvailable();
  return n > 0 ? n : 0;
}

QString ontvangAlles(bool laatGebeurtenissenToe) {
  QString ontvangen;
  while (serialPort().InBufferCount() != 0 && ontvangen.size() < kOntvangstLimiet) {
    const QString stuk = serialPort().Input();
    // A driver that counts characters it then does not hand over must not hold the
    // program in this loop.
    if (stuk.isEmpty()) break;
    ontvangen += stuk;
    if (laatGebeurtenissenToe) DoEvents();
  }
  return ontvangen;
}

}  // namespace kwil
