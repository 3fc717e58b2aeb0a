#include "platform/forms/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <functional>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "platform/endprogram.h"
#include "platform/forms/colors.h"
#include "platform/forms/keys.h"
#include "platform/forms/windowmanager.h"
#include "platform/services.h"

namespace kwil {

namespace {
QPointer<Form>& currentForm() {
  static QPointer<Form> f;
  return f;
}

// Whether windows really appear (not the offscreen platform of the tests).
bool realWindowSystem() {
  const QString name = QGuiApplication::platformName();
  return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}
// Calls back when the window system tells a window something about its size, place, state
// or visibility.
class WindowNews : public QObject {
 public:
  explicit WindowNews(std::function<void()> onNews) : onNews_(std::move(onNews)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::Resize:
      case QEvent::Move:
      case QEvent::Expose:
      case QEvent::WindowStateChange:
        onNews_();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  std::function<void()> onNews_;
};

}  // namespace

// Gives every key to the form of the widget that receives it, before that widget. A key event
// that a child ignores travels on to its parents; only its first delivery is previewed.
class KeyPreviewFilter : public QObject {
 public:
  static void installOnce() {
    static KeyPreviewFilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new KeyPreviewFilter(qApp);
    qApp->installEventFilter(filter);
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if ((e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) || !watched->isWidgetType())
      return false;
    auto* key = static_cast<QKeyEvent*>(e);
    // A key event that the focused control ignores is handed on to its parents as the same
    // event object; the form must see it once. The mark is kept on the event itself: a record
    // of the last event seen is overwritten when the form's own handler lets other events run
    // (a search that waits for a board), and the press travelling on would count twice.
    if (key->timestamp() & kSeenByForm) return false;
    key->setTimestamp(key->timestamp() | kSeenByForm);
    auto* form = qobject_cast<Form*>(static_cast<QWidget*>(watched)->window());
    if (!form) return false;
    // A held key repeats as release-and-press pairs on some window systems; the key is still
    // down, so such a release must not reach the form (an F key standing in for a push button
    // would seem to let go between two polls).
    if (e->type() == QEvent::KeyRelease && key->isAutoRepeat()) return false;
    int code = vbKeyCode(key->key());
    if (code == 0) return false;
    const int shift = vbShiftFlags(key->modifiers());
    if (e->type() == QEvent::KeyPress)
      form->Form_KeyDown(code, shift);
    else
      form->Form_KeyUp(code, shift);
    return code == 0;
  }

 private:
  using QObject::QObject;
  // The top bit of the event's time stamp: window systems count milliseconds from zero and
  // never reach it.
  static constexpr quint64 kSeenByForm = quint64(1) << 63;
};

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  resize(640, 480);
  KeyPreviewFilter::installOnce();
}

Form::~Form() = default;

Form* Form::current() { return currentForm(); }

void Form::Show() {
  if (loading_) {  // Form_Load showing its own window
    QWidget::show();
    return;
  }
  const bool wasVisible = isVisible();
  if (!loaded_) {
    loaded_ = true;
    loading_ = true;
    struct Done {
      bool& flag;
      ~Done() { flag = false; }
    } done{loading_};
    Form_Load();
  }
  QWidget::show();
  if (maximiseWhenShown_) {
    // Measured while hidden: the window manager must still really maximise it, or the layout
    // made for the maximised inner area would not fit.
    maximiseWhenShown_ = false;
    waitForWindowManager(platform().screen ? platform().screen->maximisedSize() : size());
  }
  raise();
  activateWindow();
  if (!wasVisible || currentForm() != this) makeCurrent();
}

void Form::makeCurrent() {
  QPointer<Form> previous = currentForm();
  currentForm() = this;
  if (previous && previous != this) previous->Form_Deactivate();
  Form_Activate();
}

void Form::Hide() {
  QWidget::hide();
  Form_FocusLost();
}

void Form::Maximise() {
  const QSize available = platform().screen ? platform().screen->maximisedSize() : QSize(640, 480);
  if (!realWindowSystem() || !windowManagerRunning()) {
    // Nobody answers a request to maximise: the window takes the whole area itself.
    resize(available);
    if (realWindowSystem()) setWindowState(windowState() | Qt::WindowMaximized);
    return;
  }
  setWindowState(windowState() | Qt::WindowMaximized);
  if (!isVisible()) {
    if (!loading_) {
      // Loaded without being shown: it will be shown maximised later, with the decorations
      // the window manager gives a window already shown.
      resize(innerSizeOf(available, decorationsOfAShownForm()));
      maximiseWhenShown_ = true;
      return;
    }
    // Loading because it is being shown: shown now, so that the window manager maximises it
    // before it is measured (a guess of the frame can be wrong, and a manager may place a
    // window mapped with a size of its own unmaximised).
    QWidget::show();
  }
  waitForWindowManager(available);
}

QMargins Form::decorationsOfAShownForm() const {
  for (QWidget* other : QApplication::topLevelWidgets()) {
    if (other == this || !other->isVisible() || !qobject_cast<const Form*>(other)) continue;
    const QRect frame = other->frameGeometry();
    const QRect inner = other->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
  }
  return {};
}

// The scale factors come from the inner area of the maximised window, without the title bar,
// or the bottom row of a window falls off the screen. The window manager maximises when it
// gets round to it, so the window waits (sleeping until the window system has news) until
// its frame fills the available area; a manager that never answers gets the available area
// less the window's frame. The window's activation must not run inside this wait (the loading
// that called it is not done), so it is held back; the Show that follows makes it current.
void Form::waitForWindowManager(const QSize& available) {
  constexpr int kLongestWaitMs = 3000;
  constexpr int kUsualAnswerMs = 500;
  auto managed = [&] { return windowHandle() && windowHandle()->isExposed(); };
  // The manager's own word and an inner area that fits, or a frame that fills the area: the
  // frame's extents can still be those of the unmaximised window for a moment.
  auto maximised = [&] {
    return managed() && (frameFillsArea(frameGeometry().size(), available) ||
                         (maximisedByWindowManager(windowHandle()) && innerFitsArea(size(), available)));
  };
  waitingForMaximise_ = true;
  waitForWindowSystem(managed, kLongestWaitMs);
  waitForWindowSystem(maximised, kUsualAnswerMs);
  if (managed() && !maximised()) {
    // Asked again now that the manager has taken the window on: a request that reached it
    // before, while the window was being mapped, may have been dropped.
    askToMaximise(windowHandle());
    waitForWindowSystem(maximised, kLongestWaitMs);
  }
  waitingForMaximise_ = false;
  if (!maximised() && !maximisedByWindowManager(windowHandle())) {
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    resize(innerSizeOf(available, {inner.left() - frame.left(), inner.top() - frame.top(),
                                   frame.right() - inner.right(), frame.bottom() - inner.bottom()}));
  }
}

// Sleeps until the window system has news that makes `done` true, or the time is up.
void Form::waitForWindowSystem(const std::function<bool()>& done, int longestMs) {
  if (done()) return;
  QEventLoop wait;
  auto look = [&] {
    if (done()) wait.quit();
  };
  WindowNews news(look);
  installEventFilter(&news);
  if (windowHandle()) windowHandle()->installEventFilter(&news);
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, &wait, &QEventLoop::quit);
  QTimer lookAgain;  // the frame's extents can change without an event of the window's own
  QObject::connect(&lookAgain, &QTimer::timeout, &wait, look);
  giveUp.start(longestMs);
  lookAgain.start(25);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
}

float Form::ScaleWidth() const { return static_cast<float>(width()); }
float Form::ScaleHeight() const { return static_cast<float>(height()); }

QString Form::Caption() const { return windowTitle(); }
void Form::setCaption(const QString& text) { setWindowTitle(text); }

void Form::setBackColor(std::int32_t bbggrr) {
  backColor_ = bbggrr & 0xFFFFFF;
  update();
}

void Form::keyDown(int keyCode, int shift) { Form_KeyDown(keyCode, shift); }
void Form::keyUp(int keyCode, int shift) { Form_KeyUp(keyCode, shift); }

bool Form::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::WindowActivate:
      // The user brought this window forward; the program's own Show has already made it
      // current, and a message box closing brings back the current one.
      if (loaded_ && !waitingForMaximise_ && isVisible() && currentForm() != this) makeCurrent();
      break;
    case QEvent::WindowDeactivate:
      Form_FocusLost();
      break;
    default:
      break;
  }
  return QWidget::event(e);
}

void Form::mouseMoveEvent(QMouseEvent* e) {
  Form_MouseMove(vbButtons(e->buttons()), vbShiftFlags(e->modifiers()),
                 static_cast<float>(e->position().x()) * 15, static_cast<float>(e->position().y()) * 15);
}

void Form::mousePressEvent(QMouseEvent* e) {
  Form_MouseDown(vbButtons(e->button()), vbShiftFlags(e->modifiers()),
                 static_cast<float>(e->position().x()) * 15, static_cast<float>(e->position().y()) * 15);
}

void Form::closeEvent(QCloseEvent* e) {
  e->ignore();  // the window is hidden, never destroyed: it keeps its state
  bool cancel = false;
  Form_QueryUnload(cancel);
  if (cancel) return;
  Hide();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<Form*>(w) && w->isVisible()) return;
  EndProgram();
}

// A window manager puts a maximised window that is hidden back at its size from before the
// maximise (the design's 640 x 480). Shown again, Qt marks the whole window dirty at that size,
// and a control's own request to be painted adds nothing while the window is hidden or while
// it is marked whole: a control that changed meanwhile, or in Form_Activate, has no dirty part
// of its own. The manager maximises the window again before the first paint, to the size
// that Qt's picture of the window still has from before the hide, so Qt sees nothing grow.
// An update() of the form repaints it only where no control paints its own background
// (labels, picture boxes, list boxes), so such a control would keep its old pixels beyond
// the 640 x 480. Any change of size therefore asks every control to paint all of itself.
void Form::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  update();
  for (QWidget* control : findChildren<QWidget*>())
    if (control->window() == this) control->update();
}

void Form::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), vbColor(backColor_));
}

}  // namespace kwil
