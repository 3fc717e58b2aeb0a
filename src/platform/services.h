#pragma once
// Every effect of the program on the world outside goes through one of these small
// interfaces. main() installs the real implementations; the tests install fakes that record
// what reached the "hardware" and answer dialogs without opening them.
#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <memory>

namespace kwil {

// Message boxes, input boxes and the file dialog. Message texts arrive with carriage returns
// as line separators, exactly as the program builds them.
class DialogService {
 public:
  // Button sets and answers as the program's message boxes use them.
  enum Buttons { OkOnly = 0, YesNo = 4 };
  enum Icon { NoIcon = 0, Critical = 16 };
  enum Answer { Ok = 1, Yes = 6, No = 7 };
  virtual ~DialogService() = default;
  // buttons is the sum of a button set and an icon (0, 4, 16, 20 ...).
  virtual int msgBox(const QString& text, int buttons, const QString& title) = 0;
  // Returns the typed text; cancel gives the empty text.
  virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
  // Returns the chosen file, or the empty text when cancelled.
  virtual QString openFile(const QString& title, const QString& filter, const QString& startDir) = 0;
};

// Asynchronous wav playback and the number of sound output devices.
class WavPlayer {
 public:
  virtual ~WavPlayer() = default;
  virtual int outputDeviceCount() = 0;
  // Starts playing at once and returns; a sound still playing is cut off. A missing or
  // unreadable file plays nothing.
  virtual void play(const QString& path) = 0;
};

// One narration player; a new one is made for every narration.
class NarrationPlayer {
 public:
  virtual ~NarrationPlayer() = default;
  virtual void render(const QString& path) = 0;
  virtual void run() = 0;
  virtual void stop() = 0;
};

class NarrationFactory {
 public:
  virtual ~NarrationFactory() = default;
  virtual std::unique_ptr<NarrationPlayer> create() = 0;
};

// Waiting and the clocks.
class Clock {
 public:
  virtual ~Clock() = default;
  // Blocks without letting events run.
  virtual void sleepMs(int ms) = 0;
  // Seconds since midnight, local time (the page clock of the workbook pages).
  virtual double secondsSinceMidnight() = 0;
  // Seconds on a clock that never jumps or wraps.
  virtual double monotonicSeconds() = 0;
};

// One serial device, opened at 115200 8N1 raw. All calls return at once.
class SerialDevice {
 public:
  virtual ~SerialDevice() = default;
  virtual bool write(const QByteArray& data) = 0;
  // Everything that has arrived so far, taken out of the receive buffer.
  virtual QByteArray readAll() = 0;
  virtual int bytesAvailable() = 0;
  // False once the device has gone away (unplugged, pty closed).
  virtual bool healthy() const = 0;
};

// The COM ports of the machine, numbered from 1.
class SerialPorts {
 public:
  virtual ~SerialPorts() = default;
  // Device path of COM n, or the empty text when there is no such port.
  virtual QString pathOf(int comNumber) = 0;
  virtual int count() = 0;
  virtual std::unique_ptr<SerialDevice> open(const QString& path) = 0;
};

// The parallel port's registers.
class ParallelPort {
 public:
  virtual ~ParallelPort() = default;
  virtual void out32(std::int16_t port, std::int16_t value) = 0;
  virtual std::int16_t inp32(std::int16_t port) = 0;
};

// The K8055 card library's operations.
class K8055Cards {
 public:
  virtual ~K8055Cards() = default;
  virtual std::int16_t searchDevices() = 0;
  virtual void setCurrentDevice(std::int32_t card) = 0;
  virtual void writeAllDigital(std::int32_t value) = 0;
  virtual std::int32_t readAllDigital() = 0;
  virtual void readAllAnalog(std::int32_t& a1, std::int32_t& a2) = 0;
  virtual void closeDevice() = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void clear() = 0;
  virtual void setText(const QString& text) = 0;
};

// The per-user setting store (group "Settings").
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual QString value(const QString& key) = 0;
  virtual void setValue(const QString& key, const QString& value) = 0;
};

// The screen the windows are maximised on.
class ScreenInfo {
 public:
  virtual ~ScreenInfo() = default;
  // The size a maximised window gets.
  virtual QSize maximisedSize() = 0;
};

// Lets pending events run once (the program's "DoEvents").
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void processPending() = 0;
};

// The installed implementations. Each pointer is owned here and never null once installed.
struct Platform {
  std::unique_ptr<DialogService> dialogs;
  std::unique_ptr<WavPlayer> wav;
  std::unique_ptr<NarrationFactory> narration;
  std::unique_ptr<Clock> clock;
  std::unique_ptr<SerialPorts> serialPorts;
  std::unique_ptr<ParallelPort> parallel;
  std::unique_ptr<K8055Cards> k8055;
  std::unique_ptr<Clipboard> clipboard;
  std::unique_ptr<SettingsStore> settings;
  std::unique_ptr<ScreenInfo> screen;
  std::unique_ptr<EventPump> events;
};

Platform& platform();

// The folder of the program's own executable (or KWIL_PROGRAM_DIR when set, for tests),
// without a trailing separator.
QString programFolder();

}  // namespace kwil
