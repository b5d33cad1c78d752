// The labels of the six layered examples' figures, in each figure's own twips.
#include "help/gui/example_figures.h"

namespace pave {
namespace {

// Example 1: a section along the tandem axles (loads, layers) and the plan of the tires with the grid points.
constexpr ControlSpec kLay1Labels[] = {
    FigureLabel("4.52 in.                      4.52 in.", 2481, 75, 2160, 195, fig::kDimension),
    FigureLabel("70 psi           70 psi", 2527, 330, 1470, 195, fig::kDimension),
    FigureLabel("6 in.             E = 740,000 psi   PR = 0.4", 255, 695, 2925, 195, fig::kMaterial),
    FigureLabel("8 in.             E =  23,000 psi    PR = 0.35", 255, 1045, 3015, 195, fig::kMaterial),
    FigureLabel(" E =  11,000 psi   PR = 0.45", 1119, 1365, 2085, 195, fig::kMaterial),
    FigureLabel("1     4     7   10", 2442, 2295, 900, 150, fig::kDimension, fig::kSmall),
    FigureLabel("    6     9   12", 2555, 1769, 780, 150, fig::kDimension, fig::kSmall),
    FigureLabel("3", 2345, 1869, 105, 150, fig::kDimension, fig::kSmall),
    FigureLabel("6.75 in.", 1610, 1964, 600, 195, fig::kDimension),
    FigureLabel("24 in.", 3348, 2400, 465, 195, fig::kDimension),
};

// Example 2: a section through the load, the six granular sublayers and the subgrade with their stress points.
constexpr ControlSpec kLay2Labels[] = {
    FigureLabel("12 in.", 2068, 180, 465, 195, fig::kDimension),
    FigureLabel("100 psi", 2840, 405, 600, 195, fig::kDimension),
    FigureLabel("12 in.", 310, 1025, 465, 195, fig::kDimension),
    FigureLabel("Granular", 870, 1025, 720, 195, fig::kName),
    FigureLabel("stress", 1605, 920, 525, 195, fig::kName),
    FigureLabel("point", 1680, 1125, 435, 195, fig::kName),
    FigureLabel("K1 = 10,000 psi   K2 = 0.5 PR = 0.35  GAM = 135 pcf K0 = 0.6  PHI = 0", 3100, 830, 2100, 585, fig::kMaterial, fig::kDefault, ctl::kWrap),
    FigureLabel("6 in.", 2510, 1745, 360, 195, fig::kDimension),
    FigureLabel("Fine-grained ", 870, 1720, 1065, 195, fig::kName),
    FigureLabel("Soft", 3100, 1720, 360, 195, fig::kMaterial),
    FigureLabel("PR = 0.45    GAM = 115 pcf K0 = 0.8   K1 = 3020", 3100, 1930, 2160, 390, fig::kMaterial, fig::kDefault, ctl::kWrap),
};

// Example 3: a section with the mechanical models of both layers, and their creep compliances.
constexpr ControlSpec kLay3Labels[] = {
    FigureLabel("20 in", 1048, 260, 405, 195, fig::kDimension),
    FigureLabel("100 psi", 1910, 405, 600, 195, fig::kDimension),
    FigureLabel("10 in.", 2270, 1290, 465, 195, fig::kDimension),   // left of its dimension line, clear of the formulas
    FigureLabel("HMA ", 120, 1345, 450, 195, fig::kName),
    FigureLabel("Subgrade", 120, 2660, 795, 195, fig::kName),
    FigureLabel("E = 10  psi ", 1420, 740, 900, 195, fig::kMaterial),
    FigureLabel("6", 1920, 665, 105, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("10  psi ", 1500, 1085, 600, 195, fig::kMaterial),
    FigureLabel("6", 1695, 1010, 105, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("T= 1 sec", 2115, 1085, 690, 195, fig::kMaterial),
    FigureLabel("10 psi", 1500, 1465, 510, 195, fig::kMaterial),
    FigureLabel("5", 1695, 1375, 105, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("10 sec", 2075, 1465, 540, 195, fig::kMaterial),
    FigureLabel("10 psi", 1500, 1845, 510, 195, fig::kMaterial),
    FigureLabel("5", 1695, 1755, 105, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("100 sec", 2075, 1845, 630, 195, fig::kMaterial),
    FigureLabel("10 psi", 1500, 2405, 510, 195, fig::kMaterial),
    FigureLabel("3", 1695, 2315, 105, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("0.1 sec", 2075, 2405, 585, 195, fig::kMaterial),
    FigureLabel("10 psi", 1500, 2785, 510, 195, fig::kMaterial),
    FigureLabel("2", 1695, 2695, 105, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("10 sec", 2075, 2785, 540, 195, fig::kMaterial),
    FigureLabel("The creep compliances for layer 1:", 3230, 620, 3030, 225, fig::kName, fig::kFormula, 0, colour::kWhite),
    FigureLabel("D(t) =10    [1 + (1 - e   ) + 10(1 - e      ) + 10(1 - e        )] ", 3230, 1000, 4860, 225, fig::kName, fig::kFormula, 0, colour::kWhite),
    FigureLabel("-6", 3950, 920, 150, 150, fig::kName, fig::kSerifExponent),
    FigureLabel("-t", 5005, 920, 120, 150, fig::kName, fig::kSerifExponent),
    FigureLabel("-0.1t", 6125, 920, 285, 150, fig::kName, fig::kSerifExponent),
    FigureLabel("-0.01t", 7410, 920, 345, 150, fig::kName, fig::kSerifExponent),
    FigureLabel("For layer 2     D(t) = 10    [(1 - e      ) + 10(1 - e      )]", 3230, 1400, 4500, 225, fig::kName, fig::kFormula, 0, colour::kWhite),
    FigureLabel("-3", 5205, 1320, 150, 150, fig::kName, fig::kSerifExponent),
    FigureLabel("-10t", 5930, 1320, 255, 150, fig::kName, fig::kSerifExponent),
    FigureLabel("-0.1t", 7215, 1320, 285, 150, fig::kName, fig::kSerifExponent),
    FigureLabel("The creep compliances computed by the above formulas are list below:", 3230, 1780, 6180, 225, fig::kName, fig::kFormula, 0, colour::kWhite),
    FigureLabel("Time (sec)", 3380, 2180, 945, 225, fig::kMaterial, fig::kFormula, 0, colour::kWhite),
    FigureLabel("Layer 1 (10    in.  /lb)", 4880, 2180, 1830, 225, fig::kMaterial, fig::kFormula, 0, colour::kWhite),
    FigureLabel("Layer 2 (10    in.  /lb)", 7080, 2180, 1830, 225, fig::kMaterial, fig::kFormula, 0, colour::kWhite),
    FigureLabel("-5", 5880, 2100, 150, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("2", 6305, 2100, 105, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("-3", 8085, 2100, 150, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("2", 8505, 2100, 105, 150, fig::kMaterial, fig::kSerifExponent),
    FigureLabel("0.01", 3387, 2500, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.102", 5296, 2500, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.105", 7496, 2500, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.03", 3387, 2735, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.106", 5296, 2735, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.289", 7496, 2735, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.1", 3387, 2970, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.121", 5296, 2970, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.732", 7496, 2970, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.3", 3387, 3205, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.159", 5296, 3205, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("1.250", 7496, 3205, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("1", 3387, 3440, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.268", 5296, 3440, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("1.950", 7496, 3440, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("3", 3387, 3675, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.484", 5296, 3675, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("3.590", 7496, 3675, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("10", 3387, 3910, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("0.927", 5296, 3910, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
    FigureLabel("7.320", 7496, 3910, 900, 225, fig::kMaterial, fig::kFormula, ctl::kCentre, colour::kWhite),
};

// Example 4: a section with the viscoelastic asphalt layer, the base and the subgrade.
constexpr ControlSpec kLay4Labels[] = {
    FigureLabel("6 in.", 1770, 320, 360, 195, fig::kDimension),
    FigureLabel("80 psi", 2310, 430, 510, 195, fig::kDimension),
    FigureLabel("6 in.", 220, 815, 360, 195, fig::kDimension),
    FigureLabel("8 in.", 220, 1365, 360, 195, fig::kDimension),
    FigureLabel("HMA", 700, 815, 405, 195, fig::kName),
    FigureLabel("Base", 700, 1365, 435, 195, fig::kName),
    FigureLabel("Subgrade", 700, 1950, 795, 195, fig::kName),
    FigureLabel("PR = 0.5", 1900, 730, 675, 195, fig::kMaterial),
    FigureLabel("Creep compliances at 70 F given", 1900, 930, 2595, 195, fig::kMaterial),
    FigureLabel("PR = 0.5", 1900, 1250, 675, 195, fig::kMaterial),
    FigureLabel("E = 30,000 psi", 1900, 1470, 1125, 195, fig::kMaterial),
    FigureLabel("PR = 0.5", 1900, 1850, 675, 195, fig::kMaterial),
    FigureLabel("E = 15,000 psi", 1900, 2070, 1125, 195, fig::kMaterial),
    FigureLabel("x", 1582, 985, 135, 195, fig::kBrown),
    FigureLabel("x", 1582, 1720, 135, 195, fig::kBrown),
};

// Example 5: the pavement section and the plans of the single, tandem and tridem axles.
constexpr ControlSpec kLay5Labels[] = {
    FigureLabel("12 in.", 25, 930, 465, 195, fig::kDimension),
    FigureLabel("E = 450,000 psi   PR = 0.35", 640, 930, 2085, 195, fig::kMaterial),
    FigureLabel("E =  10,000 psi   PR = 0.45", 640, 1460, 2040, 195, fig::kMaterial),
    FigureLabel("(a) Pavement Section                 (b) Single Axle", 300, 1850, 4275, 225, fig::kName, fig::kLarge),
    FigureLabel("7.57 in.", 3563, 325, 600, 195, fig::kDimension),
    FigureLabel("13.5 in", 2928, 985, 555, 195, fig::kDimension),
    FigureLabel("100 psi", 4283, 985, 600, 195, fig::kDimension),
    FigureLabel("7.57 in.", 700, 2050, 600, 195, fig::kDimension),
    FigureLabel("13.5 in.", 20, 2665, 600, 195, fig::kDimension),
    FigureLabel("48 in.", 1192, 3300, 465, 195, fig::kDimension),
    FigureLabel("100 psi", 1550, 2035, 600, 195, fig::kDimension),
    FigureLabel("7.57 in.", 2474, 2050, 600, 195, fig::kDimension),
    FigureLabel("13.5 in.", 4854, 2665, 600, 195, fig::kDimension),
    FigureLabel("48 in.", 2966, 3300, 465, 195, fig::kDimension),
    FigureLabel("48 in.", 3816, 3300, 465, 195, fig::kDimension),
    FigureLabel("100 psi", 4174, 2035, 600, 195, fig::kDimension),
    FigureLabel("(c) Tandem Axles            (d) Tridem Axles", 629, 3570, 3780, 225, fig::kName, fig::kLarge),
};

// Example 6: sections under the single and the dual wheels, and the plan of the wheels.
constexpr ControlSpec kLay6Labels[] = {
    FigureLabel("5.35 in.", 685, 370, 600, 195, fig::kDimension),
    FigureLabel("100 psi", 1260, 510, 600, 195, fig::kDimension),
    FigureLabel("4.52 in.    13.5 in.    4.52 in.", 2000, 360, 2085, 195, fig::kDimension),
    FigureLabel("70 psi", 4031, 510, 510, 195, fig::kDimension),
    FigureLabel("6 in. ", 145, 880, 405, 195, fig::kDimension),
    FigureLabel("8 in.", 145, 1700, 360, 195, fig::kDimension),
    FigureLabel("6 in.", 2024, 880, 360, 195, fig::kDimension),
    FigureLabel("8 in.", 2024, 1700, 360, 195, fig::kDimension),
    FigureLabel("x", 682, 2045, 135, 195, fig::kGreen),
    FigureLabel("x", 682, 2670, 135, 195, fig::kGreen),
    FigureLabel("stress point", 262, 2230, 975, 195, fig::kGreen),
    FigureLabel("4 in. ", 950, 1795, 405, 195, fig::kDimension),
    FigureLabel("1 in.", 965, 2655, 360, 195, fig::kDimension),
    FigureLabel("x", 2952, 2045, 135, 195, fig::kGreen),
    FigureLabel("x", 2952, 2670, 135, 195, fig::kGreen),
    FigureLabel("stress point", 2532, 2230, 975, 195, fig::kGreen),
    FigureLabel("4 in.", 3200, 1795, 360, 195, fig::kDimension),
    FigureLabel("1 in.", 3200, 2655, 360, 195, fig::kDimension),
    FigureLabel("visco- elastic", 3720, 870, 600, 390, fig::kName, fig::kDefault, ctl::kWrap),
    FigureLabel("PR = 0.4", 4420, 870, 675, 195, fig::kMaterial),
    FigureLabel("creep compliances at 70 F given", 3720, 1250, 2565, 195, fig::kMaterial),
    FigureLabel("60 F for cold and 80 F for warm season", 3720, 1430, 3090, 195, fig::kMaterial),
    FigureLabel("granular", 3720, 1680, 690, 195, fig::kName),
    FigureLabel("K1 = 7500 psi for cold season", 3720, 1880, 2355, 195, fig::kMaterial),
    FigureLabel("K1 = 10,000 psi for warm season", 3720, 2080, 2580, 195, fig::kMaterial),
    FigureLabel("K2 = 0.5  Ko = 0.6  PR = 0.35 PHI = 40", 3720, 2280, 2910, 195, fig::kMaterial),
    FigureLabel("clay", 3720, 2680, 360, 195, fig::kName),
    FigureLabel("soft for cold season  stiff for warm season PR = 0.45  Ko = 0.8", 3720, 2880, 1770, 585, fig::kMaterial, fig::kDefault, ctl::kWrap),
    FigureLabel("5.35 in.", 1080, 3570, 600, 195, fig::kDimension),
    FigureLabel("y axis", 3840, 3835, 495, 195, fig::kName),
    FigureLabel("1      2      3", 1812, 3755, 705, 150, fig::kDimension, fig::kSmall),
    FigureLabel("3.375 in.", 2190, 3960, 690, 195, fig::kDimension),
    FigureLabel("6.75 in.", 2490, 4140, 600, 195, fig::kDimension),
};

const ExampleFigure kLayered[] = {
    {"frmLay1", {kLay1Labels}},
    {"frmLay2", {kLay2Labels}},
    {"frmLay3", {kLay3Labels}},
    {"frmLay4", {kLay4Labels}},
    {"frmLay5", {kLay5Labels}},
    {"frmLay6", {kLay6Labels}},
};

}  // namespace

std::span<const ExampleFigure> LayeredExampleFigures() { return kLayered; }

}  // namespace pave
