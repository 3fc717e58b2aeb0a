#pragma once
// In-memory interface hardware: the parallel port, the K8055 cards and the serial ports.
// Every effect is recorded on the fake itself and, as one line, in a shared log, so a test
// can compare the exact sequence the program produced ("Out32 888 5", "SetCurrentDevice 0",
// "WriteAllDigital 5", "send 1/5/", "sleep 50").
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "platform/services.h"

namespace kwil::fake {

class FakeClock;

class FakeParallelPort : public ParallelPort {
 public:
  void out32(std::int16_t port, std::int16_t value) override;
  std::int16_t inp32(std::int16_t port) override;

  QList<QPair<int, int>> writes;  // (port, value)
  QList<int> reads;               // ports read
  std::int16_t answer = 120;
  QStringList* log = nullptr;
};

class FakeK8055Cards : public K8055Cards {
 public:
  std::int16_t searchDevices() override;
  void setCurrentDevice(std::int32_t card) override;
  void writeAllDigital(std::int32_t value) override;
  std::int32_t readAllDigital() override;
  void readAllAnalog(std::int32_t& a1, std::int32_t& a2) override;
  void closeDevice() override;

  std::int16_t present = 0;               // what searchDevices answers
  std::array<std::int32_t, 4> digital{};  // inputs per card address
  std::array<std::int32_t, 4> analog1{}, analog2{};
  QList<QPair<int, int>> writes;  // (card, value)
  QList<int> selected;            // setCurrentDevice calls
  int searches = 0;
  int closes = 0;
  int current = 0;
  QStringList* log = nullptr;
};

// One serial line: what the program sent, what waits for it, and how the "board" answers.
struct FakeSerialLine {
  QString path;
  bool openable = true;
  bool vanished = false;  // set to make the device go away
  int opens = 0;
  QList<QByteArray> sends;                             // each write as a separate item
  QByteArray pending;                                  // received, not yet read by the program
  int maxChunk = 0;                                    // > 0: one read returns at most this many bytes
  std::function<QByteArray(const QByteArray&)> reply;  // answer to each send, queued at once
  QStringList* log = nullptr;
};

class FakeSerialDevice : public SerialDevice {
 public:
  explicit FakeSerialDevice(std::shared_ptr<FakeSerialLine> line) : line_(std::move(line)) {}
  bool write(const QByteArray& data) override;
  QByteArray readAll() override;
  int bytesAvailable() override;
  bool healthy() const override { return !line_->vanished; }

 private:
  std::shared_ptr<FakeSerialLine> line_;
};

class FakeSerialPorts : public SerialPorts {
 public:
  QString pathOf(int comNumber) override;
  int count() override { return static_cast<int>(lines.size()); }
  std::unique_ptr<SerialDevice> open(const QString& path) override;

  // Adds the next COM port (COM 1 first).
  FakeSerialLine& addPort(const QString& path = {});
  // Adds ports until COM n exists and returns COM n.
  FakeSerialLine& port(int comNumber);

  QList<std::shared_ptr<FakeSerialLine>> lines;
  QStringList* log = nullptr;
};

struct FakeHardware {
  FakeParallelPort* parallel = nullptr;
  FakeK8055Cards* k8055 = nullptr;
  FakeSerialPorts* serial = nullptr;
  QStringList log;
};

// Installs fresh hardware fakes; when a fake clock is given its sleeps go into the log too.
FakeHardware& installFakeHardware(FakeClock* clock = nullptr);

}  // namespace kwil::fake
