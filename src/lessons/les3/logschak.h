#pragma once
// Lesson 3, "LogSchak": logic gates (EN, OF, NIET, NEN, NOF) and circuits of gates, each
// simulated from the pressed push buttons and drawn with the level of every wire, in 30
// pages; step 31 hands over to the test.
#include <QMap>

#include "lessons/frame/lessonwindow.h"
#include "lessons/les3/les3teksten.h"
#include "lessons/les3/poortschema.h"

namespace kwil {

// The frame values of lesson 3.
LessonConfig logSchakConfig();

class LogSchak : public LessonWindow {
  Q_OBJECT
 public:
  explicit LogSchak(QWidget* parent = nullptr);

  // The circuit as drawn last on this page (empty when the page has none).
  const PoortSchema& schema() const { return schema_; }
  // Whether every combination of the circuit's inputs has been shown on step `stap`.
  bool allesGeprobeerd(int stap) const;

 protected:
  void bouwPagina() override;
  void beslisVerder() override;
  QString helpTekst() const override;
  void reageer() override;
  void bijActiveren() override;
  void schaalLesControls(const ScaleOptions& opties) override;

 private:
  void aankomst(int stap);
  void toonBeeld(const QImage& beeld);
  void simuleer();
  double zoom(const QSizeF& grootte) const;

  PoortSchema schema_;
  int gebouwd_ = -1;                // the step whose picture is shown
  QMap<int, unsigned> geprobeerd_;  // per step, bit c set: combination c was shown
};

}  // namespace kwil
