// The labels of the Mohr-Coulomb screen's figure (a Mohr diagram), in the figure's own twips;
// Greek letters are captions in the Symbol font.
#include "help/gui/example_figures.h"

namespace pave {
namespace {

constexpr ControlSpec kMohrLabels[] = {
    FigureLabel("Shear Stress", -360, 900, 700, 450, fig::kName, fig::kLarge, ctl::kWrap),
    FigureLabel("Normal  Stress", 1215, 2810, 1410, 225, fig::kName, fig::kLarge),
    FigureLabel("f", 1295, 2190, 150, 225, fig::kName, fig::kSymbolAngle),
    FigureLabel("Mohr's Envelope for    = 90", 700, 435, 1000, 600, fig::kName, fig::kDefault, ctl::kWrap),
    FigureLabel("f", 966, 780, 180, 285, fig::kName, fig::kSymbolSmall),
    FigureLabel("Mohr's Envelope for various ", 1750, 420, 2295, 195, fig::kName),
    FigureLabel("f", 4004, 375, 180, 285, fig::kName, fig::kSymbolSmall),
    FigureLabel("s ", 344, 2440, 255, 330, fig::kName, fig::kSymbol),
    FigureLabel("h", 501, 2580, 135, 195, fig::kName),
    FigureLabel("s", 1344, 2440, 195, 330, fig::kName, fig::kSymbol),
    FigureLabel("h", 1501, 2580, 135, 195, fig::kName),
    FigureLabel("s", 2175, 2440, 195, 330, fig::kName, fig::kSymbol),
    FigureLabel("h", 2318, 2580, 135, 195, fig::kName),
    FigureLabel("s", 3344, 2440, 195, 330, fig::kName, fig::kSymbol),
    FigureLabel("v", 3516, 2580, 135, 195, fig::kName),
    FigureLabel("s    s           f/", 4300, 900, 1650, 330, fig::kDimension, fig::kSymbol),
    FigureLabel("     =      tan (45 -      2)", 4240, 990, 1965, 225, fig::kDimension, fig::kFormula),
    FigureLabel("h       v", 4458, 1160, 435, 150, fig::kDimension, fig::kSmall),
    FigureLabel("2", 5185, 910, 105, 150, fig::kDimension, fig::kSmall),
    FigureLabel("s", 4300, 1450, 195, 330, fig::kName, fig::kSymbol),
    FigureLabel("h", 4448, 1600, 135, 195, fig::kName),
    FigureLabel("= Horizontal stress", 4630, 1530, 1650, 225, fig::kName, fig::kFormula),
    FigureLabel("s", 4300, 1830, 195, 330, fig::kName, fig::kSymbol),
    FigureLabel("v", 4463, 1980, 135, 195, fig::kName),
    FigureLabel("= Vertical stress", 4630, 1910, 1410, 225, fig::kName, fig::kFormula),
    FigureLabel("f", 4300, 2210, 195, 330, fig::kName, fig::kSymbol),
    FigureLabel("= Angle of internal friction", 4630, 2290, 2235, 225, fig::kName, fig::kFormula),
    // The last two lines end well above the text box, descenders and all.
    FigureLabel("f", 4300, 2530, 195, 330, fig::kDimension, fig::kSymbol),
    FigureLabel("     is represented by input parameter", 4300, 2610, 2100, 510, fig::kMaterial, fig::kFormula, ctl::kWrap),
    FigureLabel("PHI", 5718, 2835, 360, 285, fig::kDimension, fig::kFormula),
};

}  // namespace

const ExampleFigure& MohrFigure() {
  static const ExampleFigure figure = {"frmMohr", {kMohrLabels}};
  return figure;
}

}  // namespace pave
