#pragma once
// The machine's serial ports through POSIX termios. COM numbers: the USB serial devices
// (/dev/ttyACM*, then /dev/ttyUSB*), then the on-board /dev/ttyS* ports that have a UART
// behind them, numbered from 1 in natural order. KWILMORA_COM_PORTS (paths separated by ':')
// replaces that list, COM n being its n-th path.
#include <QStringList>

#include "platform/services.h"

namespace kwil {

class TermiosSerialDevice : public SerialDevice {
 public:
  // Takes over an open, configured descriptor.
  explicit TermiosSerialDevice(int fd);
  ~TermiosSerialDevice() override;
  TermiosSerialDevice(const TermiosSerialDevice&) = delete;
  TermiosSerialDevice& operator=(const TermiosSerialDevice&) = delete;

  bool write(const QByteArray& data) override;
  QByteArray readAll() override;
  int bytesAvailable() override;
  bool healthy() const override { return healthy_; }

 private:
  void noteError(int error);
  int fd_;
  bool healthy_ = true;
};

class TermiosSerialPorts : public SerialPorts {
 public:
  QString pathOf(int comNumber) override;
  int count() override;
  // Opens at 115200 8N1 raw, non-blocking; null when the path cannot be opened as a tty.
  std::unique_ptr<SerialDevice> open(const QString& path) override;

  // The device list as it stands now (the environment's list when set).
  static QStringList scanPorts();

 private:
  QStringList ports_;
  bool scanned_ = false;
};

}  // namespace kwil
