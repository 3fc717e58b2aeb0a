// Starting a lesson from the main menu: by mouse on a lesson picture or by push button s1..s5.
#include "interface/drivers.h"
#include "platform/services.h"
#include "selection/hoofdmenu.h"

#include "selection/hoofdmenu_kleuren.h"
#include "shared/datafiles.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"

namespace kwil {

namespace {

QString weigerTekst(int n, int cijfer) {
  return QStringLiteral("Deze les heb je al gedaan.") + vbCr + vbCr +
         QStringLiteral("Alleen na overleg met je docent kun je een les overdoen.") + vbCr + vbCr +
         QStringLiteral("Het door jou behaalde cijfer voor les %1 is een ").arg(n) + Str(cijfer) +
         QStringLiteral(".");
}

// The position of a release inside the picture is strict on all four edges; positions are in
// twips and the picture's size in pixels, 15 twips to a pixel whatever the screen says.
bool binnenPlaatje(const kwil::ImageBox& plaatje, float x, float y) {
  return x > 0 && x < TwipsPerPixel * plaatje.Width() && y > 0 && y < TwipsPerPixel * plaatje.Height();
}

}  // namespace

void Hoofdmenu::StartLes(int n) {
  KwilState& s = state();
  if (s.Cijfers[n] < 1) {
    s.Hoofdstuk = n;
    s.Stap = 1;
    QWidget* les = kwil::window(lessonWindow(n));
    if (!les) {
      // A lesson this version does not have yet: say so, and leave the menu working as before
      // (its polling stops at any tick that finds a lesson number).
      s.Hoofdstuk = 0;
      MsgBox(QStringLiteral("Deze les is nog niet beschikbaar."));
      return;
    }
    toonVenster(les);
    Hide();
    return;
  }
  MsgBox(weigerTekst(n, s.Cijfers[n]));
}

QString Hoofdmenu::plaatjeBestand(int n, Plaatje welk) {
  const char* stand = welk == Plaatje::Bediend ? "Bediend" : welk == Plaatje::OnBediend ? "OnBediend" : "Onbediend";
  return QStringLiteral("\\Afbeeldingen\\ImgSymboolEnkp%1HoofdmenuE%2.gif").arg(QLatin1String(stand)).arg(n);
}

void Hoofdmenu::toonPlaatje(int n, Plaatje welk) {
  // A missing picture leaves the one shown before.
  const QImage beeld = LoadPicture(dataFileName(programFolder() + plaatjeBestand(n, welk)));
  if (!beeld.isNull()) ImageBox(n).setPicture(beeld);
}

void Hoofdmenu::ImageBox_MouseDown(int n) {
  KwilState& s = state();
  SpeelGeluidMenuKlik();
  toonPlaatje(n, Plaatje::Bediend);
  kwil::Panel& titel = Panel(2 * n + 2);
  titel.setLook(kwil::Panel::Highlighted);
  titel.setBackColor(menukleur::TitelIngedrukt);
  titel.setForeColor(menukleur::IngedruktTekst);
  s.IngedruktPlaatje = n;
  s.OplichtendPlaatje = n;
}

void Hoofdmenu::ImageBox_MouseUp(int n, float x, float y) {
  KwilState& s = state();
  if (s.IngedruktPlaatje != 0) {
    toonPlaatje(s.IngedruktPlaatje, Plaatje::Onbediend);
    s.IngedruktPlaatje = 0;
  }
  // A pointer that crossed the background since the press has cleared the highlight.
  if (s.OplichtendPlaatje == 0) return;
  const int k = s.OplichtendPlaatje;
  titelNormaal(k);
  nummerNormaal(k);
  s.OplichtendPlaatje = 0;
  SchrijfUitgangen(0);
  if (binnenPlaatje(ImageBox(n), x, y)) StartLes(n);
}

void Hoofdmenu::TijdInterval_Timer() {
  KwilState& s = state();
  // Off while the tick runs: reading the inputs lets events run, and a tick must not overlap.
  TijdInterval.setEnabled(false);
  LeesIngangen();
  if (s.Ingangen != s.VorigeIngangen) {
    SpeelGeluidMenuKlik();
    ZetIngangen();
    int n = 1;
    while (n <= 5 && !s.Ingang[n + 2]) ++n;
    if (n <= 5) {
      toonPlaatje(n, Plaatje::Bediend);
      kwil::Panel& titel = Panel(2 * n + 2);
      titel.setLook(kwil::Panel::Highlighted);
      titel.setBackColor(menukleur::TitelIngedrukt);
      SchrijfUitgangen(1 << (n - 1));
      DoEvents();
      wachtOpLoslaten(n);
      toonPlaatje(n, Plaatje::OnBediend);
      titelNormaal(n);
      SchrijfUitgangen(0);
      // While the button was held the pupil may have left the menu with the mouse (back to
      // the selection window, or into another lesson); a lesson then must not start as well.
      if (isVisible()) StartLes(n);
    }
  }
  s.VorigeIngangen = s.Ingangen;
  // A menu left during the wait stays silent until it is shown again.
  if (s.Hoofdstuk < 1 && isVisible()) TijdInterval.setEnabled(true);
}

void Hoofdmenu::wachtOpLoslaten(int n) {
  KwilState& s = state();
  // A serial board unplugged while its button is held never reports the release: the wait
  // ends when the port has closed, instead of spinning until the program is stopped.
  const auto bordWeg = [&s] {
    return (s.InterfaceSoort == SoortICP12 || s.InterfaceSoort == SoortArduino) && !serialPort().PortOpen();
  };
  while (s.Ingang[n + 2] && !bordWeg()) {
    LeesIngangen();
    ZetIngangen();
  }
}

}  // namespace kwil
