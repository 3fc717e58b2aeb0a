#include <QPainter>
#include <QStyle>
#include <cmath>

#include "platform/forms/bevel.h"
#include "platform/forms/colors.h"
#include "platform/forms/controls.h"
#include "platform/forms/scaling.h"

namespace kwil {

namespace {
const QColor kEngraveLight(255, 255, 255);
const QColor kEngraveDark(128, 128, 128);

// Face, border and caption shared by the push button and the ribbon button.
void paintButton(QWidget& w, const Control& c, const QString& caption, bool sunk) {
  QPainter p(&w);
  p.fillRect(w.rect(), vbColor(c.BackColor()));
  p.setPen(QColor(0, 0, 0));
  p.drawRect(w.rect().adjusted(0, 0, -1, -1));
  const QRect inner = drawBevel(p, w.rect().adjusted(1, 1, -1, -1), 1, !sunk);
  QRect text = inner.adjusted(2, 2, -2, -2);
  if (sunk) text.translate(1, 1);
  const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
  QPalette pal = w.palette();
  if (w.isEnabled()) {
    pal.setColor(QPalette::WindowText, vbColor(c.ForeColor()));
    w.style()->drawItemText(&p, text, flags, pal, true, caption, QPalette::WindowText);
  } else {
    // A button that cannot be pressed shows its caption engraved in grey, whatever its colours.
    pal.setColor(QPalette::WindowText, kEngraveLight);
    w.style()->drawItemText(&p, text.translated(1, 1), flags, pal, true, caption, QPalette::WindowText);
    pal.setColor(QPalette::WindowText, kEngraveDark);
    w.style()->drawItemText(&p, text, flags, pal, true, caption, QPalette::WindowText);
  }
  if (w.hasFocus()) {
    p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
    p.drawRect(inner.adjusted(2, 2, -3, -3));
  }
}
}  // namespace

CommandButton::CommandButton(QWidget* container) : QPushButton(container), Control(this, container) {
  setBackColor(KleurKnopNormaal);
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { raiseClick(); });
}

QString CommandButton::Caption() const { return text(); }
void CommandButton::setCaption(const QString& caption) { setText(caption); }

void CommandButton::scaleBy(float sx, float sy, const ScaleOptions& options) {
  setWidth(Width() * sx);
  if (options.roundButtonHeight)
    setHeight(std::trunc(Height() * sy / 15.0f) * 15.0f);
  else
    setHeight(Height() * sy);
  setLeft(Left() * sx);
  setTop(Top() * sy);
  setFontSize(FontSize() * sy);
}

void CommandButton::paintEvent(QPaintEvent*) { paintButton(*this, *this, text(), isDown()); }
void CommandButton::appearanceChanged() { update(); }

RibbonButton::RibbonButton(QWidget* container) : QPushButton(container), Control(this, container) {
  setCheckable(true);
  setBackColor(KleurKnopNormaal);
  connect(this, &QPushButton::clicked, this, [this] { raiseClick(); });
  connect(this, &QPushButton::toggled, this, [this] { raiseChange(); });
}

void RibbonButton::setCaption(const QString& caption) {
  caption_ = caption;
  setText(displayLines(caption));
  update();
}

void RibbonButton::setValue(bool on) { setChecked(on); }

void RibbonButton::paintEvent(QPaintEvent*) { paintButton(*this, *this, text(), isDown() || isChecked()); }
void RibbonButton::appearanceChanged() { update(); }

}  // namespace kwil
