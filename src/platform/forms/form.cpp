#include "platform/forms/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "platform/endprogram.h"
#include "platform/forms/colors.h"
#include "platform/forms/keys.h"
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
    auto* w = static_cast<QWidget*>(watched);
    const bool propagated = e == lastEvent_ && e->type() == lastType_ && lastReceiver_ && lastReceiver_->parentWidget() == w;
    lastEvent_ = e;
    lastType_ = e->type();
    lastReceiver_ = w;
    if (propagated) return false;
    auto* form = qobject_cast<Form*>(w->window());
    if (!form) return false;
    auto* key = static_cast<QKeyEvent*>(e);
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
  const QEvent* lastEvent_ = nullptr;
  QEvent::Type lastType_ = QEvent::None;
  QPointer<QWidget> lastReceiver_;
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
  const QSize size = platform().screen ? platform().screen->maximisedSize() : QSize(640, 480);
  resize(size);
  if (!realWindowSystem()) return;
  setWindowState(windowState() | Qt::WindowMaximized);
  // A window manager maximises asynchronously and keeps the title bar out of the inner area.
  // The scale factors must come from that inner area, or the bottom row of a window falls off
  // the screen: wait briefly for the manager's answer. Without a manager (a bare X server)
  // nothing changes and the screen's size stands.
  // The window's activation must not run inside this wait (the loading that called it is not
  // done), so it is held back; the Show that follows the loading makes the window current.
  if (!isVisible()) {
    // Not on the screen yet (a window loaded before its first show): the decorations the
    // window manager gives a window already shown are the ones this one will get.
    for (QWidget* other : QApplication::topLevelWidgets()) {
      if (other == this || !other->isVisible() || !qobject_cast<Form*>(other)) continue;
      const QSize decorations = other->frameGeometry().size() - other->geometry().size();
      if (decorations.isValid() && !decorations.isNull()) resize(size - decorations);
      break;
    }
    return;
  }
  waitingForMaximise_ = true;
  QElapsedTimer waited;
  waited.start();
  // A window shown just before (a form showing itself in its loading) may first hear the
  // manager confirm its old size; only the full width with the title bar taken off is the answer.
  auto gemaximaliseerd = [&] { return width() >= size.width() && height() < size.height(); };
  while (waited.elapsed() < 400 && !gemaximaliseerd())
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
  waitingForMaximise_ = false;
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

void Form::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), vbColor(backColor_));
}

}  // namespace kwil
