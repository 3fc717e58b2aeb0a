// The smallest Qt Widgets program that shows a maximised window: what the start-up and the idle
// load of kwilmora are compared with. With "--timer-ms N" it also runs a precise timer with an
// empty handler every N ms and says "klaar" once it ticks: the least any polling at that period
// costs, whatever the tick does.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.showMaximized();
  const QStringList args = QApplication::arguments();
  const qsizetype at = args.indexOf(QStringLiteral("--timer-ms"));
  QTimer tick;
  if (at > 0 && at + 1 < args.size()) {
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(args.at(at + 1).toInt());
    QTimer::singleShot(0, [] {
      std::puts("klaar");
      std::fflush(stdout);
    });
  }
  return app.exec();
}
