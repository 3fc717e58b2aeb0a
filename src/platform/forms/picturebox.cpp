#include "platform/forms/picturebox.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "platform/forms/colors.h"
#include "platform/forms/picturefile.h"
#include "platform/forms/scaling.h"

namespace kwil {

PictureBox::PictureBox(QWidget* container) : QWidget(container), Control(this, container) {
  setBackColor(0xC0C0C0);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setScaleMode(int mode) { scaleMode_ = mode == Twips ? Twips : Pixels; }

float PictureBox::toPixels(float v) const { return scaleMode_ == Twips ? v / TwipsPerPixel : v; }
float PictureBox::fromPixels(float px) const { return scaleMode_ == Twips ? px * TwipsPerPixel : px; }

float PictureBox::ScaleWidth() const { return fromPixels(static_cast<float>(width())); }
float PictureBox::ScaleHeight() const { return fromPixels(static_cast<float>(height())); }

void PictureBox::applyGeometry() {
  Control::applyGeometry();
  fitImageToWidget();
}

void PictureBox::resizeEvent(QResizeEvent*) { fitImageToWidget(); }

// The kept drawing follows the box's size; what was drawn stays at the top left.
void PictureBox::fitImageToWidget() {
  const QSize size(std::max(1, width()), std::max(1, height()));
  if (image_.size() == size) return;
  QImage grown(size, QImage::Format_RGB32);
  grown.fill(vbColor(BackColor()));
  if (!image_.isNull()) {
    QPainter p(&grown);
    p.drawImage(0, 0, image_);
  }
  image_ = grown;
}

void PictureBox::Cls() {
  fitImageToWidget();
  image_.fill(vbColor(BackColor()));
  if (!picture_.isNull()) {
    QPainter p(&image_);
    p.drawImage(0, 0, picture_);
  }
  currentX_ = currentY_ = 0;
  update();
}

QFont PictureBox::drawingFont() const { return font(); }

float PictureBox::TextWidth(const QString& text) const {
  const QFontMetricsF fm(drawingFont(), &image_);
  return fromPixels(static_cast<float>(fm.horizontalAdvance(text)));
}

float PictureBox::TextHeight(const QString&) const {
  const QFontMetricsF fm(drawingFont(), &image_);
  return fromPixels(static_cast<float>(fm.height()));
}

void PictureBox::drawText(const QString& text) {
  if (text.isEmpty()) return;
  fitImageToWidget();
  {
    QPainter p(&image_);
    p.setFont(drawingFont());
    p.setPen(vbColor(ForeColor()));
    const QFontMetricsF fm(drawingFont(), &image_);
    p.drawText(QPointF(toPixels(currentX_), toPixels(currentY_) + fm.ascent()), text);
  }
  currentX_ += TextWidth(text);
  update();
}

void PictureBox::Print(const QString& text) {
  drawText(text);
  currentX_ = 0;
  currentY_ += TextHeight();
}

void PictureBox::PrintPart(const QString& text) { drawText(text); }

void PictureBox::PrintTab(int column) {
  const QFontMetricsF fm(drawingFont(), &image_);
  const float target = fromPixels(static_cast<float>(std::max(column - 1, 0) * fm.averageCharWidth()));
  if (currentX_ > target + fromPixels(0.5f)) {
    currentY_ += TextHeight();
  }
  currentX_ = target;
}

void PictureBox::DrawLine(float x1, float y1, float x2, float y2, std::int32_t colour) {
  fitImageToWidget();
  {
    QPainter p(&image_);
    p.setPen(QPen(vbColor(colour < 0 ? ForeColor() : colour), drawWidth_));
    p.drawLine(QPointF(toPixels(x1), toPixels(y1)), QPointF(toPixels(x2), toPixels(y2)));
  }
  currentX_ = x2;
  currentY_ = y2;
  update();
}

void PictureBox::DrawBox(float x1, float y1, float x2, float y2, std::int32_t colour, bool filled) {
  fitImageToWidget();
  const QColor c = vbColor(colour < 0 ? ForeColor() : colour);
  const QRectF r = QRectF(QPointF(toPixels(x1), toPixels(y1)), QPointF(toPixels(x2), toPixels(y2))).normalized();
  {
    QPainter p(&image_);
    if (filled) {
      // Both corners are part of the box.
      p.fillRect(QRectF(r.topLeft(), r.size() + QSizeF(1, 1)), c);
    } else {
      p.setPen(QPen(c, drawWidth_));
      p.drawRect(r);
    }
  }
  currentX_ = x2;
  currentY_ = y2;
  update();
}

void PictureBox::setDrawWidth(int pixels) { drawWidth_ = std::max(1, pixels); }

bool PictureBox::setPicture(const QString& path) {
  setPicture(LoadPicture(path));
  return !picture_.isNull();
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  if (autoSize_ && !picture_.isNull()) {
    setWidth(static_cast<float>(picture_.width()) * unitsPerPixel());
    setHeight(static_cast<float>(picture_.height()) * unitsPerPixel());
  }
  fitImageToWidget();
  image_.fill(vbColor(BackColor()));
  if (!picture_.isNull()) {
    QPainter p(&image_);
    p.drawImage(0, 0, picture_);
  }
  update();
}

void PictureBox::clearPicture() { setPicture(QImage()); }

void PictureBox::setAutoSize(bool on) {
  autoSize_ = on;
  if (on && !picture_.isNull()) {
    setWidth(static_cast<float>(picture_.width()) * unitsPerPixel());
    setHeight(static_cast<float>(picture_.height()) * unitsPerPixel());
  }
}

void PictureBox::scaleBy(float sx, float sy, const ScaleOptions& options) { Control::scaleBy(sx, sy, options); }

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), vbColor(BackColor()));
  p.drawImage(0, 0, image_);
}

void PictureBox::appearanceChanged() { update(); }

void bitBlt(PictureBox& dest, int x, int y, int w, int h, const PictureBox& src, int sx, int sy) {
  if (w <= 0 || h <= 0) return;
  const QRect wanted(sx, sy, w, h);
  const QRect taken = wanted.intersected(src.image().rect());
  if (taken.isEmpty()) return;
  const QImage piece = src.image().copy(taken);  // a copy, so a box may copy onto itself
  {
    QPainter p(&dest.image());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(x + taken.x() - sx, y + taken.y() - sy), piece);
  }
  dest.repaint();
}

}  // namespace kwil
