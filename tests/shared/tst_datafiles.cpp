#include <sys/time.h>
#include <time.h>

#include <QTest>

#include "shared/datafiles.h"

using namespace kwil;

namespace {

bool makeFile(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  return f.open(QIODevice::WriteOnly);
}

// Puts a folder's change time an hour back, as data folders that were installed long ago.
bool ageFolder(const QString& path) {
  timeval times[2];
  gettimeofday(&times[0], nullptr);
  times[0].tv_sec -= 3600;
  times[1] = times[0];
  return ::utimes(QFile::encodeName(path).constData(), times) == 0;
}

}  // namespace

class TestDataFiles : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void lookup_data() {
    QTest::addColumn<QStringList>("onDisk");  // under the program folder; a name ending in / is a folder
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found");  // the path under the program folder, empty when nothing
    QTest::newRow("same spelling") << QStringList{"Geluiden/SndVerder.wav"} << "\\Geluiden\\SndVerder.wav"
                                   << "Geluiden/SndVerder.wav";
    QTest::newRow("letter case of the file") << QStringList{"Afbeeldingen/ImgSchemaBelOnbediend.bmp"}
                                             << "\\Afbeeldingen\\ImgSchemaBelOnBediend.bmp"
                                             << "Afbeeldingen/ImgSchemaBelOnbediend.bmp";
    QTest::newRow("letter case of the folders") << QStringList{"teksten/HOOFDSTUK 1/toets/Vraag 01.mp3"}
                                                << "\\Teksten\\Hoofdstuk 1\\Toets\\Vraag 01.mp3"
                                                << "teksten/HOOFDSTUK 1/toets/Vraag 01.mp3";
    QTest::newRow("trailing blank asked")
        << QStringList{"Teksten/Hoofdstuk 1/Kwil 1-5.mp3"} << "\\Teksten\\Hoofdstuk 1\\Kwil 1-5.mp3  "
        << "Teksten/Hoofdstuk 1/Kwil 1-5.mp3";
    QTest::newRow("trailing blank on disk")
        << QStringList{"Teksten/Hoofdstuk 1 /Kwil 1-5.mp3 "} << "\\Teksten\\Hoofdstuk 1\\Kwil 1-5.mp3"
        << "Teksten/Hoofdstuk 1 /Kwil 1-5.mp3 ";
    QTest::newRow("leading blank matters")
        << QStringList{"Geluiden/SndZoem.wav"} << "\\Geluiden\\ SndZoem.wav"
        << "";
    QTest::newRow("inner blank matters")
        << QStringList{"Teksten/Hoofdstuk 1/Kwil 1-5.mp3"} << "\\Teksten\\Hoofdstuk1\\Kwil 1-5.mp3"
        << "";
    QTest::newRow("deeply nested") << QStringList{"a/B/c/D/e/f.txt"} << "\\A\\b\\C\\d\\E\\F.TXT"
                                   << "a/B/c/D/e/f.txt";
    QTest::newRow("forward slashes and doubled separators")
        << QStringList{"Geluiden/SndPiep.wav"} << "/Geluiden//sndpiep.wav"
        << "Geluiden/SndPiep.wav";
    QTest::newRow("exact spelling wins")
        << QStringList{"Afbeeldingen/Foto.jpg", "Afbeeldingen/foto.jpg"} << "\\Afbeeldingen\\foto.jpg"
        << "Afbeeldingen/foto.jpg";
    QTest::newRow("otherwise the first in order")
        << QStringList{"Afbeeldingen/foto.jpg", "Afbeeldingen/Foto.jpg"} << "\\Afbeeldingen\\FOTO.jpg"
        << "Afbeeldingen/Foto.jpg";
    QTest::newRow("missing file") << QStringList{"Geluiden/SndZoem.wav"} << "\\Geluiden\\SndFluit.wav"
                                  << "";
    QTest::newRow("missing folder") << QStringList{"Geluiden/SndZoem.wav"} << "\\Teksten\\SndZoem.wav"
                                    << "";
    QTest::newRow("a folder is no file") << QStringList{"Teksten/Hoofdstuk 2/"} << "\\Teksten\\Hoofdstuk 2"
                                         << "";
    QTest::newRow("file used as folder")
        << QStringList{"Geluiden/SndZoem.wav"} << "\\Geluiden\\SndZoem.wav\\x"
        << "";
    QTest::newRow("no way out of the folder")
        << QStringList{"Geluiden/SndZoem.wav"} << "\\Geluiden\\..\\..\\outside.txt"
        << "";
    QTest::newRow("empty name") << QStringList{"Geluiden/SndZoem.wav"} << ""
                                << "";
  }
  void lookup() {
    QFETCH(QStringList, onDisk);
    QFETCH(QString, asked);
    QFETCH(QString, found);
    QTemporaryDir root;
    const QString program = root.path() + QStringLiteral("/program");
    QVERIFY(makeFile(root.path() + QStringLiteral("/outside.txt")));
    for (const QString& entry : onDisk) {
      if (entry.endsWith(QLatin1Char('/')))
        QVERIFY(QDir().mkpath(program + QLatin1Char('/') + entry));
      else
        QVERIFY(makeFile(program + QLatin1Char('/') + entry));
    }
    const QString expected = found.isEmpty() ? QString() : program + QLatin1Char('/') + found;

    QCOMPARE(findFileIgnoringCase(program, asked), expected);
    qputenv("KWIL_PROGRAM_DIR", QFile::encodeName(program));
    QCOMPARE(dataFilePath(asked), expected);
    // As the program builds a full name: its folder followed by the Windows-style name.
    if (!asked.isEmpty()) QCOMPARE(dataFileName(program + asked), expected);
  }

  void fullNameOutsideTheProgramFolder() {
    QTemporaryDir root;
    QVERIFY(makeFile(root.path() + QStringLiteral("/Elders/Bestand.TXT")));
    qputenv("KWIL_PROGRAM_DIR", QFile::encodeName(root.path() + QStringLiteral("/program")));
    QString windowsName = root.path() + QStringLiteral("\\elders\\bestand.txt");
    QCOMPARE(dataFileName(windowsName), root.path() + QStringLiteral("/Elders/Bestand.TXT"));
    QCOMPARE(dataFileName(QStringLiteral("relatief\\bestand.txt")), QString());
  }

  // Listings are kept between look-ups; files added or removed later must still be seen,
  // both in a folder that just changed and in one that has not changed for long.
  void changesAreNoticed_data() {
    QTest::addColumn<bool>("oldFolder");
    QTest::newRow("folder changed just now") << false;
    QTest::newRow("folder unchanged for an hour") << true;
  }
  void changesAreNoticed() {
    QFETCH(bool, oldFolder);
    QTemporaryDir root;
    const QString folder = root.path() + QStringLiteral("/Geluiden");
    QVERIFY(makeFile(folder + QStringLiteral("/SndZoem.wav")));
    if (oldFolder) QVERIFY(ageFolder(folder));

    QCOMPARE(findFileIgnoringCase(root.path(), QStringLiteral("\\Geluiden\\SndPiep.wav")), QString());
    QVERIFY(!findFileIgnoringCase(root.path(), QStringLiteral("\\Geluiden\\SndZoem.wav")).isEmpty());

    QVERIFY(makeFile(folder + QStringLiteral("/sndpiep.WAV")));
    QCOMPARE(findFileIgnoringCase(root.path(), QStringLiteral("\\Geluiden\\SndPiep.wav")),
             folder + QStringLiteral("/sndpiep.WAV"));

    QVERIFY(QFile::remove(folder + QStringLiteral("/SndZoem.wav")));
    QCOMPARE(findFileIgnoringCase(root.path(), QStringLiteral("\\Geluiden\\SndZoem.wav")), QString());
  }

  // A lesson looks up a picture or sound on every page change: many look-ups must stay cheap.
  void repeatedLookupsAreFast() {
    QTemporaryDir root;
    const QString folder = root.path() + QStringLiteral("/Afbeeldingen");
    for (int i = 0; i < 500; ++i) QVERIFY(makeFile(folder + QStringLiteral("/Img%1.bmp").arg(i)));
    QVERIFY(ageFolder(folder));
    QVERIFY(ageFolder(root.path()));
    // The time this thread itself spends, so other programs keeping the machine busy do not count.
    const auto cpuMs = [] {
      timespec t{};
      ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
      return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    };
    const qint64 start = cpuMs();
    for (int i = 0; i < 2000; ++i)
      QVERIFY(!findFileIgnoringCase(root.path(), QStringLiteral("\\afbeeldingen\\IMG%1.BMP").arg(i % 500))
                   .isEmpty());
    const qint64 spent = cpuMs() - start;
    QVERIFY2(spent < 1000, qPrintable(QString::number(spent) + " ms"));
  }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
