#include "platform/forms/control.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <cmath>

#include "platform/forms/colors.h"
#include "platform/forms/keys.h"
#include "platform/forms/scaling.h"

namespace kwil {

// Turns the widget's mouse, focus and key events into the control's events. Mouse events are
// consumed here, so a move over a button never reaches the panel or form beneath it (that is
// how the windows tell "over a button" from "over the background").
class ControlEventFilter : public QObject {
 public:
  ControlEventFilter(Control* control, QWidget* owner) : QObject(owner), control_(control), owner_(owner) {}

  bool eventFilter(QObject* watched, QEvent* e) override {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseMove:
      case QEvent::MouseButtonDblClick:
        return mouse(watched, static_cast<QMouseEvent*>(e));
      case QEvent::FocusIn:
        if (watched == owner_ && control_->events().GotFocus) control_->events().GotFocus(control_->Index());
        return false;
      case QEvent::FocusOut:
        if (watched == owner_ && control_->events().LostFocus) control_->events().LostFocus(control_->Index());
        return false;
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        return watched == owner_ && key(static_cast<QKeyEvent*>(e));
      default:
        return false;
    }
  }

 private:
  bool mouse(QObject* watched, QMouseEvent* e) {
    if (!owner_->isEnabled()) return false;  // a disabled control lets its container have it
    control_->routeMouse(e, [&] { watched->event(e); });
    return true;
  }

  bool key(QKeyEvent* e) {
    ControlEvents& ev = control_->events();
    const int index = control_->Index();
    int code = vbKeyCode(e->key());
    const int shift = vbShiftFlags(e->modifiers());
    if (e->type() == QEvent::KeyRelease) {
      if (code != 0 && ev.KeyUp) ev.KeyUp(index, code, shift);
      return code == 0 && vbKeyCode(e->key()) != 0;
    }
    if (code != 0 && ev.KeyDown) {
      ev.KeyDown(index, code, shift);
      if (code == 0) return true;
    }
    const QString text = e->text();
    if (text.size() == 1 && ev.KeyPress) {
      int ascii = text.at(0).unicode();
      ev.KeyPress(index, ascii);
      if (ascii == 0) return true;
    }
    return false;
  }

  Control* control_;
  QWidget* owner_;
};

namespace {
float unitOfContainer(QWidget* container) {
  return dynamic_cast<Control*>(container) ? static_cast<float>(TwipsPerPixel) : 1.0f;
}
}  // namespace

Control::Control(QWidget* self, QWidget* container)
    : self_(self), unitsPerPixel_(unitOfContainer(container)), events_(std::make_shared<ControlEvents>()) {
  self_->setMouseTracking(true);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPointSizeF(8.25);
  self_->setFont(f);
  self_->installEventFilter(new ControlEventFilter(this, self_));
  if (auto* area = qobject_cast<QAbstractScrollArea*>(self_)) area->viewport()->setMouseTracking(true);
}

void Control::routeMouse(QMouseEvent* e, const std::function<void()>& deliver) {
  const QPointF at = e->position();
  const float x = static_cast<float>(at.x()) * TwipsPerPixel;
  const float y = static_cast<float>(at.y()) * TwipsPerPixel;
  const int shift = vbShiftFlags(e->modifiers());
  const int index = index_;
  const std::shared_ptr<ControlEvents> ev = events_;  // survives a handler that deletes us
  QPointer<QWidget> alive(self_);
  switch (e->type()) {
    case QEvent::MouseButtonPress:
      pressed_ = true;
      deliver();
      if (alive && ev->MouseDown) ev->MouseDown(index, vbButtons(e->button()), shift, x, y);
      break;
    case QEvent::MouseButtonRelease: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      if (ev->MouseUp) ev->MouseUp(index, vbButtons(e->button()), shift, x, y);
      if (!alive) break;
      deliver();
      if (alive && wasPressed && clickFromMouse() && e->button() == Qt::LeftButton &&
          QRectF(self_->rect()).contains(at))
        raiseClick();
      break;
    }
    case QEvent::MouseMove:
      deliver();
      if (alive && ev->MouseMove) ev->MouseMove(index, vbButtons(e->buttons()), shift, x, y);
      break;
    case QEvent::MouseButtonDblClick:
      pressed_ = true;
      deliver();
      if (alive && ev->DblClick) ev->DblClick(index);
      break;
    default:
      deliver();
      break;
  }
  e->accept();
}

Control::~Control() = default;

void Control::attach(int index, std::shared_ptr<ControlEvents> events) {
  index_ = index;
  events_ = std::move(events);
}

float Control::Left() const { return left_; }
float Control::Top() const { return top_; }
float Control::Width() const { return width_; }
float Control::Height() const { return height_; }

namespace {
// A value in the container's unit, as the platform keeps it: a whole number of pixels.
float roundedToPixels(float value, float unit) { return std::round(value / unit) * unit; }
}  // namespace

void Control::setLeft(float v) {
  left_ = roundedToPixels(v, unitsPerPixel_);
  applyGeometry();
}
void Control::setTop(float v) {
  top_ = roundedToPixels(v, unitsPerPixel_);
  applyGeometry();
}
void Control::setWidth(float v) {
  width_ = roundedToPixels(std::max(v, 0.0f), unitsPerPixel_);
  applyGeometry();
}
void Control::setHeight(float v) {
  height_ = roundedToPixels(std::max(v, 0.0f), unitsPerPixel_);
  applyGeometry();
}
void Control::setBounds(float left, float top, float width, float height) {
  left_ = roundedToPixels(left, unitsPerPixel_);
  top_ = roundedToPixels(top, unitsPerPixel_);
  width_ = roundedToPixels(std::max(width, 0.0f), unitsPerPixel_);
  height_ = roundedToPixels(std::max(height, 0.0f), unitsPerPixel_);
  applyGeometry();
}

void Control::applyGeometry() {
  const float u = unitsPerPixel_;
  self_->setGeometry(static_cast<int>(std::lround(left_ / u)), static_cast<int>(std::lround(top_ / u)),
                     static_cast<int>(std::lround(width_ / u)), static_cast<int>(std::lround(height_ / u)));
}

bool Control::Visible() const { return !self_->isHidden(); }
bool Control::Enabled() const { return !self_->testAttribute(Qt::WA_ForceDisabled); }

QString Control::FontName() const { return self_->font().family(); }
float Control::FontSize() const { return static_cast<float>(self_->font().pointSizeF()); }
bool Control::FontBold() const { return self_->font().bold(); }
bool Control::FontItalic() const { return self_->font().italic(); }
bool Control::FontUnderline() const { return self_->font().underline(); }

namespace {
template <typename Change>
void changeFont(QWidget* w, Change change) {
  QFont f = w->font();
  change(f);
  w->setFont(f);
}
}  // namespace

void Control::setFontName(const QString& family) {
  changeFont(self_, [&](QFont& f) { f.setFamily(family); });
  appearanceChanged();
}
void Control::setFontSize(float points) {
  if (!(points > 0)) return;  // the platform has no font of size 0 or less
  changeFont(self_, [&](QFont& f) { f.setPointSizeF(points); });
  appearanceChanged();
}
void Control::setFontBold(bool on) {
  changeFont(self_, [&](QFont& f) { f.setBold(on); });
  appearanceChanged();
}
void Control::setFontItalic(bool on) {
  changeFont(self_, [&](QFont& f) { f.setItalic(on); });
  appearanceChanged();
}
void Control::setFontUnderline(bool on) {
  changeFont(self_, [&](QFont& f) { f.setUnderline(on); });
  appearanceChanged();
}

void Control::setBackColor(std::int32_t bbggrr) {
  backColor_ = bbggrr & 0xFFFFFF;
  appearanceChanged();
}
void Control::setForeColor(std::int32_t bbggrr) {
  foreColor_ = bbggrr & 0xFFFFFF;
  appearanceChanged();
}

void Control::appearanceChanged() { self_->update(); }

QString Control::ToolTipText() const { return self_->toolTip(); }
void Control::setToolTipText(const QString& text) { self_->setToolTip(text); }

void Control::SetFocus() {
  // The window becomes the active one at once (not when the window system gets round to
  // it), so the control has the focus as soon as this returns.
  QWidget* window = self_->window();
  if (window->isVisible() && !window->isActiveWindow()) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
  }
  self_->setFocus(Qt::OtherFocusReason);
}

void Control::Refresh() { self_->repaint(); }

void Control::raiseClick() {
  if (events_->Click) events_->Click(index_);
}
void Control::raiseChange() {
  if (events_->Change) events_->Change(index_);
}

void Control::scaleBy(float sx, float sy, const ScaleOptions&) {
  setWidth(Width() * sx);
  setHeight(Height() * sy);
  setLeft(Left() * sx);
  setTop(Top() * sy);
  if (hasFont()) setFontSize(FontSize() * sy);
}

QString displayLines(const QString& text) {
  QString out = text;
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

}  // namespace kwil
