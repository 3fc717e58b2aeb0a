#pragma once
// In-memory stand-ins for the outside world. Each records what the program did to it so a
// test can assert on it, and answers as the test told it to.
#include <QList>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>

#include "platform/services.h"

namespace kwil::fake {

// A clock that never blocks: sleeps advance it and are counted.
class FakeClock : public Clock {
 public:
  void sleepMs(int ms) override;
  double secondsSinceMidnight() override { return midnightSeconds; }
  double monotonicSeconds() override { return monotonic; }
  void advance(double seconds);

  QList<int> sleeps;
  double midnightSeconds = 36000;  // 10:00
  double monotonic = 1000;
  std::function<void(int)> onSleep;  // runs after each sleep, for simulators that must move on
};

class FakeClipboard : public Clipboard {
 public:
  void clear() override;
  void setText(const QString& t) override;
  QString text;
  int clears = 0;
  bool hasText = false;
};

class FakeSettings : public SettingsStore {
 public:
  QString value(const QString& key) override { return values.value(key); }
  void setValue(const QString& key, const QString& v) override { values.insert(key, v); }
  QMap<QString, QString> values;
};

class FakeScreen : public ScreenInfo {
 public:
  QSize maximisedSize() override { return size; }
  QSize size{1024, 768};
};

// Counts the event-pump calls; by default really lets pending events run.
class FakeEventPump : public EventPump {
 public:
  void processPending() override;
  int calls = 0;
  bool runRealEvents = true;
  std::function<void()> onPump;
};

// Records every message box and answers from a queue (OK / the default when empty).
class FakeDialogs : public DialogService {
 public:
  struct Shown {
    QString text;
    int buttons;
    QString title;
  };
  int msgBox(const QString& text, int buttons, const QString& title) override;
  QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
  QString openFile(const QString& title, const QString& filter, const QString& startDir) override;

  QList<Shown> messages;
  std::deque<int> answers;           // answers to message boxes, taken in order
  std::deque<QString> inputAnswers;  // texts typed into input boxes
  QStringList inputPrompts;
  std::deque<QString> fileAnswers;  // files chosen in the file dialog ("" = cancel)
  QStringList fileDialogs;
  std::function<void(const Shown&)> onMessage;  // lets a test act while the "dialog" is open
};

// Installs fakes for every service not yet installed by the test; returns the fresh ones.
struct Fakes {
  FakeClock* clock;
  FakeClipboard* clipboard;
  FakeSettings* settings;
  FakeScreen* screen;
  FakeEventPump* events;
  FakeDialogs* dialogs;
};

// Replaces the clock, clipboard, settings, screen, events and dialogs with fresh fakes and
// resets the program-wide variables.
Fakes installBasicFakes();

}  // namespace kwil::fake
