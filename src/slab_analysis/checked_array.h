// Fixed-capacity arrays of the slab analysis state. Indices start at 1 (index 0 exists as well);
// every access is tested against the capacity, and an index beyond it ends the run through the
// program's error path (CapacityError), never by writing outside the array.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace pave::slab {

// An index beyond an array's capacity: ends the run through the error path.
class CapacityError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The work array SK cannot hold what the problem needs: storage, not the data, is the cause (the large
// build holds sixteen times as much).
class StorageError : public CapacityError {
 public:
  using CapacityError::CapacityError;
};

// A(i), i = 0..N.
template <class T, int N>
class Arr {
 public:
  T& operator()(long i) {
    if (i < 0 || i > N) Fail(i);
    return v_[static_cast<std::size_t>(i)];
  }
  const T& operator()(long i) const {
    if (i < 0 || i > N) Fail(i);
    return v_[static_cast<std::size_t>(i)];
  }
  static constexpr int capacity() { return N; }
  void fill(const T& x) { v_.fill(x); }
  T* data() { return v_.data(); }
  const T* data() const { return v_.data(); }

 private:
  [[noreturn]] static void Fail(long i) {
    throw CapacityError("index " + std::to_string(i) + " beyond capacity " + std::to_string(N));
  }
  std::array<T, N + 1> v_{};
};

// A(i, j), i = 0..N1, j = 0..N2.
template <class T, int N1, int N2>
class Arr2 {
 public:
  T& operator()(long i, long j) {
    if (i < 0 || i > N1 || j < 0 || j > N2) Fail(i, j);
    return v_[static_cast<std::size_t>(i * (N2 + 1) + j)];
  }
  const T& operator()(long i, long j) const {
    if (i < 0 || i > N1 || j < 0 || j > N2) Fail(i, j);
    return v_[static_cast<std::size_t>(i * (N2 + 1) + j)];
  }
  void fill(const T& x) { v_.fill(x); }

 private:
  [[noreturn]] static void Fail(long i, long j) {
    throw CapacityError("index (" + std::to_string(i) + ", " + std::to_string(j) + ") beyond capacity (" +
                        std::to_string(N1) + ", " + std::to_string(N2) + ")");
  }
  std::array<T, static_cast<std::size_t>((N1 + 1) * (N2 + 1))> v_{};
};

}  // namespace pave::slab
