// The segments of a contour page by the squares of the page they pass through, so that a place on
// the page asks only after the segments near it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "graphs/contour_labels.h"

namespace pave::graphs {

class ContourSegmentIndex {
 public:
  explicit ContourSegmentIndex(const std::vector<ContourSegment>& segments) : segments_(segments) {
    for (std::size_t n = 0; n < segments.size(); ++n) {
      const ContourSegment& s = segments[n];
      ForSquares(squares_, std::min(s.from.x, s.to.x), std::min(s.from.y, s.to.y), std::max(s.from.x, s.to.x),
                 std::max(s.from.y, s.to.y), [&](std::vector<std::size_t>& square) { square.push_back(n); });
    }
    seen_.assign(segments.size(), 0);
  }

  // Calls `visit` once for every segment that may meet the box.
  template <typename Visit>
  void Near(const PageBox& box, Visit visit) const {
    ++stamp_;
    ForSquares(squares_, box.left, box.top, box.right, box.bottom, [&](const std::vector<std::size_t>& square) {
      for (std::size_t n : square) {
        if (seen_[n] == stamp_) continue;
        seen_[n] = stamp_;
        visit(segments_[n]);
      }
    });
  }

 private:
  static constexpr float kSquare = 500;
  static constexpr int kSquares = 64;   // across and down: the page and some way beyond

  // The square of a position; far off the page, or not a number, the nearest edge square.
  static int SquareOf(float v) {
    const float square = v / kSquare;
    if (!(square >= 0)) return 0;
    return square >= kSquares - 1 ? kSquares - 1 : static_cast<int>(square);
  }

  // Calls `visit` with the squares the box covers.
  template <typename Squares, typename Visit>
  static void ForSquares(Squares& squares, float left, float top, float right, float bottom, Visit visit) {
    for (int i = SquareOf(left); i <= SquareOf(right); ++i)
      for (int j = SquareOf(top); j <= SquareOf(bottom); ++j) visit(squares[static_cast<std::size_t>(i * kSquares + j)]);
  }

  const std::vector<ContourSegment>& segments_;
  std::vector<std::vector<std::size_t>> squares_ = std::vector<std::vector<std::size_t>>(kSquares * kSquares);
  mutable std::vector<unsigned> seen_;
  mutable unsigned stamp_ = 0;
};

}  // namespace pave::graphs
