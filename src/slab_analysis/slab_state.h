// The program-wide state of the slab analysis: one record per run, created with every field zero and
// never cleared between the problems of a data file. Every routine of the analysis reads and writes
// its fields directly. Names are those of the data file and the report.
//
// Types: 16-bit integers as std::int16_t, single precision as float, values "as read" (counts and
// codes held as numbers) as double. Arrays are 1-based with a fixed capacity (checked_array.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "slab_analysis/checked_array.h"

namespace pave::slab {

// Capacities, shared by both builds (the work array excepted).
inline constexpr int kMaxSlabs = 6;
inline constexpr int kMaxJoints = 7;
inline constexpr int kMaxLayers = 2;
inline constexpr int kMaxCoords = 60;         // x (and y) grid coordinates summed over the slabs
inline constexpr int kMaxNodes = 420;
inline constexpr int kMaxEquations = 1260;    // 3 per node
inline constexpr int kMaxElements = 360;
inline constexpr int kMaxLoadGroups = 12;
inline constexpr int kMaxAreasRead = 24;      // loaded areas read, summed over the groups
inline constexpr int kMaxAreaEntries = 100;   // loaded-area table incl. the pieces of cut areas
inline constexpr int kMaxNodalLoads = 120;    // per kind
inline constexpr int kMaxSymNodes = 50;       // NSX, NSY
inline constexpr int kMaxPeriods = 12;
inline constexpr int kMaxPeriodGroups = 72;   // NPY x NLG with damage analysis
inline constexpr int kMaxFoundLayers = 6;     // NL of the layered foundation
inline constexpr int kMaxJointNodes = 80;     // summed over all joints
inline constexpr int kMaxNodesPerJoint = 15;  // per-joint working tables of the joint forces
inline constexpr int kMaxElementLoads = 360;  // per load group

struct SlabState {
  // --- run driver ------------------------------------------------------------------------------
  double NPROB = 0;
  std::string TITLE;
  double NFOUND = 0, NDAMA = 0, NPY = 0, NLG = 0;
  double NSLAB = 0, NJOINT = 0;
  int IPER = 0, LG = 0, NCY = 0, IC = 0;
  int ITFLAG = 0, CHG = 0, ISTOP = 0, NSTAGE = 0;
  float DIFF = 0, FOLD = 0, DIFF0 = 0;
  Arr<float, kMaxEquations> RLOAD, F, FPREV, BUF;
  Arr<float, kMaxNodes> PCOMP;
  Arr<float, kMaxPeriods> FSAF;
  Arr<float, kMaxPeriodGroups> TNLR;

  // --- slab and load input (records (5) to (21)) -----------------------------------------------
  Arr<std::int16_t, kMaxSlabs> NX, NY, NXX, NYY;
  Arr2<std::int16_t, 4, kMaxSlabs> JONO;  // JONO(K, s): 1 left, 2 right, 3 bottom, 4 top
  double NNODE = 0, NEQ = 0;
  double NLAYER = 0, NNCK = 0, NOTCON = 0, NGAP = 0, NPRINT = 0, INPUT = 0, NBOND = 0, NTEMP = 0,
         NWT = 0, NCYCLE = 0, NSX = 0, NSY = 0, MDPO = 0, NUNIT = 0;
  Arr<std::int16_t, kMaxLayers> NAT;
  float TEMP = 0;
  double CT = 0, DEL = 0, DEL0 = 0, FMAX = 0;
  Arr<float, kMaxLayers> GAMA, PMR, F1, F2, T, PR, YM;
  Arr<float, kMaxCoords> X, Y;
  Arr2<float, kMaxLayers, kMaxNodes> THK;
  Arr<std::int16_t, kMaxLoadGroups> NUDL, NUDLS;
  double NCNF = 0, NCMX = 0, NCMY = 0, OUTMODE = 0;
  Arr<std::int16_t, kMaxAreaEntries> LS;
  Arr2<float, 2, kMaxAreaEntries> XL, YL;
  Arr<float, kMaxAreaEntries> QQ;
  Arr2<std::int16_t, kMaxNodalLoads, 3> NN;
  Arr2<float, kMaxNodalLoads, 3> FF;
  Arr<std::int16_t, kMaxNodes> NP, NLIST, NCON;
  Arr<std::int16_t, kMaxSymNodes> NODSX, NODSY;
  Arr<float, kMaxNodes> CURL;
  Arr<float, kMaxLoadGroups * kMaxNodes> FL;  // (g-1) NNODE + n

  // --- foundation input ------------------------------------------------------------------------
  Arr<float, kMaxNodes> SUBMOD;                 // liquid foundation
  double YMS = 0;                               // solid foundation (1 for the layered one)
  float PRS = 0;
  double NL = 0, NL1 = 0;                       // layered foundation
  std::int16_t MAXIC = 0;
  Arr<float, kMaxFoundLayers - 1> TH;
  Arr<float, kMaxFoundLayers> E, PRBF;

  // --- joint and dowel input -------------------------------------------------------------------
  float YMSB = 0, PRSB = 0;
  Arr2<float, 3, kMaxJoints> SPCON;
  Arr<float, kMaxJoints> SCKV, BD, BS, WJ, GDC, CDOW;
  Arr<std::int16_t, kMaxJoints> NNAJ, IDOW;
  Arr2<float, 3, kMaxJointNodes> JNT;           // JNT(M, r), r = NJN(J) + K

  // --- numbering -------------------------------------------------------------------------------
  Arr<std::int16_t, kMaxSlabs> INITNP, LASTNP, INITEN, LASTEN;
  Arr2<std::int16_t, 2, kMaxJoints> ISNN, LFNN, ISEN, LFEN, NSJ;
  Arr<std::int16_t, kMaxJoints> KSIDE, NJN;
  Arr<float, kMaxNodes> XN, YN;

  // --- loads, stiffness, storage ---------------------------------------------------------------
  Arr2<float, kMaxLayers, kMaxElements> RIGID;
  Arr<float, kMaxNodes> AREA;
  double NB = 0, NSK2 = 0, NBMAX = 0, NTRI = 0, AVAIL = 0, NSK3 = 0;
  std::int16_t ISOLVE = 0;
  Arr<std::int16_t, kMaxNodes> NEWNO;
  std::vector<float> SK;  // work array, NSTORE values, SK[i] for i = 1..NSTORE (index 0 unused)

  // --- contact ---------------------------------------------------------------------------------
  Arr<float, kMaxNodes> GAP, SUBR, SUMP, SUBD;
  Arr<std::int16_t, kMaxNodes> NCONP;           // contact flags before the last solid/layered update
  float FOSUM = 0, SUBSUM = 0;

  // --- solid and layered foundations (filled by their own routines) ------------------------------
  Arr<float, kMaxNodes> XO, YO;
  Arr<float, kMaxElements> EDIA;
  Arr<std::int16_t, kMaxNodes> NDTY;
  Arr<std::int32_t, kMaxNodes> NPOP;
  std::int16_t NSYM = 0, NTSM3 = 0;
  double NTSM = 0;
  Arr2<double, 4, 4> NPSM;
  Arr2<std::int32_t, 3, 8> NPSM3;
  Arr<float, 21> RD, DEF;

  // --- results ---------------------------------------------------------------------------------
  Arr2<float, 3, kMaxJointNodes> FAJ;           // joint shear (row 1) and moments (rows 2, 3)
  Arr2<float, kMaxLayers, 3> STRS;
  std::int16_t KSTART = 0;
  Arr<float, kMaxLayers> SUMCI, DL;

  explicit SlabState(std::int32_t nstore) : SK(static_cast<std::size_t>(nstore) + 1, 0.0f) {
    LS(1) = 1;
  }
  std::int32_t NSTORE() const { return static_cast<std::int32_t>(SK.size()) - 1; }

  // SK(i) with the capacity test.
  float& sk(long i) {
    if (i < 1 || i > NSTORE()) throw StorageError("SK(" + std::to_string(i) + ") beyond the work array");
    return SK[static_cast<std::size_t>(i)];
  }
};

}  // namespace pave::slab
