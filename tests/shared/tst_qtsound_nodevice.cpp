// The real players on a machine without any sound device: they count none and stay harmless.
#include <QMediaPlayer>
#include <QTest>

#include "platform/real/qtsound.h"
#include "shared/geluid.h"
#include "shared/kwilstate.h"
#include "support/fakes.h"
#include "support/pulse_sink.h"

using namespace kwil;

class TestQtSoundNoDevice : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString wav_, mp3_;

 private Q_SLOTS:
  void initTestCase() {
    test::pointAtNoSoundServer();
    wav_ = dir_.path() + QStringLiteral("/geluid.wav");
    QVERIFY(test::writeTestWav(wav_, 300));
    mp3_ = dir_.path() + QStringLiteral("/Kwil 1-1.mp3");
    if (!test::encodeMp3(wav_, mp3_)) mp3_ = wav_;
  }

  void countsNoDevice() {
    QtWavPlayer wav;
    QCOMPARE(wav.outputDeviceCount(), 0);
    QTest::qWait(500);  // a device that turns up late would count as one
    QCOMPARE(wav.outputDeviceCount(), 0);
  }

  void playingGoesOnWithoutCrash_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("wav") << "geluid.wav";
    QTest::newRow("mp3") << "Kwil 1-1.mp3";
    QTest::newRow("missing") << "weg.mp3";
  }
  void playingGoesOnWithoutCrash() {
    QFETCH(QString, file);
    const QString path = dir_.path() + QLatin1Char('/') + file;
    QElapsedTimer timer;
    timer.start();
    {
      QtWavPlayer wav;
      wav.play(path);
      QtNarrationPlayer narration;
      narration.render(path);
      narration.run();
      QTest::qWait(1000);
      narration.stop();
      QVERIFY(narration.mediaPlayer()->playbackState() == QMediaPlayer::StoppedState);
    }
    QVERIFY2(timer.elapsed() < 5000, "a player hung");
  }

  // At start the program counts the devices; with none, the sounds do nothing.
  void programSoundsAreSilent() {
    fake::installBasicFakes();
    platform().wav = std::make_unique<QtWavPlayer>();
    platform().narration = std::make_unique<QtNarrationFactory>();
    state().AantalGeluidskaarten = platform().wav->outputDeviceCount();
    SpeelGeluidVerder();
    SpeelGeluid(5);
    QVERIFY(state().GeluidBestand.isEmpty());
    QVERIFY(!dynamic_cast<QtWavPlayer*>(platform().wav.get())->mediaPlayer());
    platform().wav.reset();
    platform().narration.reset();
  }
};

QTEST_MAIN(TestQtSoundNoDevice)
#include "tst_qtsound_nodevice.moc"
