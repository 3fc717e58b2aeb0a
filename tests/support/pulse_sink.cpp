#include "support/pulse_sink.h"

#include <QAudioDevice>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QMediaDevices>
#include <QStandardPaths>
#include <QTest>
#include <cmath>

// The sound client library keeps a little memory for the whole run (its connection to the
// server); the leak checker of the sanitizer build must not count that against a test.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libpulse.so\n";
}

namespace kwil::test {

namespace {

// Client settings that forbid starting a server of one's own when none answers.
QString writeClientConfig(const QString& folder) {
  const QString path = folder + QStringLiteral("/client.conf");
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write("autospawn = no\n");
  return path;
}

bool acceptsConnections(const QString& socket) {
  if (!QFile::exists(socket)) return false;
  QLocalSocket s;
  s.connectToServer(socket);
  const bool ok = s.waitForConnected(200);
  s.abort();
  return ok;
}

}  // namespace

PulseNullSink::~PulseNullSink() {
  stop();
}

bool PulseNullSink::available() {
  return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
}

QString PulseNullSink::socketPath() const {
  return dir_.path() + QStringLiteral("/run/pulse/native");
}

bool PulseNullSink::start(int timeoutMs) {
  if (!dir_.isValid()) {
    error_ = QStringLiteral("no temporary folder");
    return false;
  }
  const QString run = dir_.path() + QStringLiteral("/run");
  const QString home = dir_.path() + QStringLiteral("/home");
  QDir().mkpath(run);
  QDir().mkpath(home);
  QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  // The server gets its own runtime and home folder, so it neither meets a server of the
  // user's nor leaves anything behind. Run as root it warns but works in this user mode.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
  env.insert(QStringLiteral("HOME"), home);
  env.remove(QStringLiteral("PULSE_SERVER"));
  env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
  server_.setProcessEnvironment(env);
  server_.setProcessChannelMode(QProcess::MergedChannels);
  server_.setStandardOutputFile(dir_.path() + QStringLiteral("/server.log"));
  server_.start(
      QStringLiteral("pulseaudio"),
      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
       QStringLiteral("--disallow-exit"), QStringLiteral("--load=module-null-sink"),
       QStringLiteral("--load=module-native-protocol-unix")});
  if (!server_.waitForStarted(timeoutMs)) {
    error_ = QStringLiteral("pulseaudio did not start: ") + server_.errorString();
    return false;
  }
  const bool up = QTest::qWaitFor(
      [&] { return server_.state() != QProcess::Running || acceptsConnections(socketPath()); }, timeoutMs);
  if (!up || server_.state() != QProcess::Running) {
    QFile log(dir_.path() + QStringLiteral("/server.log"));
    log.open(QIODevice::ReadOnly);
    error_ = QStringLiteral("pulseaudio did not take connections: ") + QString::fromLocal8Bit(log.readAll());
    stop();
    return false;
  }
  qputenv("PULSE_SERVER", QByteArray("unix:") + QFile::encodeName(socketPath()));
  qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(writeClientConfig(dir_.path())));
  return true;
}

void PulseNullSink::stop() {
  if (server_.state() == QProcess::NotRunning) return;
  server_.terminate();
  if (!server_.waitForFinished(5000)) {
    server_.kill();
    server_.waitForFinished(2000);
  }
}

void pointAtNoSoundServer() {
  static QTemporaryDir dir;
  qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + dir.path() + QStringLiteral("/none")));
  qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(writeClientConfig(dir.path())));
}

bool writeTestWav(const QString& path, int ms, int hz) {
  constexpr quint32 rate = 22050;
  const quint32 samples = rate * static_cast<quint32>(ms) / 1000;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("RIFF", 4);
  out << quint32(36 + samples * 2);
  out.writeRawData("WAVEfmt ", 8);
  // PCM, mono, rate, bytes per second, bytes per frame, bits per sample
  out << quint32(16) << quint16(1) << quint16(1) << rate << rate * 2 << quint16(2) << quint16(16);
  out.writeRawData("data", 4);
  out << quint32(samples * 2);
  for (quint32 i = 0; i < samples; ++i) out << qint16(8000 * std::sin(2 * M_PI * hz * i / rate));
  return out.status() == QDataStream::Ok;
}

bool encodeMp3(const QString& wavPath, const QString& mp3Path) {
  if (QStandardPaths::findExecutable(QStringLiteral("lame")).isEmpty()) return false;
  QProcess lame;
  lame.start(QStringLiteral("lame"), {QStringLiteral("--quiet"), wavPath, mp3Path});
  return lame.waitForFinished(30000) && lame.exitStatus() == QProcess::NormalExit && lame.exitCode() == 0 &&
         QFileInfo(mp3Path).size() > 0;
}

bool waitForAudioOutputs(int count, int timeoutMs) {
  return QTest::qWaitFor([&] { return QMediaDevices::audioOutputs().size() >= count; }, timeoutMs);
}

}  // namespace kwil::test
