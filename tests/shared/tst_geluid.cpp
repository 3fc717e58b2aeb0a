#include <QTest>

#include "shared/geluid.h"
#include "shared/kwilstate.h"
#include "support/fake_sound.h"
#include "support/fakes.h"

using namespace kwil;

namespace {

// The program folder of these tests, with the data files as they lie on disk: some spelled
// otherwise than the program names them, some missing.
const QStringList kFilesOnDisk = {
    "Geluiden/SndTerug.wav",
    "Geluiden/snddatissnel.WAV",
    "Geluiden/SndHfdMnuDown.wav",
    "Geluiden/SndHfdMnuOver.wav",
    "Geluiden/SndVerder.wav ",
    "Geluiden/SndBelTring.wav",
    "Geluiden/SndZoem.wav",
    "Geluiden/SndPiep.wav",
    "Geluiden/SndRelaisUp.wav",
    "Geluiden/SndRelaisDown.wav",  // SndFluit.wav is missing
    "Teksten/Hoofdstuk 1/Kwil 1-5.mp3",
    "Teksten/Hoofdstuk 1/Kwil 1-34.mp3",
    "Teksten/Hoofdstuk 1/Toets/Vraag 09.mp3",
    "Teksten/Hoofdstuk 1/Toets/Vraag 10.mp3",
    "Teksten/Hoofdstuk 1/Toets/Antwoord 09-2.mp3",
    "Teksten/Hoofdstuk 1/Toets/Antwoord 10-3.mp3",
    "Teksten/hoofdstuk 3/TOETS/vraag 07.MP3",
};

using Procedure = void (*)();
const QMap<QString, Procedure> kFixedSounds = {
    {"Terug", SpeelGeluidTerug},       {"DatIsSnel", SpeelGeluidDatIsSnel}, {"MenuKlik", SpeelGeluidMenuKlik},
    {"MenuOver", SpeelGeluidMenuOver}, {"Verder", SpeelGeluidVerder},
};

}  // namespace

class TestGeluid : public QObject {
  Q_OBJECT
  QTemporaryDir program_;
  fake::SoundFakes sound_{};

  QString onDisk(const QString& relative) const {
    return relative.isEmpty() ? QString() : program_.path() + QLatin1Char('/') + relative;
  }
  QString asProgramNames(const QString& windowsName) const { return program_.path() + windowsName; }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(program_.isValid());
    for (const QString& file : kFilesOnDisk) {
      QVERIFY(QDir(program_.path()).mkpath(QFileInfo(file).path()));
      QFile f(onDisk(file));
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
    qputenv("KWIL_PROGRAM_DIR", QFile::encodeName(program_.path()));
  }

  void init() {
    fake::installBasicFakes();
    sound_ = fake::installSoundFakes();
    state().AantalGeluidskaarten = 1;
  }

  void fixedSounds_data() {
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<int>("kaarten");
    QTest::addColumn<QString>("geluidBestand");
    QTest::addColumn<QString>("played");
    QTest::newRow("Terug") << "Terug" << 1 << "\\Geluiden\\SndTerug.wav"
                           << "Geluiden/SndTerug.wav";
    QTest::newRow("DatIsSnel, other case on disk") << "DatIsSnel" << 1 << "\\Geluiden\\SndDatIsSnel.wav"
                                                   << "Geluiden/snddatissnel.WAV";
    QTest::newRow("MenuKlik") << "MenuKlik" << 1 << "\\Geluiden\\SndHfdMnuDown.wav"
                              << "Geluiden/SndHfdMnuDown.wav";
    QTest::newRow("MenuOver") << "MenuOver" << 1 << "\\Geluiden\\SndHfdMnuOver.wav"
                              << "Geluiden/SndHfdMnuOver.wav";
    QTest::newRow("Verder, trailing blank on disk") << "Verder" << 1 << "\\Geluiden\\SndVerder.wav"
                                                    << "Geluiden/SndVerder.wav ";
    QTest::newRow("no sound device: Terug") << "Terug" << 0 << ""
                                            << "";
  }
  void fixedSounds() {
    QFETCH(QString, procedure);
    QFETCH(int, kaarten);
    QFETCH(QString, geluidBestand);
    QFETCH(QString, played);
    state().AantalGeluidskaarten = kaarten;
    kFixedSounds.value(procedure)();
    QCOMPARE(state().GeluidBestand, geluidBestand.isEmpty() ? QString() : asProgramNames(geluidBestand));
    QCOMPARE(sound_.wav->played, played.isEmpty() ? QStringList() : QStringList{onDisk(played)});
  }

  void numberedSounds_data() {
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<QString>("geluidBestand");
    QTest::newRow("5 bell") << QList<int>{5} << QStringList{"Geluiden/SndBelTring.wav"}
                            << "\\Geluiden\\SndBelTring.wav";
    QTest::newRow("6 buzz") << QList<int>{6} << QStringList{"Geluiden/SndZoem.wav"}
                            << "\\Geluiden\\SndZoem.wav";
    QTest::newRow("7 beep") << QList<int>{7} << QStringList{"Geluiden/SndPiep.wav"}
                            << "\\Geluiden\\SndPiep.wav";
    QTest::newRow("9 relay up") << QList<int>{9} << QStringList{"Geluiden/SndRelaisUp.wav"}
                                << "\\Geluiden\\SndRelaisUp.wav";
    QTest::newRow("10 relay down") << QList<int>{10} << QStringList{"Geluiden/SndRelaisDown.wav"}
                                   << "\\Geluiden\\SndRelaisDown.wav";
    QTest::newRow("8 missing file plays nothing")
        << QList<int>{8} << QStringList{} << "\\Geluiden\\SndFluit.wav";
    QTest::newRow("4 repeats the last")
        << QList<int>{6, 4} << QStringList{"Geluiden/SndZoem.wav", "Geluiden/SndZoem.wav"}
        << "\\Geluiden\\SndZoem.wav";
    QTest::newRow("11 repeats the last")
        << QList<int>{10, 11} << QStringList{"Geluiden/SndRelaisDown.wav", "Geluiden/SndRelaisDown.wav"}
        << "\\Geluiden\\SndRelaisDown.wav";
    QTest::newRow("fixed sound then 0 repeats it")
        << QList<int>{-1, 0} << QStringList{"Geluiden/SndTerug.wav", "Geluiden/SndTerug.wav"}
        << "\\Geluiden\\SndTerug.wav";
    QTest::newRow("out of range first plays nothing") << QList<int>{0, 11} << QStringList{} << "";
    QTest::newRow("repeat of a missing file")
        << QList<int>{8, 3} << QStringList{} << "\\Geluiden\\SndFluit.wav";
  }
  void numberedSounds() {
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, played);
    QFETCH(QString, geluidBestand);
    for (int n : numbers) {
      if (n == -1)
        SpeelGeluidTerug();
      else
        SpeelGeluid(n);
    }
    QStringList expected;
    for (const QString& p : played) expected << onDisk(p);
    QCOMPARE(sound_.wav->played, expected);
    QCOMPARE(state().GeluidBestand, geluidBestand.isEmpty() ? QString() : asProgramNames(geluidBestand));
  }

  void numberedSoundsWithoutDevice() {
    state().AantalGeluidskaarten = 0;
    for (int n = 4; n <= 11; ++n) SpeelGeluid(n);
    QVERIFY(sound_.wav->played.isEmpty());
    QVERIFY(state().GeluidBestand.isEmpty());
  }

  void narration_data() {
    QTest::addColumn<int>("hoofdstuk");
    QTest::addColumn<int>("stap");
    QTest::addColumn<int>("lesNummer");
    QTest::addColumn<QString>("vraagNummer");
    QTest::addColumn<QList<int>>("args");   // Soort, Deel, AntwoordNr
    QTest::addColumn<QString>("file");      // as the program names it
    QTest::addColumn<QString>("rendered");  // the file on disk, empty when none
    QTest::addColumn<bool>("run");
    QTest::newRow("page 5 not padded")
        << 1 << 5 << 0 << "" << QList<int>{1, 0, 0} << "\\Teksten\\Hoofdstuk 1\\Kwil 1-5.mp3"
        << "Teksten/Hoofdstuk 1/Kwil 1-5.mp3" << true;
    QTest::newRow("page 34") << 1 << 34 << 0 << "" << QList<int>{1, 0, 0}
                             << "\\Teksten\\Hoofdstuk 1\\Kwil 1-34.mp3"
                             << "Teksten/Hoofdstuk 1/Kwil 1-34.mp3" << true;
    QTest::newRow("missing page: run, nothing rendered")
        << 2 << 14 << 0 << "" << QList<int>{1, 0, 0} << "\\Teksten\\Hoofdstuk 2\\Kwil 2-14.mp3"
        << "" << true;
    QTest::newRow("question 9 padded")
        << 0 << 0 << 1 << "9" << QList<int>{2, 1, 0} << "\\Teksten\\Hoofdstuk 1\\Toets\\Vraag 09.mp3"
        << "Teksten/Hoofdstuk 1/Toets/Vraag 09.mp3" << true;
    QTest::newRow("question 10 not padded")
        << 0 << 0 << 1 << "10" << QList<int>{2, 1, 3} << "\\Teksten\\Hoofdstuk 1\\Toets\\Vraag 10.mp3"
        << "Teksten/Hoofdstuk 1/Toets/Vraag 10.mp3" << true;
    QTest::newRow("question 7, other case on disk")
        << 0 << 0 << 3 << "7" << QList<int>{2, 1, 0} << "\\Teksten\\Hoofdstuk 3\\Toets\\Vraag 07.mp3"
        << "Teksten/hoofdstuk 3/TOETS/vraag 07.MP3" << true;
    QTest::newRow("answer 09-2") << 0 << 0 << 1 << "9" << QList<int>{2, 2, 2}
                                 << "\\Teksten\\Hoofdstuk 1\\Toets\\Antwoord 09-2.mp3"
                                 << "Teksten/Hoofdstuk 1/Toets/Antwoord 09-2.mp3" << true;
    QTest::newRow("answer 10-3") << 0 << 0 << 1 << "10" << QList<int>{2, 2, 3}
                                 << "\\Teksten\\Hoofdstuk 1\\Toets\\Antwoord 10-3.mp3"
                                 << "Teksten/Hoofdstuk 1/Toets/Antwoord 10-3.mp3" << true;
    QTest::newRow("missing answer: run, nothing rendered")
        << 0 << 0 << 4 << "1" << QList<int>{2, 2, 4} << "\\Teksten\\Hoofdstuk 4\\Toets\\Antwoord 01-4.mp3"
        << "" << true;
    QTest::newRow("test, Deel 0: left stopped") << 1 << 5 << 1 << "9" << QList<int>{2, 0, 1} << ""
                                                << "" << false;
    QTest::newRow("test, Deel 3: left stopped") << 1 << 5 << 1 << "9" << QList<int>{2, 3, 1} << ""
                                                << "" << false;
    QTest::newRow("Soort 0: left stopped") << 1 << 5 << 1 << "9" << QList<int>{0, 0, 0} << ""
                                           << "" << false;
    QTest::newRow("Soort 3: left stopped") << 1 << 5 << 1 << "9" << QList<int>{3, 1, 1} << ""
                                           << "" << false;
  }
  void narration() {
    QFETCH(int, hoofdstuk);
    QFETCH(int, stap);
    QFETCH(int, lesNummer);
    QFETCH(QString, vraagNummer);
    QFETCH(QList<int>, args);
    QFETCH(QString, file);
    QFETCH(QString, rendered);
    QFETCH(bool, run);
    state().Hoofdstuk = hoofdstuk;
    state().Stap = stap;
    state().LesNummer = lesNummer;
    state().VraagNummer = vraagNummer;

    QCOMPARE(VoorleesBestand(args[0], args[1], args[2]), file);
    LeesTekstVoor(args[0], args[1], args[2]);

    QCOMPARE(sound_.narration->players.size(), 1);
    const fake::NarrationRecord& player = *sound_.narration->players[0];
    QCOMPARE(player.rendered, rendered.isEmpty() ? QStringList() : QStringList{onDisk(rendered)});
    QCOMPARE(player.runs, run ? 1 : 0);
    QCOMPARE(player.stops, 0);
    QVERIFY(!player.destroyed);
    QVERIFY(state().MediaBesturing != nullptr);
    QVERIFY(sound_.wav->played.isEmpty());
  }

  // Lees voor pressed twice: the click stops the narration, the new call replaces the player
  // and starts the page from its beginning.
  void readAloudTwiceRestarts() {
    state().Hoofdstuk = 1;
    state().Stap = 5;
    StopVoorlezen();  // nothing to stop yet
    LeesTekstVoor(1, 0, 0);
    StopVoorlezen();
    LeesTekstVoor(1, 0, 0);

    QCOMPARE(sound_.narration->players.size(), 2);
    const auto old = sound_.narration->players[0];
    const auto current = sound_.narration->players[1];
    QCOMPARE(old->stops, 1);
    QVERIFY(old->destroyed);
    QVERIFY(!current->destroyed);
    QCOMPARE(current->runs, 1);
    QCOMPARE(current->rendered, QStringList{onDisk("Teksten/Hoofdstuk 1/Kwil 1-5.mp3")});

    StopVoorlezen();
    QCOMPARE(current->stops, 1);
    QCOMPARE(old->stops, 1);
  }

  // A second answer chosen while the first is still read: the new call alone ends the first.
  void secondAnswerEndsTheFirst() {
    state().LesNummer = 1;
    state().VraagNummer = QStringLiteral("10");
    LeesTekstVoor(2, 2, 3);
    LeesTekstVoor(2, 2, 1);
    QCOMPARE(sound_.narration->players.size(), 2);
    QVERIFY(sound_.narration->players[0]->destroyed);
    QCOMPARE(sound_.narration->players[1]->runs, 1);
    QVERIFY(sound_.narration->players[1]->rendered.isEmpty());  // Antwoord 10-1.mp3 does not exist
  }
};

QTEST_GUILESS_MAIN(TestGeluid)
#include "tst_geluid.moc"
