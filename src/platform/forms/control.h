#pragma once
// What every control of a window shares: its index in its array, its design geometry in the
// unit of its container, its font and colours, and the event handlers of its array.
//
// Units: a control placed on a form has its Left/Top/Width/Height in pixels; one placed inside
// a Panel has them in twips (15 to a pixel). Values are floats as the windows compute them;
// the widget gets them rounded to whole pixels, and reading gives the rounded value back in
// the container's unit (so 562.5 twips written reads back as 555 or 570, a whole pixel).
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;
class QFont;
class QMouseEvent;

namespace kwil {

struct ScaleOptions;

// The event handlers of one control array (or of one single control, index 0). Every handler
// gets the index of the control that raised it; an empty handler ignores the event.
// Mouse positions x and y are in twips of the control (pixels from its top left corner
// times 15), button and shift as in keys.h.
struct ControlEvents {
  std::function<void(int index)> Click;
  std::function<void(int index)> DblClick;
  std::function<void(int index, int button, int shift, float x, float y)> MouseDown;
  std::function<void(int index, int button, int shift, float x, float y)> MouseUp;
  std::function<void(int index, int button, int shift, float x, float y)> MouseMove;
  std::function<void(int index)> GotFocus;
  std::function<void(int index)> LostFocus;
  // The control's key code before the control handles it; set keyCode = 0 to swallow the key.
  std::function<void(int index, int& keyCode, int shift)> KeyDown;
  std::function<void(int index, int& keyCode, int shift)> KeyUp;
  // A typed character (Enter = 13, Backspace = 8); set keyAscii = 0 to swallow it.
  std::function<void(int index, int& keyAscii)> KeyPress;
  // The text or value changed (text boxes, list boxes' selection, ribbon buttons' value).
  std::function<void(int index)> Change;
};

class Control {
 public:
  Control(QWidget* self, QWidget* container);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  QWidget* widget() const { return self_; }
  int Index() const { return index_; }

  // Geometry in the container's unit (pixels on a form, twips in a panel).
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void setLeft(float v);
  void setTop(float v);
  void setWidth(float v);
  void setHeight(float v);
  // (A line takes the four numbers as its ends X1, Y1, X2, Y2.)
  virtual void setBounds(float left, float top, float width, float height);
  // Units of the container per pixel: 1 on a form, 15 in a panel.
  float unitsPerPixel() const { return unitsPerPixel_; }

  // The control's own Visible and Enabled flags (a hidden window does not make its controls
  // invisible here). Set them with the widget's setVisible / setEnabled.
  bool Visible() const;
  bool Enabled() const;

  QString FontName() const;
  float FontSize() const;  // points
  bool FontBold() const;
  bool FontItalic() const;
  bool FontUnderline() const;
  void setFontName(const QString& family);
  void setFontSize(float points);
  void setFontBold(bool on);
  void setFontItalic(bool on);
  void setFontUnderline(bool on);

  std::int32_t BackColor() const { return backColor_; }
  std::int32_t ForeColor() const { return foreColor_; }
  void setBackColor(std::int32_t bbggrr);
  void setForeColor(std::int32_t bbggrr);

  QString ToolTipText() const;
  void setToolTipText(const QString& text);
  QString Tag() const { return tag_; }
  void setTag(const QString& tag) { tag_ = tag; }

  // Gives the control the keyboard focus (and its window the activation).
  void SetFocus();
  // Repaints the control at once.
  void Refresh();

  // The handlers this control raises its events to (shared by its array).
  ControlEvents& events() const { return *events_; }

  // One step of the first-load scaling: width, height, left, top and font size by the factors
  // in the order the windows scale them; kinds add their own rule (button height, border).
  virtual void scaleBy(float sx, float sy, const ScaleOptions& options);

  // Wiring done by ControlArray.
  void attach(int index, std::shared_ptr<ControlEvents> events);

 protected:
  // Mouse events of the widget: `deliver` lets the widget handle the event itself, then the
  // control raises MouseDown/MouseUp/MouseMove/DblClick (and Click for kinds that click on a
  // release over them). The event is accepted, so it never reaches the container.
  void routeMouse(QMouseEvent* e, const std::function<void()>& deliver);
  // Whether a left press and release over the control raise Click (buttons and lists raise
  // it their own way).
  virtual bool clickFromMouse() const { return true; }
  // Kinds that have no font (shapes, lines, images) skip it when scaled.
  virtual bool hasFont() const { return true; }
  // Called after BackColor/ForeColor/font changed, to restyle the widget.
  virtual void appearanceChanged();
  // Raises an event with this control's index; safe when no handler is set.
  void raiseClick();
  void raiseChange();

  // Placement of the widget in the container; kinds with a drawn extent (lines) override.
  virtual void applyGeometry();
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;  // in the container's unit, rounded

 private:
  friend class ControlEventFilter;
  QWidget* self_;
  float unitsPerPixel_;
  int index_ = 0;
  std::shared_ptr<ControlEvents> events_;
  std::int32_t backColor_ = 0xFFFFFF;
  std::int32_t foreColor_ = 0;
  QString tag_;
  bool pressed_ = false;
};

// Converts carriage returns (alone or followed by a line feed) to line breaks for display.
QString displayLines(const QString& text);

}  // namespace kwil
