#include "platform/real/qtdialogs.h"

#include <QApplication>
#include <algorithm>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/forms/control.h"

namespace kwil {

namespace {
// Not narrower than this, so that a one-line message does not look like a stray fragment.
constexpr int kMinsteBreedte = 300;
}  // namespace

std::unique_ptr<QMessageBox> berichtVenster(const QString& text, int buttons, const QString& title, QWidget* ouder) {
  auto box = std::make_unique<QMessageBox>(ouder);
  box->setWindowTitle(title);
  box->setTextFormat(Qt::PlainText);
  box->setText(displayLines(text));
  box->setIcon((buttons & DialogService::Critical) ? QMessageBox::Critical : QMessageBox::NoIcon);
  const bool yesNo = (buttons & 7) == DialogService::YesNo;
  box->setStandardButtons(yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  // A message box sizes itself to its text alone, and the window manager cuts the title of a
  // narrow box short: room for the title, and for the close button beside it.
  const QFont titelLetter = QApplication::font("QMdiSubWindowTitleBar");
  const int titelBreedte = QFontMetrics(titelLetter).horizontalAdvance(title) + 4 * QFontMetrics(titelLetter).height() + 60;
  if (auto* rooster = qobject_cast<QGridLayout*>(box->layout()))
    rooster->addItem(new QSpacerItem(std::max(titelBreedte, kMinsteBreedte), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                     rooster->rowCount(), 0, 1, rooster->columnCount());
  return box;
}

int QtDialogService::msgBox(const QString& text, int buttons, const QString& title) {
  const std::unique_ptr<QMessageBox> box = berichtVenster(text, buttons, title, QApplication::activeWindow());
  const int pressed = box->exec();
  if ((buttons & 7) != YesNo) return Ok;
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
