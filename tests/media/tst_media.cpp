// The generated pictures: every name the windows load is there, the states of a circuit
// share one size and show current where it flows, and the drawings stay as approved.
#include "catalogue.h"
#include "circuits.h"
#include "schematic.h"
#include "les1/les1_omgeving.h"
#include "les5/les5_omgeving.h"
#include "lessons/frame/invoer.h"
#include "lessons/les1/les1teksten.h"
#include "lessons/les2/les2schakelingen.h"
#include "lessons/les2/les2teksten.h"
#include "selection/hoofdmenu.h"
#include "shared/datafiles.h"
#include "shared/geluid.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace kwil::media;

namespace {

// Every picture the main menu shows, as it names them.
QStringList hoofdmenuNamen() {
  using P = kwil::Hoofdmenu::Plaatje;
  QStringList namen;
  for (int les = 1; les <= 5; ++les)
    for (P welk : {P::Onbediend, P::Bediend, P::OnBediend})
      namen.append(kwil::Hoofdmenu::plaatjeBestand(les, welk));
  return namen;
}

// Every sound file: each call names its file in GeluidBestand (numbers without a sound of
// their own repeat the last one).
QStringList geluidNamen() {
  kwil::state().AantalGeluidskaarten = 1;
  QStringList namen;
  auto noteer = [&] {
    const QString naam = kwil::state().GeluidBestand.mid(kwil::programFolder().size());
    if (!namen.contains(naam)) namen.append(naam);
  };
  for (void (*speel)() : {kwil::SpeelGeluidTerug, kwil::SpeelGeluidDatIsSnel, kwil::SpeelGeluidMenuKlik,
                          kwil::SpeelGeluidMenuOver, kwil::SpeelGeluidVerder}) {
    speel();
    noteer();
  }
  for (int nummer = 0; nummer <= 20; ++nummer) {
    kwil::SpeelGeluid(nummer);
    noteer();
  }
  return namen;
}

// The narration Lees voor asks for on every page of a lesson.
QStringList voorleesNamen(int les, int paginas) {
  QStringList namen;
  kwil::state().Hoofdstuk = static_cast<std::int16_t>(les);
  for (int stap = 1; stap <= paginas; ++stap) {
    kwil::state().Stap = static_cast<std::int16_t>(stap);
    namen.append(kwil::VoorleesBestand(1, 0, 0));
  }
  return namen;
}

// The narration Lees voor asks for on every page of lesson 5.
QStringList les5VoorleesNamen() {
  QStringList namen;
  kwil::state().Hoofdstuk = 5;
  for (int stap = 1; stap <= kwil::binstelConfig().aantalPaginas; ++stap) {
    kwil::state().Stap = stap;
    namen.append(kwil::VoorleesBestand(1, 0, 0));
  }
  return namen;
}

// Every picture lesson 5 loads: its pages walked forward and back, and the help of page 7.
QStringList les5PlaatjesNamen(kwil::lestest::LesOmgeving& omgeving) {
  using namespace kwil;
  QSet<QString> namen;
  omgeving.begin();
  Binstel& les = lestest::toonLes5(1);
  auto noteer = [&] {
    for (int i = 1; i <= 2; ++i)
      if (!les.afbeeldingIn(i).isEmpty()) namen.insert(QStringLiteral("\\Afbeeldingen\\") + les.afbeeldingIn(i));
  };
  QList<int> stappen;
  for (int stap = 1; stap <= kLes5Paginas; ++stap) stappen.append(stap);
  for (int stap = kLes5Paginas - 1; stap >= 1; --stap) stappen.append(stap);
  for (int stap : stappen) {
    state().Stap = stap;
    les.Plaatstekst();
    noteer();
    if (stap == 7) {
      les.Command_Click(3);
      noteer();
    }
  }
  omgeving.end();
  QStringList lijst(namen.begin(), namen.end());
  lijst.sort();
  return lijst;
}

// Every circuit picture lesson 2 shows: its pages' circuits in every position of the switches.
QStringList les2PlaatjesNamen() {
  QStringList namen;
  for (int stap = 1; stap <= kwil::kLes2Paginas; ++stap) {
    const kwil::TabelPagina p = kwil::tabelOpPagina(stap);
    if (p.weergave == kwil::Weergave::Geen) continue;
    for (int rij = 0; rij < kwil::aantalRijen(kwil::gegevens(p.schakeling).schakelaars); ++rij)
      namen.append("\\Afbeeldingen\\" + kwil::plaatjeInRij(p.schakeling, rij));
    if (p.weergave == kwil::Weergave::Voorspellen)
      namen.append("\\Afbeeldingen\\" + kwil::plaatjeZonderStand(p.schakeling));
  }
  namen.removeDuplicates();
  return namen;
}

// Every picture lesson 1 loads. The pages are entered from both neighbours on a small and a
// large screen with each kind of interface (the interface photo depends on both); on one of
// those walks every combination of s1 to s5 and every button on the screen is tried too.
QStringList les1PlaatjesNamen(kwil::lestest::LesOmgeving& omgeving) {
  using namespace kwil;
  QSet<QString> namen;
  QList<int> stappen;
  for (int stap = 1; stap <= kLes1Paginas; ++stap) stappen.append(stap);
  for (int stap = kLes1Paginas - 1; stap >= 1; --stap) stappen.append(stap);
  for (const QSize scherm : {QSize(800, 600), QSize(1024, 768)}) {
    for (const int soort : {SoortParallel, SoortVelleman, SoortICP12, SoortArduino}) {
      omgeving.begin();
      omgeving.basis.screen->size = scherm;
      state().InterfaceSoort = static_cast<std::int16_t>(soort);
      NietEnOf& les = lestest::toonLes1(1);
      auto noteer = [&] {
        for (int k = 1; k <= les.plaatjes().ubound(); ++k)
          if (!les.plaatjeIn(k).isEmpty()) namen.insert(QStringLiteral("\\Afbeeldingen\\") + les.plaatjeIn(k));
      };
      auto druk = [&](int knoppen) {
        state().ToetsEmulatie = true;
        state().Ingangen = ingangenVanFToetsen(soort, {bool(knoppen & 1), bool(knoppen & 2), bool(knoppen & 4),
                                                       bool(knoppen & 8), bool(knoppen & 16)});
        les.TijdInterval_Timer();
        noteer();
      };
      const bool alles = soort == SoortArduino && scherm.width() == 1024;
      for (int stap : stappen) {
        state().Stap = stap;
        les.Plaatstekst();
        noteer();
        for (int knoppen = 1; alles && knoppen < 32; ++knoppen) {
          druk(knoppen);
          druk(0);
        }
        for (int knop = 1; alles && knop <= les.knoppen().ubound(); ++knop) {
          les.knoppen().events().MouseDown(knop, 1, 0, 0, 0);
          noteer();
          les.knoppen().events().MouseUp(knop, 1, 0, 0, 0);
          noteer();
        }
      }
      omgeving.end();
    }
  }
  QStringList lijst(namen.begin(), namen.end());
  lijst.sort();
  return lijst;
}

QString programDir() { return qEnvironmentVariable("KWIL_PROGRAM_DIR"); }

const CircuitFamily& familyOf(const QString& firstFileName) {
  for (const CircuitFamily& family : circuitFamilies())
    if (family.states.first().fileName == firstFileName) return family;
  qFatal("no circuit family %s", qPrintable(firstFileName));
}

// The labels of the parts that carry current with the given switches operated.
QStringList liveLabels(const Circuit& circuit, const QSet<QString>& operated) {
  const QList<bool> live = partsCarryingCurrent(circuit, operated);
  QStringList labels;
  for (qsizetype i = 0; i < circuit.parts.size(); ++i)
    if (live[i] && !circuit.parts[i].label.isEmpty()) labels.append(circuit.parts[i].label);
  labels.sort();
  return labels;
}

// Share of pixels that differ clearly in any colour channel.
double differingShare(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  qint64 differing = 0;
  for (int row = 0; row < x.height(); ++row) {
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))}) > 60)
        ++differing;
    }
  }
  return double(differing) / double(x.width() * x.height());
}

// The part that follows `part` at its end `end` along bare wire, as long as no junction comes
// between: the part in series there. Wire when the wire branches or ends at a terminal.
PartKind seriesNeighbour(const Circuit& circuit, const Part& part, QPointF end) {
  const Part* from = &part;
  for (int steps = 0; steps < circuit.parts.size(); ++steps) {
    QList<const Part*> touching;
    for (const Part& other : circuit.parts)
      if (&other != from && (other.from.toPoint() == end.toPoint() || other.to.toPoint() == end.toPoint()))
        touching.append(&other);
    if (touching.size() != 1) return PartKind::Wire;
    const Part* next = touching.first();
    if (next->kind != PartKind::Wire) return next->kind;
    end = next->from.toPoint() == end.toPoint() ? next->to : next->from;
    from = next;
  }
  return PartKind::Wire;
}

}  // namespace

class TestMedia : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Every sound, narration and picture name the main menu and lesson 1 can load, collected
  // from their code and matched as the program matches it.
  void loadedNameIsGenerated_data() {
    QTest::addColumn<QString>("name");
    kwil::lestest::LesOmgeving omgeving;
    omgeving.begin();
    QStringList names = hoofdmenuNamen() + geluidNamen() + voorleesNamen(1, kwil::nietEnOfConfig().aantalPaginas) +
                        voorleesNamen(2, kwil::kLes2Paginas) + les2PlaatjesNamen() + les5VoorleesNamen();
    omgeving.end();
    const QStringList pictures = les1PlaatjesNamen(omgeving);
    const QStringList les5 = les5PlaatjesNamen(omgeving);
    QCOMPARE(les5.size(), 8);
    names += les5;
    // The lesson swaps state pictures of six circuits and shows photos and symbols besides:
    // far fewer names means the walk no longer reaches the pages' reactions.
    QVERIFY2(pictures.size() >= 40, qPrintable(pictures.join(' ')));
    for (const QString& name : names + pictures) QTest::newRow(qPrintable(name)) << name;
    // The program ignores trailing blanks in a name.
    QTest::newRow("trailing blank") << QString("\\Afbeeldingen\\ImgLedRood.jpg ");
  }
  void loadedNameIsGenerated() {
    QFETCH(QString, name);
    QVERIFY2(QDir(programDir()).exists("Afbeeldingen"), "build the media first (targets kwil-media, kwil-narrate)");
    QVERIFY2(!kwil::dataFilePath(name).isEmpty(), qPrintable(name + " is missing"));
  }

  // The program swaps the state pictures of a circuit without moving its frame.
  void statesOfACircuitShareOneSize_data() {
    QTest::addColumn<QString>("family");
    for (const CircuitFamily& family : circuitFamilies())
      QTest::newRow(qPrintable(family.states.first().fileName)) << family.states.first().fileName;
  }
  void statesOfACircuitShareOneSize() {
    QFETCH(QString, family);
    QSize first;
    for (const CircuitState& state : familyOf(family).states) {
      const QImage generated(QDir(programDir()).filePath("Afbeeldingen/" + state.fileName));
      QVERIFY2(!generated.isNull(), qPrintable(state.fileName + " cannot be read"));
      if (!first.isValid()) first = generated.size();
      QCOMPARE(generated.size(), first);
    }
    if (family.contains("Hoofdmenu")) QCOMPARE(first, QSize(75, 250));
  }

  void currentFlowsWhereTheCircuitIsClosed_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QStringList>("operated");
    QTest::addColumn<QStringList>("live");
    const QString bell = "ImgSchemaBelOnbediend.bmp", niet = "ImgSchemaBelNietOnbediend.bmp";
    const QString of = "ImgSchemaBelOfOnbediend.bmp", en = "ImgSchemaBelEnOnbediend.bmp";
    const QString leds = "ImgSchemaLedsE1E2E3s1s2Onbediend.bmp";
    QTest::newRow("make contact at rest") << bell << QStringList{} << QStringList{};
    QTest::newRow("make contact pressed") << bell << QStringList{"s"} << QStringList{"H", "s"};
    QTest::newRow("break contact at rest") << niet << QStringList{} << QStringList{"H", "s"};
    QTest::newRow("break contact pressed") << niet << QStringList{"s"} << QStringList{};
    QTest::newRow("OF with s1") << of << QStringList{"s1"} << QStringList{"H", "s1"};
    QTest::newRow("OF with s2") << of << QStringList{"s2"} << QStringList{"H", "s2"};
    QTest::newRow("OF with both") << of << QStringList{"s1", "s2"} << QStringList{"H", "s1", "s2"};
    QTest::newRow("EN with s1 only") << en << QStringList{"s1"} << QStringList{};
    QTest::newRow("EN with both") << en << QStringList{"s1", "s2"} << QStringList{"H", "s1", "s2"};
    // E2 is reversed: it never lights, not even through the 0 rail from E3's branch.
    QTest::newRow("LEDs at rest") << leds << QStringList{} << QStringList{"E3", "R3", "s2"};
    QTest::newRow("LEDs with s1") << leds << QStringList{"s1"} << QStringList{"E1", "E3", "R1", "R3", "s1", "s2"};
    QTest::newRow("LEDs with s2") << leds << QStringList{"s2"} << QStringList{};
    QTest::newRow("LEDs with both") << leds << QStringList{"s1", "s2"} << QStringList{"E1", "R1", "s1"};
    // The prediction page's circuit without a state: its closed contacts carry nothing.
    QTest::newRow("no state") << "ImgTabelNietNietStroomloos.bmp" << QStringList{} << QStringList{};
  }
  void currentFlowsWhereTheCircuitIsClosed() {
    QFETCH(QString, family);
    QFETCH(QStringList, operated);
    QFETCH(QStringList, live);
    const QSet<QString> switches(operated.begin(), operated.end());
    QCOMPARE(liveLabels(familyOf(family).circuit, switches), live);
  }

  // Every circuit of one kind shows the same supply, and an LED never hangs on the supply
  // without a resistor in its branch.
  void suppliesAndSeriesResistors_data() {
    QTest::addColumn<QString>("family");
    for (const CircuitFamily& family : circuitFamilies())
      if (!family.circuit.terminals.isEmpty()) QTest::newRow(qPrintable(family.states.first().fileName))
                                               << family.states.first().fileName;
  }
  void suppliesAndSeriesResistors() {
    QFETCH(QString, family);
    const Circuit& circuit = familyOf(family).circuit;
    bool bell = false;
    QList<const Part*> leds;
    for (const Part& part : circuit.parts) {
      bell = bell || part.kind == PartKind::Bell;
      if (part.kind == PartKind::Led) leds.append(&part);
    }
    QVERIFY(bell != !leds.isEmpty());  // a bell circuit or an LED circuit
    QString supply;
    for (const Terminal& t : circuit.terminals)
      if (t.plus) supply = t.label;
    QCOMPARE(supply, bell ? QStringLiteral("12 V") : QStringLiteral("+12 V"));
    for (const Part* led : leds)
      QVERIFY2(seriesNeighbour(circuit, *led, led->from) == PartKind::Resistor ||
                   seriesNeighbour(circuit, *led, led->to) == PartKind::Resistor,
               qPrintable(led->label));
  }

  // Lesson 2 fills its tables from its own description of each circuit; the drawing must
  // light E1 in exactly the rows where that table has a 1.
  void truthTableCircuitsLightE1AsTheLessonSays_data() {
    QTest::addColumn<int>("schakeling");
    for (int s = 0; s <= static_cast<int>(kwil::Schakeling::Pers); ++s)
      QTest::newRow(kwil::gegevens(static_cast<kwil::Schakeling>(s)).plaatje) << s;
  }
  void truthTableCircuitsLightE1AsTheLessonSays() {
    QFETCH(int, schakeling);
    const auto s = static_cast<kwil::Schakeling>(schakeling);
    const CircuitFamily& family = familyOf(kwil::plaatjeInRij(s, 0));
    const int n = kwil::gegevens(s).schakelaars;
    QCOMPARE(family.states.size(), kwil::aantalRijen(n));
    for (int rij = 0; rij < kwil::aantalRijen(n); ++rij) {
      QSet<QString> operated;
      for (int k = 1; k <= n; ++k)
        if (kwil::bediendInRij(n, rij, k)) operated.insert(QString("s%1").arg(k));
      const bool lit = liveLabels(family.circuit, operated).contains("E1");
      QVERIFY2(lit == kwil::uitgangInRij(s, rij), qPrintable(kwil::plaatjeInRij(s, rij)));
      bool named = false;
      for (const CircuitState& state : family.states)
        named = named || (state.operated == operated && state.fileName == kwil::plaatjeInRij(s, rij));
      QVERIFY2(named, qPrintable(kwil::plaatjeInRij(s, rij) + " is not the drawing of that position"));
    }
  }

  // A drawing change shows up here; after an intended change, run the test with
  // KWIL_UPDATE_MEDIA_REFERENCES=1 to store the new drawings, and look at them.
  void drawingMatchesReference_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"ImgSchemaBelOfS1Bediend.bmp", "ImgSchemaLedsE1E2E3s1Bes2Onbediend.bmp",
                             "ImgSymboolNietEnkpBediend.bmp", "ImgSymboolEnkpBediendHoofdmenuE3.gif",
                             "ImgUSBIcp12Klein.jpg", "ImgLedAnodeKathode.jpg"})
      QTest::newRow(name) << QString::fromLatin1(name);
  }
  void drawingMatchesReference() {
    QFETCH(QString, name);
    QImage drawn;
    for (const PictureFile& file : pictureFiles())
      if (file.fileName == name) drawn = file.render();
    QVERIFY(!drawn.isNull());
    const QString reference = qEnvironmentVariable("KWIL_TEST_DATA") + "/media/" + QFileInfo(name).baseName() + ".png";
    if (qEnvironmentVariableIsSet("KWIL_UPDATE_MEDIA_REFERENCES")) {
      QVERIFY(drawn.save(reference));
      QSKIP("reference stored");
    }
    const QImage stored(reference);
    QVERIFY2(!stored.isNull(), qPrintable("no reference " + reference));
    QCOMPARE(drawn.size(), stored.size());
    const double share = differingShare(drawn, stored);
    QVERIFY2(share < 0.002, qPrintable(QString("%1 % of the pixels differ").arg(share * 100)));
  }

  void stateNamesFollowTheOperatedSwitches_data() {
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one switch") << QStringList{"s"} << QStringList{"XOnbediend.bmp", "XBediend.bmp"};
    QTest::newRow("two switches") << QStringList{"s1", "s2"}
                                  << QStringList{"XOnbediend.bmp", "XS1Bediend.bmp", "XS2Bediend.bmp", "XS1S2Bediend.bmp"};
  }
  void stateNamesFollowTheOperatedSwitches() {
    QFETCH(QStringList, switches);
    QFETCH(QStringList, names);
    const QList<CircuitState> states = statesNamed("X", switches, ".bmp");
    QStringList made;
    for (const CircuitState& state : states) made.append(state.fileName);
    QCOMPARE(made, names);
    QVERIFY(states.first().operated.isEmpty());
    QCOMPARE(states.last().operated.size(), switches.size());
  }

  void savedPictureReadsBackInItsFormat_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::newRow("bmp") << "a.bmp" << true;
    QTest::newRow("jpg") << "a.jpg" << true;
    QTest::newRow("gif") << "a.gif" << true;
    QTest::newRow("upper-case extension") << "a.BMP" << true;
    QTest::newRow("unknown format") << "a.png" << false;
  }
  void savedPictureReadsBackInItsFormat() {
    QFETCH(QString, name);
    QFETCH(bool, written);
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(215, 0, 0));
    QCOMPARE(savePicture(picture, dir.filePath(name)), written);
    if (!written) return;
    const QImage read(dir.filePath(name));
    QCOMPARE(read.size(), picture.size());
    QVERIFY(qAbs(qRed(read.pixel(20, 15)) - 215) < 8 && qGreen(read.pixel(20, 15)) < 8);
  }

  void everyPictureHasAKnownFormatAndUniqueName() {
    QSet<QString> seen;
    for (const PictureFile& file : pictureFiles()) {
      const QString lower = file.fileName.toLower();
      QVERIFY2(!seen.contains(lower), qPrintable("twice: " + file.fileName));
      seen.insert(lower);
      QVERIFY2(lower.endsWith(".bmp") || lower.endsWith(".jpg") || lower.endsWith(".gif"), qPrintable(file.fileName));
    }
  }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
