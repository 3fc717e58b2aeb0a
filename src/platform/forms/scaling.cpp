#include "platform/forms/scaling.h"

#include "platform/forms/form.h"
#include "platform/vb.h"

namespace kwil {

ScaleFactors maximiseAndMeasureFactors(Form& form) {
  form.Maximise();
  return {form.ScaleWidth() / 640.0f, form.ScaleHeight() / 480.0f};
}

void refuseScreen640(const ScaleFactors& factors) {
  if (factors.x != 1.0f) return;
  MsgBox(kResolutieTeLaag);
  EndProgram();
}

void scaleControlBy(Control& control, float sx, float sy, const ScaleOptions& options) {
  control.scaleBy(sx, sy, options);
}

}  // namespace kwil
