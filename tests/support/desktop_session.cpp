#include "support/desktop_session.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>

namespace kwil::desktop {

namespace {

constexpr int kStartTimeoutMs = 20000;

QProcessEnvironment clientEnvironment(const QString& display) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display);
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  env.remove(QStringLiteral("XAUTHORITY"));
  return env;
}

void stopProcess(QProcess& p) {
  if (p.state() == QProcess::NotRunning) return;
  p.terminate();
  if (!p.waitForFinished(3000)) {
    p.kill();
    p.waitForFinished(2000);
  }
}

}  // namespace

QStringList missingTools(const QString& windowManager) {
  QStringList missing;
  for (const QString& tool : {QStringLiteral("Xvfb"), QStringLiteral("xdotool"), QStringLiteral("xprop"),
                              QStringLiteral("xwininfo"), QStringLiteral("import"), windowManager})
    if (!tool.isEmpty() && QStandardPaths::findExecutable(tool).isEmpty()) missing << tool;
  return missing;
}

DesktopSession::DesktopSession() = default;

DesktopSession::~DesktopSession() {
  stopProcess(manager_);
  stopProcess(server_);
}

bool DesktopSession::start(const QString& windowManager, const QSize& screen) {
  screen_ = screen;
  // The server picks a free display itself and says which on its standard output.
  server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                         QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                                         QStringLiteral("0"),
                                         QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height())});
  QByteArray said;
  const bool up = QTest::qWaitFor(
      [&] {
        said += server_.readAllStandardOutput();
        return said.contains('\n') || server_.state() == QProcess::NotRunning;
      },
      kStartTimeoutMs);
  if (!up || server_.state() != QProcess::Running) {
    error_ = QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(server_.readAllStandardError());
    return false;
  }
  display_ = QStringLiteral(":") + QString::fromLatin1(said.trimmed());
  // Clients may still be turned away for a moment after the server has named its display.
  const bool open = QTest::qWaitFor([&] { return accepts(); }, kStartTimeoutMs);
  if (!open) {
    error_ = QStringLiteral("Xvfb on %1 takes no clients").arg(display_);
    return false;
  }
  if (windowManager.isEmpty()) return true;

  // The manager runs with its own defaults, not this machine's settings: metacity then
  // composites, as a school desktop with effects runs it.
  QProcessEnvironment managerEnvironment = clientEnvironment(display_);
  managerEnvironment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
  manager_.setProcessEnvironment(managerEnvironment);
  manager_.setProcessChannelMode(QProcess::MergedChannels);
  // The manager has taken over once it names its supporting window on the root window. One
  // that gives up at its start on a busy machine is started again.
  QByteArray managerSaid;
  for (int attempt = 1; attempt <= 3; ++attempt) {
    manager_.start(windowManager, {});
    const bool managing = QTest::qWaitFor(
        [&] {
          if (manager_.state() == QProcess::NotRunning) return true;
          return run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
              .contains("window id");
        },
        kStartTimeoutMs);
    managerSaid += manager_.readAll();
    if (managing && manager_.state() == QProcess::Running) return true;
    stopProcess(manager_);
  }
  error_ = windowManager + QStringLiteral(" did not start: ") + QString::fromLocal8Bit(managerSaid);
  return false;
}

bool DesktopSession::accepts() {
  QProcess p;
  p.setProcessEnvironment(clientEnvironment(display_));
  p.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-len"), QStringLiteral("0")});
  return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray DesktopSession::run(const QString& program, const QStringList& arguments, int timeoutMs) {
  QProcess p;
  p.setProcessEnvironment(clientEnvironment(display_));
  p.start(program, arguments);
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished(1000);
  }
  return p.readAllStandardOutput();
}

QImage DesktopSession::screenshot() { return windowPicture(QStringLiteral("root")); }

QImage DesktopSession::windowPicture(const QString& id) {
  const QStringList arguments{QStringLiteral("-window"), id, QStringLiteral("png:-")};
  return QImage::fromData(run(QStringLiteral("import"), arguments), "PNG");
}

QString DesktopSession::saveScreenshot(const QString& folder, const QString& name) {
  QDir().mkpath(folder);
  const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
  screenshot().save(path);
  return path;
}

// ---- ProgramRun

ProgramRun::ProgramRun(DesktopSession& session, const QString& executable, const QProcessEnvironment& environment)
    : session_(session) {
  QProcessEnvironment env = environment;
  env.insert(QStringLiteral("DISPLAY"), session.display());
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  process_.setProcessEnvironment(env);
  process_.setProcessChannelMode(QProcess::MergedChannels);
  process_.setWorkingDirectory(QFileInfo(executable).absolutePath());
  process_.start(executable, {});
  process_.waitForStarted(10000);
}

ProgramRun::~ProgramRun() { stopProcess(process_); }

bool ProgramRun::waitForEnd(int timeoutMs) {
  return QTest::qWaitFor([&] { return process_.state() == QProcess::NotRunning; }, timeoutMs);
}

QString ProgramRun::output() {
  output_ += process_.readAll();
  return QString::fromLocal8Bit(output_);
}

QList<ProgramWindow> ProgramRun::windows() {
  QList<ProgramWindow> found;
  if (process_.state() != QProcess::Running) return found;
  const QByteArray ids = session_.run(
      QStringLiteral("xdotool"),
      {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
       QString::number(process_.processId())});
  static const QRegularExpression number(QStringLiteral(":\\s*(-?\\d+)"));
  for (const QByteArray& id : ids.split('\n')) {
    if (id.trimmed().isEmpty()) continue;
    const QString info = QString::fromLocal8Bit(
        session_.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::fromLatin1(id.trimmed())}));
    QMap<QString, int> v;
    for (const QString& line : info.split(QLatin1Char('\n'))) {
      const auto m = number.match(line);
      if (m.hasMatch()) v[line.section(QLatin1Char(':'), 0, 0).trimmed()] = m.captured(1).toInt();
    }
    if (v.value(QStringLiteral("Map State")) != 0) continue;
    found.append({QString::fromLatin1(id.trimmed()),
                  QRect(v.value(QStringLiteral("Absolute upper-left X")), v.value(QStringLiteral("Absolute upper-left Y")),
                        v.value(QStringLiteral("Width")), v.value(QStringLiteral("Height")))});
  }
  std::sort(found.begin(), found.end(), [](const ProgramWindow& a, const ProgramWindow& b) {
    return a.inner.width() * a.inner.height() > b.inner.width() * b.inner.height();
  });
  return found;
}

bool ProgramRun::waitForWindows(int count, int timeoutMs) {
  return QTest::qWaitFor(
      [&] {
        const QList<ProgramWindow> w = windows();
        return w.size() == count && w.first().inner.width() == session_.screenSize().width();
      },
      timeoutMs);
}

ProgramWindow ProgramRun::mainWindow() {
  const QList<ProgramWindow> w = windows();
  return w.isEmpty() ? ProgramWindow{} : w.first();
}

QPoint ProgramRun::onScreen(float designX, float designY) {
  const QRect inner = mainWindow().inner;
  return {inner.x() + qRound(designX * inner.width() / 640.0f), inner.y() + qRound(designY * inner.height() / 480.0f)};
}

void ProgramRun::click(float designX, float designY) { clickAt(onScreen(designX, designY)); }

void ProgramRun::clickAt(const QPoint& p) {
  session_.run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(p.x()),
                                           QString::number(p.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// xdotool's move to the middle of the title bar, a little above the inner area.
QStringList ProgramRun::toTitleBar() {
  const QRect inner = mainWindow().inner;
  return {QStringLiteral("mousemove"), QString::number(inner.center().x()),
          QString::number(inner.top() - 10)};
}

void ProgramRun::pointAtTitleBar() {
  session_.run(QStringLiteral("xdotool"), toTitleBar());
}

void ProgramRun::toggleMaximised() {
  session_.run(QStringLiteral("xdotool"),
               toTitleBar() + QStringList{QStringLiteral("click"), QStringLiteral("--repeat"),
                                          QStringLiteral("2"), QStringLiteral("1")});
}

void ProgramRun::type(const QString& text) {
  session_.run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void ProgramRun::key(const QString& name) { session_.run(QStringLiteral("xdotool"), {QStringLiteral("key"), name}); }
void ProgramRun::keyDown(const QString& name) {
  session_.run(QStringLiteral("xdotool"), {QStringLiteral("keydown"), name});
}
void ProgramRun::keyUp(const QString& name) { session_.run(QStringLiteral("xdotool"), {QStringLiteral("keyup"), name}); }

QImage ProgramRun::mainWindowPicture() {
  const QString id = mainWindow().id;
  return id.isEmpty() ? QImage() : session_.windowPicture(id);
}

QList<int> ProgramRun::listLineCentres(const QRectF& designRect) {
  const QPoint topLeft = onScreen(float(designRect.left()), float(designRect.top()));
  const QPoint bottomRight = onScreen(float(designRect.right()), float(designRect.bottom()));
  // A few pixels in from the list's edges, clear of its border.
  const QRect area = QRect(topLeft, bottomRight).adjusted(4, 4, -4, -4);
  const QImage screen = session_.screenshot();
  const QRgb background = screen.pixel(area.right() - 2, area.bottom() - 2);  // below the last line
  QList<int> centres;
  int bandStart = -1;
  for (int y = area.top(); y <= area.bottom() + 1; ++y) {
    bool marked = false;
    for (int x = area.left(); y <= area.bottom() && x <= area.right() && !marked; ++x)
      marked = screen.pixel(x, y) != background;
    if (marked && bandStart < 0) bandStart = y;
    if (!marked && bandStart >= 0) {
      centres << (bandStart + y - 1) / 2;
      bandStart = -1;
    }
  }
  return centres;
}

}  // namespace kwil::desktop
