#pragma once
// What every main-menu test needs: a program folder with the lesson pictures and the two menu
// sounds, fakes for every outside effect, one K8055 card as the pupil's interface, and the
// menu itself made through the window registry.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include "interface/interfacedisplay.h"
#include "platform/endprogram.h"
#include "platform/forms/fonts.h"
#include "selection/hoofdmenu.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/fake_hardware.h"
#include "support/fake_sound.h"
#include "support/fakes.h"

namespace kwil::menutest {

// Each picture file has one colour, so a test can tell which file a picture shows.
inline QRgb onbediendKleur(int n) { return qRgb(0, 0, 100 + n); }
inline QRgb bediendKleur(int n) { return qRgb(200 + n, 0, 0); }

class MenuOmgeving {
 public:
  // Once per test program: the program folder with the data files the menu reads.
  void maakProgrammaMap() {
    installFontSubstitutes();
    QVERIFY(map_.isValid());
    QDir(map_.path()).mkpath(QStringLiteral("Afbeeldingen"));
    QDir(map_.path()).mkpath(QStringLiteral("Geluiden"));
    for (int n = 1; n <= 5; ++n) {
      bewaarPlaatje(QStringLiteral("ImgSymboolEnkpOnbediendHoofdmenuE%1.gif").arg(n), onbediendKleur(n));
      bewaarPlaatje(QStringLiteral("ImgSymboolEnkpBediendHoofdmenuE%1.gif").arg(n), bediendKleur(n));
    }
    for (const char* geluid : {"SndHfdMnuOver.wav", "SndHfdMnuDown.wav"}) {
      QFile f(map_.filePath(QStringLiteral("Geluiden/") + QLatin1String(geluid)));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("RIFF");
    }
    qputenv("KWIL_PROGRAM_DIR", map_.path().toLocal8Bit());
  }

  // Before each test: a fresh run with the pupil Anna de Vries logged in, lesson 1 registered
  // as a plain window, the interface one K8055 card with no button pressed.
  void begin() {
    resetWindows();
    basis = fake::installBasicFakes();
    geluid = fake::installSoundFakes();
    hw = &fake::installFakeHardware(basis.clock);
    KwilState& s = state();
    s.AantalGeluidskaarten = 1;
    s.InterfaceSoort = SoortVelleman;
    s.VellemanKaarten = 1;
    hw->k8055->present = 1;
    s.Voornaam = QStringLiteral("Anna");
    s.Achternaam = QStringLiteral("de Vries");
    setEndProgramHandler([] {});
    registerWindow(WindowId::Hoofdmenu, [] { return std::make_unique<Hoofdmenu>(); });
    for (int les = 1; les <= 5; ++les)
      registerWindow(lessonWindow(les), [] { return std::make_unique<QWidget>(); });
    registerWindow(WindowId::Selectie, [] { return std::make_unique<QWidget>(); });
    menu = windowAs<Hoofdmenu>(WindowId::Hoofdmenu);
  }

  void end() {
    resetWindows();
    setEndProgramHandler({});
  }

  // The menu shown as the login shows it.
  Hoofdmenu& toon() {
    menu->Show();
    return *menu;
  }

  int geluiden(const QString& naam) const {
    int n = 0;
    for (const QString& pad : geluid.wav->played) n += pad.endsWith(naam) ? 1 : 0;
    return n;
  }
  int overGeluiden() const { return geluiden(QStringLiteral("SndHfdMnuOver.wav")); }
  int klikGeluiden() const { return geluiden(QStringLiteral("SndHfdMnuDown.wav")); }

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

  fake::Fakes basis{};
  fake::SoundFakes geluid{};
  fake::FakeHardware* hw = nullptr;
  Hoofdmenu* menu = nullptr;

 private:
  void bewaarPlaatje(const QString& naam, QRgb kleur) {
    QImage beeld(75, 250, QImage::Format_RGB32);
    beeld.fill(kleur);
    // Stored as PNG data under the .gif name: pictures are recognised by their content.
    QVERIFY(beeld.save(map_.filePath(QStringLiteral("Afbeeldingen/") + naam), "PNG"));
  }

  QTemporaryDir map_;
};

}  // namespace kwil::menutest
