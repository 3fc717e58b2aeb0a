#pragma once
// Where the class report goes: the teacher picks a printer in the print dialog, or, on a
// machine without a printer, a PDF file. The teacher module asks through this interface so
// tests can print to a file without any dialog.
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace kwil {

class PrintService {
 public:
  virtual ~PrintService() = default;
  // A printer set up as the teacher chose, or nullptr when they cancelled. documentName names
  // the print job and the suggested PDF file.
  virtual std::unique_ptr<QPrinter> kiesPrinter(QWidget* ouder, const QString& documentNaam) = 0;
};

// The print dialog, or a file dialog for a PDF file when no printer is set up.
class QtPrintService : public PrintService {
 public:
  std::unique_ptr<QPrinter> kiesPrinter(QWidget* ouder, const QString& documentNaam) override;
};

// A name that can stand as one file name in any folder: every character that a file system
// takes as a folder separator or refuses ("/", "\\", ":", "*", "?", "\"", "<", ">", "|", control
// characters) becomes "-", and blanks and dots at either end go ("2A/B" gives "2A-B").
// "Cijferlijst" when nothing is left.
QString veiligeBestandsnaam(const QString& naam);

// The installed service; the real one until another is installed.
PrintService& printService();
void installPrintService(std::unique_ptr<PrintService> service);

}  // namespace kwil
