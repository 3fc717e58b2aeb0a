#pragma once
// What every lesson-window test needs: the program folder with the lesson sounds and
// (optionally) pictures, a parallel-port interface with no button pressed, and the main menu
// and the test window registered as plain windows.
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>

#include "lessons/frame/lessonwindow.h"
#include "platform/endprogram.h"
#include "platform/forms/colors.h"
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

  // Verder clicked with the mouse still on it (lit), the sounds played before forgotten.
  void klikVerderMetMuisErop(LessonWindow& les) {
    state().KnopOnderMuis = 1;
    les.knoppen()(1).setBackColor(KleurKnopOnderMuis);
    geluiden();
    les.Command_Click(1);
  }
};

// Lesson window Les of chapter `hoofdstuk` registered under `id` and shown on page `stap`.
template <class Les>
Les& toonLes(WindowId id, int hoofdstuk, int stap) {
  state().Hoofdstuk = hoofdstuk;
  state().Stap = stap;
  registerWindow(id, [] { return std::make_unique<Les>(); });
  auto* les = windowAs<Les>(id);
  les->Show();
  return *les;
}

// Builds the pages after `van` one by one up to `naar` (or down to it), as Verder and Terug
// build them; `voorElke` runs before each page is built.
inline void bouwPaginas(LessonWindow& les, int van, int naar, const std::function<void()>& voorElke = {}) {
  const int richting = naar >= van ? 1 : -1;
  for (int stap = van; stap != naar;) {
    stap += richting;
    if (voorElke) voorElke();
    state().Stap = stap;
    les.Plaatstekst();
  }
}

// The panels among `lijsten` that are visible, in that order.
inline QList<int> zichtbarePanelen(LessonWindow& les, std::initializer_list<int> lijsten) {
  QList<int> uit;
  for (int p : lijsten)
    if (les.panelen()(p).Visible()) uit.append(p);
  return uit;
}

// Yes to every workbook question; `vragen`, when given, counts them from 0.
inline void jaOpElkeVraag(fake::FakeDialogs& dialogen, int* vragen = nullptr) {
  if (vragen) *vragen = 0;
  dialogen.onMessage = [&dialogen, vragen](const fake::FakeDialogs::Shown& m) {
    if (m.title != QStringLiteral("Vraagje")) return;
    if (vragen) ++*vragen;
    dialogen.answers.push_back(DialogService::Yes);
  };
}

}  // namespace kwil::lestest
