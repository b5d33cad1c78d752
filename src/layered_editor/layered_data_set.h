// The layered data set: every value of a layered data file lives in these program-wide tables while
// the editor PELDRANE is open. The first index is the data set (1 to 5); further indexes count from
// 1 (layer, interface, depth point, period, load group, response point, nonlinear or viscoelastic
// sequence, creep time, damage layer) and field k is the last index of tables that group several
// named values. Index 0 exists and is never used; every index is checked.
#pragma once

#include <cstdint>
#include <string>

#include "common/entry_array.h"
#include "common/fixed_table.h"
#include "common/value.h"

namespace pave {

inline constexpr int kLayeredSets = 5;
inline constexpr int kLayeredLayers = 19;
inline constexpr int kLayeredInterfaces = 18;
inline constexpr int kLayeredDepths = 19;
inline constexpr int kLayeredPeriods = 12;
inline constexpr int kLayeredLoadGroups = 12;
inline constexpr int kLayeredPoints = 25;
inline constexpr int kLayeredSequences = 12;   // nonlinear and viscoelastic layers
inline constexpr int kLayeredTimes = 15;
inline constexpr int kLayeredDamageLayers = 19;
inline constexpr int kLayeredTitleLength = 68;

// Fields of gLayeredGeneral.
namespace gen {
inline constexpr int MATL = 1, NDAMA = 2, NPY = 3, NLG = 4, DEL = 5, NL = 6, NZ = 7, ICL = 8, NSTD = 9,
                     NBOND = 10, NLBT = 11, NLTC = 12, NUNIT = 13;
}
// Fields of gLayeredNonlinGeneral.
namespace nlg {
inline constexpr int NOLAY = 1, ITENOL = 2, RCNOL = 3, XPTNOL = 4, YPTNOL = 5, SLD = 6, DELNOL = 7;
}
// Fields of gLayeredViscoGeneral.
namespace vsg {
inline constexpr int DUR = 1, NVL = 2, NTYME = 3;
}
// Fields of gLayeredLoad.
namespace ld {
inline constexpr int LOAD = 1, CR = 2, CP = 3, YW = 4, XW = 5, NRNPT = 6;
}

inline FixedTable<std::string, kLayeredSets> gLayeredTITLE;
inline FixedTable<float, kLayeredSets, 13> gLayeredGeneral;
inline FixedTable<Value, kLayeredSets, kLayeredLayers, 3> gLayeredLayer;          // TH, PR, GAM
inline FixedTable<Value, kLayeredSets, kLayeredDepths> gLayeredZC;
inline FixedTable<std::int16_t, kLayeredSets, kLayeredInterfaces> gLayeredINT;
inline FixedTable<Value, kLayeredSets, kLayeredPeriods, kLayeredLayers> gLayeredE;
inline FixedTable<Value, kLayeredSets, kLayeredLoadGroups, 6> gLayeredLoad;
inline FixedTable<Value, kLayeredSets, kLayeredLoadGroups, kLayeredPoints> gLayeredRC;
inline FixedTable<Value, kLayeredSets, kLayeredLoadGroups, kLayeredPoints, 2> gLayeredPoints;  // XPT, YPT
inline FixedTable<Value, kLayeredSets, 7> gLayeredNonlinGeneral;
inline FixedTable<Value, kLayeredSets, kLayeredSequences, 3> gLayeredNonseasonal;  // LAYNO, ZCNOL, NCLAY
inline FixedTable<Value, kLayeredSets, kLayeredSequences, 2> gLayeredGranular;     // K2, K0
inline FixedTable<Value, kLayeredSets, kLayeredSequences, 4> gLayeredClay;         // K2, K3, K4, K0
// clay: EMIN, EMAX, K1; granular: PHI, K1
inline FixedTable<Value, kLayeredSets, kLayeredSequences, kLayeredPeriods, 3> gLayeredSeasonal;
inline FixedTable<float, kLayeredSets, kLayeredPeriods> gLayeredRELAX;
inline FixedTable<Value, kLayeredSets, 3> gLayeredViscoGeneral;                    // DUR, NVL, NTYME
inline FixedTable<Value, kLayeredSets, kLayeredSequences, 3> gLayeredViscoLayer;   // LNV, BETA, TEMPREF
inline FixedTable<Value, kLayeredSets, kLayeredTimes> gLayeredTYME;
inline FixedTable<float, kLayeredSets, kLayeredSequences, kLayeredTimes> gLayeredCREEP;
inline FixedTable<Value, kLayeredSets, kLayeredPeriods, kLayeredSequences> gLayeredTEMP;
inline FixedTable<Value, kLayeredSets, kLayeredDamageLayers, 4> gLayeredBottom;    // LNBT, FT1, FT2, FT3
inline FixedTable<float, kLayeredSets, kLayeredDamageLayers, 3> gLayeredTop;       // LNTC, FT4, FT5
inline FixedTable<float, kLayeredSets, kLayeredPeriods, kLayeredLoadGroups> gLayeredTNLR;
// How often each set's Data Set button raised NPROB.
inline FixedTable<Value, kLayeredSets> gLayeredSetClicks;

// Every table above under its name, for the grids.
ArrayDirectory& LayeredArrays();

// The general field k of data set `set`.
inline float General(int set, int k) { return gLayeredGeneral(set, k); }

// Empties every table (value tables empty, number tables 0, texts ""), then puts the editor's
// defaults into data sets 1 to 5; sets gLayeredSet and gLayeredNPROB to 1.
void LayeredDefaults();

// Copies data set 1 into data set `set` (2 to 5), within data set 1's counts.
void Initial(int set);

// A count of data set `set` as a whole number, or -1 when it is not a whole number inside 0..limit
// (an empty or non-numeric text, a fraction, a negative or a too large number).
int LayeredCount(const Value& v, int limit);
int LayeredCount(float v, int limit);

}  // namespace pave
