#pragma once
// The picture in the selection window's logo frame; a click on it shows the version box.
#include <QImage>

namespace kwil {

// An AND gate with two switches at its inputs and a lit LED at its output.
QImage selectieLogo();

}  // namespace kwil
