#pragma once
// What every lesson-window test needs: the program folder with the lesson sounds and
// (optionally) pictures, a parallel-port interface with no button pressed, and the main menu
// and the test window registered as plain windows.
#include <QtTest>

#include "platform/endprogram.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/programma_omgeving.h"

namespace kwil::lestest {

class LesOmgeving : public programmatest::ProgrammaOmgeving {
 public:
  // Once per test program. Each picture is a plain image of its own size, so a test can
  // tell that a frame was sized around it.
  void maakProgrammaMap(const QStringList& plaatjes) {
    maakGeluiden({"SndVerder.wav", "SndTerug.wav", "SndDatIsSnel.wav", "SndBelTring.wav", "SndZoem.wav",
                  "SndPiep.wav", "SndFluit.wav", "SndRelaisUp.wav", "SndRelaisDown.wav"});
    QImage beeld(120, 90, QImage::Format_RGB32);
    beeld.fill(Qt::darkCyan);
    for (const QString& naam : plaatjes) bewaarPlaatje(naam, beeld);
  }

  void begin() {
    ProgrammaOmgeving::begin();
    parallelZonderKnoppen();
    state().Hoofdstuk = 1;
    state().Stap = 1;
    registreerNepVensters({WindowId::Hoofdmenu, WindowId::Toetsen});
  }
};

}  // namespace kwil::lestest
