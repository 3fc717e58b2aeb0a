#include "support/fakes.h"

#include <QCoreApplication>

#include "shared/kwilstate.h"

namespace kwil::fake {

void FakeClock::sleepMs(int ms) {
  sleeps.append(ms);
  advance(ms / 1000.0);
  if (onSleep) onSleep(ms);
}

void FakeClock::advance(double seconds) {
  midnightSeconds += seconds;
  monotonic += seconds;
}

void FakeClipboard::clear() {
  ++clears;
  text.clear();
  hasText = false;
}

void FakeClipboard::setText(const QString& t) {
  text = t;
  hasText = true;
}

void FakeEventPump::processPending() {
  ++calls;
  if (onPump) onPump();
  if (runRealEvents) QCoreApplication::processEvents();
}

int FakeDialogs::msgBox(const QString& text, int buttons, const QString& title) {
  Shown s{text, buttons, title};
  messages.append(s);
  if (onMessage) onMessage(s);
  if (!answers.empty()) {
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  return (buttons & 4) ? No : Ok;
}

QString FakeDialogs::inputBox(const QString& prompt, const QString&, const QString& defaultText) {
  inputPrompts.append(prompt);
  if (inputAnswers.empty()) return defaultText;
  QString a = inputAnswers.front();
  inputAnswers.pop_front();
  return a;
}

QString FakeDialogs::openFile(const QString& title, const QString&, const QString&) {
  fileDialogs.append(title);
  if (fileAnswers.empty()) return {};
  QString a = fileAnswers.front();
  fileAnswers.pop_front();
  return a;
}

Fakes installBasicFakes() {
  resetState();
  Platform& p = platform();
  Fakes f{};
  auto clock = std::make_unique<FakeClock>();
  f.clock = clock.get();
  p.clock = std::move(clock);
  auto clip = std::make_unique<FakeClipboard>();
  f.clipboard = clip.get();
  p.clipboard = std::move(clip);
  auto settings = std::make_unique<FakeSettings>();
  f.settings = settings.get();
  p.settings = std::move(settings);
  auto screen = std::make_unique<FakeScreen>();
  f.screen = screen.get();
  p.screen = std::move(screen);
  auto events = std::make_unique<FakeEventPump>();
  f.events = events.get();
  p.events = std::move(events);
  auto dialogs = std::make_unique<FakeDialogs>();
  f.dialogs = dialogs.get();
  p.dialogs = std::move(dialogs);
  return f;
}

}  // namespace kwil::fake
