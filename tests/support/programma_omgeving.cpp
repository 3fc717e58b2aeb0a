#include "support/programma_omgeving.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>

#include "interface/serialport.h"
#include "platform/endprogram.h"
#include "platform/forms/fonts.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/db_testfiles.h"

namespace kwil::programmatest {

void ProgrammaOmgeving::maakProgrammaMap() {
  installFontSubstitutes();
  if (map_) return;
  map_ = std::make_unique<QTemporaryDir>();
  if (!map_->isValid()) qFatal("cannot make a program folder");
  qputenv("KWIL_PROGRAM_DIR", map_->path().toLocal8Bit());
}

QString ProgrammaOmgeving::pad(const QString& relatief) {
  maakProgrammaMap();
  return map_->filePath(relatief);
}

void ProgrammaOmgeving::maakBestand(const QString& relatief, const QByteArray& inhoud) {
  const QString bestand = pad(relatief);
  QDir().mkpath(QFileInfo(bestand).path());
  QFile f(bestand);
  if (!f.open(QIODevice::WriteOnly) || f.write(inhoud) != inhoud.size())
    qFatal("cannot write %s", qPrintable(bestand));
}

void ProgrammaOmgeving::maakGeluiden(const QStringList& namen) {
  for (const QString& naam : namen) maakBestand(QStringLiteral("Geluiden/") + naam, "RIFF");
}

void ProgrammaOmgeving::bewaarPlaatje(const QString& naam, const QImage& beeld, const char* formaat) {
  const QString bestand = pad(QStringLiteral("Afbeeldingen/") + naam);
  QDir().mkpath(QFileInfo(bestand).path());
  if (!beeld.save(bestand, formaat)) qFatal("cannot save %s", qPrintable(bestand));
}

void ProgrammaOmgeving::begin() {
  installFontSubstitutes();
  resetWindows();
  serialPort().setPortOpen(false);
  basis = fake::installBasicFakes();
  geluid = fake::installSoundFakes();
  hw = &fake::installFakeHardware(basis.clock);
  state().AantalGeluidskaarten = 1;
  werk_ = std::make_unique<QTemporaryDir>();
  if (!werk_->isValid()) qFatal("cannot make a folder for the test");
  db.clear();
  einden = 0;
  bijEinde = nullptr;
  setEndProgramHandler([this] {
    ++einden;
    if (bijEinde) bijEinde();
  });
}

void ProgrammaOmgeving::end() {
  resetWindows();
  serialPort().setPortOpen(false);
  setEndProgramHandler({});
}

QString ProgrammaOmgeving::werkPad(const QString& naam) const {
  return werk_->filePath(naam);
}

QString ProgrammaOmgeving::verseDatabase(const QString& naam) {
  db = dbtest::freshDatabase(werkPad(naam));
  return db;
}

void ProgrammaOmgeving::registreerNepVensters(std::initializer_list<WindowId> vensters) {
  for (WindowId id : vensters) registerWindow(id, [] { return std::make_unique<QWidget>(); });
}

void ProgrammaOmgeving::registreerNepLessen() {
  for (int les = 1; les <= 5; ++les) registreerNepVensters({lessonWindow(les)});
}

void ProgrammaOmgeving::parallelZonderKnoppen() {
  state().InterfaceSoort = SoortParallel;
  hw->parallel->answer = 126;
}

void ProgrammaOmgeving::k8055ZonderKnoppen() {
  KwilState& s = state();
  s.InterfaceSoort = SoortVelleman;
  s.VellemanKaarten = 1;
  hw->k8055->present = 1;
}

QStringList ProgrammaOmgeving::geluiden() {
  QStringList namen;
  for (const QString& p : geluid.wav->played) namen.append(QFileInfo(p).fileName());
  geluid.wav->played.clear();
  return namen;
}

int ProgrammaOmgeving::keerGespeeld(const QString& naam) const {
  int n = 0;
  for (const QString& p : geluid.wav->played) n += p.endsWith(naam) ? 1 : 0;
  return n;
}

QList<int> ProgrammaOmgeving::uitgangen() {
  QList<int> waarden;
  for (const auto& [poort, waarde] : hw->parallel->writes)
    if (poort == 0x378) waarden.append(waarde);
  hw->parallel->writes.clear();
  return waarden;
}

QStringList ProgrammaOmgeving::meldingen() const {
  QStringList t;
  for (const auto& m : basis.dialogs->messages) t.append(m.text);
  return t;
}

void klik(QWidget& w) {
  QTest::mouseClick(&w, Qt::LeftButton);
}

void drukEnter(QWidget& w) {
  QTest::keyClick(&w, Qt::Key_Return);
}

void typ(QWidget& vak, const QString& tekst) {
  vak.setFocus();
  for (int i = 0; i < tekst.size(); ++i) {
    const int n = tekst.at(i).isHighSurrogate() ? 2 : 1;
    QKeyEvent druk(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, tekst.mid(i, n));
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, tekst.mid(i, n));
    QApplication::sendEvent(&vak, &druk);
    QApplication::sendEvent(&vak, &los);
    i += n - 1;
  }
}

void klikRegel(QListWidget& lijst, const QString& regel) {
  const QList<QListWidgetItem*> items = lijst.findItems(regel, Qt::MatchExactly);
  QVERIFY2(!items.isEmpty(), qPrintable(QStringLiteral("no line ") + regel));
  QTest::mouseClick(lijst.viewport(), Qt::LeftButton, {}, lijst.visualItemRect(items.first()).center());
}

}  // namespace kwil::programmatest
