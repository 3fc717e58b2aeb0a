#pragma once
// A fixed array with the bounds the program reasons with (for example 1 To 25 or 0 To 7),
// so that code reads "Zin[1]" for the first line. An index outside the bounds is a programming
// error: it throws instead of reading or writing beside the array.
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace kwil {

template <typename T, int Lo, int Hi>
class VbArray {
  static_assert(Hi >= Lo);

 public:
  static constexpr int lower = Lo;
  static constexpr int upper = Hi;

  T& operator[](int i) { return items_[offset(i)]; }
  const T& operator[](int i) const { return items_[offset(i)]; }

  void fill(const T& value) { items_.fill(value); }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  static std::size_t offset(int i) {
    if (i < Lo || i > Hi)
      throw std::out_of_range("index " + std::to_string(i) + " outside " + std::to_string(Lo) + " To " +
                              std::to_string(Hi));
    return static_cast<std::size_t>(i - Lo);
  }
  std::array<T, Hi - Lo + 1> items_{};
};

// Two-dimensional form, (0 To A, 0 To B) and the like.
template <typename T, int Lo1, int Hi1, int Lo2, int Hi2>
class VbArray2 {
 public:
  T& operator()(int i, int j) { return rows_[i][j]; }
  const T& operator()(int i, int j) const { return rows_[i][j]; }
  void clear() {
    for (auto& row : rows_) row.fill(T{});
  }

 private:
  VbArray<VbArray<T, Lo2, Hi2>, Lo1, Hi1> rows_{};
};

}  // namespace kwil
