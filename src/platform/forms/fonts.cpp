#include "platform/forms/fonts.h"

#include <QFont>

namespace kwil {

void installFontSubstitutes() {
  QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}

}  // namespace kwil
