#pragma once
// Lesson 2, "Waarheidstabel": truth tables filled in by operating the switches of a circuit,
// read, predicted, and used to recognise a circuit, in 29 pages; step 30 hands over to the test.
#include <QMap>

#include "lessons/frame/lessonwindow.h"
#include "lessons/les2/les2schakelingen.h"

namespace kwil {

// The frame values of lesson 2.
LessonConfig waarheidstabelConfig();

class Waarheidstabel : public LessonWindow {
  Q_OBJECT
 public:
  explicit Waarheidstabel(QWidget* parent = nullptr);

  // The grid: row 0 is the header, rows 1 to 8 the table; columns 1 to 4.
  kwil::Panel& cel(int rij, int kolom) { return Panel(celIndex(rij, kolom)); }
  static int celIndex(int rij, int kolom) { return kEersteCel + rij * 4 + (kolom - 1); }
  // The table row of the switches' present position (-1 on a page without a table).
  int huidigeRij() const { return huidigeRij_; }
  // What the pupil has done with the table of a page.
  TabelVoortgang& voortgang(int stap);
  // A click on a grid cell (a prediction on the page that asks for one).
  void celKlik(int index);

  static constexpr int kTabelPaneel = 30;   // the grid's frame
  static constexpr float kTabelLinks = 30;  // its design left beside a circuit
  static constexpr int kEersteCel = 40;     // Panel 40 to 75: 9 rows of 4 cells
  static constexpr int kPlaatjePaneel = 14;  // the circuit's frame, holding PictureBox(2)
  static constexpr int kRaadPaneel = 15;    // the unknown circuit's frame with the name buttons
  static constexpr int kEersteNaamKnop = 5;  // Command 5 to 8: WEL, NIET, EN, OF
  static constexpr std::int32_t kWit = 0xFFFFFF;

 protected:
  void bouwPagina() override;
  void beslisVerder() override;
  QString helpTekst() const override;
  void reageer() override;
  void lesKnopKlik(int index) override;
  void lesKnopOnderMuis(int index) override;
  bool lesKnopVerlaten(int index) override;
  void bijActiveren() override;
  void bijLaden() override;
  void schaalLesControls(const ScaleOptions& opties) override;

 private:
  void maakTabel();
  void maakRaadPaneel();
  void toonStand();  // the grid, the circuit and E1 for the position held
  void tekenTabel();
  void toonSchakeling();
  void zetUitgang();
  void plaatsNaastTabel(int paneel);
  void noteerHuidigeRij();
  bool isInteractief() const;
  TabelPagina pagina() const;

  QMap<int, TabelVoortgang> voortgang_;
  int huidigeRij_ = -1;
};

}  // namespace kwil
