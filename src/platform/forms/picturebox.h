#pragma once
// A picture box that keeps what is drawn into it: every Print, line and box goes into a
// backing image that is shown and survives being hidden, covered or resized (a larger box
// keeps the old drawing at its top left). A hidden picture box can be drawn into and copied
// from (the lesson's page canvas).
//
// Drawing coordinates (CurrentX, CurrentY, TextWidth, ScaleWidth ...) are in the box's own
// ScaleMode: pixels unless set to twips. Printing: Print(text) draws at (CurrentX, CurrentY),
// then CurrentX returns to 0 and CurrentY moves down one text height; PrintPart(text) leaves
// the position after the text on the same line (the ";" form); PrintTab(n) moves to print
// column n (1 = left edge; a column is the font's average character width), to the next line
// first when the position is already beyond it.
#include <QImage>
#include <QString>
#include <QWidget>

#include "platform/forms/control.h"

namespace kwil {

class PictureBox : public QWidget, public Control {
  Q_OBJECT
 public:
  enum ScaleMode { Twips = 1, Pixels = 3 };
  explicit PictureBox(QWidget* container);

  int scaleMode() const { return scaleMode_; }
  void setScaleMode(int mode);
  // Inner size in the scale mode.
  float ScaleWidth() const;
  float ScaleHeight() const;

  // Clears the drawing to BackColor (and the Picture, when one is set) and puts the print
  // position at the top left.
  void Cls();
  void Print(const QString& text = {});
  void PrintPart(const QString& text);
  void PrintTab(int column);
  float CurrentX() const { return currentX_; }
  float CurrentY() const { return currentY_; }
  void setCurrentX(float x) { currentX_ = x; }
  void setCurrentY(float y) { currentY_ = y; }
  float TextWidth(const QString& text) const;
  float TextHeight(const QString& text = QStringLiteral("A")) const;

  // A line, or with box = true the rectangle's outline, or with filled = true a filled
  // rectangle; colour -1 = ForeColor. Corners in the scale mode. DrawWidth in pixels.
  void DrawLine(float x1, float y1, float x2, float y2, std::int32_t colour = -1);
  void DrawBox(float x1, float y1, float x2, float y2, std::int32_t colour = -1, bool filled = false);
  int DrawWidth() const { return drawWidth_; }
  void setDrawWidth(int pixels);

  // The background picture. Setting it replaces the drawing by the picture on BackColor;
  // with AutoSize the box takes the picture's size. A missing or unreadable file gives an
  // empty picture (no error) and returns false.
  bool setPicture(const QString& path);
  void setPicture(const QImage& picture);
  void clearPicture();
  const QImage& Picture() const { return picture_; }
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool on);

  // The kept drawing (one pixel per pixel of the box).
  const QImage& image() const { return image_; }
  QImage& image() { return image_; }

  void scaleBy(float sx, float sy, const ScaleOptions& options) override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void appearanceChanged() override;
  void applyGeometry() override;

 private:
  float toPixels(float v) const;
  float fromPixels(float px) const;
  void fitImageToWidget();
  void drawText(const QString& text);
  QFont drawingFont() const;

  int scaleMode_ = Pixels;
  QImage image_;
  QImage picture_;
  bool autoSize_ = false;
  float currentX_ = 0, currentY_ = 0;
  int drawWidth_ = 1;
};

// Copies the w x h pixel region at (sx, sy) of src's drawing to (x, y) of dest's drawing and
// repaints dest at once, so each pass of an animation is seen. Coordinates in pixels; parts
// outside either image are left out. dest and src may be the same box.
void bitBlt(PictureBox& dest, int x, int y, int w, int h, const PictureBox& src, int sx, int sy);

}  // namespace kwil
