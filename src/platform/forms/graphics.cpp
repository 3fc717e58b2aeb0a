#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/forms/colors.h"
#include "platform/forms/controls.h"
#include "platform/forms/picturefile.h"
#include "platform/forms/scaling.h"

namespace kwil {

// ---- ImageBox

ImageBox::ImageBox(QWidget* container) : QWidget(container), Control(this, container) {}

bool ImageBox::setPicture(const QString& path) {
  setPicture(LoadPicture(path));
  return !picture_.isNull();
}

void ImageBox::setPicture(const QImage& picture) {
  picture_ = picture;
  if (!stretch_ && !picture_.isNull()) {
    setWidth(static_cast<float>(picture_.width()) * unitsPerPixel());
    setHeight(static_cast<float>(picture_.height()) * unitsPerPixel());
  }
  update();
}

void ImageBox::clearPicture() {
  picture_ = QImage();
  update();
}

void ImageBox::setStretch(bool on) {
  stretch_ = on;
  update();
}

void ImageBox::scaleBy(float sx, float sy, const ScaleOptions& options) {
  if (!options.moveOnly) {
    setWidth(Width() * sx);
    setHeight(Height() * sy);
  }
  setLeft(Left() * sx);
  setTop(Top() * sy);
}

void ImageBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  if (stretch_)
    p.drawImage(rect(), picture_);
  else
    p.drawImage(0, 0, picture_);
}

// ---- Shape

Shape::Shape(QWidget* container) : QWidget(container), Control(this, container) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setShape(int kind) {
  kind_ = kind;
  update();
}
void Shape::setBackStyle(int style) {
  backStyle_ = style;
  update();
}
void Shape::setFillStyle(int style) {
  fillStyle_ = style;
  update();
}
void Shape::setFillColor(std::int32_t bbggrr) {
  fillColor_ = bbggrr & 0xFFFFFF;
  update();
}
void Shape::setBorderColor(std::int32_t bbggrr) {
  borderColor_ = bbggrr & 0xFFFFFF;
  update();
}
void Shape::setBorderWidth(int pixels) {
  borderWidth_ = std::max(0, pixels);
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, kind_ >= Oval);
  QRectF r = QRectF(rect()).adjusted(borderWidth_ / 2.0, borderWidth_ / 2.0, -borderWidth_ / 2.0, -borderWidth_ / 2.0);
  if (kind_ == Square || kind_ == Circle || kind_ == RoundedSquare) {
    const double side = std::min(r.width(), r.height());
    r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  }
  const auto drawOutline = [&](const QBrush& brush) {
    p.setBrush(brush);
    if (kind_ == Oval || kind_ == Circle)
      p.drawEllipse(r);
    else if (kind_ == RoundedRectangle || kind_ == RoundedSquare)
      p.drawRoundedRect(r, r.width() / 10, r.height() / 10);
    else
      p.drawRect(r);
  };
  p.setPen(Qt::NoPen);
  if (backStyle_ == 1) drawOutline(vbColor(BackColor()));
  if (fillStyle_ == 0) drawOutline(vbColor(fillColor_));
  if (borderWidth_ > 0) {
    p.setPen(QPen(vbColor(borderColor_), borderWidth_));
    drawOutline(Qt::NoBrush);
  }
}

// ---- LineControl

LineControl::LineControl(QWidget* container) : QWidget(container), Control(this, container) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setEnds(float x1, float y1, float x2, float y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  applyGeometry();
}

void LineControl::setBorderColor(std::int32_t bbggrr) {
  borderColor_ = bbggrr & 0xFFFFFF;
  update();
}

void LineControl::setBorderWidth(int pixels) {
  borderWidth_ = std::max(1, pixels);
  applyGeometry();
}

void LineControl::scaleBy(float sx, float sy, const ScaleOptions&) { setEnds(x1_ * sx, y1_ * sy, x2_ * sx, y2_ * sy); }

void LineControl::applyGeometry() {
  // The widget is the box around both ends, widened by the pen on every side.
  const float u = unitsPerPixel();
  const int margin = borderWidth_;
  const int left = static_cast<int>(std::lround(std::min(x1_, x2_) / u)) - margin;
  const int top = static_cast<int>(std::lround(std::min(y1_, y2_) / u)) - margin;
  const int right = static_cast<int>(std::lround(std::max(x1_, x2_) / u)) + margin;
  const int bottom = static_cast<int>(std::lround(std::max(y1_, y2_) / u)) + margin;
  left_ = std::min(x1_, x2_);
  top_ = std::min(y1_, y2_);
  width_ = std::abs(x2_ - x1_);
  height_ = std::abs(y2_ - y1_);
  widget()->setGeometry(left, top, right - left + 1, bottom - top + 1);
  update();
}

void LineControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const float u = unitsPerPixel();
  const QPointF origin(geometry().left(), geometry().top());
  p.setPen(QPen(vbColor(borderColor_), borderWidth_, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(x1_ / u, y1_ / u) - origin, QPointF(x2_ / u, y2_ / u) - origin);
}

}  // namespace kwil
