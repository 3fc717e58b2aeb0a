#include "platform/real/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/forms/control.h"

namespace kwil {

int QtDialogService::msgBox(const QString& text, int buttons, const QString& title) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title);
  box.setTextFormat(Qt::PlainText);
  box.setText(displayLines(text));
  box.setIcon((buttons & Critical) ? QMessageBox::Critical : QMessageBox::NoIcon);
  const bool yesNo = (buttons & 7) == YesNo;
  box.setStandardButtons(yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  const int pressed = box.exec();
  if (!yesNo) return Ok;
  return pressed == QMessageBox::Yes ? Yes : No;
}

QString QtDialogService::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
  bool ok = false;
  const QString typed = QInputDialog::getText(QApplication::activeWindow(), title, displayLines(prompt),
                                              QLineEdit::Normal, defaultText, &ok);
  return ok ? typed : QString();
}

QString QtDialogService::openFile(const QString& title, const QString& filter, const QString& startDir) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startDir, filter);
}

}  // namespace kwil
