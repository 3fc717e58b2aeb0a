// The pupils of the chosen class: browsing, editing, storing and deleting.
#include <algorithm>

#include "selection/database/databaselocation.h"
#include "shared/kwilstate.h"
#include "teacher/klasrapport.h"
#include "teacher/leerlingvelden.h"
#include "teacher/leraarmodule.h"

namespace kwil {

namespace {
constexpr int kNaamBreedte = 28;  // characters of the name in the overview

// One line of the overview: the name and the marks of lessons 1 to 6.
QString overzichtRegel(const QString& naam, const QStringList& cijfers) {
  QString regel = naam.left(kNaamBreedte).leftJustified(kNaamBreedte + 1);
  for (const QString& cijfer : cijfers) regel += cijfer.rightJustified(4);
  return regel;
}
}  // namespace

QString Leraarmodule::overzichtKop() {
  QStringList lessen;
  for (int les = 1; les <= 6; ++les) lessen.append(QStringLiteral("L%1").arg(les));
  return overzichtRegel(QStringLiteral("Naam"), lessen);
}

// The classes as they are in the database now; the chosen class stays chosen while it has
// pupils, otherwise the first class is taken.
void Leraarmodule::vulKlassen() {
  const DbResult<QStringList> klassen = studentDatabase().classes();
  gelukt(klassen.status);
  vullen_ = true;
  KlasLijst->Clear();
  for (const QString& klas : klassen.value) KlasLijst->AddItem(klas);
  vullen_ = false;
  if (!klassen.value.contains(klas_)) klas_ = klassen.value.value(0);
  selecteerKlas();
  leesKlas();
}

void Leraarmodule::selecteerKlas() {
  int positie = -1;
  for (int i = 0; i < KlasLijst->ListCount(); ++i)
    if (KlasLijst->List(i) == klas_) positie = i;
  vullen_ = true;
  KlasLijst->setListIndex(positie);
  vullen_ = false;
}

void Leraarmodule::leesKlas() {
  rijen_.clear();
  if (!klas_.isEmpty()) {
    const DbResult<QList<PupilRow>> rijen = studentDatabase().pupilRows(klas_);
    if (gelukt(rijen.status)) rijen_ = rijen.value;
  }
  vulOverzicht();
}

void Leraarmodule::vulOverzicht() {
  vullen_ = true;
  Overzicht->Clear();
  for (const PupilRow& rij : rijen_) {
    QStringList cijfers;
    for (int les = 1; les <= 6; ++les)
      cijfers.append(rapportCijfer(rij.value(QStringLiteral("cijferles%1").arg(les))));
    Overzicht->AddItem(overzichtRegel(leraar::volledigeNaam(rij), cijfers));
  }
  vullen_ = false;
}

int Leraarmodule::positieVan(qint64 id) const {
  for (int i = 0; i < rijen_.size(); ++i)
    if (rijen_[i].id == id) return i;
  return -1;
}

void Leraarmodule::herlaad(qint64 toonId) {
  const int vorige = huidige_;
  vulKlassen();
  int positie = positieVan(toonId);
  if (positie < 0) positie = std::min(std::max(vorige, 0), aantalLeerlingen() - 1);
  toonLeerling(positie);
}

// Shows the pupil at positie in the class (-1: nobody, the class is empty).
void Leraarmodule::toonLeerling(int positie) {
  huidige_ = positie >= 0 && positie < aantalLeerlingen() ? positie : -1;
  const bool iemand = huidige_ >= 0;
  getoond_ = iemand ? leraar::teksten(rijen_[huidige_]) : QStringList();
  const int velden = static_cast<int>(leraar::getoondeVelden().size());
  for (int i = 1; i <= velden; ++i) {
    Text(i).setText(getoond_.value(i - 1));
    // A name longer than its box shows its beginning, as it is read.
    Text(i).setSelStart(0);
    Text(i).setEnabled(iemand);
  }
  for (int knop = 2; knop <= 8; ++knop) Command(knop).setEnabled(iemand);
  Panel(2).setCaption(iemand ? QStringLiteral(" Leerling %1 van %2").arg(huidige_ + 1).arg(aantalLeerlingen())
                             : QStringLiteral(" Geen leerlingen in deze klas."));
  vullen_ = true;
  Overzicht->setListIndex(huidige_);
  vullen_ = false;
}

QStringList Leraarmodule::tekstenInVakken() const {
  QStringList t;
  const int velden = static_cast<int>(leraar::getoondeVelden().size());
  for (int i = 1; i <= velden; ++i) t.append(Text(i).Text());
  return t;
}

// Goes to another pupil of the class, after storing what was changed.
void Leraarmodule::ga(int positie) {
  if (huidige_ < 0) return;
  const qint64 doel = rijen_[std::clamp(positie, 0, aantalLeerlingen() - 1)].id;
  if (!bewaar()) return;
  const int nieuw = positieVan(doel);
  toonLeerling(nieuw >= 0 ? nieuw : huidige_);
}

// Stores the fields the teacher changed, and only those. False when a value was refused or
// the database failed: then nothing is stored and the texts stay for the teacher to correct.
bool Leraarmodule::bewaar() {
  if (huidige_ < 0) return true;
  const leraar::Wijzigingen w = leraar::bepaalWijzigingen(getoond_, tekstenInVakken());
  if (!w.ok()) {
    MsgBox(w.fout);
    return false;
  }
  if (w.velden.isEmpty()) return true;
  const qint64 id = rijen_[huidige_].id;
  const DbResult<bool> opgeslagen = studentDatabase().updatePupilFields(id, w.velden);
  if (!gelukt(opgeslagen.status)) return false;
  if (!opgeslagen.value)
    MsgBox(QStringLiteral("Deze leerling is intussen verwijderd. De wijzigingen zijn niet opgeslagen."));
  // Read back what is stored now, with what others stored meanwhile.
  herlaad(id);
  return true;
}

void Leraarmodule::verwijder() {
  if (huidige_ < 0) return;
  const PupilRow rij = rijen_[huidige_];
  const QString vraag = QStringLiteral("Wil je ") + leraar::volledigeNaam(rij) +
                        QStringLiteral(" uit klas ") + klas_ + QStringLiteral(" echt verwijderen?");
  if (MsgBox(vraag, DialogService::YesNo, QStringLiteral("Vraagje")) != DialogService::Yes) return;
  gelukt(studentDatabase().deletePupil(rij.id).status);
  herlaad(-1);
}

void Leraarmodule::KlasLijst_Click() {
  if (vullen_) return;
  const QString gekozen = KlasLijst->Text();
  if (gekozen == klas_ || gekozen.isEmpty()) return;
  if (!bewaar()) {
    selecteerKlas();
    return;
  }
  klas_ = gekozen;
  vulKlassen();
  toonLeerling(0);
}

void Leraarmodule::Overzicht_Click() {
  if (vullen_) return;
  const int gekozen = Overzicht->ListIndex();
  if (gekozen < 0 || gekozen == huidige_) return;
  ga(gekozen);
  if (huidige_ != gekozen) {
    vullen_ = true;
    Overzicht->setListIndex(huidige_);
    vullen_ = false;
  }
}

void Leraarmodule::wachtwoordTonen(bool zichtbaar) {
  wachtwoordZichtbaar_ = zichtbaar;
  Text(leraar::tekstvakVan(QStringLiteral("wachtwoord")))
      .setPasswordChar(zichtbaar ? QString() : QStringLiteral("*"));
  Command(8).setCaption(zichtbaar ? QStringLiteral("Wachtwoord &verbergen")
                                  : QStringLiteral("Wachtwoord &tonen"));
}

}  // namespace kwil
