#pragma once
// Lesson 5, "Binstel": the binary number system. The pupil builds one byte with eight bit
// buttons on the screen (and, on some pages, with the push buttons s1 to s5); the byte is shown
// bit by bit and in decimal and written to the eight outputs. 45 pages; step 46 hands over to
// the test.
#include "lessons/frame/lessonwindow.h"
#include "lessons/les5/les5teksten.h"

namespace kwil {

// The frame values of lesson 5.
LessonConfig binstelConfig();

// One movement of the title panel: the values its Top or Height took, in order.
struct TitelBeweging {
  int stappen = 0;
  float laatste = 0;  // the last value given (twips inside the byte frame)
};

class Binstel : public LessonWindow {
  Q_OBJECT
 public:
  explicit Binstel(QWidget* parent = nullptr);

  // The bit toggle of bit b (0 = least significant): the bit box's caption decides.
  void wisselBit(int b);
  // The byte to the outputs, VorigeIngangen up to date and the decimal value shown.
  void publiceerByte();
  // The steps on which a bit button (timer: an input) toggles its bit.
  static bool bitKnopStap(int stap);
  static bool ingangStap(int stap);

  // Sizes the frame p around image box i / inner panel q and centres both (no showing).
  void CentreerPanelEnImageBox(int p, int i) { centreerPanelRond(p, ImageBox(i)); }
  void CentreerPanelEnPanel(int p, int q) { centreerPanelRond(p, Panel(q)); }

  // The movements of the title panel during the last page build, in order.
  const QList<TitelBeweging>& titelBewegingen() const { return titelBewegingen_; }
  ControlArray<kwil::ImageBox>& afbeeldingen() { return ImageBox; }
  // The picture file last given to image box i (empty: none).
  QString afbeeldingIn(int i) const { return afbeeldingen_.value(i); }
  // Pieces of text printed on the canvas in a colour other than the normal one, in print order.
  const QList<QPair<QString, std::int32_t>>& gekleurdGedrukt() const { return gekleurd_; }

 protected:
  void bouwPagina() override;
  void beslisVerder() override;
  QString helpTekst() const override;
  void voorHulp() override;
  void reageer() override;
  void lesKnopKlik(int index) override;
  void lesKnopOnderMuis(int index) override;
  bool lesKnopVerlaten(int index) override;
  void bijActiveren() override;
  void schaalLesControls(const ScaleOptions& opties) override;
  void bijStop() override;

 private:
  kwil::Panel& opschrift(int index, QWidget& in, const QRectF& plaats, const QString& tekst, std::int32_t kleur,
                         float punten, bool vet = true);
  void maakKnoppenVlak();
  void maakByteVlak();
  void maakDecimaalVlak();
  void maakLijsten();
  void toon(int p) { Panel(p).setVisible(true); }
  void verberg(int p) { Panel(p).setVisible(false); }
  void zetBit(int b, bool aan);
  void wisByte();
  void wisMarkeringen();

  // The page builder's parts (binstel_paginas.cpp).
  void aankomst1tot14(int stap, int vorige);
  void aankomst15tot31(int stap, int vorige);
  void aankomst32tot46(int stap, int vorige);
  void drukPagina(const Les5Pagina& pagina);
  float bijschriftBreedte(const QString& tekst, float punten);
  void bijschrift(int buiten, int binnen, const QString& tekst, float breedte, float hoogte);
  void bijschriftOnderFoto(int buiten, int binnen, int foto, const QString& tekst);
  void foto(int lijst, int beeld, float breedte, float hoogte, const QString& naam);
  void conversieTitel(const QString& titel, std::int32_t kleur);
  void tekenAsciiTabel(int verbergen);
  void laadAfbeelding(int i, const QString& naam);
  // The title panel's movements and its typed title.
  void schuifTitel(float van, float tot, float stap, bool hoogte);
  void schuifTitelOmlaag();
  void typTitel(const QString& titel);

  void ImageBox_MouseMove(int index);

  ControlArray<kwil::ImageBox> ImageBox{QStringLiteral("ImageBox")};
  ControlArray<LineControl> lijn{QStringLiteral("lijn")};
  QList<TitelBeweging> titelBewegingen_;
  QMap<int, QString> afbeeldingen_;
  QList<QPair<QString, std::int32_t>> gekleurd_;
};

}  // namespace kwil
