#pragma once
// The frame that every lesson window shares: a book of numbered pages turned with Verder and
// Terug (with a slide and a running light), Help me, Stop, Lees voor, the progress gate before
// each new page, the hand-over to the test, the polling timer, F1 to F5 standing in for the
// interface's push buttons, Shift for a page change without animation, F11/F12, the hover
// colours and the clipboard copy of the page text.
//
// A lesson derives from it, hands it a LessonConfig, creates its own controls and then calls
// maakFrame() to create the frame's (the navigation buttons, the page canvas and page box,
// the footer and status panels) on top of them. It fills in the page builder, the gate, the
// help and the tick's reaction; everything else is here.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "lessons/frame/invoer.h"
#include "lessons/frame/lessonconfig.h"
#include "lessons/frame/paginatekst.h"
#include "platform/forms/forms.h"

namespace kwil {

// Where the frame's own controls stand on the 640 x 480 design.
struct FrameIndeling {
  float knoppenLinks = 515, knoppenBoven = 325, knopBreedte = 115, knopHoogte = 25, knopAfstand = 30;
  float paginaLinks = 13, paginaBoven = 325, paginaBreedte = 479, paginaHoogte = 134;
  float voettekstLinks = 13, voettekstBoven = 462, voettekstBreedte = 220, voettekstHoogte = 15;
  float statusLinks = 300, statusBoven = 462, statusBreedte = 192, statusHoogte = 15;
};

// Design pixels inside a panel, which places its controls in twips.
constexpr float tw(float pixels) { return pixels * TwipsPerPixel; }

class LessonWindow : public Form {
  Q_OBJECT
 public:
  explicit LessonWindow(LessonConfig config, QWidget* parent = nullptr);
  ~LessonWindow() override;

  const LessonConfig& config() const { return config_; }

  // The click of every Command button (navigation and lesson buttons alike).
  void Command_Click(int index);
  // The polling timer's tick; F1 to F5 run it directly.
  void TijdInterval_Timer();
  // Switches the polling timer on when Stap is a timer step.
  void SetResetTimer();
  // Empties the page lines (1 to 15, or all 25 when the lesson says so) and the clipboard.
  void MaakZinnenLeeg();
  // Builds the page of Stap on the canvas (never on the screen).
  void Plaatstekst();
  // The progress gate for the page just turned to; builds the page itself.
  void MagVerder();
  // Shows the help of the current page.
  void HelpTekst();
  // Sizes the frame panel p around its picture box q and centres both in the band above the
  // lower bound panel; a frame that would leave the window is kept inside it.
  void CentreerPanelEnPictureBox(int p, int q);
  // The same around any control placed in twips inside panel p (an image, an inner panel).
  void centreerPanelRond(int p, Control& inhoud);
  // Centres picture box q in panel p, whose size stays.
  void CentreerPictureBox(int p, int q);

  // The row offsets of the last slide's passes (one entry per pass; a single copy is {0}).
  const QList<int>& laatsteSchuif() const { return laatsteSchuif_; }
  // All passes made into the page box since the window was made.
  int kopieen() const { return kopieen_; }
  // The picture file last given to picture box k (empty: none), as the page named it.
  QString plaatjeIn(int k) const { return plaatjes_.value(k); }
  // The last few pictures loaded, oldest first, each as "k:name" (k the picture box).
  const QStringList& recentGeladen() const { return recentGeladen_; }
  ControlArray<CommandButton>& knoppen() { return Command; }
  ControlArray<kwil::Panel>& panelen() { return Panel; }
  ControlArray<kwil::PictureBox>& plaatjes() { return PictureBox; }
  ControlArray<kwil::Shape>& vormen() { return Shape; }
  kwil::Timer& timer() { return TijdInterval; }

 protected:
  // --- What a lesson fills in -------------------------------------------------------------
  // The page of Stap: frame work, text (drukTekst), outputs. Called between the common start
  // and the common end; at the hand-over step the frame then hands over by itself.
  virtual void bouwPagina() = 0;
  // The gate for the new Stap: may refuse with weigerVerder or tekenVraagBeantwoord.
  virtual void beslisVerder() {}
  // The help text of Stap, lines joined by carriage returns.
  virtual QString helpTekst() const = 0;
  // Help me, before the help text is shown (a picture the help talks about ...).
  virtual void voorHulp() {}
  // The tick's reaction to a change of the inputs on the current Stap (after ZetIngangen).
  virtual void reageer() {}
  // A click on a button that is not a navigation button.
  virtual void lesKnopKlik(int index) { (void)index; }
  // Mouse pressed / released on a Command button.
  virtual void knopOmlaag(int index) { (void)index; }
  virtual void knopOmhoog(int index) { (void)index; }
  // The pointer moved onto a lesson button / left the lesson button KnopOnderMuis names
  // (return false when that index is not one of the lesson's).
  virtual void lesKnopOnderMuis(int index) { (void)index; }
  virtual bool lesKnopVerlaten(int index) { (void)index; return false; }
  // Every showing, before the page is built (lesson frames hidden ...).
  virtual void bijActiveren() {}
  // The first loading, before the scaling (tool tips ...).
  virtual void bijLaden() {}
  // Extra arrays of the lesson to scale at the first loading.
  virtual void schaalLesControls(const ScaleOptions& opties) { (void)opties; }
  // Stop, before the main menu is shown (frames to hide ...).
  virtual void bijStop() {}

  // --- Helpers for the lesson ---------------------------------------------------------------
  void maakFrame(const FrameIndeling& indeling = {});
  // Stores the page's lines in Zin and prints them on the canvas.
  void drukTekst(const PaginaTekst& pagina);
  // Refuses the new page: optional "that was quick" sound, Stap back, the message.
  void weigerVerder(const QString& tekst, bool metGeluid);
  // The workbook question: passes when the page has been shown 10 seconds or more, or when
  // the pupil answers Yes; otherwise the page is refused. Returns true when passed.
  bool tekenVraagBeantwoord(const QString& vraag);
  // The same with the lesson's own wording: the whole text of the question, with or without
  // the "that was quick" sound.
  bool snelVerderBeantwoord(const QString& tekst, bool metGeluid);
  // Starts the 10-second count of a workbook page (and sets StapStartTijd).
  void startTekenKlok();
  // Less than ten seconds have passed since the last startTekenKlok.
  bool binnenTienSeconden() const;
  // Loads a picture from the picture folder into picture box k (AutoSize on); a missing file
  // leaves an empty picture of the box's present size.
  void laadPlaatje(int k, const QString& naam, bool autoSize = true);
  // Moves panel p by dx design pixels (times SchaalX), kept inside the window.
  void schuifPaneel(int p, float dx);
  // Keeps a panel inside the window.
  void houdBinnen(int p);
  // True while the polling tick runs (also while its read lets other events run).
  bool tikLoopt() const { return tikLoopt_; }
  bool isTimerStap(int stap) const { return config_.timerStappen.count(stap) > 0; }
  bool isFToetsStap(int stap) const { return config_.fToetsStappen.count(stap) > 0; }
  void toonVenster(WindowId id);

  ControlArray<CommandButton> Command{QStringLiteral("Command")};
  ControlArray<kwil::Panel> Panel{QStringLiteral("Panel")};
  ControlArray<kwil::PictureBox> PictureBox{QStringLiteral("PictureBox")};
  ControlArray<kwil::Shape> Shape{QStringLiteral("Shape")};
  kwil::Timer TijdInterval{this, 5};  // the polling timer, off until a timer step

  // Form events.
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  void Form_MouseMove(int button, int shift, float x, float y) override;
  void Form_FocusLost() override;
  void Form_QueryUnload(bool& cancel) override;

 private:
  bool isNavigatieKnop(int index) const;
  void zetNavigatieKnoppen(bool aan);
  void verder();
  void terug();
  void stop();
  void overdracht();
  void herstelHoverNavigatie(int tot);
  void Command_MouseMove(int index);
  void Panel_MouseMove();
  void PictureBox_Click();
  void fToetsOmlaag(int k);
  void fToetsOmhoog(int k);
  void bouwIngangenOp();
  void schrijfStatusregel();
  void schuif(Schuif soort);
  void eenKopie();
  void kopieer(int offset);
  kwil::PictureBox& canvas() { return PictureBox(1); }
  kwil::PictureBox& paginaVak() { return PictureBox(config_.paginaVak); }

  LessonConfig config_;
  QList<int> laatsteSchuif_;
  QMap<int, QString> plaatjes_;
  QStringList recentGeladen_;
  double tekenKlokStart_ = 0;  // monotonic seconds at the last startTekenKlok
  int kopieen_ = 0;
  int paginaBouwen_ = 0;       // counts page builds, so a tick sees a page change under it
  bool tikLoopt_ = false;
};

}  // namespace kwil
