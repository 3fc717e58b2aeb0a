#include "platform/forms/panel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/forms/bevel.h"
#include "platform/forms/colors.h"
#include "platform/forms/scaling.h"

namespace kwil {

Panel::Panel(QWidget* container) : QWidget(container), Control(this, container) { setBackColor(0xC0C0C0); }

void Panel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void Panel::setAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

void Panel::setLook(int look) {
  look_ = look;
  update();
}

void Panel::setBorderWidth(int pixels) {
  borderWidth_ = std::max(0, pixels);
  update();
}

void Panel::setBevelWidth(int pixels) {
  bevelWidth_ = std::max(0, pixels);
  update();
}

void Panel::setFloodPercent(double percent) {
  floodPercent_ = static_cast<int>(std::lround(std::clamp(percent, 0.0, 100.0)));
  update();
}

void Panel::setFloodType(int type) {
  floodType_ = type;
  update();
}

void Panel::setFloodColor(std::int32_t bbggrr) {
  floodColor_ = bbggrr & 0xFFFFFF;
  update();
}

void Panel::scaleBy(float sx, float sy, const ScaleOptions& options) {
  Control::scaleBy(sx, sy, options);
  const float factor = options.borderFactor == BorderBySchaalX ? sx : sy;
  // The border is a whole number; the product is rounded back to one as the platform does
  // (halves to the even number).
  setBorderWidth(static_cast<int>(std::nearbyint(static_cast<float>(borderWidth_) * factor)));
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), vbColor(BackColor()));
  const bool raised = look_ != Highlighted;
  QRect face = drawBevel(p, rect(), bevelWidth_, raised);
  face.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
  if (borderWidth_ > 0) face = drawBevel(p, face, bevelWidth_, !raised);

  if (floodType_ != FloodNone && floodPercent_ > 0 && face.isValid()) {
    QRect bar = face;
    const int w = face.width() * floodPercent_ / 100;
    const int h = face.height() * floodPercent_ / 100;
    switch (floodType_) {
      case FloodLeftToRight: bar.setWidth(w); break;
      case FloodRightToLeft: bar.setLeft(face.right() + 1 - w); break;
      case FloodTopToBottom: bar.setHeight(h); break;
      default: bar.setTop(face.bottom() + 1 - h); break;
    }
    p.fillRect(bar, vbColor(floodColor_));
  }

  if (!caption_.isEmpty()) {
    p.setFont(font());
    p.setPen(vbColor(ForeColor()));
    p.drawText(face.adjusted(2, 0, -2, 0), static_cast<int>(alignment_) | Qt::TextWordWrap, displayLines(caption_));
  }
}

void Panel::appearanceChanged() { update(); }

}  // namespace kwil
