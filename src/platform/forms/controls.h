#pragma once
// The simple kinds of control. Each is the Qt widget itself plus Control, so a window can use
// the Qt side where it needs to (setToolTip, setFocusPolicy ...). Captions and texts that
// carry carriage returns show them as line breaks.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/forms/control.h"

namespace kwil {

// A push button in the graphical style: flat back colour (KleurKnopNormaal unless set), a
// raised border that sinks while pressed, the caption's & accelerator underlined; Alt+letter
// clicks it. Click is raised by the mouse, the space bar and the accelerator.
class CommandButton : public QPushButton, public Control {
  Q_OBJECT
 public:
  explicit CommandButton(QWidget* container);
  QString Caption() const;
  void setCaption(const QString& caption);
  // The button pressed by Enter in its window when no other button has the focus.
  void setDefault(bool on) { QPushButton::setDefault(on); }
  void scaleBy(float sx, float sy, const ScaleOptions& options) override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void appearanceChanged() override;
  bool clickFromMouse() const override { return false; }
};

// A toggle button with a caption of one or more lines and a Value (pressed or not). A click
// by the user flips Value and raises Click; setValue raises Change only.
class RibbonButton : public QPushButton, public Control {
  Q_OBJECT
 public:
  explicit RibbonButton(QWidget* container);
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  bool Value() const { return isChecked(); }
  void setValue(bool on);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void appearanceChanged() override;
  bool clickFromMouse() const override { return false; }

 private:
  QString caption_;
};

// Text on the window. Alignment 0 left, 1 right, 2 centre; BackStyle 0 transparent, 1 opaque.
class Label : public QLabel, public Control {
  Q_OBJECT
 public:
  explicit Label(QWidget* container);
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  void setAlignment(int vbAlignment);
  void setBackStyle(int style);
  void setWordWrap(bool on) { QLabel::setWordWrap(on); }

 protected:
  void appearanceChanged() override;

 private:
  QString caption_;
  int backStyle_ = 1;
};

// A one-line entry box. PasswordChar "*" shows every character as *; MaxLength 0 = no limit.
// KeyPress gets every typed character, Enter as 13.
class TextBox : public QLineEdit, public Control {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* container);
  QString Text() const { return text(); }
  void setText(const QString& t);
  int MaxLength() const { return maxLength_; }
  void setMaxLength(int n);
  QString PasswordChar() const { return passwordChar_; }
  void setPasswordChar(const QString& c);
  int SelStart() const;
  int SelLength() const;
  void setSelStart(int start);
  void setSelLength(int length);
  bool Locked() const { return isReadOnly(); }
  void setLocked(bool on) { setReadOnly(on); }

 protected:
  void appearanceChanged() override;

 private:
  int maxLength_ = 0;
  QString passwordChar_;
};

// A list of text lines. ListIndex is the selected line (0-based, -1 = none); setting it
// selects (and raises Click, as choosing a line does). Sorted lists put every added line in
// its alphabetical place.
class ListBox : public QListWidget, public Control {
  Q_OBJECT
 public:
  explicit ListBox(QWidget* container);
  void AddItem(const QString& line);
  void RemoveItem(int i);
  void Clear();
  int ListCount() const { return count(); }
  QString List(int i) const;  // empty outside 0 .. ListCount - 1
  int ListIndex() const;
  void setListIndex(int i);
  QString Text() const;  // the selected line, or empty
  bool Sorted() const { return sorted_; }
  void setSorted(bool on) { sorted_ = on; }

 protected:
  void appearanceChanged() override;
  bool clickFromMouse() const override { return false; }
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  bool sorted_ = false;
};

// A picture from a file. Without Stretch the control takes the picture's size; with Stretch
// the picture fills the control. A missing or unreadable file shows nothing.
class ImageBox : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit ImageBox(QWidget* container);
  // Loads the file (found without regard to letter case); returns false when it could not.
  bool setPicture(const QString& path);
  void setPicture(const QImage& picture);
  void clearPicture();
  const QImage& Picture() const { return picture_; }
  bool Stretch() const { return stretch_; }
  void setStretch(bool on);
  void scaleBy(float sx, float sy, const ScaleOptions& options) override;

 protected:
  bool hasFont() const override { return false; }
  void paintEvent(QPaintEvent* e) override;

 private:
  QImage picture_;
  bool stretch_ = false;
};

// A drawn rectangle, square, oval, circle or rounded rectangle; it takes no mouse events
// (they reach what lies under it).
class Shape : public QWidget, public Control {
  Q_OBJECT
 public:
  enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };
  explicit Shape(QWidget* container);
  void setShape(int kind);
  // BackStyle 0 transparent, 1 opaque (BackColor); FillStyle 0 solid (FillColor), 1 none.
  void setBackStyle(int style);
  void setFillStyle(int style);
  void setFillColor(std::int32_t bbggrr);
  void setBorderColor(std::int32_t bbggrr);
  void setBorderWidth(int pixels);

 protected:
  bool hasFont() const override { return false; }
  void paintEvent(QPaintEvent* e) override;

 private:
  int kind_ = Rectangle, backStyle_ = 0, fillStyle_ = 1, borderWidth_ = 1;
  std::int32_t fillColor_ = 0, borderColor_ = 0;
};

// A straight line from (X1, Y1) to (X2, Y2) in the container's unit (the windows' Lijn).
// ControlArray::create(i, container, x1, y1, x2, y2) and setBounds take the ends; Left/Top/
// Width/Height read the box between them; scaling moves the ends. Takes no mouse events.
class LineControl : public QWidget, public Control {
  Q_OBJECT
 public:
  explicit LineControl(QWidget* container);
  float X1() const { return x1_; }
  float Y1() const { return y1_; }
  float X2() const { return x2_; }
  float Y2() const { return y2_; }
  void setEnds(float x1, float y1, float x2, float y2);
  void setBounds(float x1, float y1, float x2, float y2) override { setEnds(x1, y1, x2, y2); }
  void setBorderColor(std::int32_t bbggrr);
  std::int32_t BorderColor() const { return borderColor_; }
  void setBorderWidth(int pixels);
  void scaleBy(float sx, float sy, const ScaleOptions& options) override;

 protected:
  bool hasFont() const override { return false; }
  void paintEvent(QPaintEvent* e) override;
  void applyGeometry() override;

 private:
  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  std::int32_t borderColor_ = 0;
  int borderWidth_ = 1;
};

}  // namespace kwil
