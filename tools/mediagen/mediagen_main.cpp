// Draws the course's pictures and synthesises its sounds into a program folder:
//   kwil-mediagen PROGRAM_FOLDER
#include "catalogue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
  // Drawing text needs a GUI application, but never a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc != 2) {
    err << "Gebruik: kwil-mediagen PROGRAMMAMAP\n";
    return 2;
  }
  QElapsedTimer clock;
  clock.start();
  const QDir program(QString::fromLocal8Bit(argv[1]));
  const auto pictures = kwil::media::generatePictures(program.filePath("Afbeeldingen"));
  const auto sounds = kwil::media::generateSounds(program.filePath("Geluiden"));
  for (const QString& failure : pictures.failures + sounds.failures) err << failure << '\n';
  QTextStream(stdout) << pictures.written << " afbeeldingen en " << sounds.written << " geluiden gemaakt in "
                      << clock.elapsed() << " ms\n";
  return pictures.failures.isEmpty() && sounds.failures.isEmpty() ? 0 : 1;
}
