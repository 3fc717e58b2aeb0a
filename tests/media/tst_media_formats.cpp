// The file formats the generator writes: GIF through our own writer, 16-bit PCM wav, and the
// mp3 narration pipeline.
#include "gifwriter.h"
#include "narration.h"
#include "spokenforms.h"
#include "sounds.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QThread>
#include <QTest>

using namespace kwil::media;

namespace {

QImage fewColours(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.fillRect(QRect(0, 0, size.width() / 2 + 1, size.height() / 3 + 1), QColor(215, 0, 0));
  p.fillRect(QRect(size.width() / 3, size.height() / 2, size.width(), 2), QColor(20, 20, 20));
  return image;
}

QImage manyColours(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 128));
  return image;
}

double meanChannelError(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int row = 0; row < x.height(); ++row)
    for (int col = 0; col < x.width(); ++col) {
      const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * x.width() * x.height());
}

struct WavInfo {
  bool valid = false;
  int format = 0, channels = 0, rate = 0, bits = 0;
  QList<qint16> samples;
};

WavInfo readWav(const QString& path) {
  WavInfo info;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return info;
  const QByteArray data = file.readAll();
  if (data.size() < 44 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE") return info;
  auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(data.constData() + at); };
  auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(data.constData() + at); };
  for (qsizetype at = 12; at + 8 <= data.size();) {
    const QByteArray id = data.mid(at, 4);
    const qsizetype length = u32(at + 4);
    if (id == "fmt ") {
      info.format = u16(at + 8);
      info.channels = u16(at + 10);
      info.rate = int(u32(at + 12));
      info.bits = u16(at + 22);
    } else if (id == "data") {
      if (at + 8 + length > data.size()) return info;
      for (qsizetype i = 0; i + 1 < length; i += 2) info.samples.append(qint16(u16(at + 8 + i)));
      info.valid = info.format != 0;
      return info;
    }
    at += 8 + length + (length & 1);
  }
  return info;
}

bool toolsForNarration() {
  return !QStandardPaths::findExecutable("espeak-ng").isEmpty() && !QStandardPaths::findExecutable("lame").isEmpty();
}

bool looksLikeMp3(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(3);
  return file.size() > 1000 && (head == "ID3" || (head.size() == 3 && quint8(head[0]) == 0xFF && (quint8(head[1]) & 0xE0) == 0xE0));
}

}  // namespace

class TestMediaFormats : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void gifReadsBack_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<double>("allowedError");
    QTest::newRow("few colours kept exactly") << fewColours({75, 250}) << 0.0;
    QTest::newRow("one pixel") << fewColours({1, 1}) << 0.0;
    QTest::newRow("odd width") << fewColours({333, 7}) << 0.0;
    QTest::newRow("more than 256 colours reduced") << manyColours({120, 90}) << 8.0;
  }
  void gifReadsBack() {
    QFETCH(QImage, picture);
    QFETCH(double, allowedError);
    QTemporaryDir dir;
    const QString path = dir.filePath("plaatje.gif");
    QVERIFY(writeGif(picture, path));
    const QImage read(path, "GIF");
    QVERIFY(!read.isNull());
    QCOMPARE(read.size(), picture.size());
    QVERIFY2(meanChannelError(read, picture) <= allowedError, qPrintable(QString::number(meanChannelError(read, picture))));
  }

  void gifWriterReportsFailure() {
    QVERIFY(!writeGif(fewColours({10, 10}), "/nonexistent-folder/x.gif"));
    QVERIFY(!writeGif(QImage(), QDir::temp().filePath("kwil-empty.gif")));
    QVERIFY(!QFile::exists(QDir::temp().filePath("kwil-empty.gif")));
  }

  // Short, clean and not loud: 16-bit PCM mono, a sensible length, a peak well below full
  // scale, and no click at the start or the end.
  void soundIsShortCleanPcm_data() {
    QTest::addColumn<QString>("name");
    for (const SoundEffect& effect : soundEffects()) QTest::newRow(qPrintable(effect.fileName)) << effect.fileName;
  }
  void soundIsShortCleanPcm() {
    QFETCH(QString, name);
    const WavInfo wav = readWav(qEnvironmentVariable("KWIL_PROGRAM_DIR") + "/Geluiden/" + name);
    QVERIFY2(wav.valid, "not a readable wav file (build target kwil-media first)");
    QCOMPARE(wav.format, 1);
    QCOMPARE(wav.channels, 1);
    QCOMPARE(wav.bits, 16);
    QVERIFY(wav.rate == 22050 || wav.rate == 44100);
    const double seconds = double(wav.samples.size()) / wav.rate;
    QVERIFY2(seconds >= 0.01 && seconds <= 2.0, qPrintable(QString::number(seconds)));
    int peak = 0;
    for (qint16 s : wav.samples) peak = std::max(peak, std::abs(int(s)));
    QVERIFY2(peak > 32767 * 0.1 && peak < 32767 * 0.6, qPrintable(QString::number(peak)));
    QVERIFY2(std::abs(wav.samples.last()) < 32767 * 0.05, "ends with a click");
  }

  void wavWriterReportsFailure() { QVERIFY(!writeWav("/nonexistent-folder/x.wav", Samples(10, 0.0f))); }

  void narrationSpeaksOnlyWhatChanged() {
    if (!toolsForNarration()) QSKIP("espeak-ng or lame missing");
    QTemporaryDir dir;
    const QList<NarrationText> texts = {{"Hoofdstuk 1/Kwil 1-1.mp3", "In deze les wordt het volgende besproken."},
                                        {"Hoofdstuk 1/Toets/Vraag 01.mp3", "Wat is een maakcontact?"}};
    NarrationResult result = generateNarration(dir.path(), texts);
    QCOMPARE(result.failures, QStringList());
    QCOMPARE(result.spoken, 2);
    for (const NarrationText& text : texts) QVERIFY(looksLikeMp3(dir.filePath(text.fileName)));

    result = generateNarration(dir.path(), texts);
    QCOMPARE(result.spoken, 0);
    QCOMPARE(result.unchanged, 2);

    QList<NarrationText> changed = texts;
    changed[1].text = "Wat is een verbreekcontact?";
    QVERIFY(QFile::remove(dir.filePath(texts[0].fileName)));
    result = generateNarration(dir.path(), changed);
    QCOMPARE(result.spoken, 2);  // one file gone, one text changed
    QCOMPARE(result.unchanged, 0);

    // A file of an earlier encoding, whose empty first frame made the player warn, is made again.
    QFile manifest(dir.filePath(".narration-texts"));
    QVERIFY(manifest.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray earlier = "espeak-ng -v nl -s 150 | lame -m m -b 64\n" + texts[0].text.toUtf8();
    manifest.write(QCryptographicHash::hash(earlier, QCryptographicHash::Sha1).toHex() + '\t' +
                   texts[0].fileName.toUtf8());
    manifest.close();
    QCOMPARE(generateNarration(dir.path(), {texts[0]}).spoken, 1);
  }

  // A missing program fails every text (more texts than run side by side, so the later ones
  // start as earlier ones fail), ends without waiting, and leaves no file behind.
  void narrationFailsWithoutItsPrograms_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("named");
    QTest::newRow("no speech program") << QStringList{} << "espeak-ng";
    QTest::newRow("no encoder") << QStringList{"espeak-ng"} << "lame";
  }
  void narrationFailsWithoutItsPrograms() {
    QFETCH(QStringList, present);
    QFETCH(QString, named);
    QTemporaryDir bin, dir;
    for (const QString& program : present) {
      const QString real = QStandardPaths::findExecutable(program);
      if (real.isEmpty()) QSKIP("espeak-ng missing");
      QVERIFY(QFile::link(real, bin.filePath(program)));
    }
    QList<NarrationText> texts;
    for (int i = 0; i < 2 * QThread::idealThreadCount() + 1; ++i)
      texts.append({QStringLiteral("Hoofdstuk 1/Kwil 1-%1.mp3").arg(i + 1), QStringLiteral("Tekst %1.").arg(i + 1)});
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    const NarrationResult result = generateNarration(dir.path(), texts);
    qputenv("PATH", path);
    QCOMPARE(result.spoken, 0);
    QCOMPARE(result.failures.size(), texts.size());
    for (const QString& failure : result.failures) QVERIFY2(failure.startsWith(named + " kon "), qPrintable(failure));
    for (const NarrationText& text : texts) QVERIFY(!QFile::exists(dir.filePath(text.fileName)));
  }

  // An option the tool does not know is never taken for a program folder to speak into.
  void narrationToolRefusesUnknownOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("help") << QStringList{"--help"};
    QTest::newRow("nothing") << QStringList{};
  }
  void narrationToolRefusesUnknownOptions() {
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.start(KWIL_NARRATION_TOOL, arguments);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 2);
    QVERIFY(tool.readAllStandardError().startsWith("Gebruik: kwil-narration"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
  }

  void narrationRefusesAnEmptyText() {
    QTemporaryDir dir;
    const NarrationResult result = generateNarration(dir.path(), {{"Hoofdstuk 1/Kwil 1-2.mp3", "  "}});
    QCOMPARE(result.spoken, 0);
    QCOMPARE(result.failures.size(), 1);
    QVERIFY(!QFile::exists(dir.filePath("Hoofdstuk 1/Kwil 1-2.mp3")));
  }

  void spokenTextOfPageLines_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("empty lines left out") << QStringList{"", "De bel is aan.", "  ", "Zo. "} << "De bel is aan. Zo.";
    QTest::newRow("a sentence over two lines") << QStringList{"die met draden", "verbonden zijn."}
                                               << "die met draden verbonden zijn.";
    QTest::newRow("abbreviations") << QStringList{"Bel bij Dhr. Vonkel,", "vraag 1 op blz. 6."}
                                   << "Bel bij meneer Vonkel, vraag 1 op bladzijde 6.";
    QTest::newRow("a range of numbers") << QStringList{"(10 - 20 mA)"} << "(10 tot 20 milliampère)";
    QTest::newRow("a dash that is no range") << QStringList{"- s1,", "- s2 - of niet"} << "- es1, - es2 - of niet";
    QTest::newRow("stressed words") << QStringList{"'s1 EN s2' of s1 OF s2: de bel gaat WEL, NIET."}
                                    << "'es1 <emphasis>en</emphasis> es2' of es1 <emphasis>of</emphasis> es2: de "
                                       "bel gaat <emphasis>wel</emphasis>, "
                                       "<emphasis>niet</emphasis>.";
    QTest::newRow("a stressed DAN")
        << QStringList{"OF wanneer c = 1", "DAN is E ook 1."}
        << "<emphasis>of</emphasis> wanneer c 1 is <emphasis>dan</emphasis> is E ook 1.";
    QTest::newRow("capitals inside a word or an abbreviation stay") << QStringList{"ENKEL een LED, OFFLINE."}
                                                                    << "ENKEL een LED, OFFLINE.";
    QTest::newRow("gate names and signs") << QStringList{"'&' voor EN, '≥1' voor OF.", "Een NEN of een NOF."}
                                          << "'en-teken' voor <emphasis>en</emphasis>, 'groter dan of gelijk "
                                             "aan 1' voor <emphasis>of</emphasis>. "
                                             "Een <emphasis>nen</emphasis> of een <emphasis>nof</emphasis>.";
    QTest::newRow("nothing to say") << QStringList{"", ""} << "";
  }
  void spokenTextOfPageLines() {
    QFETCH(QStringList, lines);
    QFETCH(QString, spoken);
    QCOMPARE(spokenText(lines), spoken);
  }
};

QTEST_MAIN(TestMediaFormats)
#include "tst_media_formats.moc"
