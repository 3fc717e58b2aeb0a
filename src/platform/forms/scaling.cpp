#include "platform/forms/scaling.h"

#include "platform/forms/form.h"
#include "platform/services.h"
#include "platform/vb.h"

namespace kwil {

ScaleFactors maximiseAndMeasureFactors(Form& form) {
  form.Maximise();
  return {form.ScaleWidth() / 640.0f, form.ScaleHeight() / 480.0f};
}

void refuseScreen640() {
  // Decided from the screen, not from the window: a window measured before the window manager
  // has maximised it is still 640 wide on any screen.
  const QSize screen = platform().screen ? platform().screen->maximisedSize() : QSize(640, 480);
  if (screen.width() != 640) return;
  MsgBox(kResolutieTeLaag);
  EndProgram();
}

void scaleControlBy(Control& control, float sx, float sy, const ScaleOptions& options) {
  control.scaleBy(sx, sy, options);
}

}  // namespace kwil
