#pragma once
// Lesson 1, "NietEnOf": the door bell and its parts, electrical symbols, make and break
// contacts, the WEL, NIET, OF and EN circuits, the interface and LEDs, in 33 pages; step 34
// hands over to the test.
#include "lessons/frame/lessonwindow.h"

namespace kwil {

// The frame values of lesson 1.
LessonConfig nietEnOfConfig();

class NietEnOf : public LessonWindow {
  Q_OBJECT
 public:
  explicit NietEnOf(QWidget* parent = nullptr);

  // The interface photo's file name for step 15 or 17 (empty for an unknown interface kind).
  QString interfaceFoto(int stap) const;

 protected:
  void bouwPagina() override;
  void beslisVerder() override;
  QString helpTekst() const override;
  void reageer() override;
  void knopOmlaag(int index) override;
  void knopOmhoog(int index) override;
  void lesKnopOnderMuis(int index) override;
  bool lesKnopVerlaten(int index) override;
  void bijActiveren() override;
  void bijLaden() override;

 private:
  void maakDeuren();
  void maakSymboolLijst();
  void maakSchakelaar(int lijst, int knop, int naambord, int behuizing, float links, const QString& naam);
  void maakPlaatjeslijst(int lijst, int vak, float links, float boven);
  void aankomst(int stap, int vorige);
  void toon(int p) { Panel(p).setVisible(true); }
  void verberg(int p) { Panel(p).setVisible(false); }
  void laadEnCentreer(int lijst, int vak, const QString& naam);
  void naast14();
  void reageerEenKeerPerDruk(int ingang, int geluid);
};

}  // namespace kwil
