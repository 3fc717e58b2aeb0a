#pragma once
// The program's windows: at most one of each kind, created at its first use and kept (hidden,
// with its state) for the rest of the run. Windows show each other through this registry,
// so a window never needs to link the code of the window it shows; main() (and the tests)
// register how each window is made.
#include <QWidget>
#include <functional>
#include <memory>

namespace kwil {

enum class WindowId {
  Selectie,
  Hoofdmenu,
  NietEnOf,        // lesson 1
  Waarheidstabel,  // lesson 2
  LogSchak,        // lesson 3
  Formule,         // lesson 4
  Binstel,         // lesson 5
  Toetsen,         // the test window
  Leraarmodule,    // the teacher module
};

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

void registerWindow(WindowId id, WindowFactory factory);

// The one instance of the window, created on first use; nullptr when no factory is registered.
QWidget* window(WindowId id);

// The instance only if it already exists.
QWidget* existingWindow(WindowId id);

template <typename T>
T* windowAs(WindowId id) {
  return static_cast<T*>(window(id));
}

// Destroys every window and forgets the factories (between test cases).
void resetWindows();

// The lesson window of lesson 1 to 5.
WindowId lessonWindow(int lesson);

}  // namespace kwil
