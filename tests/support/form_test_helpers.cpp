#include "support/form_test_helpers.h"

#include <QApplication>
#include <QMouseEvent>

#include "platform/endprogram.h"

namespace kwil::formtest {

int RecordingDialogs::msgBox(const QString& text, int b, const QString& title) {
  texts.append(text);
  buttons.append(b);
  titles.append(title);
  return (b & 7) == YesNo ? No : Ok;
}

QString RecordingDialogs::inputBox(const QString& prompt, const QString&, const QString&) {
  texts.append(prompt);
  return {};
}

QString RecordingDialogs::openFile(const QString& title, const QString&, const QString&) {
  texts.append(title);
  return {};
}

RecordingDialogs* installFormFakes(QSize screen) {
  platform().screen = std::make_unique<FixedScreen>(screen);
  auto dialogs = std::make_unique<RecordingDialogs>();
  RecordingDialogs* d = dialogs.get();
  platform().dialogs = std::move(dialogs);
  return d;
}

EndProgramRecorder::EndProgramRecorder() {
  setEndProgramHandler([this] { ++ends; });
}

EndProgramRecorder::~EndProgramRecorder() { setEndProgramHandler({}); }

namespace {
void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
}  // namespace

void pressOn(QWidget* w, QPoint at, Qt::MouseButton button) {
  sendMouse(w, QEvent::MouseButtonPress, at, button, button);
}

void releaseOn(QWidget* w, QPoint at, Qt::MouseButton button) {
  sendMouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void moveOver(QWidget* w, QPoint at, Qt::MouseButtons held) {
  sendMouse(w, QEvent::MouseMove, at, Qt::NoButton, held);
}

}  // namespace kwil::formtest
