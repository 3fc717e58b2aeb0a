#include "platform/real/qtdialogs.h"

#include <QApplication>
#include <algorithm>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "platform/forms/control.h"

namespace kwil {

namespace {
// Not narrower than this, so that a one-line message does not look like a stray fragment.
constexpr int kMinsteBreedte = 300;

// The window manager cuts the title of a narrow box short: room for the title, and for the
// buttons beside it.
int breedteVoorTitel(const QString& titel) {
  const QFontMetrics titelMaat(QApplication::font("QMdiSubWindowTitleBar"));
  return std::max(kMinsteBreedte, titelMaat.horizontalAdvance(titel) + 4 * titelMaat.height() + 60);
}
}  // namespace

std::unique_ptr<QMessageBox> berichtVenster(const QString& text, int buttons, const QString& title, QWidget* ouder) {
  auto box = std::make_unique<QMessageBox>(ouder);
  box->setWindowTitle(title);
  box->setTextFormat(Qt::PlainText);
  box->setText(displayLines(text));
  box->setIcon((buttons & DialogService::Critical) ? QMessageBox::Critical : QMessageBox::NoIcon);
  const bool yesNo = (buttons & 7) == DialogService::YesNo;
  box->setStandardButtons(yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  // A message box sizes itself to its text alone: room for the title as well.
  if (auto* rooster = qobject_cast<QGridLayout*>(box->layout()))
    rooster->addItem(new QSpacerItem(breedteVoorTitel(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
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
  QInputDialog box(QApplication::activeWindow());
  box.setWindowTitle(title);
  box.setLabelText(displayLines(prompt));
  box.setTextValue(defaultText);
  // The box takes its width from its text field.
  if (auto* invoer = box.findChild<QLineEdit*>()) invoer->setMinimumWidth(breedteVoorTitel(title) - 40);
  return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QString QtDialogService::openFile(const QString& title, const QString& filter, const QString& startDir) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startDir, filter);
}

}  // namespace kwil
