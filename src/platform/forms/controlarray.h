#pragma once
// An indexed array of controls of one kind, as the windows address them: Command(3),
// Panel[17]. Indexes start at 1 and the windows make them without gaps; the scaling loop stops
// at the first missing index. All elements share one set of event handlers, which receive
// the element's index.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/forms/control.h"

namespace kwil {

template <typename T>
class ControlArray {
 public:
  explicit ControlArray(QString name = {}) : name_(std::move(name)) {}
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  // Creates element `index` in `container` (a Form or a Panel) with its design geometry in
  // the container's unit. The element is visible unless hidden afterwards. Creating an
  // index that exists replaces nothing: it is a programming error and throws.
  T& create(int index, QWidget* container, float left, float top, float width, float height) {
    if (exists(index)) throw std::logic_error(where(index) + " exists already");
    T* c = new T(container);
    c->attach(index, events_);
    c->setBounds(left, top, width, height);
    items_[index] = c;
    return *c;
  }

  // The element; a missing one is a programming error and throws std::out_of_range.
  T& operator()(int index) const {
    auto it = items_.find(index);
    if (it == items_.end() || !it->second) throw std::out_of_range(where(index) + " does not exist");
    return *it->second;
  }
  T& operator[](int index) const { return (*this)(index); }

  bool exists(int index) const {
    auto it = items_.find(index);
    return it != items_.end() && it->second;
  }
  // Number of elements.
  int count() const {
    int n = 0;
    for (const auto& [i, c] : items_) n += c ? 1 : 0;
    return n;
  }
  // Highest index, 0 when empty.
  int ubound() const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
      if (it->second) return it->first;
    return 0;
  }

  // The handlers of the whole array, e.g. Command.events().Click = [this](int i) {...}.
  ControlEvents& events() const { return *events_; }
  const QString& name() const { return name_; }

  // Calls f(control) for each element in index order.
  template <typename F>
  void forEach(F f) const {
    for (const auto& [i, c] : items_)
      if (c) f(*c);
  }

 private:
  std::string where(int index) const {
    return (name_.isEmpty() ? std::string("control") : name_.toStdString()) + "(" + std::to_string(index) + ")";
  }
  QString name_;
  std::map<int, QPointer<T>> items_;
  std::shared_ptr<ControlEvents> events_ = std::make_shared<ControlEvents>();
};

// A single control (not in an array) with its design geometry, e.g. the selection list.
template <typename T>
T& createControl(QWidget* container, float left, float top, float width, float height) {
  T* c = new T(container);
  c->setBounds(left, top, width, height);
  return *c;
}

}  // namespace kwil
