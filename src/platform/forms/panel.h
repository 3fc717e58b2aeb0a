#pragma once
// The 3D panel: a caption on a coloured face inside a bevelled border, a container whose
// children are placed in twips, and an optional percentage fill (a level bar).
#include <QWidget>

#include "platform/forms/control.h"

namespace kwil {

class Panel : public QWidget, public Control {
  Q_OBJECT
 public:
  // Look of the border: 1 highlighted (pressed in), 2 normal (raised).
  enum Look { Highlighted = 1, Normal = 2 };
  // Direction of the percentage fill.
  enum FloodType { FloodNone = 0, FloodLeftToRight = 1, FloodRightToLeft = 2, FloodTopToBottom = 3, FloodBottomToTop = 4 };

  explicit Panel(QWidget* container);

  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);
  // Caption alignment within the face; centred by default.
  void setAlignment(Qt::Alignment alignment);

  int Look() const { return look_; }
  void setLook(int look);

  // Width in pixels of the band between the outer and the inner bevel (Integer property;
  // scaled by SchaalX or SchaalY at first load).
  int BorderWidth() const { return borderWidth_; }
  void setBorderWidth(int pixels);
  // Width in pixels of each bevel; 0 draws the panel flat.
  int BevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int pixels);

  // 0 .. 100 (clamped): part of the face filled in FloodColor from the FloodType side.
  int FloodPercent() const { return floodPercent_; }
  void setFloodPercent(double percent);  // rounded to the nearest whole percent
  void setFloodType(int type);
  void setFloodColor(std::int32_t bbggrr);

  void scaleBy(float sx, float sy, const ScaleOptions& options) override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void appearanceChanged() override;

 private:
  QString caption_;
  Qt::Alignment alignment_ = Qt::AlignCenter;
  int look_ = Normal;
  int borderWidth_ = 0;
  int bevelWidth_ = 1;
  int floodPercent_ = 0;
  int floodType_ = FloodNone;
  std::int32_t floodColor_ = 0xFF0000;
};

}  // namespace kwil
