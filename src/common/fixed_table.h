// Fixed-size tables indexed as the programs use them: from 1, with element 0 present but unused,
// bounds fixed at build time. Every index is checked: an index outside its bound throws
// TableIndexError, which the caller turns into its error path instead of touching memory.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace pave {

class TableIndexError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

[[noreturn]] inline void ThrowIndex(long index, long bound) {
  throw TableIndexError("table index " + std::to_string(index) + " outside 0.." + std::to_string(bound));
}

inline std::size_t CheckIndex(long index, long bound) {
  if (index < 0 || index > bound) ThrowIndex(index, bound);
  return static_cast<std::size_t>(index);
}

// A table of elements (0..B1, 0..B2, ...): one upper bound per dimension.
template <typename T, int... Bounds>
class FixedTable {
  static_assert(sizeof...(Bounds) >= 1, "a table has at least one dimension");

 public:
  static constexpr int kRank = sizeof...(Bounds);
  static constexpr std::array<int, kRank> kBounds{Bounds...};
  static constexpr std::size_t kSize = ((static_cast<std::size_t>(Bounds) + 1) * ...);

  template <typename... I>
    requires(sizeof...(I) == kRank)
  T& operator()(I... i) {
    return v_[Offset({static_cast<long>(i)...})];
  }
  template <typename... I>
    requires(sizeof...(I) == kRank)
  const T& operator()(I... i) const {
    return v_[Offset({static_cast<long>(i)...})];
  }
  // Element by an index list of kRank entries.
  T& At(const std::array<long, kRank>& index) { return v_[Offset(index)]; }
  const T& At(const std::array<long, kRank>& index) const { return v_[Offset(index)]; }

  void Fill(const T& x) { v_.fill(x); }
  T* data() { return v_.data(); }
  const T* data() const { return v_.data(); }
  bool operator==(const FixedTable&) const = default;

  static std::size_t Offset(const std::array<long, kRank>& index) {
    std::size_t at = 0;
    for (int d = 0; d < kRank; ++d) {
      at = at * (static_cast<std::size_t>(kBounds[d]) + 1) + CheckIndex(index[d], kBounds[d]);
    }
    return at;
  }

 private:
  std::array<T, kSize> v_{};
};

}  // namespace pave
