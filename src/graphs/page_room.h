// What stands on a graph page, for a label to keep clear of: lines, circles and texts, at the kit's
// positions (twips of the page before its margin). A label's box is the line of its text (its width
// and the font's line height); it is clear when it keeps kLineGap from every line and circle (from
// the edge of the pen) and kTextGap from every text.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "platform/drawing_surface.h"

namespace pave::graphs {

struct PageBox {
  float left = 0, top = 0, right = 0, bottom = 0;
  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
};

// The box grown by `side` on its left and right and by `over` above and below.
PageBox Widened(const PageBox& b, float side, float over);

// Half the width of a line drawn with the pen of one screen pixel.
inline constexpr float kHalfPen = 7.5f;

// Between a label's line and a line or circle: two screen pixels beside it; above and below, where
// the line of a text holds room of its own over and under its glyphs, one.
inline constexpr float kLineGapSide = 45, kLineGapOver = 15;
// Between the lines of two texts side by side.
inline constexpr float kTextGap = 20;

class PageRoom {
 public:
  // A straight line; `half_width`: half its pen's width.
  void AddLine(float x1, float y1, float x2, float y2, float half_width = kHalfPen);
  void AddCircle(float x, float y, float radius, bool filled, float half_width = kHalfPen);
  void AddText(const PageBox& box);
  // Everything on the surface's page as drawn so far, or its texts only.
  void AddDrawing(const DrawingSurface& surface, bool texts_only = false);
  // Figures of a page's drawing.
  void AddFigures(std::span<const DrawnFigure> figures, bool texts_only = false);

  // The box keeps clear of every line, circle and text.
  bool Clear(const PageBox& box) const;
  const std::vector<PageBox>& Texts() const { return texts_; }

 private:
  struct Line {
    float x1, y1, x2, y2, half_width;
  };
  struct Circle {
    float x, y, radius, half_width;
    bool filled;
  };
  std::vector<Line> lines_;
  std::vector<Circle> circles_;
  std::vector<PageBox> texts_;
};

// The part of the segment from (x1, y1) to (x2, y2) inside the box, as the parameters from 0 (the
// first end) to 1 (the second) where it enters and leaves it; nothing when it does not meet the box.
struct SegmentSpan {
  float enter = 0, leave = 0;
};
std::optional<SegmentSpan> SpanInBox(float x1, float y1, float x2, float y2, const PageBox& box);

// The parts of the segment from (x1, y1) to (x2, y2) that keep a line's gap (and half a pen) from
// every box, as ranges of the parameter from 0 to 1, in order: a line broken where texts stand.
std::vector<SegmentSpan> PartsClearOf(float x1, float y1, float x2, float y2, const std::vector<PageBox>& boxes);

}  // namespace pave::graphs
