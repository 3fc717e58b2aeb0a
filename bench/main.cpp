// kwil-bench [--runs N] [--idle-seconds S] [--program FOLDER]
// The figures of the program's start-up and idle load, each beside a minimal Qt Widgets program
// started the same way: start to an idle selection window on a bare X server (no window
// manager), start offscreen, and the processor load of the program while lesson 1 polls an
// Arduino simulated on a pseudo-terminal on page 16, where the program is driven as a pupil
// drives it, beside the least an empty 5 ms timer costs. Start-ups are the median of N
// runs. Not a test: the figures depend on the machine, and are there to compare one change with
// the next; it ends with status 1 when a figure could not be taken.
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <optional>

#include "les1page16.h"
#include "processwatch.h"
#include "support/arduino_sim.h"
#include "support/db_testfiles.h"
#include "support/desktop_session.h"
#include "support/pulse_sink.h"

using namespace kwil::bench;

namespace {

constexpr int kTimeoutMs = 30000;
constexpr int kSampleUs = 2000;
constexpr char kPassword[] = "zon";  // of the one pupil in the database

QTextStream out(stdout);
bool allMeasured = true;  // false once a figure could not be taken

QString failed() {
  allMeasured = false;
  return QStringLiteral("mislukt");
}

void stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(3000);
  }
}

// A bare X server (no window manager) and a connection that hears every top-level window mapped.
class BareXServer {
 public:
  ~BareXServer() {
    if (connection_) xcb_disconnect(connection_);
  }
  bool start() {
    if (!session_.start(QString(), QSize(1024, 768))) return false;
    connection_ = xcb_connect(display().toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection_)) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    return true;
  }
  QString display() const { return session_.display(); }
  kwil::desktop::DesktopSession& session() { return session_; }
  // True when a window was mapped since the last call.
  bool mapped() {
    bool seen = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) seen = true;
      free(event);
    }
    return seen;
  }

 private:
  kwil::desktop::DesktopSession session_;
  xcb_connection_t* connection_ = nullptr;
};

struct Program {
  QString path;
  QStringList arguments;
  QProcessEnvironment environment;
};

// Milliseconds from the start of the program until it is idle, with its window mapped when it
// runs on `x`; nothing when it does not get there.
std::optional<qint64> startToIdle(const Program& program, BareXServer* x) {
  QProcess process;
  process.setProcessEnvironment(program.environment);
  process.setStandardErrorFile(QProcess::nullDevice());  // the same warnings every run
  if (x) x->mapped();                                    // what earlier runs left
  QElapsedTimer clock;
  clock.start();
  process.start(program.path, program.arguments);
  if (!process.waitForStarted(kTimeoutMs)) return std::nullopt;
  bool mapped = !x;
  QuietDetector quiet;
  std::optional<qint64> result;
  while (clock.elapsed() < kTimeoutMs && process.state() == QProcess::Running) {
    if (!mapped && x->mapped()) mapped = true;
    const qint64 cpu = processorNs(process.processId());
    if (mapped && quiet.add(clock.elapsed(), cpu)) {
      if (waitsForEvents(process.processId())) {
        result = quiet.quietSinceMs();
        break;
      }
      quiet.reset();
    }
    QThread::usleep(kSampleUs);
  }
  stop(process);
  return result;
}

// The share of a core (percent) process pid uses over `seconds`, from a second on: the
// reactions to what brought it where it is are over by then.
std::optional<double> loadOver(qint64 pid, int seconds) {
  QThread::msleep(1000);
  const qint64 before = processorNs(pid);
  QElapsedTimer clock;
  clock.start();
  QThread::sleep(seconds);
  const qint64 after = processorNs(pid);
  if (before < 0 || after < 0) return std::nullopt;
  return 100.0 * double(after - before) / (double(clock.elapsed()) * 1e6);
}

// The load of a program once it has printed `ready` (or, without one, once it is idle).
std::optional<double> idleLoad(const Program& program, const QByteArray& ready, int seconds) {
  QProcess process;
  process.setProcessEnvironment(program.environment);
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(program.path, program.arguments);
  if (!process.waitForStarted(kTimeoutMs)) return std::nullopt;
  QElapsedTimer clock;
  clock.start();
  QByteArray said;
  QuietDetector quiet;
  bool settled = false;
  while (!settled && clock.elapsed() < 2 * kTimeoutMs && process.state() == QProcess::Running) {
    process.waitForReadyRead(5);
    said += process.readAllStandardOutput();
    settled =
        ready.isEmpty() ? quiet.add(clock.elapsed(), processorNs(process.processId())) : said.contains(ready);
  }
  const std::optional<double> load = settled ? loadOver(process.processId(), seconds) : std::nullopt;
  stop(process);
  return load;
}

// The load of the real program on lesson 1 page 16, where it polls `arduino` every 5 ms; the
// polls the board answered meanwhile in `polls`, so a lesson that stopped polling cannot pass
// for an idle one.
std::optional<double> lessonLoad(BareXServer& x, const QString& kwilmora, const QProcessEnvironment& environment,
                                 kwil::sim::ArduinoSim& arduino, int seconds, qsizetype& polls) {
  kwil::desktop::ProgramRun program(x.session(), kwilmora, environment);
  if (!driveToLes1Page16(program, arduino, QString::fromLatin1(kPassword))) {
    QTextStream(stderr) << program.output();
    return std::nullopt;
  }
  const qsizetype before = arduino.received().count("7/");
  const std::optional<double> load = loadOver(program.processId(), seconds);
  polls = arduino.received().count("7/") - before;
  return load;
}

std::optional<qint64> median(QList<qint64> values) {
  if (values.isEmpty()) return std::nullopt;
  std::sort(values.begin(), values.end());
  return values.at(values.size() / 2);
}

QString seconds(std::optional<qint64> ms) {
  return ms ? QString::number(double(*ms) / 1000.0, 'f', 3) + QStringLiteral(" s") : failed();
}

QString percent(std::optional<double> load) {
  return load ? QString::number(*load, 'f', 2) + QStringLiteral(" %") : failed();
}

void row(const QString& figure, const QString& program, const QString& minimal, const QString& goal) {
  out << figure.leftJustified(58) << program.leftJustified(12) << minimal.leftJustified(12) << goal
      << Qt::endl;
}

std::optional<qint64> medianStart(const Program& program, BareXServer* x, int runs) {
  QList<qint64> times;
  for (int i = 0; i < runs; ++i)
    if (const auto ms = startToIdle(program, x)) times.append(*ms);
  return times.size() == runs ? median(times) : std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  const auto option = [&](const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at > 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
  };
  const int runs = std::max(1, option(QStringLiteral("--runs"), 10));
  const int idleSeconds = std::max(1, option(QStringLiteral("--idle-seconds"), 10));

  // Another build's program folder, to compare it with this one.
  const qsizetype programAt = args.indexOf(QStringLiteral("--program"));
  // Made absolute, since the program is started with its own folder as its working folder.
  const QString programDir = programAt > 0 && programAt + 1 < args.size()
                                 ? QFileInfo(args.at(programAt + 1)).absoluteFilePath()
                                 : QStringLiteral(KWIL_PROGRAM_DIR);
  if (!QFileInfo(programDir + QStringLiteral("/kwilmora")).isExecutable()) {
    QTextStream(stderr) << "Geen programma kwilmora in " << programDir << "\n";
    return 1;
  }

  QTemporaryDir work;
  kwil::test::PulseNullSink sound;
  BareXServer x;
  if (!work.isValid() || !sound.start() || !x.start()) {
    QTextStream(stderr) << "Xvfb of pulseaudio start niet\n";
    return 1;
  }
  const QString database = work.filePath(QStringLiteral("Kwilmora.db"));
  if (QProcess::execute(programDir + QStringLiteral("/kwilmora-initdb"), {database}) != 0) return 1;
  kwil::dbtest::query(database,
                      QStringLiteral("INSERT INTO leerlingen (klas, voornaam, tussenvoegsel, achternaam, wachtwoord) "
                                     "VALUES ('1A', 'Anna', '', 'Bank', ?)"),
                      {QString::fromLatin1(kPassword)});
  QDir().mkpath(work.filePath(QStringLiteral("config/Kwilmora")));
  QFile settings(work.filePath(QStringLiteral("config/Kwilmora/Kwilmora.conf")));
  if (!settings.open(QIODevice::WriteOnly)) return 1;
  settings.write("[Settings]\nDataPath=" + database.toUtf8() + "\n");
  settings.close();

  QProcessEnvironment onX = QProcessEnvironment::systemEnvironment();
  onX.insert(QStringLiteral("DISPLAY"), x.display());
  onX.insert(QStringLiteral("XDG_CONFIG_HOME"), work.filePath(QStringLiteral("config")));
  onX.insert(QStringLiteral("KWILMORA_COM_PORTS"), work.filePath(QStringLiteral("geen-bord")));
  onX.remove(QStringLiteral("QT_QPA_PLATFORM"));
  QDir().mkpath(work.filePath(QStringLiteral("runtime")));
  QFile::setPermissions(work.filePath(QStringLiteral("runtime")),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  onX.insert(QStringLiteral("XDG_RUNTIME_DIR"), work.filePath(QStringLiteral("runtime")));
  onX.remove(QStringLiteral("KWIL_PROGRAM_DIR"));
  QProcessEnvironment offscreen = onX;
  offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

  const QString kwilmora = programDir + QStringLiteral("/kwilmora");
  const QString minimal = app.applicationDirPath() + QStringLiteral("/kwil-bench-minimal");
  out << "kwil-bench: mediaan van " << runs << " starts, belasting over " << idleSeconds << " s, "
      << QThread::idealThreadCount() << " kernen" << Qt::endl;
  row(QStringLiteral("figure"), QStringLiteral("kwilmora"), QStringLiteral("minimal Qt"),
      QStringLiteral("goal"));
  row(QStringLiteral("start to an idle selection window, no window manager"),
      seconds(medianStart({kwilmora, {}, onX}, &x, runs)), seconds(medianStart({minimal, {}, onX}, &x, runs)),
      QStringLiteral("< 0.25 s"));
  row(QStringLiteral("start, offscreen"), seconds(medianStart({kwilmora, {}, offscreen}, nullptr, runs)),
      seconds(medianStart({minimal, {}, offscreen}, nullptr, runs)), QStringLiteral("< 0.06 s"));

  kwil::sim::ArduinoSim arduino;
  arduino.startThread();
  QProcessEnvironment withBoard = onX;
  withBoard.insert(QStringLiteral("KWILMORA_COM_PORTS"), arduino.slavePath());
  qsizetype polls = 0;
  const auto load = lessonLoad(x, kwilmora, withBoard, arduino, idleSeconds, polls);
  row(QStringLiteral("idle CPU, lesson 1 page 16, Arduino on a pty"), percent(load),
      percent(idleLoad({minimal, {}, onX}, {}, idleSeconds)), QStringLiteral("< 1 %"));
  out << "  (" << polls << " polls of the board)" << Qt::endl;
  // The floor under the row above: the polling period is fixed at 5 ms, and waking up for it
  // costs this much before a tick does anything.
  row(QStringLiteral("idle CPU, an empty 5 ms timer (the polling alone)"), QStringLiteral("-"),
      percent(idleLoad({minimal, {QStringLiteral("--timer-ms"), QStringLiteral("5")}, onX}, "klaar",
                       idleSeconds)),
      QStringLiteral("-"));
  arduino.stopThread();
  return allMeasured ? 0 : 1;
}
