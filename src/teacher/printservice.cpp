#include "teacher/printservice.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace kwil {

namespace {
std::unique_ptr<PrintService>& installed() {
  static std::unique_ptr<PrintService> service = std::make_unique<QtPrintService>();
  return service;
}
}  // namespace

QString veiligeBestandsnaam(const QString& naam) {
  QString veilig;
  for (QChar c : naam)
    veilig += c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c) ? QLatin1Char('-') : c;
  while (!veilig.isEmpty() && (veilig.front().isSpace() || veilig.front() == QLatin1Char('.'))) veilig.remove(0, 1);
  while (!veilig.isEmpty() && (veilig.back().isSpace() || veilig.back() == QLatin1Char('.'))) veilig.chop(1);
  return veilig.isEmpty() ? QStringLiteral("Cijferlijst") : veilig;
}

PrintService& printService() {
  return *installed();
}

void installPrintService(std::unique_ptr<PrintService> service) {
  installed() = service ? std::move(service) : std::make_unique<QtPrintService>();
}

std::unique_ptr<QPrinter> QtPrintService::kiesPrinter(QWidget* ouder, const QString& documentNaam) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  // The print dialog offers the document name as the file name when printing to a file.
  printer->setDocName(veiligeBestandsnaam(documentNaam));
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    QString pad =
        QFileDialog::getSaveFileName(ouder, QStringLiteral("Er is geen printer. Opslaan als PDF-bestand"),
                                     QDir::home().filePath(veiligeBestandsnaam(documentNaam) + QStringLiteral(".pdf")),
                                     QStringLiteral("PDF-bestanden (*.pdf)"));
    if (pad.isEmpty()) return nullptr;
    if (!pad.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) pad += QStringLiteral(".pdf");
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pad);
    return printer;
  }
  QPrintDialog dialoog(printer.get(), ouder);
  dialoog.setWindowTitle(QStringLiteral("Cijferlijst afdrukken"));
  if (dialoog.exec() != QDialog::Accepted) return nullptr;
  return printer;
}

}  // namespace kwil
