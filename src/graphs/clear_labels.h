// Labels that keep clear of each other: a label that would stand over one written before it through
// the same list is moved straight up or down, the least distance that clears every one of them.
// Positions are the kit's (twips of the page before its margin); a label's rectangle is its text's
// width and line height in the surface's current font.
#pragma once

#include <string_view>

#include "graphs/page_room.h"
#include "graphs/plot_kit.h"

namespace pave::graphs {

class ClearLabels {
 public:
  explicit ClearLabels(PlotKit& kit) : kit_(kit) {}

  // Writes `text` in colour number `colour` with the kit's QGTxtX at (jcol, jrow), or moved up or
  // down as above; returns the row it was written at.
  float Write(std::string_view text, int colour, float jcol, float jrow);

  // "symmetry" for the x axis of symmetry, the plan's bottom edge (window y `edge_y`, ending at
  // window x `edge_right`): level with the edge just right of its end, where no line crosses it and
  // the numbers under the edge stay clear, when it fits before `page_right`; else at (jcol, jrow).
  void XSymmetry(float edge_right, float edge_y, float page_right, float jcol, float jrow);

 private:
  PlotKit& kit_;
  PageRoom taken_;   // the labels written so far
};

// The numbers of a plan's y coordinates end kYNumberGap left of its left edge. Between them and the
// marks on the edge's nodes (circles of up to kNodeMarkRadius) stands "symmetry" written downwards
// beside the y axis of symmetry: YSymmetryColumn is the x of its letters, in the surface's font, in
// the middle between, for the plan's left edge at window x `edge`.
inline constexpr float kYNumberGap = 320;
inline constexpr float kNodeMarkRadius = 60;
float YSymmetryColumn(const DrawingSurface& surface, float edge);

// The text of a band between two lines (a layer between its top and the interface below it) starts
// kBandIndent right of the band's left edge and BandTextDrop below its top: just under the top, its
// line kept clear of both lines where the band is high enough.
inline constexpr float kBandIndent = 60;
float BandTextDrop(float top, float bottom, float line_height);

}  // namespace pave::graphs
