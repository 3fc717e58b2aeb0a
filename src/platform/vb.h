#pragma once
// Short forms of the platform calls that the windows and drivers make all the time.
#include <QString>

#include "platform/services.h"

namespace kwil {

inline const QString kAppTitle = QStringLiteral("Kwilmora");

// A message box; buttons as DialogService (0 OK, 4 Yes/No, 16 error icon); the title is the
// application's unless given. Returns the answer (1 OK, 6 Yes, 7 No).
inline int MsgBox(const QString& text, int buttons = 0, const QString& title = kAppTitle) {
  return platform().dialogs->msgBox(text, buttons, title);
}

// Lets pending events run once.
inline void DoEvents() { platform().events->processPending(); }

// Decimal text of a number with one leading blank when it is not negative, as numbers are
// put into captions and messages.
inline QString Str(long long n) { return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n); }

// Carriage return, the line separator of message texts.
inline const QString vbCr = QStringLiteral("\r");

}  // namespace kwil
