#pragma once
// A selection window started against fakes of the outside world and a real database file,
// with every outside effect of the start-up written to one log in the order it happened.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "interface/serialport.h"
#include "platform/endprogram.h"
#include "platform/forms/fonts.h"
#include "selection/database/studentdatabase.h"
#include "selection/selectie.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/db_testfiles.h"
#include "support/fake_hardware.h"
#include "support/fake_sound.h"
#include "support/fakes.h"

namespace kwil::seltest {

// The sound device count and the settings and screen reads, noted in the shared log.
class LogWav : public fake::FakeWavPlayer {
 public:
  explicit LogWav(QStringList* log) : log_(log) {}
  int outputDeviceCount() override {
    log_->append(QStringLiteral("waveOutGetNumDevs"));
    return deviceCount;
  }

 private:
  QStringList* log_;
};

class LogSettings : public fake::FakeSettings {
 public:
  explicit LogSettings(QStringList* log) : log_(log) {}
  QString value(const QString& key) override {
    log_->append(QStringLiteral("setting ") + key);
    return FakeSettings::value(key);
  }

 private:
  QStringList* log_;
};

class LogScreen : public fake::FakeScreen {
 public:
  explicit LogScreen(QStringList* log) : log_(log) {}
  QSize maximisedSize() override {
    log_->append(QStringLiteral("maximise"));
    return size;
  }

 private:
  QStringList* log_;
};

class LogK8055 : public fake::FakeK8055Cards {
 public:
  std::int16_t searchDevices() override {
    if (log) log->append(QStringLiteral("SearchDevices"));
    return FakeK8055Cards::searchDevices();
  }
};

// A window the selection window shows (main menu, teacher module): counts its activations.
class NepVenster : public Form {
 public:
  int activaties = 0;

 protected:
  void Form_Activate() override { ++activaties; }
};

struct Omgeving {
  fake::Fakes basis{};
  fake::FakeHardware* hardware = nullptr;
  LogWav* wav = nullptr;
  LogSettings* settings = nullptr;
  LogScreen* screen = nullptr;
  LogK8055* k8055 = nullptr;
  QTemporaryDir dir;
  QString dbPad;
  int beeindigd = 0;

  QStringList& log() { return hardware->log; }
  QList<fake::FakeDialogs::Shown>& berichten() { return basis.dialogs->messages; }
  QStringList berichtTeksten() const {
    QStringList t;
    for (const auto& m : basis.dialogs->messages) t.append(m.text);
    return t;
  }

  // Fresh fakes, a fresh database (teacher password "leraar") that DataPath points at, and
  // no windows yet.
  Omgeving() {
    resetWindows();
    serialPort().setPortOpen(false);
    basis = fake::installBasicFakes();
    basis.events->runRealEvents = false;
    fake::installSoundFakes();
    hardware = &fake::installFakeHardware(basis.clock);
    Platform& p = platform();
    auto w = std::make_unique<LogWav>(&hardware->log);
    wav = w.get();
    p.wav = std::move(w);
    auto s = std::make_unique<LogSettings>(&hardware->log);
    settings = s.get();
    p.settings = std::move(s);
    auto sc = std::make_unique<LogScreen>(&hardware->log);
    screen = sc.get();
    p.screen = std::move(sc);
    auto k = std::make_unique<LogK8055>();
    k8055 = k.get();
    k8055->log = &hardware->log;
    p.k8055 = std::move(k);
    basis.dialogs->onMessage = [this](const fake::FakeDialogs::Shown& m) {
      log().append(QStringLiteral("MsgBox ") + m.text.section(QLatin1Char('\r'), 0, 0));
    };
    dbPad = dir.filePath(QStringLiteral("Kwilmora.db"));
    dbtest::freshDatabase(dbPad);
    settings->values.insert(QStringLiteral("DataPath"), dbPad);
    setEndProgramHandler([this] {
      ++beeindigd;
      log().append(QStringLiteral("end"));
    });
    registerWindow(WindowId::Selectie, [] { return std::make_unique<Selectie>(); });
  }
  ~Omgeving() {
    resetWindows();
    serialPort().setPortOpen(false);
    setEndProgramHandler({});
  }

  StudentDatabase db() const { return StudentDatabase(dbPad); }

  // Registers a window that stands in for the main menu or the teacher module.
  void registreerNepVenster(WindowId id) {
    registerWindow(id, [] { return std::make_unique<NepVenster>(); });
  }
  NepVenster* nep(WindowId id) { return static_cast<NepVenster*>(existingWindow(id)); }

  // Starts the program: creates the selection window and shows it (its loading is the
  // start-up). Gives the window, or null when the program ended during the start-up.
  Selectie* start() {
    auto* selectie = windowAs<Selectie>(WindowId::Selectie);
    try {
      selectie->Show();
    } catch (const ProgramEnded&) {
      return nullptr;
    }
    return selectie;
  }

  // A COM port whose board answers the Arduino probe.
  void sluitArduinoAan(int com) {
    hardware->serial->port(com).reply = [](const QByteArray& sent) {
      return sent == "90/" ? QByteArray("KWIL-TM 1.0\r\n") : QByteArray();
    };
  }
};

}  // namespace kwil::seltest
