#pragma once
// What every teacher-module test needs: a fresh student database, the module made through
// the window registry and a print service that writes PDF files instead of opening a dialog.
#include <QDate>
#include <QPrinter>
#include <QTest>

#include "platform/endprogram.h"
#include "selection/database/studentdatabase.h"
#include "shared/kwilstate.h"
#include "shared/windows.h"
#include "support/db_testfiles.h"
#include "support/programma_omgeving.h"
#include "teacher/leerlingvelden.h"
#include "teacher/leraarmodule.h"
#include "teacher/printservice.h"

namespace kwil::leraartest {

// Prints to a PDF file at pad, or cancels when pad is empty; counts the times it was asked.
class PdfPrintService : public PrintService {
 public:
  std::unique_ptr<QPrinter> kiesPrinter(QWidget*, const QString& documentNaam) override {
    ++keer;
    naam = documentNaam;
    if (pad.isEmpty()) return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pad);
    return printer;
  }
  QString pad;
  QString naam;
  int keer = 0;
};

struct Leerling {
  QString klas, voornaam, tussenvoegsel, achternaam;
};

class LeraarOmgeving : public programmatest::ProgrammaOmgeving {
 public:
  void begin() {
    ProgrammaOmgeving::begin();
    verseDatabase();
    auto printer = std::make_unique<PdfPrintService>();
    print = printer.get();
    installPrintService(std::move(printer));
    state().DatabasePad = db;
    state().LeraarWachtwoord = QStringLiteral("leraar");
    registerWindow(WindowId::Leraarmodule, [] { return std::make_unique<Leraarmodule>(); });
    registreerNepVensters({WindowId::Selectie});
  }

  void end() {
    opzet_.reset();
    ProgrammaOmgeving::end();
    installPrintService(nullptr);
  }

  // Pupils are added as registration adds them. Setting up goes through one connection, as
  // every opening of the encrypted file costs a key derivation.
  qint64 voegToe(const Leerling& l) {
    qint64 id = 0;
    opzet().run(
        QStringLiteral("INSERT INTO leerlingen (klas, voornaam, tussenvoegsel, achternaam, Aanmaakdatum, "
                       "Aanmaaktijd) VALUES (?, ?, ?, ?, '2024-09-02', '08:30:00')"),
        {l.klas, l.voornaam, l.tussenvoegsel.isEmpty() ? QStringLiteral(" ") : l.tussenvoegsel,
         l.achternaam});
    opzet().run(QStringLiteral("SELECT last_insert_rowid()"), {},
                [&](const QVariantList& r) { id = r[0].toLongLong(); });
    if (id == 0) qFatal("cannot add pupil");
    return id;
  }
  void zet(qint64 id, const QString& veld, const QVariant& waarde) {
    if (!opzet()
             .run(QStringLiteral("UPDATE leerlingen SET %1 = ? WHERE id = ?").arg(veld), {waarde, id})
             .ok())
      qFatal("cannot set %s", qPrintable(veld));
  }
  QVariant lees(qint64 id, const QString& veld) const {
    return dbtest::cell(db, QStringLiteral("SELECT %1 FROM leerlingen WHERE id = ?").arg(veld), {id});
  }
  QVariantList rij(qint64 id) const {
    const QList<QVariantList> rijen =
        dbtest::query(db, QStringLiteral("SELECT * FROM leerlingen WHERE id = ?"), {id});
    return rijen.value(0);
  }
  int aantalRijen() const {
    return dbtest::cell(db, QStringLiteral("SELECT COUNT(*) FROM leerlingen")).toInt();
  }

  // The module shown as the login shows it.
  Leraarmodule& toon() {
    opzet_.reset();
    module = windowAs<Leraarmodule>(WindowId::Leraarmodule);
    module->Show();
    return *module;
  }
  TextBox& vak(const QString& veld) const { return module->Text(leraar::tekstvakVan(veld)); }
  void klik(int knop) const { module->Command(knop).click(); }
  // Chooses a class in the class list as the teacher clicks it.
  void kiesKlas(const QString& klas) const {
    for (int i = 0; i < module->KlasLijst->ListCount(); ++i)
      if (module->KlasLijst->List(i) == klas) module->KlasLijst->setListIndex(i);
    QCOMPARE(module->gekozenKlas(), klas);
  }
  DbConnection& opzet() {
    if (!opzet_) {
      opzet_ = std::make_unique<DbConnection>();
      if (!opzet_->open(db, 5000).ok()) qFatal("cannot open the test database");
    }
    return *opzet_;
  }

  std::unique_ptr<DbConnection> opzet_;
  PdfPrintService* print = nullptr;
  Leraarmodule* module = nullptr;
};

// The buttons of the module.
enum Knop {
  Hoofdmenu = 1,
  Eerste,
  Vorige,
  Volgende,
  Laatste,
  Opslaan,
  Verwijderen,
  Wachtwoord,
  Inverteren,
  ParallelUsb,
  LeraarWachtwoord,
  Printen
};

}  // namespace kwil::leraartest
