#pragma once
// Everything a window needs from the form layer.
#include "platform/forms/colors.h"
#include "platform/forms/controlarray.h"
#include "platform/forms/controls.h"
#include "platform/forms/fonts.h"
#include "platform/forms/form.h"
#include "platform/forms/keys.h"
#include "platform/forms/panel.h"
#include "platform/forms/picturebox.h"
#include "platform/forms/picturefile.h"
#include "platform/forms/scaling.h"
#include "platform/forms/timer.h"
