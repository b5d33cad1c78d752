// What keeps a drawing's labels legible, as a reader sees them on the screen: no label touching
// another, none touching or struck by a line or a circle that is not its own leader, none too small
// to read; and no circle (a wheel, a load) touching a line that does not run through its centre. The
// graph pages and the example figures are both checked by it, each turned into a scene of labels
// (the ink of their glyphs), strokes and circles.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace pave::testing::legibility {

// Clear means two pixels at least between a label and a line or circle (from the line's edge) and
// between two labels one above the other; a number side by side with another label in a row keeps
// two blanks from it, or they read as one ("100 D.R." for an axis number and the text after it,
// "1024" for the numbers 10 and 24); other labels beside each other (words of one sentence in two
// colours, an exponent raised beside its number, the parts of a formula) keep a pixel apart. A label's digits and capitals are at least 6
// pixels high.
inline constexpr double kFromLabel = 2, kBeside = 1, kFromLine = 2, kBlanksApart = 2, kLeastHeight = 6;
// The largest circle that only marks a point, in pixels.
inline constexpr double kMarkRadius = 4;

// A label, or a word of one: the words of a label share its group and are not checked against each
// other.
struct Label {
  QRectF ink;            // the ink of its glyphs
  std::string text;
  int group = -1;        // the label a word belongs to (-1: a label of its own)
  double height_px = 0;  // the height of a digit of its font, in screen pixels
  double blank = 0;      // the width of a blank of its font, in the scene's units
  bool marker = false;   // a mark placed on a point (a star): only other labels keep clear of it
  bool vertical = false;  // a letter of a word written downwards, read down its column, not along a row
  bool symbol = false;    // a Greek letter of a formula
};

struct Stroke {
  QLineF line;
  double half_width = 0;  // half the pen's width, in the scene's units
  int leader_of = -1;     // the label this line leads from (it may end close to it, not cross it)
  bool free = false;      // a line of values (a contour) that may cross circles anywhere
};

struct Circle {
  QPointF centre;
  double radius = 0;
  bool filled = false;
  double half_width = 0;
};

struct Scene {
  double px = 1;   // scene units a screen pixel
  std::vector<Label> labels;
  std::vector<Stroke> strokes;
  std::vector<Circle> circles;
};

// The ink of `text` set at `top_left` (the top of its line) in `font`, as the screen draws it (96
// dots an inch, antialiased: the pixels a quarter inked or more), and the height of a digit of the
// font; `px`: scene units a pixel.
inline Label LabelOf(const std::string& text, const QFont& font, QPointF top_left, double px) {
  QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  probe.setDotsPerMeterX(3780);
  probe.setDotsPerMeterY(3780);
  const QFontMetricsF metrics(font, &probe);
  const QString shown = QString::fromStdString(text);
  const QPointF at = top_left / px;   // in pixels
  const int pad = static_cast<int>(std::ceil(metrics.height()));
  QImage image(static_cast<int>(std::ceil(metrics.horizontalAdvance(shown))) + 2 * pad, 3 * pad,
               QImage::Format_ARGB32_Premultiplied);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::transparent);
  const QPointF origin(pad + at.x() - std::floor(at.x()), pad + at.y() - std::floor(at.y()));
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(origin + QPointF(0, metrics.ascent()), shown);
  }
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) < 64) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  Label label;
  label.text = text;
  label.height_px = metrics.tightBoundingRect("0123456789").height();
  label.blank = metrics.horizontalAdvance(' ') * px;
  if (right < 0) {
    label.ink = QRectF(top_left, QSizeF(0, 0));
    return label;
  }
  // Pixel (x, y) of the image covers the page's pixel from (x, y) - origin + at onwards.
  const QPointF corner = at - origin;
  label.ink = QRectF((corner + QPointF(left, top)) * px, QSizeF(right - left + 1, bottom - top + 1) * px);
  return label;
}

namespace detail {

inline double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

inline double PointToBox(QPointF p, const QRectF& r) {
  const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
  const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
  return std::hypot(dx, dy);
}

inline double FarthestInBox(QPointF p, const QRectF& r) {
  const double dx = std::max(std::abs(p.x() - r.left()), std::abs(p.x() - r.right()));
  const double dy = std::max(std::abs(p.y() - r.top()), std::abs(p.y() - r.bottom()));
  return std::hypot(dx, dy);
}

inline double PointToSegment(QPointF p, const QLineF& s) {
  const double dx = s.dx(), dy = s.dy(), len2 = dx * dx + dy * dy;
  double t = len2 == 0 ? 0 : ((p.x() - s.x1()) * dx + (p.y() - s.y1()) * dy) / len2;
  t = std::clamp(t, 0.0, 1.0);
  return Distance(p, QPointF(s.x1() + t * dx, s.y1() + t * dy));
}

// Some part of the segment lies inside the box (Liang-Barsky).
inline bool Crosses(const QLineF& line, const QRectF& box) {
  double t0 = 0, t1 = 1;
  const double dx = line.dx(), dy = line.dy();
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {line.x1() - box.left(), box.right() - line.x1(), line.y1() - box.top(), box.bottom() - line.y1()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
  }
  return t0 <= t1;
}

// The least distance between a segment and a box (0 when they meet).
inline double SegmentToBox(const QLineF& s, const QRectF& r) {
  if (Crosses(s, r)) return 0;
  double d = std::min(PointToBox(s.p1(), r), PointToBox(s.p2(), r));
  for (const QLineF& edge : {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
                             QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.bottomLeft(), r.topLeft())}) {
    d = std::min({d, PointToSegment(edge.p1(), s), PointToSegment(edge.p2(), s)});
  }
  return d;
}

// " (0.5 pixels apart)", " (overlapping)".
inline std::string Gap(double d, double px) {
  if (d <= 0) return " (overlapping)";
  const long tenths = std::lround(d / px * 10);
  return " (" + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " pixels apart)";
}

inline std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

inline std::string Where(const QRectF& r) {
  auto n = [](double v) { return std::to_string(static_cast<long>(std::lround(v))); };
  return " (inked " + n(r.left()) + "," + n(r.top()) + " to " + n(r.right()) + "," + n(r.bottom()) + ")";
}

inline std::string Where(const QLineF& l) {
  auto n = [](double v) { return std::to_string(static_cast<long>(std::lround(v))); };
  return "a line from " + n(l.x1()) + "," + n(l.y1()) + " to " + n(l.x2()) + "," + n(l.y2());
}

}  // namespace detail

// A line runs between two labels of a row, from the top of their common rows to the bottom.
inline bool Separated(const Scene& scene, const QRectF& a, const QRectF& b) {
  const double top = std::max(a.top(), b.top()), bottom = std::min(a.bottom(), b.bottom());
  const double left = std::min(a.right(), b.right()), right = std::max(a.left(), b.left());
  if (right <= left) return false;
  return std::any_of(scene.strokes.begin(), scene.strokes.end(), [&](const Stroke& s) {
    const QLineF& l = s.line;
    if (std::max(l.x1(), l.x2()) < left || std::min(l.x1(), l.x2()) > right) return false;
    return std::min(l.y1(), l.y2()) <= top && std::max(l.y1(), l.y2()) >= bottom;
  });
}

// Every fault of the scene, one line each.
inline std::vector<std::string> Findings(const Scene& scene) {
  using namespace detail;
  std::vector<std::string> found;
  const double label_gap = kFromLabel * scene.px, line_gap = kFromLine * scene.px;
  for (std::size_t i = 0; i < scene.labels.size(); ++i) {
    const Label& a = scene.labels[i];
    if (!a.marker && a.height_px < kLeastHeight) {
      found.push_back(Quoted(a.text) + " is " + std::to_string(a.height_px) + " pixels high, too small to read");
    }
    for (std::size_t j = i + 1; j < scene.labels.size(); ++j) {
      const Label& b = scene.labels[j];
      if (a.group >= 0 && a.group == b.group) continue;
      // In one row: their inks share half the height of the lower one at least.
      const double shared = std::min(a.ink.bottom(), b.ink.bottom()) - std::max(a.ink.top(), b.ink.top());
      // The letters that face each other across the gap: the last of the left label, the first of
      // the right one.
      const Label& left = a.ink.left() <= b.ink.left() ? a : b;
      const Label& right = &left == &a ? b : a;
      auto digit = [](char c) { return c >= '0' && c <= '9'; };
      const bool number = (!left.text.empty() && digit(left.text.back())) ||
                          (!right.text.empty() && digit(right.text.front()));
      const bool row = shared >= std::min(a.ink.height(), b.ink.height()) / 2 && number && !a.vertical &&
                       !b.vertical && !a.marker && !b.marker && !a.symbol && !b.symbol;
      // Side by side: apart across (one beside the other, level or raised, as an exponent is);
      // otherwise one stands above the other.
      const bool beside = a.ink.right() <= b.ink.left() || b.ink.right() <= a.ink.left();
      const double side = row && !Separated(scene, a.ink, b.ink) ? kBlanksApart * std::max(a.blank, b.blank)
                          : beside                                ? kBeside * scene.px
                                                                  : 0;
      const double over = beside ? 0 : label_gap;
      const QRectF near = b.ink.adjusted(-side, -over, side, over);
      if (a.ink.intersects(near)) {
        const double apart = row ? std::max(a.ink.left() - b.ink.right(), b.ink.left() - a.ink.right())
                                 : std::max({a.ink.left() - b.ink.right(), b.ink.left() - a.ink.right(),
                                             a.ink.top() - b.ink.bottom(), b.ink.top() - a.ink.bottom()});
        found.push_back(Quoted(a.text) + Where(a.ink) + " and " + Quoted(b.text) + Where(b.ink) +
                        (row ? " run together" : " touch") +
                        Gap(apart, scene.px));
      }
    }
    if (a.marker) continue;
    for (const Stroke& s : scene.strokes) {
      const double d = SegmentToBox(s.line, a.ink) - s.half_width;
      const bool own = s.leader_of >= 0 && s.leader_of == a.group && !Crosses(s.line, a.ink);
      if (d < line_gap && !own) found.push_back(Quoted(a.text) + Where(a.ink) + " and " + Where(s.line) + Gap(d, scene.px));
    }
    for (const Circle& c : scene.circles) {
      const double nearest = PointToBox(c.centre, a.ink), farthest = FarthestInBox(c.centre, a.ink);
      const double reach = c.radius + c.half_width + line_gap;
      const bool touches = c.filled ? nearest < reach : nearest < reach && farthest > c.radius - c.half_width - line_gap;
      if (touches) {
        const double gap = c.filled ? nearest - c.radius - c.half_width
                                    : std::min(std::abs(nearest - c.radius), std::abs(farthest - c.radius)) - c.half_width;
        found.push_back(Quoted(a.text) + Where(a.ink) + " and a circle at " + std::to_string(std::lround(c.centre.x())) + "," +
                        std::to_string(std::lround(c.centre.y())) + Gap(gap, scene.px));
      }
    }
  }
  for (const Circle& c : scene.circles) {
    // A filled circle, or one of a few pixels, marks a point (a node, a load): lines may meet it.
    if (c.filled || c.radius <= kMarkRadius * scene.px) continue;
    for (const Stroke& s : scene.strokes) {
      if (s.free) continue;
      // A line towards the centre (an axle between two wheels), or one that ends on the circle (the
      // extension line of its width), belongs to it.
      const double along = std::hypot(s.line.dx(), s.line.dy());
      const double across = along == 0 ? 0 : std::abs((c.centre.x() - s.line.x1()) * s.line.dy() -
                                                     (c.centre.y() - s.line.y1()) * s.line.dx()) / along;
      const double reach = c.half_width + s.half_width + scene.px;
      const bool ends_on = std::abs(Distance(s.line.p1(), c.centre) - c.radius) <= reach ||
                           std::abs(Distance(s.line.p2(), c.centre) - c.radius) <= reach;
      if (across <= scene.px || ends_on) continue;
      const double d = PointToSegment(c.centre, s.line);
      if (std::abs(d - c.radius) < c.half_width + s.half_width + line_gap) {
        found.push_back("a circle at " + std::to_string(std::lround(c.centre.x())) + "," +
                        std::to_string(std::lround(c.centre.y())) + " and " + Where(s.line) +
                        Gap(std::abs(d - c.radius) - c.half_width - s.half_width, scene.px));
      }
    }
  }
  return found;
}

}  // namespace pave::testing::legibility
