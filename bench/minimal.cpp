// The smallest Qt Widgets program that shows a maximised window: what the start-up and the idle
// load of kwilmora are compared with.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.showMaximized();
  return app.exec();
}
