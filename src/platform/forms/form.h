#pragma once
// The base of every window: a top-level widget with the life of the program's forms.
//
//  - Show(): the first Show runs Form_Load (once per run), every Show that makes the form the
//    current window runs Form_Activate after it; the form that was current gets
//    Form_Deactivate first. Showing a form from inside its own Form_Load only makes it visible.
//  - Hide(): hides the form; it keeps its state and its timers keep their own Enabled state.
//    Form_FocusLost runs (as it does when the window loses the keyboard focus), so held keys
//    can be released. Shown again, the form and every control on it are painted whole,
//    however the window manager resized it meanwhile.
//  - Keys: Form_KeyDown/Form_KeyUp get every key pressed while the form is current, whichever
//    control has the focus (F-keys too when a button or a text box has it), before the
//    control does; setting keyCode = 0 keeps the key from the control.
//  - Closing from the title bar asks Form_QueryUnload; a form that does not cancel is hidden,
//    and when no other form is left visible the program ends (EndProgram).
#include <QMargins>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace kwil {

class Form : public QWidget {
  Q_OBJECT
 public:
  explicit Form(QWidget* parent = nullptr);
  ~Form() override;

  // Modeless show: loads on the first call, activates.
  void Show();
  void Hide();
  bool Loaded() const { return loaded_; }

  // Maximises the window. Its inner size becomes the screen service's maximised size, or, with
  // a window manager, the inner area the manager leaves once it has maximised the window
  // (waited for, within a bound, when the window is on the screen).
  void Maximise();
  // Inner size in pixels.
  float ScaleWidth() const;
  float ScaleHeight() const;

  QString Caption() const;
  void setCaption(const QString& text);
  std::int32_t BackColor() const { return backColor_; }
  void setBackColor(std::int32_t bbggrr);

  // The form that was last made current by Show or by the window system, or null.
  static Form* current();

  // Raise the form's own events, as the window system would (tests and direct calls).
  void keyDown(int keyCode, int shift);
  void keyUp(int keyCode, int shift);

 protected:
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  // Key code as in keys.h (F1 = 112, Enter = 13, 'A'..'Z'), shift flags 1/2/4.
  virtual void Form_KeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
  virtual void Form_KeyUp(int& keyCode, int shift) { (void)keyCode, (void)shift; }
  // Pointer over the form's own background; x, y in twips of the form.
  virtual void Form_MouseMove(int button, int shift, float x, float y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  virtual void Form_MouseDown(int button, int shift, float x, float y) {
    (void)button, (void)shift, (void)x, (void)y;
  }
  // The window lost the keyboard focus or was hidden: release whatever keys were held.
  virtual void Form_FocusLost() {}
  // The user closes the window from its title bar; set cancel = true to keep it (a window may
  // then do its own action, e.g. the one of its Stop button).
  virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }

  bool event(QEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  friend class KeyPreviewFilter;
  void makeCurrent();
  QMargins decorationsOfAShownForm() const;
  void waitForWindowManager(const QSize& available);
  void waitForWindowSystem(const std::function<bool()>& done, int longestMs);
  bool loaded_ = false;
  bool loading_ = false;
  bool waitingForMaximise_ = false;  // activation is not this window's to run yet
  bool maximiseWhenShown_ = false;   // measured while hidden, to be maximised at its show
  std::int32_t backColor_ = 0xF0F0F0;
};

}  // namespace kwil
