#pragma once
// What every lesson-window test needs: a program folder with the sounds and (optionally) the
// pictures, fakes for every outside effect, a parallel-port interface with no button pressed,
// and the main menu and the test window registered as plain windows.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/endprogram.h"
#include "platform/forms/fonts.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/fake_hardware.h"
#include "support/fake_sound.h"
#include "support/fakes.h"

namespace kwil::lestest {

class LesOmgeving {
 public:
  // Once per test program. Each picture is a plain image of its own size, so a test can
  // tell that a frame was sized around it.
  void maakProgrammaMap(const QStringList& plaatjes) {
    installFontSubstitutes();
    QVERIFY(map_.isValid());
    QDir(map_.path()).mkpath(QStringLiteral("Afbeeldingen"));
    QDir(map_.path()).mkpath(QStringLiteral("Geluiden"));
    for (const char* geluid : {"SndVerder.wav", "SndTerug.wav", "SndDatIsSnel.wav", "SndBelTring.wav", "SndZoem.wav",
                               "SndPiep.wav", "SndFluit.wav", "SndRelaisUp.wav", "SndRelaisDown.wav"}) {
      QFile f(map_.filePath(QStringLiteral("Geluiden/") + QLatin1String(geluid)));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("RIFF");
    }
    for (const QString& naam : plaatjes) {
      QImage beeld(120, 90, QImage::Format_RGB32);
      beeld.fill(Qt::darkCyan);
      QVERIFY(beeld.save(map_.filePath(QStringLiteral("Afbeeldingen/") + naam)));
    }
    qputenv("KWIL_PROGRAM_DIR", map_.path().toLocal8Bit());
  }

  void begin() {
    resetWindows();
    basis = fake::installBasicFakes();
    geluid = fake::installSoundFakes();
    hw = &fake::installFakeHardware(basis.clock);
    KwilState& s = state();
    s.AantalGeluidskaarten = 1;
    s.InterfaceSoort = SoortParallel;
    s.Hoofdstuk = 1;
    s.Stap = 1;
    hw->parallel->answer = 126;
    setEndProgramHandler([] {});
    registerWindow(WindowId::Hoofdmenu, [] { return std::make_unique<QWidget>(); });
    registerWindow(WindowId::Toetsen, [] { return std::make_unique<QWidget>(); });
  }

  void end() {
    resetWindows();
    setEndProgramHandler({});
  }

  // The sounds played since the last call, by file name.
  QStringList geluiden() {
    QStringList namen;
    for (const QString& pad : geluid.wav->played) namen.append(QFileInfo(pad).fileName());
    geluid.wav->played.clear();
    return namen;
  }

  // The values written to the parallel port's data register since the last call.
  QList<int> uitgangen() {
    QList<int> waarden;
    for (const auto& [poort, waarde] : hw->parallel->writes)
      if (poort == 0x378) waarden.append(waarde);
    hw->parallel->writes.clear();
    return waarden;
  }

  QString map() const { return map_.path(); }

  fake::Fakes basis{};
  fake::SoundFakes geluid{};
  fake::FakeHardware* hw = nullptr;

 private:
  QTemporaryDir map_;
};

}  // namespace kwil::lestest
