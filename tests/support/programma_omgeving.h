#pragma once
// The ground every test of the program's windows stands on: a program folder that
// KWIL_PROGRAM_DIR points at, fakes for every outside effect, fresh program-wide variables and
// no windows, a fresh student database made by the program's own create function, and the
// ways a test works a window as a pupil or a teacher does. The fixtures of the window tests
// build on it with what their windows need.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <initializer_list>
#include <memory>

#include "support/fake_hardware.h"
#include "support/fake_sound.h"
#include "support/fakes.h"

class QListWidget;
class QWidget;

namespace kwil {
enum class WindowId;
}

namespace kwil::programmatest {

class ProgrammaOmgeving {
 public:
  // The program folder, one per test program (made at its first use).
  void maakProgrammaMap();
  QString pad(const QString& relatief);  // a file under the program folder ('/' separated)
  void maakBestand(const QString& relatief, const QByteArray& inhoud = {});
  // Sounds under Geluiden/: a file that exists is all the wav player needs to be asked.
  void maakGeluiden(const QStringList& namen);
  // A picture under Afbeeldingen/, in the format its name says unless one is given.
  void bewaarPlaatje(const QString& naam, const QImage& beeld, const char* formaat = nullptr);

  // Before each test: fresh fakes (one sound device), fresh variables, no windows, an ending
  // of the program that is counted instead of exiting, and a fresh folder of its own.
  void begin();
  // After each test: the windows destroyed, the serial port closed, the real ending back.
  void end();

  // A file in the test's own folder.
  QString werkPad(const QString& naam) const;
  // A fresh student database in the test's folder (teacher password "leraar"); kept in db.
  QString verseDatabase(const QString& naam = QStringLiteral("Kwilmora.db"));

  // Plain widgets for the windows a test does not exercise.
  static void registreerNepVensters(std::initializer_list<WindowId> vensters);
  static void registreerNepLessen();

  // The interface the pupil uses, with no push button pressed.
  void parallelZonderKnoppen();
  void k8055ZonderKnoppen();

  // The sounds played since the last call, by file name.
  QStringList geluiden();
  // How often a sound of that file name was played.
  int keerGespeeld(const QString& naam) const;
  // The values written to the parallel port's data register since the last call.
  QList<int> uitgangen();
  // The texts of every message box shown.
  QStringList meldingen() const;

  fake::Fakes basis{};
  fake::SoundFakes geluid{};
  fake::FakeHardware* hw = nullptr;
  QString db;
  int einden = 0;                  // EndProgram calls
  std::function<void()> bijEinde;  // runs at each EndProgram, before it unwinds

 private:
  std::unique_ptr<QTemporaryDir> map_;
  std::unique_ptr<QTemporaryDir> werk_;
};

// Working a window with the real mouse and keyboard events.
void klik(QWidget& w);
void drukEnter(QWidget& w);
// One key event per character, as a keyboard delivers text (accents and emoji included).
void typ(QWidget& vak, const QString& tekst);
// Clicks the line of a list that reads exactly regel; fails the test when there is none.
void klikRegel(QListWidget& lijst, const QString& regel);

}  // namespace kwil::programmatest
