#pragma once
// Small helpers for tests that drive windows of the form layer offscreen.
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "platform/services.h"

namespace kwil::formtest {

// A screen of a chosen maximised size.
class FixedScreen : public ScreenInfo {
 public:
  explicit FixedScreen(QSize s) : size(s) {}
  QSize maximisedSize() override { return size; }
  QSize size;
};

// Message boxes recorded and answered with OK (No for Yes/No questions).
class RecordingDialogs : public DialogService {
 public:
  int msgBox(const QString& text, int buttons, const QString& title) override;
  QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
  QString openFile(const QString& title, const QString& filter, const QString& startDir) override;
  QStringList texts;
  QList<int> buttons;
  QStringList titles;
};

// Installs a fixed screen and recording dialogs in the platform; returns the dialogs.
RecordingDialogs* installFormFakes(QSize screen = QSize(1024, 768));

// Counts EndProgram calls while alive (EndProgram then throws ProgramEnded to the test).
class EndProgramRecorder {
 public:
  EndProgramRecorder();
  ~EndProgramRecorder();
  int ends = 0;
};

// Real mouse events on a widget, at a point in its pixels.
void pressOn(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void releaseOn(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void moveOver(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::NoButton);

}  // namespace kwil::formtest
