// The labels of the example screens' figures: dimensions, loads, material properties, coordinates
// and node numbers drawn over each drawing. Each label is placed in its figure's own twips (from
// the top left corner of the picture box); the window moves them with the picture.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "platform/gui/control_table.h"

namespace pave {

struct ExampleFigure {
  std::string_view kind;   // the screen, "frmLay1"
  // The labels in groups (a figure shared by two screens keeps its common labels in one group).
  std::array<std::span<const ControlSpec>, 2> labels;
};

std::span<const ExampleFigure> LayeredExampleFigures();
std::span<const ExampleFigure> SlabExampleFigures();
const ExampleFigure& MohrFigure();

// The figure of a screen, or null.
const ExampleFigure* FindExampleFigure(std::string_view kind);

// Fonts and colours of the figure labels.
namespace fig {
inline constexpr FontSpec kDefault{};                            // the window's: MS Sans Serif 8.25 bold
inline constexpr FontSpec kLarge{"MS Sans Serif", 9.75, true};   // axes, captions
inline constexpr FontSpec kFormula{"MS Sans Serif", 9.75};       // equations and their tables
inline constexpr FontSpec kSmall{"Small Fonts", 6.75};           // small numbers
inline constexpr FontSpec kSerifSmall{"MS Serif", 6};            // node numbers of the slab grids
inline constexpr FontSpec kSerifExponent{"MS Serif", 6.75};      // exponents, node numbers
inline constexpr FontSpec kSymbol{"Symbol", 14.25};              // Greek letters: "s" sigma, "f" phi
inline constexpr FontSpec kSymbolSmall{"Symbol", 12};
inline constexpr FontSpec kSymbolAngle{"Symbol", 8};         // an angle in the narrow wedge it marks
inline constexpr int kDimension = colour::kBlue;                 // dimensions, loads, coordinates
inline constexpr int kMaterial = colour::kRed;                   // material properties, node numbers
inline constexpr int kName = colour::kBlack;                     // names of layers, loads, axes
inline constexpr int kLightBlue = 0x8080FF;                      // the "0" at an origin
inline constexpr int kBrown = colour::kDarkOrange;
inline constexpr int kGreen = 0x008000;
}  // namespace fig

// A figure label: caption, place in the figure's twips, colour, font and flags (ctl::kWrap for a
// caption that wraps in its box); transparent unless `back` is given.
constexpr ControlSpec FigureLabel(std::string_view caption, int left, int top, int width, int height,
                                  int colour, FontSpec font = fig::kDefault, unsigned flags = 0,
                                  int back = colour::kDefault) {
  ControlSpec c;
  c.kind = ControlKind::Label;
  c.caption = caption;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  c.font = font;
  c.colour = colour;
  c.flags = flags;
  c.back = back;
  return c;
}

}  // namespace pave
