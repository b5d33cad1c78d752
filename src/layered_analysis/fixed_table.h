// Fixed-size tables of the layered analysis, indexed as the program uses them (from 1, with element 0
// present but unused), bounds fixed at build time. Every index is checked: an index outside the bound
// throws TableIndexError, which the run turns into its data-error end instead of touching memory.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace pave::layered {

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

// One dimension, elements 0..Bound.
template <typename T, int Bound>
class Table1 {
 public:
  static constexpr int kBound = Bound;
  T& operator()(long i) { return v_[CheckIndex(i, Bound)]; }
  const T& operator()(long i) const { return v_[CheckIndex(i, Bound)]; }
  void Fill(const T& x) { v_.fill(x); }
  T* data() { return v_.data(); }
  const T* data() const { return v_.data(); }

 private:
  std::array<T, Bound + 1> v_{};
};

// Two dimensions, (0..B1, 0..B2).
template <typename T, int B1, int B2>
class Table2 {
 public:
  T& operator()(long i, long j) { return v_[CheckIndex(i, B1) * (B2 + 1) + CheckIndex(j, B2)]; }
  const T& operator()(long i, long j) const { return v_[CheckIndex(i, B1) * (B2 + 1) + CheckIndex(j, B2)]; }
  void Fill(const T& x) { v_.fill(x); }

 private:
  std::array<T, (B1 + 1) * (B2 + 1)> v_{};
};

// Three dimensions, (0..B1, 0..B2, 0..B3).
template <typename T, int B1, int B2, int B3>
class Table3 {
 public:
  T& operator()(long i, long j, long k) { return v_[Index(i, j, k)]; }
  const T& operator()(long i, long j, long k) const { return v_[Index(i, j, k)]; }
  void Fill(const T& x) { v_.fill(x); }

 private:
  static std::size_t Index(long i, long j, long k) {
    return (CheckIndex(i, B1) * (B2 + 1) + CheckIndex(j, B2)) * (B3 + 1) + CheckIndex(k, B3);
  }
  std::array<T, (B1 + 1) * (B2 + 1) * (B3 + 1)> v_{};
};

// Four dimensions, (0..B1, 0..B2, 0..B3, 0..B4).
template <typename T, int B1, int B2, int B3, int B4>
class Table4 {
 public:
  T& operator()(long i, long j, long k, long l) { return v_[Index(i, j, k, l)]; }
  const T& operator()(long i, long j, long k, long l) const { return v_[Index(i, j, k, l)]; }
  void Fill(const T& x) { v_.fill(x); }

 private:
  static std::size_t Index(long i, long j, long k, long l) {
    return ((CheckIndex(i, B1) * (B2 + 1) + CheckIndex(j, B2)) * (B3 + 1) + CheckIndex(k, B3)) * (B4 + 1) +
           CheckIndex(l, B4);
  }
  std::array<T, (B1 + 1) * (B2 + 1) * (B3 + 1) * (B4 + 1)> v_{};
};

}  // namespace pave::layered
