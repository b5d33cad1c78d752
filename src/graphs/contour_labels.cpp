#include "graphs/contour_labels.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

#include "common/number_format.h"
#include "graphs/contour_segment_index.h"

namespace pave::graphs {

namespace {

// Two blanks of the widest font a page's texts are set in, Courier New of 10 points.
constexpr float kTwoBlanks = 240;

float Length(const ContourSegment& s) { return std::hypot(s.to.x - s.from.x, s.to.y - s.from.y); }

// Where a line comes too near a number: the box of its text grown by a line's gap and half a pen.
PageBox NearBox(const PageBox& box) { return Widened(box, kLineGapSide + kHalfPen, kLineGapOver + kHalfPen); }

float DistanceToSegment(float x, float y, const ContourSegment& s) {
  const float dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
  const float length2 = dx * dx + dy * dy;
  const float t = length2 > 0 ? std::clamp(((x - s.from.x) * dx + (y - s.from.y) * dy) / length2, 0.0f, 1.0f) : 0.0f;
  return std::hypot(s.from.x + t * dx - x, s.from.y + t * dy - y);
}

class Placer {
 public:
  // `lines`: the segments and the plan's lines.
  Placer(const DrawingSurface& surface, const std::vector<ContourSegment>& segments,
         const std::vector<ContourSegment>& lines, const ContourLevels& levels, const PageRoom& room)
      : surface_(surface), segments_(segments), levels_(levels), index_(lines), taken_(room),
        height_(static_cast<float>(surface.TextHeight())) {}

  // Numbers at places clear of every other line: first on pieces long enough to hold a number of
  // their own (more than 300 twips), some way apart along the page; then, for a level still without
  // one, on any of its pieces.
  void PlaceClear() {
    for (const float least : {300.0f, 0.0f}) {
      for (const ContourSegment& s : segments_) {
        if (!Major(s.level) || Length(s) <= least) continue;
        if (least == 0 && Numbered(s.level)) continue;
        const std::string text = ContourLabelText(Level(s.level));
        const float width = static_cast<float>(surface_.TextWidth(text));
        for (const float t : {0.5f, 0.3f, 0.7f, 0.15f, 0.85f}) {
          const float x = s.from.x + t * (s.to.x - s.from.x), y = s.from.y + t * (s.to.y - s.from.y);
          if (Crowded(s.level, x, y)) break;
          const PageBox box{x - width / 2, y - height_ / 2, x + width / 2, y + height_ / 2};
          if (!Free(box) || !ClearOfOtherLevels(box, s.level)) continue;
          Add(s.level, text, box);
          break;
        }
      }
    }
  }

  // A number for every solid level drawn that has none yet, where the fewest other lines come near.
  void PlaceCrowded() {
    for (int k = 1; k <= levels_.count; ++k) {
      if (!Major(k) || Numbered(k)) continue;
      const std::string text = ContourLabelText(Level(k));
      const float width = static_cast<float>(surface_.TextWidth(text));
      // Points along the level's line some 40 twips apart (at most some 400 of them), the box
      // centred on each or moved off it, up to nearly half its width and height, its line still
      // running through it.
      float length = 0;
      for (const ContourSegment& s : segments_) length += s.level == k ? Length(s) : 0;
      const float step = std::max(40.0f, length / 400);
      std::optional<std::pair<Cost, PageBox>> best;
      for (const ContourSegment& s : segments_) {
        if (s.level != k) continue;
        const float wanted = std::ceil(Length(s) / step);   // not a number for a piece off the page
        const int points = wanted > 400 ? 400 : wanted >= 1 ? static_cast<int>(wanted) : 1;
        for (int m = 0; m < points; ++m) {
          const float t = (static_cast<float>(m) + 0.5f) / static_cast<float>(points);
          const float x = s.from.x + t * (s.to.x - s.from.x), y = s.from.y + t * (s.to.y - s.from.y);
          for (const float along : kShifts) {
            for (const float across : kShifts) {
              const float dx = along * width, dy = across * height_;
              const PageBox box{x + dx - width / 2, y + dy - height_ / 2, x + dx + width / 2, y + dy + height_ / 2};
              if (!Free(box)) continue;
              const Cost cost = CostAt(box, k, Shift(along) + Shift(across));
              if (!best || cost < best->first) best = std::pair{cost, box};
            }
          }
        }
      }
      if (best) Add(k, text, best->second);
    }
  }

  std::vector<ContourLabel> Labels() && { return std::move(labels_); }

 private:
  // The shifts of a number off its point on the line, in parts of its width or height, and the
  // step of a shift's size.
  static constexpr float kShifts[] = {0, -0.25f, 0.25f, -0.45f, 0.45f};
  static int Shift(float part) { return part == 0 ? 0 : std::fabs(part) < 0.3f ? 1 : 2; }

  // The box keeps clear of what the page holds and of the numbers placed so far; a number beside
  // another text in a row keeps two blanks from it, or they read as one.
  bool Free(const PageBox& box) const {
    if (!taken_.Clear(box)) return false;
    return std::none_of(taken_.Texts().begin(), taken_.Texts().end(), [&](const PageBox& t) {
      const bool row = box.top < t.bottom && t.top < box.bottom;
      return row && box.left < t.right + kTwoBlanks && t.left < box.right + kTwoBlanks;
    });
  }

  // No line of another level comes near the box.
  bool ClearOfOtherLevels(const PageBox& box, int level) const {
    const PageBox near = NearBox(box);
    bool clear = true;
    index_.Near(near, [&](const ContourSegment& s) {
      if (clear && s.level != level && SpanInBox(s.from.x, s.from.y, s.to.x, s.to.y, near)) clear = false;
    });
    return clear;
  }

  // What a place costs a number: the solid lines of other levels it breaks, the lines of the plan
  // it breaks, the dotted lines it breaks, how far it is moved off its point on the line, and how
  // near (negated) the nearest solid line of another level comes to its middle.
  using Cost = std::tuple<int, int, int, int, float>;

  Cost CostAt(const PageBox& box, int level, int shift) const {
    const PageBox near = NearBox(box);
    std::vector<int> solid, dotted;
    int plan = 0;
    index_.Near(near, [&](const ContourSegment& s) {
      if (s.level == level || !SpanInBox(s.from.x, s.from.y, s.to.x, s.to.y, near)) return;
      if (s.level == 0) {
        ++plan;
        return;
      }
      std::vector<int>& broken = Major(s.level) ? solid : dotted;
      if (std::find(broken.begin(), broken.end(), s.level) == broken.end()) broken.push_back(s.level);
    });
    const float x = (box.left + box.right) / 2, y = (box.top + box.bottom) / 2;
    constexpr float kFar = 1000;
    float nearest = kFar;
    index_.Near(PageBox{x - kFar, y - kFar, x + kFar, y + kFar}, [&](const ContourSegment& s) {
      if (s.level != level && s.level != 0 && Major(s.level)) nearest = std::min(nearest, DistanceToSegment(x, y, s));
    });
    return {static_cast<int>(solid.size()), plan, static_cast<int>(dotted.size()), shift, -nearest};
  }

  bool Major(int level) const { return levels_.major[static_cast<std::size_t>(level)] == 1; }
  float Level(int level) const { return levels_.level[static_cast<std::size_t>(level)]; }
  bool Numbered(int level) const {
    return std::any_of(labels_.begin(), labels_.end(), [&](const ContourLabel& l) { return l.level == level; });
  }
  // A number of the level stands nearer than the spacing.
  bool Crowded(int level, float x, float y) const {
    return std::any_of(labels_.begin(), labels_.end(), [&](const ContourLabel& l) {
      const float cx = (l.box.left + l.box.right) / 2, cy = (l.box.top + l.box.bottom) / 2;
      return l.level == level && std::hypot(cx - x, cy - y) < kContourLabelSpacing;
    });
  }
  void Add(int level, const std::string& text, const PageBox& box) {
    labels_.push_back({level, text, box});
    taken_.AddText(box);
  }

  const DrawingSurface& surface_;
  const std::vector<ContourSegment>& segments_;
  const ContourLevels& levels_;
  ContourSegmentIndex index_;
  PageRoom taken_;   // the page and the numbers placed so far
  float height_;
  std::vector<ContourLabel> labels_;
};

}  // namespace

std::string ContourLabelText(float level) { return Formatted(level, "#0.##"); }

std::vector<ContourLabel> PlaceContourLabels(const DrawingSurface& surface, const std::vector<ContourSegment>& segments,
                                             const ContourLevels& levels, const PageRoom& room,
                                             const std::vector<ContourSegment>& plan_lines) {
  std::vector<ContourSegment> lines = segments;
  lines.insert(lines.end(), plan_lines.begin(), plan_lines.end());
  Placer placer(surface, segments, lines, levels, room);
  placer.PlaceClear();
  placer.PlaceCrowded();
  return std::move(placer).Labels();
}

}  // namespace pave::graphs
