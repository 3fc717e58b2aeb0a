#pragma once
// Message boxes, input boxes and the file dialog on the screen.
#include <memory>

#include "platform/services.h"

class QMessageBox;
class QWidget;

namespace kwil {

// The box msgBox shows: its text, buttons and icon, and wide enough that the window title is
// read in full above a short message ("Cijfer: 7").
std::unique_ptr<QMessageBox> berichtVenster(const QString& text, int buttons, const QString& title, QWidget* ouder);

class QtDialogService : public DialogService {
 public:
  // Buttons 0 OK (answer 1), 4 Yes/No (answers 6/7); +16 adds the critical icon. The text's
  // carriage returns become line breaks for display.
  int msgBox(const QString& text, int buttons, const QString& title) override;
  // Cancel gives the empty text.
  QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
  QString openFile(const QString& title, const QString& filter, const QString& startDir) override;
};

}  // namespace kwil
