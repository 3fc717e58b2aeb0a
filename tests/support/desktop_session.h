#pragma once
// The real program on a real desktop, for tests that must see what a pupil meets: a private X
// server (Xvfb) with a window manager, the real `kwilmora` binary started from the build's
// program folder, and real input events (xdotool) at places given on the windows' 640 x 480
// design. Screens are read back as pictures (ImageMagick's import).
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>

namespace kwil::desktop {

// The tools this needs; the names of those that are missing.
QStringList missingTools(const QString& windowManager);

// A window of the program as the X server has it: its inner area on the screen.
struct ProgramWindow {
  QString id;
  QRect inner;
};

class DesktopSession {
 public:
  DesktopSession();
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  // A fresh X server of the given size with the window manager running on it (checked through
  // the manager's own announcement), or a bare server when windowManager is empty. False with
  // error() set when either does not come up.
  bool start(const QString& windowManager, const QSize& screen);
  QString error() const { return error_; }
  QString display() const { return display_; }
  QSize screenSize() const { return screen_; }

  // Whether the server takes a client now.
  bool accepts();
  // Runs an X client on this display and waits for it; its standard output.
  QByteArray run(const QString& program, const QStringList& arguments, int timeoutMs = 10000);
  // The whole screen as a picture.
  QImage screenshot();
  // What a window itself holds. A compositing window manager can leave the screen behind it for
  // a while (metacity, at times, strips of the window that was shown before).
  QImage windowPicture(const QString& id);
  // Saves the screen in `folder` as `name`.png (for a failing test to leave behind).
  QString saveScreenshot(const QString& folder, const QString& name);

 private:
  QString display_;
  QSize screen_;
  QString error_;
  QProcess server_;
  QProcess manager_;
};

// One run of the real program on a desktop session.
class ProgramRun {
 public:
  ProgramRun(DesktopSession& session, const QString& executable, const QProcessEnvironment& environment);
  ~ProgramRun();

  bool running() const { return process_.state() == QProcess::Running; }
  qint64 processId() const { return process_.processId(); }
  // Waits for the program to end by itself; false when it is still running after timeoutMs.
  bool waitForEnd(int timeoutMs);
  int exitCode() const { return process_.exitCode(); }
  bool crashed() const { return process_.exitStatus() == QProcess::CrashExit; }
  QString output();

  // The program's visible windows, largest first (a message box is small, a program window
  // fills the screen).
  QList<ProgramWindow> windows();
  // Waits until exactly `count` windows are visible, the largest filling the width of the
  // screen; false on timeout.
  bool waitForWindows(int count, int timeoutMs);
  ProgramWindow mainWindow();

  // A click of the left button at a point of the main window's 640 x 480 design.
  void click(float designX, float designY);
  // A click on the screen.
  void clickAt(const QPoint& screenPoint);
  // The pointer on the main window's title bar, off every control of the program.
  void pointAtTitleBar();
  // A double click on the main window's title bar: the window manager restores a maximised
  // window, or maximises a restored one.
  void toggleMaximised();
  void type(const QString& text);
  // Key names as xdotool knows them ("Return", "F12").
  void key(const QString& name);
  void keyDown(const QString& name);
  void keyUp(const QString& name);

  // The main window's inner area as the program drew it (screen pixels), whatever a
  // compositor shows on the screen.
  QImage mainWindowPicture();
  // The screen position of a point of the design.
  QPoint onScreen(float designX, float designY);
  // The centres (screen y) of the lines of text in a list box at a design rectangle: rows that
  // hold pixels of another colour than the list's background.
  QList<int> listLineCentres(const QRectF& designRect);

 private:
  QStringList toTitleBar();
  DesktopSession& session_;
  QProcess process_;
  QByteArray output_;
};

}  // namespace kwil::desktop
