// The real wav and narration players, playing generated sound into a private null sink.
#include <QAudioOutput>
#include <QDirIterator>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "platform/real/qtsound.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"
#include "support/fakes.h"
#include "support/pulse_sink.h"

using namespace kwil;

namespace {

bool reaches(QMediaPlayer* player, QMediaPlayer::PlaybackState wanted, int ms = 10000) {
  return QTest::qWaitFor([&] { return player->playbackState() == wanted; }, ms);
}

bool ends(QMediaPlayer* player, int ms = 15000) {
  return QTest::qWaitFor(
      [&] {
        return player->mediaStatus() == QMediaPlayer::EndOfMedia || player->error() != QMediaPlayer::NoError;
      },
      ms);
}

// Catches what this process writes to standard error while it lives, the sound backend's
// own threads included.
class StandardErrorCatch {
 public:
  StandardErrorCatch() {
    if (!file_.open()) return;
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    if (saved_ >= 0) dup2(file_.handle(), STDERR_FILENO);
  }
  ~StandardErrorCatch() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  StandardErrorCatch(const StandardErrorCatch&) = delete;
  StandardErrorCatch& operator=(const StandardErrorCatch&) = delete;

  bool catching() const { return saved_ >= 0; }
  // What was written since the last call.
  QByteArray take() {
    std::fflush(stderr);
    QFile written(file_.fileName());
    if (!written.open(QIODevice::ReadOnly) || !written.seek(taken_)) return {};
    const QByteArray text = written.readAll();
    taken_ += text.size();
    return text;
  }

 private:
  QTemporaryFile file_;
  int saved_ = -1;
  qint64 taken_ = 0;
};

}  // namespace

class TestQtSound : public QObject {
  Q_OBJECT
  test::PulseNullSink sink_;
  QTemporaryDir program_;
  QString shortWav_, longWav_, mp3_, brokenMp3_;
  QString builtNarration_;  // the Teksten folder of the build's program folder
  bool haveMp3_ = false;

  QString path(const QString& relative) const { return program_.path() + QLatin1Char('/') + relative; }

 private Q_SLOTS:
  void initTestCase() {
    if (qEnvironmentVariableIsSet("KWIL_PROGRAM_DIR"))
      builtNarration_ = qEnvironmentVariable("KWIL_PROGRAM_DIR") + QStringLiteral("/Teksten");
    if (!test::PulseNullSink::available()) QSKIP("pulseaudio is not installed");
    QVERIFY2(sink_.start(), qPrintable(sink_.error()));
    QVERIFY2(test::waitForAudioOutputs(1), "Qt does not see the null sink");

    QVERIFY(QDir(program_.path()).mkpath(QStringLiteral("Geluiden")));
    QVERIFY(QDir(program_.path()).mkpath(QStringLiteral("Teksten/Hoofdstuk 1")));
    shortWav_ = path(QStringLiteral("Geluiden/SndVerder.wav"));
    longWav_ = path(QStringLiteral("Geluiden/SndBelTring.wav"));
    QVERIFY(test::writeTestWav(shortWav_, 60));
    QVERIFY(test::writeTestWav(longWav_, 4000, 660));
    mp3_ = path(QStringLiteral("Teksten/Hoofdstuk 1/Kwil 1-5.mp3"));
    haveMp3_ = test::encodeMp3(shortWav_, mp3_);
    brokenMp3_ = path(QStringLiteral("Teksten/Hoofdstuk 1/Kwil 1-6.mp3"));
    QFile broken(brokenMp3_);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(4096, '\x5a'));
    qputenv("KWIL_PROGRAM_DIR", QFile::encodeName(program_.path()));
  }

  void cleanupTestCase() { sink_.stop(); }  // with sound still playing

  void countsTheNullSink() { QCOMPARE(QtWavPlayer().outputDeviceCount(), 1); }

  void wavPlaysToTheEnd() {
    QtWavPlayer wav;
    wav.play(shortWav_);
    QMediaPlayer* player = wav.mediaPlayer();
    QVERIFY(player);
    QVERIFY(reaches(player, QMediaPlayer::PlayingState));
    QVERIFY(ends(player));
    QCOMPARE(player->error(), QMediaPlayer::NoError);
    QCOMPARE(player->mediaStatus(), QMediaPlayer::EndOfMedia);
  }

  void newSoundCutsOffTheOld() {
    QtWavPlayer wav;
    QElapsedTimer timer;
    timer.start();
    wav.play(longWav_);
    // Measured against the sound's own length, so a busy machine cannot make it fail.
    QVERIFY2(timer.elapsed() < 4000, "play must not wait for the sound");
    QVERIFY(reaches(wav.mediaPlayer(), QMediaPlayer::PlayingState));
    timer.start();
    wav.play(shortWav_);
    QCOMPARE(wav.mediaPlayer()->source(), QUrl::fromLocalFile(shortWav_));
    QVERIFY(reaches(wav.mediaPlayer(), QMediaPlayer::PlayingState));
    QVERIFY(ends(wav.mediaPlayer()));
    QCOMPARE(wav.mediaPlayer()->error(), QMediaPlayer::NoError);
    QVERIFY2(timer.elapsed() < 3500, "the long sound was not cut off");
  }

  void missingWavPlaysNothing() {
    QtWavPlayer wav;
    wav.play(path(QStringLiteral("Geluiden/SndFluit.wav")));
    QVERIFY(!wav.mediaPlayer() || wav.mediaPlayer()->playbackState() != QMediaPlayer::PlayingState);
  }

  void narration_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("plays");
    QTest::newRow("mp3") << "Teksten/Hoofdstuk 1/Kwil 1-5.mp3" << true;
    QTest::newRow("missing") << "Teksten/Hoofdstuk 1/Kwil 1-7.mp3" << false;
    QTest::newRow("damaged") << "Teksten/Hoofdstuk 1/Kwil 1-6.mp3" << false;
  }
  void narration() {
    QFETCH(QString, file);
    QFETCH(bool, plays);
    if (plays && !haveMp3_) QSKIP("lame is not installed");
    QtNarrationPlayer narration;
    narration.render(path(file));
    narration.run();
    QMediaPlayer* player = narration.mediaPlayer();
    if (plays) {
      QVERIFY(reaches(player, QMediaPlayer::PlayingState));
      QVERIFY(ends(player));
      QCOMPARE(player->error(), QMediaPlayer::NoError);
    } else {
      // Silence, and the program goes on: give the backend time to fail (no longer than it
      // takes to say so; a player given no file has nothing to fail on).
      static_cast<void>(QTest::qWaitFor(
          [&] { return player->source().isEmpty() || player->error() != QMediaPlayer::NoError; }, 1000));
      QVERIFY(player->playbackState() != QMediaPlayer::PlayingState || player->error() != QMediaPlayer::NoError);
    }
    narration.stop();
    QCOMPARE(player->playbackState(), QMediaPlayer::StoppedState);
  }

  // Every narration the build spoke, played whole through the real player, leaves standard error
  // as it was: the program would print anything written there at every Lees voor. Many play side
  // by side, mixed by the null sink, the longest first, so that the last to start are short.
  void everyNarrationPlaysWithoutWarnings() {
    const QDir folder(builtNarration_);
    QStringList files;
    for (QDirIterator it(folder.path(), {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
      files.append(folder.relativeFilePath(it.next()));
    if (files.isEmpty()) QSKIP("the build has spoken no narration");
    std::ranges::sort(files, std::greater{}, [&](const QString& file) { return QFileInfo(folder, file).size(); });
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    StandardErrorCatch errors;
    QVERIFY(errors.catching());
    constexpr size_t sideBySide = 64;
    std::vector<std::unique_ptr<QtNarrationPlayer>> playing;
    const auto ended = [](const auto& narration) {
      return narration->mediaPlayer()->mediaStatus() == QMediaPlayer::EndOfMedia;
    };
    for (qsizetype next = 0; next < files.size() || !playing.empty();) {
      for (; next < files.size() && playing.size() < sideBySide; ++next) {
        playing.push_back(std::make_unique<QtNarrationPlayer>());
        playing.back()->render(folder.filePath(files[next]));
        playing.back()->run();
      }
      QVERIFY2(QTest::qWaitFor([&] { return std::ranges::any_of(playing, ended); }, 40000), "no narration ended");
      QStringList sounding;
      for (const auto& narration : playing) {
        QCOMPARE(narration->mediaPlayer()->error(), QMediaPlayer::NoError);
        sounding.append(folder.relativeFilePath(narration->mediaPlayer()->source().toLocalFile()));
      }
      std::erase_if(playing, ended);
      const QByteArray written = errors.take();
      QVERIFY2(written.isEmpty(), qPrintable(sounding.join(QStringLiteral(", ")) + QStringLiteral(":\n") + written));
    }
  }

  // The program's own procedures over the real players: Lees voor, stop, a wav sound.
  void readAloudAndStopThroughTheProgram() {
    if (!haveMp3_) QSKIP("lame is not installed");
    fake::installBasicFakes();
    platform().wav = std::make_unique<QtWavPlayer>();
    platform().narration = std::make_unique<QtNarrationFactory>();
    state().AantalGeluidskaarten = platform().wav->outputDeviceCount();
    QCOMPARE(state().AantalGeluidskaarten, 1);
    state().Hoofdstuk = 1;
    state().Stap = 5;

    LeesTekstVoor(1, 0, 0);
    auto* narration = dynamic_cast<QtNarrationPlayer*>(state().MediaBesturing);
    QVERIFY(narration);
    QCOMPARE(narration->mediaPlayer()->source(), QUrl::fromLocalFile(mp3_));
    QVERIFY(reaches(narration->mediaPlayer(), QMediaPlayer::PlayingState));
    SpeelGeluidVerder();
    auto* wav = dynamic_cast<QtWavPlayer*>(platform().wav.get());
    QVERIFY(reaches(wav->mediaPlayer(), QMediaPlayer::PlayingState));
    StopVoorlezen();
    QCOMPARE(narration->mediaPlayer()->playbackState(), QMediaPlayer::StoppedState);
    // A second Lees voor releases the first player and makes a new one.
    LeesTekstVoor(1, 0, 0);
    QVERIFY(state().MediaBesturing);
    QVERIFY(ends(dynamic_cast<QtNarrationPlayer*>(state().MediaBesturing)->mediaPlayer()));
    // The players stay installed, as in the program: they must survive the application's end.
    LeesTekstVoor(1, 0, 0);
  }
};

QTEST_MAIN(TestQtSound)
#include "tst_qtsound.moc"
