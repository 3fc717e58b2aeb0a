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

PrintService& printService() {
  return *installed();
}

void installPrintService(std::unique_ptr<PrintService> service) {
  installed() = service ? std::move(service) : std::make_unique<QtPrintService>();
}

std::unique_ptr<QPrinter> QtPrintService::kiesPrinter(QWidget* ouder, const QString& documentNaam) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(documentNaam);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    QString pad =
        QFileDialog::getSaveFileName(ouder, QStringLiteral("Er is geen printer. Opslaan als PDF-bestand"),
                                     QDir::home().filePath(documentNaam + QStringLiteral(".pdf")),
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
