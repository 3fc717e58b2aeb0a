#pragma once
// A selection window started against fakes of the outside world and a real database file,
// with every outside effect of the start-up written to one log in the order it happened.
#include <QApplication>
#include <QTest>

#include "platform/endprogram.h"
#include "platform/forms/fonts.h"
#include "selection/database/studentdatabase.h"
#include "selection/selectie.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/db_testfiles.h"
#include "support/programma_omgeving.h"

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

struct Omgeving : programmatest::ProgrammaOmgeving {
  LogWav* wav = nullptr;
  LogSettings* settings = nullptr;
  LogScreen* screen = nullptr;
  LogK8055* k8055 = nullptr;

  QStringList& log() { return hw->log; }
  QList<fake::FakeDialogs::Shown>& berichten() { return basis.dialogs->messages; }

  // Fresh fakes that note their reads in the log, a fresh database (teacher password
  // "leraar") that DataPath points at, and no windows yet.
  Omgeving() {
    begin();
    basis.events->runRealEvents = false;
    Platform& p = platform();
    geluid.wav = wav = vervang(p.wav, std::make_unique<LogWav>(&hw->log));
    basis.settings = settings = vervang(p.settings, std::make_unique<LogSettings>(&hw->log));
    basis.screen = screen = vervang(p.screen, std::make_unique<LogScreen>(&hw->log));
    hw->k8055 = k8055 = vervang(p.k8055, std::make_unique<LogK8055>());
    k8055->log = &hw->log;
    basis.dialogs->onMessage = [this](const fake::FakeDialogs::Shown& m) {
      log().append(QStringLiteral("MsgBox ") + m.text.section(QLatin1Char('\r'), 0, 0));
    };
    settings->values.insert(QStringLiteral("DataPath"), verseDatabase());
    bijEinde = [this] { log().append(QStringLiteral("end")); };
    registerWindow(WindowId::Selectie, [] { return std::make_unique<Selectie>(); });
  }
  ~Omgeving() { end(); }

  StudentDatabase database() const { return StudentDatabase(db); }

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
    hw->serial->port(com).reply = [](const QByteArray& sent) {
      return sent == "90/" ? QByteArray("KWIL-TM 1.0\r\n") : QByteArray();
    };
  }

 private:
  // Puts a logging fake in the platform in place of the plain one; gives the new fake.
  template <typename Dienst, typename Nep>
  static Nep* vervang(std::unique_ptr<Dienst>& plek, std::unique_ptr<Nep> nep) {
    Nep* n = nep.get();
    plek = std::move(nep);
    return n;
  }
};

}  // namespace kwil::seltest
