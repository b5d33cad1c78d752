// The whole state of one problem of the layered analysis: the data of the layered data file, the
// wheel layout, the nonlinear, viscoelastic and damage data, the results and the run driver's own
// counters. Codes and counts are 16-bit integers, measures single precision, tables fixed-size and
// used from index 1 (element 0 present, never used). Names are those of the data file and report.
//
// The problem state is overwritten problem by problem; nothing is cleared between problems.
#pragma once

#include <cstdint>
#include <string>

#include "layered_analysis/fixed_table.h"

namespace pave::layered {

using i16 = std::int16_t;

// Bounds of the tables.
inline constexpr int kMaxLayers = 19;          // NL
inline constexpr int kMaxDepths = 19;          // NZ, damage depths
inline constexpr int kMaxPeriods = 12;         // NPY
inline constexpr int kMaxLoadGroups = 12;      // NLG
inline constexpr int kMaxPoints = 25;          // NR (single wheel) and NPT
inline constexpr int kMaxWheels = 10;          // wheel positions, halfway wheels included
inline constexpr int kMaxNonlinear = 12;       // NOLAY
inline constexpr int kMaxVisco = 12;           // NVL, viscoelastic layer numbers (temperatures by layer)
inline constexpr int kMaxTimes = 15;           // NTYME, NDIR
inline constexpr int kMaxDamageAllowable = 12; // NLBT + NLTC (allowable repetitions)
inline constexpr int kMaxModulusWheels = 6;    // wheels at the modulus points
inline constexpr int kSolverElements = 5476;   // coefficient matrix of the equation solver (74 x 74)
inline constexpr int kMaxEquations = 74;
inline constexpr int kRespTElements = 25650;   // responses collected at the creep times
inline constexpr int kDcoefElements = 5103;    // Dirichlet-series coefficients
inline constexpr int kResponses = 9;           // responses per point

// Working state of one integration, shared by the response integration, the layer constants and the
// stresses at the modulus points; overwritten at every call.
struct IntegrationWork {
  Table1<float, kMaxLayers - 1> THN;   // TH(i) / H
  Table1<float, kMaxLayers - 1> DN;    // depth of interface i / H
  Table1<i16, kMaxDepths> LAY;         // layer of each depth point
  float RM = 0;                        // m * H at the current Gauss point
  double CC[5] = {0, 0, 0, 0, 0};      // constants A, B, C, D of a layer (from 1)
};

struct ProblemState {
  // --- Run level ---
  i16 NPROB = 0;

  // --- General values, records (2) to (5) ---
  std::string TITLE;
  i16 MATL = 0;     // 1 linear, 2 nonlinear, 3 viscoelastic, 4 viscoelastic and nonlinear
  i16 NDAMA = 0;    // 0 none, 1 summary, 2 detailed
  i16 NPY = 0;
  i16 NLG = 0;
  float DEL = 0;    // integration tolerance
  i16 NL = 0;
  i16 NZ = 0;       // NLBT + NLTC when NDAMA > 0
  i16 NZRead = 0;   // NZ as read in record (5), for the echo and the layer graph file
  i16 ICL = 0;      // limit of integration cycles
  i16 NSTD = 0;     // 1, 5 or 9
  i16 NUNIT = 0;    // 0 English, otherwise SI

  // --- Layers, records (6) to (11) ---
  Table1<float, kMaxLayers - 1> TH;        // thickness of layers 1..NL-1
  Table1<float, kMaxLayers> PR;            // Poisson's ratio
  Table1<float, kMaxDepths> ZC;            // depth points (damage depths when NDAMA > 0)
  i16 NBOND = 1;                           // 0: INT read; 1: all bonded
  Table1<i16, kMaxLayers - 1> INT;         // 1 bonded, 0 frictionless
  Table2<float, kMaxLayers, kMaxPeriods> EPY;  // modulus of layer in period, as read
  Table1<float, kMaxLayers> E;             // current modulus

  // --- Load groups, records (13) to (20) ---
  Table1<i16, kMaxLoadGroups> LOAD;        // 0 single, 1 dual, 2 tandem, 3 tridem
  Table1<float, kMaxLoadGroups> CR;
  Table1<float, kMaxLoadGroups> CP;
  Table1<i16, kMaxLoadGroups> NR;          // radial coordinates (LOAD 0) or wheels of the group
  Table1<i16, kMaxLoadGroups> NPT;         // response points (LOAD not 0)
  Table1<float, kMaxLoadGroups> XW;
  Table1<float, kMaxLoadGroups> YW;
  Table3<float, kMaxPoints, kMaxPoints, kMaxLoadGroups> RC;        // RC(J, IPT, LG)
  Table4<float, kMaxWheels, 2, kMaxPoints, kMaxLoadGroups> DCPT;   // DCPT(J, m, IPT, LG)
  Table1<float, kMaxPoints> XPT;           // points of the load group being read
  Table1<float, kMaxPoints> YPT;
  Table1<float, kMaxWheels> WX;            // wheel centres of the load group being read
  Table1<float, kMaxWheels> WY;

  // --- Nonlinear layers, records (25) to (33) ---
  i16 NOLAY = 0;
  i16 ITENOL = 0;
  Table1<i16, kMaxNonlinear> LAYNO;
  Table1<i16, kMaxNonlinear> NCLAY;
  Table1<float, kMaxNonlinear> ZCNOL;
  float RCNOL = 0, XPTNOL = 0, YPTNOL = 0, SLD = 0, DELNOL = 0;
  Table1<float, kMaxPeriods> RELAX;
  Table1<float, kMaxLayers> GAM;           // converted to stress per unit depth after the echo
  Table1<float, kMaxLayers> GAMRead;       // as read, for the layer graph file
  Table1<float, kMaxNonlinear> K0, K2, K3, K4;
  Table2<float, kMaxNonlinear, kMaxPeriods> K1, PHI, EMIN, EMAX, KA, KP;
  Table1<float, kMaxNonlinear> GEOS;
  Table1<float, kMaxLayers> ZTOP;
  Table1<float, kMaxNonlinear> XNOL, YNOL;
  Table3<float, kMaxModulusWheels, kMaxNonlinear, kMaxLoadGroups> RNOL;          // RNOL(k, i, g)
  Table4<float, kMaxModulusWheels, 2, kMaxLayers, kMaxLoadGroups> DCNOL;         // DCNOL(k, m, i, g)

  // --- Viscoelastic layers, records (36) to (44) ---
  float DUR = 0;
  i16 NVL = 0;
  Table1<i16, kMaxVisco> LNV;
  i16 NTYME = 0;
  Table1<float, kMaxTimes> TYME;
  Table1<float, kMaxVisco> BETA, TEMREF;
  Table3<float, kMaxVisco, kMaxTimes, kMaxPeriods> CREEP;  // CREEP(j, i, p)
  Table2<float, kMaxPeriods, kMaxVisco> TEMP;               // TEMP(p, layer number)
  i16 NDIR = 7;
  Table1<float, kMaxTimes> DELTA;
  Table1<double, kDcoefElements> DCOEF;

  // --- Damage analysis, records (46) to (51) ---
  i16 NLBT = 0, NLTC = 0;
  Table1<i16, kMaxDepths> LNBT, LNTC;
  Table2<float, kMaxPeriods, kMaxLoadGroups> TNLR;  // TNLR(p, g)
  Table2<float, 5, kMaxDepths> FT;                  // FT(1..5, k)
  float TNLRC = 0;
  Table1<float, kMaxDepths> DMSTR;    // critical strain at each damage depth
  Table1<float, kMaxDepths> EMOD;     // effective modulus at each bottom-tension depth
  Table1<i16, kMaxDepths> DMPT;       // response point picked in pass 1
  Table1<float, kMaxDamageAllowable> ALR;
  Table1<float, kMaxDepths> DR;
  Table1<float, kMaxDepths> SUMDR;
  Table1<float, kMaxDepths> DMSTR1;   // critical strains of pass 1, for the halfway pass

  // --- Results ---
  Table3<float, kMaxPoints, kMaxDepths, kResponses> RESP;   // RESP(J, I, K)
  Table1<float, kRespTElements> RESPT;

  // --- Working state of the last integration (layer of each depth point and the normalised depths) ---
  IntegrationWork work;

  // --- Equation solver's coefficient matrix, shared by its callers ---
  Table1<float, kSolverElements> A;

  // --- Run driver ---
  i16 IPROB = 0, IP = 0, LG = 0, IPASS = 1, IPT = 0, IT = 0;
  i16 NOCONV = 0;
  i16 NSTOP = 0;

  // Saved wheel layout (restored at the start of every later period).
  Table1<i16, kMaxLoadGroups> savedNR;
  Table3<float, kMaxPoints, kMaxPoints, kMaxLoadGroups> savedRC;
  Table4<float, kMaxWheels, 2, kMaxPoints, kMaxLoadGroups> savedDCPT;
};

}  // namespace pave::layered
