#pragma once
// A lesson worked with a simulated Arduino on a pseudo-terminal: the real serial driver finds
// the board and carries every poll and every write; the board's buttons are held until the
// lesson's polling has seen them.
#include <unistd.h>

#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <memory>

#include "interface/drivers.h"
#include "lessons/frame/lessonwindow.h"
#include "platform/real/termiosserial.h"
#include "shared/kwilstate.h"
#include "support/arduino_sim.h"
#include "support/programma_omgeving.h"

namespace kwil::lestest {

class ArduinoLes {
 public:
  // The board's buttons held down together, and its outputs afterwards (-1: not looked at).
  struct Druk {
    int knoppen;
    int uitgangen;
  };

  // After the environment's begin(): the board is the only serial port, and the search finds
  // it with sleeps and event pumps that let it answer.
  void begin(programmatest::ProgrammaOmgeving& omgeving) {
    omgeving_ = &omgeving;
    bord = std::make_unique<sim::ArduinoSim>();
    qputenv("KWILMORA_COM_PORTS", bord->slavePath().toLocal8Bit());
    platform().serialPorts = std::make_unique<TermiosSerialPorts>();
    omgeving.basis.clock->onSleep = [this](int) { bordWerkt(); };
    bijPompen();
    omgeving.basis.events->runRealEvents = false;  // the test fires the polling timers itself
    ZoekArduino();
  }
  // Before the environment's end().
  void end() {
    serialPort().setPortOpen(false);
    qunsetenv("KWILMORA_COM_PORTS");
    bord.reset();
  }

  // Every event pump lets the board answer; `ervoor` runs first (a button let go ...).
  void bijPompen(std::function<void()> ervoor = {}) {
    omgeving_->basis.events->onPump = [this, ervoor] {
      if (ervoor) ervoor();
      bordWerkt();
    };
  }

  // Holds the buttons until the lesson's polling has seen them (a poll reads the reply to the
  // one before it), then lets the board take in what the page wrote.
  void houdVast(LessonWindow& les, int knoppen) {
    bord->setButtons(knoppen);
    for (int tik = 0; tik < 4 && state().Ingangen != knoppen; ++tik) {
      QVERIFY2(les.timer().Enabled(), qPrintable(QStringLiteral("no polling on step %1").arg(state().Stap)));
      les.timer().fire();
    }
    QCOMPARE(state().Ingangen, knoppen);
    bord->pump();
  }

  // On the page just turned to: the outputs the page set on entering (-1: not looked at), then
  // every press in turn with the outputs it leaves.
  void werkPagina(LessonWindow& les, int bijAankomst, const QList<Druk>& drukken) {
    const int stap = state().Stap;
    bord->pump();
    if (bijAankomst >= 0) QCOMPARE(bord->outputs(), bijAankomst);
    for (const Druk& druk : drukken) {
      houdVast(les, druk.knoppen);
      if (QTest::currentTestFailed()) return;
      const QString waar = QStringLiteral("step %1, buttons %2").arg(stap).arg(druk.knoppen);
      if (druk.uitgangen >= 0) QVERIFY2(bord->outputs() == druk.uitgangen, qPrintable(waar));
    }
  }

  std::unique_ptr<sim::ArduinoSim> bord;
  // Runs before the board's every turn, on a sleep as on an event pump (a button let go ...).
  std::function<void()> voorElkeBeurt;

 private:
  // Waits (really) until what the board wrote can be read on the program's side.
  void bordWerkt() {
    if (voorElkeBeurt) voorElkeBeurt();
    if (!bord->pump()) return;
    QElapsedTimer t;
    t.start();
    while (serialPort().InBufferCount() == 0 && t.elapsed() < 1000) ::usleep(200);
  }

  programmatest::ProgrammaOmgeving* omgeving_ = nullptr;
};

}  // namespace kwil::lestest
