#pragma once
// What every main-menu test needs: the program folder with the lesson pictures and the two
// menu sounds, one K8055 card as the pupil's interface, and the menu itself made through the
// window registry.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

#include "interface/interfacedisplay.h"
#include "platform/endprogram.h"
#include "selection/hoofdmenu.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/programma_omgeving.h"

namespace kwil::menutest {

// Each picture file has one colour, so a test can tell which file a picture shows.
inline QRgb onbediendKleur(int n) { return qRgb(0, 0, 100 + n); }
inline QRgb bediendKleur(int n) { return qRgb(200 + n, 0, 0); }

class MenuOmgeving : public programmatest::ProgrammaOmgeving {
 public:
  // Once per test program: the program folder with the data files the menu reads.
  void maakProgrammaMap() {
    for (int n = 1; n <= 5; ++n) {
      bewaarMenuPlaatje(QStringLiteral("ImgSymboolEnkpOnbediendHoofdmenuE%1.gif").arg(n), onbediendKleur(n));
      bewaarMenuPlaatje(QStringLiteral("ImgSymboolEnkpBediendHoofdmenuE%1.gif").arg(n), bediendKleur(n));
    }
    maakGeluiden({"SndHfdMnuOver.wav", "SndHfdMnuDown.wav"});
  }

  // Before each test: a fresh run with the pupil Anna de Vries logged in, the lessons
  // registered as plain windows, the interface one K8055 card with no button pressed.
  void begin() {
    ProgrammaOmgeving::begin();
    k8055ZonderKnoppen();
    state().Voornaam = QStringLiteral("Anna");
    state().Achternaam = QStringLiteral("de Vries");
    registerWindow(WindowId::Hoofdmenu, [] { return std::make_unique<Hoofdmenu>(); });
    registreerNepLessen();
    registreerNepVensters({WindowId::Selectie});
    menu = windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
  }

  // The menu shown as the login shows it.
  Hoofdmenu& toon() {
    menu->Show();
    return *menu;
  }

  int overGeluiden() const { return keerGespeeld(QStringLiteral("SndHfdMnuOver.wav")); }
  int klikGeluiden() const { return keerGespeeld(QStringLiteral("SndHfdMnuDown.wav")); }

  // The colour of the file lesson n's picture shows.
  QRgb plaatje(int n) const { return menu->ImageBox(n).Picture().pixel(10, 10); }

  // Pointer events as the window system delivers them; positions in pixels of the widget.
  static void muis(QWidget& w, QEvent::Type soort, QPointF op, Qt::MouseButton knop, Qt::MouseButtons knoppen) {
    QMouseEvent e(soort, op, w.mapToGlobal(op), knop, knoppen, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &e);
  }
  static void beweeg(QWidget& w, Qt::MouseButtons knoppen = Qt::NoButton) {
    muis(w, QEvent::MouseMove, QPointF(3, 3), Qt::NoButton, knoppen);
  }
  static void druk(QWidget& w, Qt::MouseButton knop = Qt::LeftButton) {
    muis(w, QEvent::MouseButtonPress, QPointF(30, 100), knop, knop);
  }
  static void laatLos(QWidget& w, QPointF op, Qt::MouseButton knop = Qt::LeftButton) {
    muis(w, QEvent::MouseButtonRelease, op, knop, Qt::NoButton);
  }
  // The window's own background (left of the pictures, below the buttons' frame).
  void beweegOverAchtergrond() { muis(*menu, QEvent::MouseMove, QPointF(4, 4), Qt::NoButton, Qt::NoButton); }

  Hoofdmenu* menu = nullptr;

 private:
  void bewaarMenuPlaatje(const QString& naam, QRgb kleur) {
    QImage beeld(75, 250, QImage::Format_RGB32);
    beeld.fill(kleur);
    // Stored as PNG data under the .gif name: pictures are recognised by their content.
    bewaarPlaatje(naam, beeld, "PNG");
  }
};

}  // namespace kwil::menutest
