// Speaks the program's lesson pages and test questions into mp3 files:
//   kwil-narration PROGRAM_FOLDER
// or prints what would be spoken, one file a line, without speaking:
//   kwil-narration --teksten
#include "narration.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream err(stderr);
  // An option that is not known is never taken for a folder to speak all texts into.
  const QString argument = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (argc != 2 || (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("--teksten"))) {
    err << "Gebruik: kwil-narration PROGRAMMAMAP\n       kwil-narration --teksten\n";
    return 2;
  }
  QElapsedTimer clock;
  clock.start();
  QList<kwil::media::NarrationText> texts;
  for (const auto& provider : kwil::media::narrationProviders()) texts += provider();
  if (argument == QLatin1String("--teksten")) {
    QTextStream out(stdout);
    for (const auto& text : texts) out << text.fileName << '\t' << text.text << '\n';
    return 0;
  }
  const auto result =
      kwil::media::generateNarration(QDir(argument).filePath("Teksten"), texts);
  for (const QString& failure : result.failures) err << failure << '\n';
  QTextStream(stdout) << result.spoken << " teksten ingesproken, " << result.unchanged << " ongewijzigd, in "
                      << clock.elapsed() << " ms\n";
  return result.failures.isEmpty() ? 0 : 1;
}
