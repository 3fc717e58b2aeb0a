#pragma once
// A private sound server for tests that play real sound: PulseAudio with one null sink,
// which Qt counts as one audio output. Nothing reaches the speakers and nothing of the
// user's own sound set-up is touched.
//
// Qt connects to the sound server once, the first time anything of Qt Multimedia is used, so
// start() (or pointAtNoSoundServer()) must come before that in the test process.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace kwil::test {

class PulseNullSink {
 public:
  PulseNullSink() = default;
  ~PulseNullSink();
  PulseNullSink(const PulseNullSink&) = delete;
  PulseNullSink& operator=(const PulseNullSink&) = delete;

  // True when the pulseaudio program is installed.
  static bool available();
  // Starts the server in its own runtime and home folder, waits until it takes connections
  // and points this process's sound clients at it. False, with error(), when it fails.
  bool start(int timeoutMs = 10000);
  void stop();
  QString error() const { return error_; }
  QString socketPath() const;

 private:
  QTemporaryDir dir_;
  QProcess server_;
  QString error_;
};

// Points this process's sound clients at a server that does not exist (and forbids starting
// one), so that Qt finds no audio output at all.
void pointAtNoSoundServer();

// Writes a wav file of `ms` milliseconds of a sine tone: 16-bit PCM, mono, 22050 Hz.
bool writeTestWav(const QString& path, int ms, int hz = 440);

// Encodes a wav file to mp3 with the lame program; false when lame is missing or fails.
bool encodeMp3(const QString& wavPath, const QString& mp3Path);

// Lets events run until Qt reports at least `count` audio outputs; false on time-out.
bool waitForAudioOutputs(int count, int timeoutMs = 10000);

}  // namespace kwil::test
