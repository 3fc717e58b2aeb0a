// The program's settings and the class report. Each setting is stored in the settings row at
// once and takes effect as soon as it is stored.
#include <QFontMetrics>
#include <QPrinter>

#include "interface/drivers.h"
#include "platform/services.h"
#include "selection/database/databaselocation.h"
#include "shared/kwilstate.h"
#include "teacher/klasrapport.h"
#include "teacher/leraarmodule.h"
#include "teacher/printservice.h"

namespace kwil {

namespace {

constexpr float kKleinsteLetter = 5;

QString interfaceNaam(std::int16_t soort) {
  switch (soort) {
    case SoortParallel:
      return QStringLiteral("Parallel");
    case SoortVelleman:
      return QStringLiteral("Velleman (USB)");
    case SoortICP12:
      return QStringLiteral("iCP12");
    case SoortArduino:
      return QStringLiteral("Arduino");
    default:
      return QStringLiteral("onbekend");
  }
}

// The largest size up to `grootste` in which every line of the panel's caption stands on one
// line inside the panel, so that no setting wraps over another.
float letterDiePast(const kwil::Panel& paneel, float grootste) {
  const QStringList regels = displayLines(paneel.Caption()).split(QLatin1Char('\n'));
  const int rand = 2 * (2 * paneel.BevelWidth() + paneel.BorderWidth() + 3);
  float punten = grootste;
  for (; punten > kKleinsteLetter; punten -= 0.25f) {
    QFont letter = paneel.font();
    letter.setPointSizeF(punten);
    const QFontMetrics maat(letter);
    bool past = regels.size() * maat.lineSpacing() <= paneel.height() - rand;
    for (const QString& regel : regels) past = past && maat.horizontalAdvance(regel) <= paneel.width() - rand;
    if (past) break;
  }
  return punten;
}

}  // namespace

void Leraarmodule::toonInstellingen() {
  const KwilState& s = state();
  kwil::Panel& paneel = Panel(3);
  paneel.setCaption(QStringLiteral(" Interface: ") + interfaceNaam(s.InterfaceSoort) + vbCr +
                    QStringLiteral(" Inverteren: ") +
                    (s.UitgangenInverteren ? QStringLiteral("aan") : QStringLiteral("uit")));
  paneel.setFontSize(letterDiePast(paneel, instellingenLetter_ > 0 ? instellingenLetter_ : paneel.FontSize()));
}

// A switch takes effect only once it is stored: what is on screen and at the interface is
// always what the next start-up reads. A write that fails leaves everything as it was.
void Leraarmodule::inverteer() {
  KwilState& s = state();
  if (!gelukt(studentDatabase().setInverteer(!s.UitgangenInverteren))) return;
  s.UitgangenInverteren = !s.UitgangenInverteren;
  // The outputs show the new setting at once.
  SchrijfUitgangen(0);
  toonInstellingen();
}

// Between the parallel port and the K8055 cards; a board on a COM port stays in use.
void Leraarmodule::wisselInterface() {
  KwilState& s = state();
  const std::int16_t was = s.InterfaceSoort;
  std::int16_t wordt = was;
  if (was == SoortVelleman) wordt = SoortParallel;
  if (was == SoortParallel) wordt = SoortVelleman;
  if (!gelukt(studentDatabase().setUsb(wordt))) return;
  if (was == SoortVelleman) platform().k8055->closeDevice();
  s.InterfaceSoort = wordt;
  if (wordt == SoortVelleman) ZoekVellemanKaarten();
  SchrijfUitgangen(0);
  toonInstellingen();
}

namespace {
// The length of the selection window's password box.
constexpr int kMaxWachtwoordLengte = 10;
}  // namespace

void Leraarmodule::wijzigLeraarWachtwoord() {
  KwilState& s = state();
  const QString vraag = QStringLiteral("Het huidige wachtwoord is ") + s.LeraarWachtwoord + vbCr + vbCr +
                        QStringLiteral("Typ het nieuwe wachtwoord.");
  const QString nieuw = platform().dialogs->inputBox(vraag, QStringLiteral("Leraarwachtwoord"), QString());
  // Cancel gives the empty text: the teacher changed their mind, so nothing changes and nothing
  // is said. (An empty password could not be typed at the login either.)
  if (nieuw.isEmpty()) return;
  if (nieuw.size() > kMaxWachtwoordLengte) {
    // The login box takes no more characters than this: a longer password locks the teacher out.
    MsgBox(QStringLiteral("Een wachtwoord mag hoogstens %1 tekens hebben. Het wachtwoord is niet gewijzigd.")
               .arg(kMaxWachtwoordLengte));
    return;
  }
  if (!gelukt(studentDatabase().setTeacherPassword(nieuw))) return;
  s.LeraarWachtwoord = nieuw;
  MsgBox(QStringLiteral("Het nieuwe wachtwoord is opgeslagen."));
}

void Leraarmodule::printen() {
  if (klas_.isEmpty()) {
    MsgBox(QStringLiteral("Er is geen klas om af te drukken."));
    return;
  }
  if (!bewaar()) return;
  // The report shows what is stored now, also results stored by others meanwhile.
  const DbResult<QList<PupilRow>> rijen = studentDatabase().pupilRows(klas_);
  if (!gelukt(rijen.status)) return;
  const KlasRapport rapport = maakKlasRapport(klas_, rijen.value, QDate::currentDate());
  std::unique_ptr<QPrinter> printer = printService().kiesPrinter(this, rapportTitel(rapport));
  if (!printer) return;
  if (drukKlasRapport(*printer, rapport) == 0) {
    MsgBox(QStringLiteral("Het afdrukken is mislukt."));
    return;
  }
  if (printer->outputFormat() == QPrinter::PdfFormat)
    MsgBox(QStringLiteral("De cijferlijst is opgeslagen in ") + printer->outputFileName());
}

}  // namespace kwil
