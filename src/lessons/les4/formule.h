#pragma once
// Lesson 4, "Formule": switching formulas. The EN, OF and NIET as circuit diagram, logic
// gates and formula side by side, tested with s1 to s3, then combined circuits, the
// precedence rules and a relay, in 22 pages; step 23 hands over to the test.
#include "lessons/frame/lessonwindow.h"

namespace kwil {

struct FormuleGroep;

// The frame values of lesson 4.
LessonConfig formuleConfig();

class Formule : public LessonWindow {
  Q_OBJECT
 public:
  explicit Formule(QWidget* parent = nullptr);

  // The three picture frames: panel of the circuit diagram, the logic gates and the formula.
  static constexpr int kSchemaLijst = 4, kPoortLijst = 9, kFormuleLijst = 10;

 protected:
  void bouwPagina() override;
  void beslisVerder() override;
  QString helpTekst() const override;
  void reageer() override;
  void bijActiveren() override;
  void bijStop() override;

 private:
  void aankomst(int stap, int vorige);
  void toon(int p) { Panel(p).setVisible(true); }
  void verberg(int p) { Panel(p).setVisible(false); }
  void verbergAlleLijsten();
  // The frames placed side by side: the gate frame centred, the circuit frame in the strip
  // to its left, the formula frame in the strip to its right.
  void poortLijst(const QString& naam);
  void schemaLijst(const QString& naam, bool ofSchakeling = false);
  void formuleLijst(const QString& naam);
  // The gate and circuit frames of a circuit, hidden first and placed again.
  void schakeling(const QString& poort, const QString& schema, bool ofSchakeling = false);
  void enOfLijsten();
  void relaisSchakeling();
  void relaisFormule();
  void toonRij(const FormuleGroep& groep);
};

}  // namespace kwil
