// The slab data sets of CORVISTA: every value of a slab data file, held in program-wide fixed
// tables whose first index is the data set (1 or 2; 0 exists and is never used). The writer, the
// reader, the parameter forms and the grids all work on these tables; nothing lives in a control.
#pragma once

#include <cstdint>

#include "common/entry_array.h"
#include "common/fixed_table.h"
#include "common/value.h"

namespace pave {

// Capacities of the lists (the last index of each table).
namespace slab_cap {
inline constexpr int kSlabSets = 2;
inline constexpr int kSlabs = 6;
inline constexpr int kSlabLayers = 2;
inline constexpr int kJoints = 7;
inline constexpr int kJointNodes = 15;
inline constexpr int kLoadGroups = 12;
inline constexpr int kAreasPerGroup = 24;
inline constexpr int kPeriods = 12;
inline constexpr int kCoordinates = 25;   // per slab and direction
inline constexpr int kNodeList = 120;
inline constexpr int kSymmetryList = 50;
inline constexpr int kFoundationLayers = 6;
}  // namespace slab_cap

// Fields of gSlabGeneral.
namespace gen {
inline constexpr int kNFOUND = 1, kNDAMA = 2, kNPY = 3, kNLG = 4, kNLAYER = 5, kNBOND = 6, kNSLAB = 7,
                     kNJOINT = 8, kNNCK = 9, kNPRINT = 10, kNSX = 11, kNSY = 12, kMDPO = 13, kNUNIT = 14,
                     kNAT1 = 15, kNAT2 = 16;
}
// Fields of gSlabCurling.
namespace curl {
inline constexpr int kNOTCON = 1, kNGAP = 2, kINPUT = 3, kNTEMP = 4, kNWT = 5, kNCYCLE = 6, kTEMP = 7, kCT = 8,
                     kDEL = 9, kFMAX = 10;
}

using slab_cap::kSlabSets;

inline FixedTable<std::string, kSlabSets> gSlabTITLE;
inline FixedTable<std::int16_t, kSlabSets, 19> gSlabGeneral;
inline FixedTable<Value, kSlabSets> gSlabUL;
inline FixedTable<std::int16_t, kSlabSets> gSlabTC;
inline FixedTable<Value, kSlabSets> gSlabCL;
inline FixedTable<Value, kSlabSets, 10> gSlabCurling;
inline FixedTable<std::int16_t, kSlabSets, slab_cap::kSlabs, 6> gSlabArrangement;   // NX NY JONO1..4
inline FixedTable<float, kSlabSets, slab_cap::kSlabs, slab_cap::kCoordinates> gSlabX;
inline FixedTable<float, kSlabSets, slab_cap::kSlabs, slab_cap::kCoordinates> gSlabY;
inline FixedTable<float, kSlabSets, slab_cap::kSlabLayers, 4> gSlabLayerProps;       // T PR YM GAMA
inline FixedTable<float, kSlabSets, slab_cap::kSlabLayers, 3> gSlabFatigue;          // PMR F1 F2
inline FixedTable<Value, kSlabSets, slab_cap::kNodeList, 2> gSlabAddT1;               // NT T
inline FixedTable<Value, kSlabSets, slab_cap::kNodeList, 2> gSlabAddT2;
inline FixedTable<std::int16_t, kSlabSets, slab_cap::kLoadGroups> gSlabNUDL;
inline FixedTable<std::int16_t, kSlabSets, 3> gSlabRaftCounts;                        // NCNF NNMX NNMY
inline FixedTable<Value, kSlabSets, slab_cap::kLoadGroups, slab_cap::kAreasPerGroup, 6> gSlabLoadAreas;
inline FixedTable<double, kSlabSets, slab_cap::kNodeList, 2, 3> gSlabNodalLoads;      // node, value; kind
inline FixedTable<std::int16_t, kSlabSets, slab_cap::kNodeList> gSlabNODNC;
inline FixedTable<std::int16_t, kSlabSets, slab_cap::kNodeList> gSlabNP;
inline FixedTable<std::int16_t, kSlabSets, slab_cap::kSymmetryList> gSlabNODSX;
inline FixedTable<std::int16_t, kSlabSets, slab_cap::kSymmetryList> gSlabNODSY;
inline FixedTable<Value, kSlabSets, slab_cap::kNodeList, 2> gSlabGaps;                // NG CURL
inline FixedTable<float, kSlabSets, slab_cap::kPeriods> gSlabFSAF;
inline FixedTable<Value, kSlabSets, 2> gSlabLiquid;                                   // SUBMOD NAS
inline FixedTable<Value, kSlabSets, slab_cap::kNodeList, 2> gSlabAddSubmod;           // NS SUBMOD
inline FixedTable<Value, kSlabSets, 2> gSlabSolid;                                    // YMS PRS
inline FixedTable<Value, kSlabSets, 2> gSlabLayered;                                  // MAXIC NL
inline FixedTable<Value, kSlabSets, slab_cap::kFoundationLayers, 3> gSlabFoundLayers; // TH E PRBF
inline FixedTable<Value, kSlabSets, 2> gSlabDowel;                                    // YMSB PRSB
inline FixedTable<Value, kSlabSets, slab_cap::kJoints, 8> gSlabJoints;
inline FixedTable<Value, kSlabSets, slab_cap::kJoints, slab_cap::kJointNodes> gSlabBARNO;
inline FixedTable<Value, kSlabSets, slab_cap::kPeriods, slab_cap::kLoadGroups> gSlabTNLR;

// How far a File Old that failed got in each data set: the number of the last record read whole
// (0: the set was not reached). The General form fills its unit defaults only into values that
// such a reading did not reach.
inline FixedTable<std::int16_t, kSlabSets> gSlabRecordsRead;

// Every data-set table, registered under its program-wide name for the grids.
ArrayDirectory& SlabArrays();

// Puts data set 1 back to the defaults a new slab data file starts with (data set 2 and the
// entries the defaults do not name keep what they hold).
void SetSlabDefaults();

// Fills data set 2 from data set 1: fixed groups whole, lists within data set 1's counts.
void CopySlabSet1To2();

// Empties every table (a fresh run, as the tests need).
void ClearSlabDataSets();

// A value used as a count or a code: the number it holds or spells, 0 when empty.
inline double Num(const Value& v) { return v.Number(); }
// A count kept in a value entry, as a loop bound: its number when it is whole and within
// 0..capacity, else -1 (the caller refuses or stops).
int ValueCount(const Value& v, int capacity);

}  // namespace pave
