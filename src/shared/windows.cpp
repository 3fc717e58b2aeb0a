#include "shared/windows.h"

#include <map>

namespace kwil {

namespace {
struct Registry {
  std::map<WindowId, WindowFactory> factories;
  std::map<WindowId, std::unique_ptr<QWidget>> instances;
};
Registry& registry() {
  static Registry r;
  return r;
}
}  // namespace

void registerWindow(WindowId id, WindowFactory factory) { registry().factories[id] = std::move(factory); }

QWidget* window(WindowId id) {
  Registry& r = registry();
  if (auto it = r.instances.find(id); it != r.instances.end()) return it->second.get();
  auto f = r.factories.find(id);
  if (f == r.factories.end() || !f->second) return nullptr;
  auto made = f->second();
  QWidget* w = made.get();
  r.instances[id] = std::move(made);
  return w;
}

QWidget* existingWindow(WindowId id) {
  Registry& r = registry();
  auto it = r.instances.find(id);
  return it == r.instances.end() ? nullptr : it->second.get();
}

void resetWindows() {
  Registry& r = registry();
  r.instances.clear();
  r.factories.clear();
}

WindowId lessonWindow(int lesson) {
  switch (lesson) {
    case 2: return WindowId::Waarheidstabel;
    case 3: return WindowId::LogSchak;
    case 4: return WindowId::Formule;
    case 5: return WindowId::Binstel;
    default: return WindowId::NietEnOf;
  }
}

}  // namespace kwil
