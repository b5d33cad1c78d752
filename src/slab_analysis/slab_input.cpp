// Slab and load input: records (5) to (21) of a problem, with their checks, unit conversions,
// report echo and graph lines.
#include "slab_analysis/slab_input.h"

#include <cmath>
#include <limits>

#include "common/number_format.h"
#include "slab_analysis/report_helpers.h"

namespace pave::slab {

namespace {

[[noreturn]] void Stop(SlabRun& r, const std::string& message) {
  r.host.Message(message);
  r.s.ISTOP = 1;
  throw EndPath{};
}

}  // namespace

std::string ValueMessage(const std::string& item, double value, const std::string& rule, const std::string& unit) {
  // A value held in single precision is shown with the digits it has there.
  const bool single = std::fabs(value) <= std::numeric_limits<float>::max() &&
                      static_cast<double>(static_cast<float>(value)) == value;
  const std::string shown = single ? BareStr(static_cast<float>(value)) : BareStr(value);
  return item + " IS " + shown + (unit.empty() ? "" : " " + unit) + " WHICH SHOULD " + rule + ", SO COMPUTATION STOPS.";
}

std::string PlacedItem(SlabRun& r, const std::string& item, const void* value) {
  const int line = r.In().LineOf(value);
  return line > 0 ? item + " (LINE " + std::to_string(line) + ")" : item;
}

void StopWithValue(SlabRun& r, const std::string& item, double value, const std::string& rule, const std::string& unit) {
  Stop(r, ValueMessage(item, value, rule, unit));
}

void CheckNode(SlabRun& r, double node, const std::string& record, int line) {
  const int nnode = Count(r.s.NNODE);
  if (!(node >= 0.5 && node < nnode + 0.5)) {
    const std::string shown = std::fabs(node) < 32767.5 ? Str(static_cast<int>(std::lround(node))) : Str(node);
    Stop(r, "NODE" + shown + " OF RECORD " + record + " (LINE " + std::to_string(line > 0 ? line : r.In().LastLine()) +
                ") IS OUTSIDE THE NODES 1 TO" + Str(nnode) + ", SO COMPUTATION STOPS.");
  }
}

namespace {

std::string LimitTail(int limit) {
  return " WHICH IS GREATER THAN THE LIMIT OF" + Str(limit) + ", SO COMPUTATION STOPS.";
}

void Label(SlabRun& r, const char* label, double v) { r.Rep().Text(label).Num(v).End(); }

// Reads a node list of count n into NLIST (or the given array), checking every node.
template <class A>
void ReadNodeList(SlabRun& r, A& list, int n, const std::string& record) {
  for (int i = 1; i <= n; ++i) {
    list(i) = r.ReadInt16();
    CheckNode(r, list(i), record);
  }
  r.SkipIdentifier();
}

template <class A>
void WriteWrapped(SlabRun& r, const char* heading, A& list, int n, int start) {
  r.Rep().End();
  r.Rep().Text(heading);
  ListWriter wl(r.Rep(), start, 78, ListWriter::Rule::Width);
  for (int i = 1; i <= n; ++i) wl.Add(list(i));
  r.Rep().End();
}

void ReadNodalLoads(SlabRun& r, int kind, int count) {
  SlabState& s = r.s;
  static const char* idents[] = {"", "(16) NN FF", "(16) NNX FMX", "(16) NNY FMY"};
  for (int i = 1; i <= count; ++i) {
    r.ReadInt16(s.NN(i, kind));
    CheckNode(r, s.NN(i, kind), idents[kind]);
    r.ReadSingle(s.FF(i, kind));
    CheckRange(r, std::string(kind == 1 ? "THE NODAL FORCE (FF)" : kind == 2 ? "THE NODAL MOMENT (FMX)" : "THE NODAL MOMENT (FMY)") +
                      " NO." + Str(i),
               s.FF(i, kind), kind == 1 ? range::kNodalForce : range::kNodalMoment);
  }
  r.SkipIdentifier();
  LineWriter& w = r.Rep();
  w.End();
  if (kind == 1) {
    w.Text("NODAL NUMBER AND ASSIGNED VERTICAL FORCES ARE:");
  } else {
    w.Text(kind == 2 ? "NODAL NUMBER AND ASSIGNED MOMENTS ABOUT X AXIS ARE:"
                     : "NODAL NUMBER AND ASSIGNED MOMENTS ABOUT Y AXIS ARE:")
        .End();
  }
  for (int i = 1; i <= count; ++i) {
    w.Text(LnUp(s.NN(i, kind), 4, "##0")).Text(LnUp(s.FF(i, kind), 11, "0.000E+00"));
    bool brk = kind == 1 ? ((i == 2 || (i > 2 && (i - 2) % 5 == 0)) && i != count) : (i % 5 == 0 && i != count);
    if (brk) w.End();
  }
  w.End();
  for (int i = 1; i <= count; ++i) r.Gra().Num(s.NN(i, kind)).Num(s.FF(i, kind));
  r.Gra().End();
}

// Refuses an element of slab k whose width over its height (in single precision) lies outside 0.2
// to 5, naming the slab, the line of its coordinates and the ratio.
void CheckElementShapes(SlabRun& r, int k) {
  SlabState& s = r.s;
  for (int i = s.NXX(k) + 1; i < s.NXX(k) + s.NX(k); ++i) {
    for (int j = s.NYY(k) + 1; j < s.NYY(k) + s.NY(k); ++j) {
      const float ratio = static_cast<float>(Div(s.X(i + 1) - s.X(i), s.Y(j + 1) - s.Y(j)));
      if (ratio >= 0.2f && ratio <= 5.0f) continue;
      const int xLine = r.In().LineOf(&s.X(i + 1)), yLine = r.In().LineOf(&s.Y(j + 1));
      const std::string lines = xLine == yLine ? "(LINE " + std::to_string(xLine) + ")"
                                               : "(LINES " + std::to_string(xLine) + " AND " + std::to_string(yLine) + ")";
      Stop(r, "Some elements of slab" + Str(k) + " " + lines + " are too oblong with an aspect ratio of " + BareStr(ratio) +
                  " (it should be from 0.2 to 5) so the computation is terminated.  Please change the grid size.");
    }
  }
}

}  // namespace

void SlaInp(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  LineWriter& g = r.Gra();

  // 1. Slab and joint counts.
  g.Num(s.NSLAB).Num(s.NJOINT).End();
  w.Text("TOTAL NUMBER OF SLABS (NSLAB)           =               ").Num(s.NSLAB).End();
  w.Text("TOTAL NUMBER OF JOINTS (NJOINT)         =               ").Num(s.NJOINT).End();
  if (s.NSLAB < 1 || s.NSLAB != std::floor(s.NSLAB))
    RefuseValue(r, "THE TOTAL NUMBER OF SLABS (NSLAB)", s.NSLAB, "BE A WHOLE NUMBER OF AT LEAST 1");
  if (s.NSLAB > kMaxSlabs) Stop(r, PlacedItem(r, "THE TOTAL NUMBER OF SLABS (NSLAB)", &s.NSLAB) + " IS" + Str(s.NSLAB) + LimitTail(kMaxSlabs));
  if (s.NJOINT < 0 || s.NJOINT != std::floor(s.NJOINT))
    RefuseValue(r, "THE TOTAL NUMBER OF JOINTS (NJOINT)", s.NJOINT, "BE A WHOLE NUMBER OF AT LEAST 0");
  if (s.NJOINT > kMaxJoints) Stop(r, PlacedItem(r, "THE TOTAL NUMBER OF JOINTS (NJOINT)", &s.NJOINT) + " IS" + Str(s.NJOINT) + LimitTail(kMaxJoints));
  const int nslab = Count(s.NSLAB);
  const int njoint = Count(s.NJOINT);

  // 2. Record (5).
  for (int k = 1; k <= nslab; ++k) {
    r.ReadInt16(s.NX(k));
    r.ReadInt16(s.NY(k));
    g.Num(s.NX(k)).Num(s.NY(k));
    for (int K = 1; K <= 4; ++K) {
      r.ReadInt16(s.JONO(K, k));
      g.Num(s.JONO(K, k));
    }
    r.SkipIdentifier();
    g.End();
  }
  // 3. Offsets.
  s.NXX(1) = 0;
  s.NYY(1) = 0;
  for (int k = 2; k <= nslab; ++k) {
    s.NXX(k) = static_cast<std::int16_t>(s.NXX(k - 1) + s.NX(k - 1));
    s.NYY(k) = static_cast<std::int16_t>(s.NYY(k - 1) + s.NY(k - 1));
  }
  // 4. Coordinate limits, summed in full width (the 16-bit offsets may have wrapped).
  long xt = 0, yt = 0;
  for (int k = 1; k <= nslab; ++k) {
    xt += s.NX(k);
    yt += s.NY(k);
  }
  if (xt > kMaxCoords)
    Stop(r, PlacedItem(r, "THE TOTAL NUMBER OF X COORDINATES", &s.NX(nslab)) + " IS " + Str(xt) +
                " WHICH IS GREATER THAN THE MAXIMUM OF 60, SO COMPUTATION STOPS.");
  if (yt > kMaxCoords)
    Stop(r, PlacedItem(r, "THE TOTAL NUMBER OF Y COORDINATE", &s.NY(nslab)) + " IS " + Str(yt) +
                " WHICH IS GREATER THAN THE MAXIMUM OF 60, SO COMPUTATION STOPS.");
  // A slab needs two grid lines each way; joint numbers must name joints of the problem.
  for (int k = 1; k <= nslab; ++k) {
    if (s.NX(k) < 2 || s.NY(k) < 2)
      Stop(r, PlacedItem(r, "SLAB NO." + Str(k) + " OF RECORD (5)", &s.NX(k)) + " HAS NX =" + Str(s.NX(k)) + " AND NY =" + Str(s.NY(k)) +
                  "; BOTH MUST BE AT LEAST 2, SO COMPUTATION STOPS.");
    for (int K = 1; K <= 4; ++K)
      if (s.JONO(K, k) < 0 || s.JONO(K, k) > njoint)
        Stop(r, PlacedItem(r, "JOINT NO." + Str(s.JONO(K, k)) + " OF SLAB" + Str(k) + " IN RECORD (5)", &s.JONO(K, k)) +
                    " IS NOT A JOINT 0 TO" + Str(njoint) + ", SO COMPUTATION STOPS.");
  }

  // 5. Slab table.
  w.End();
  w.Text("ARRANGEMENT OF SLABS").End();
  w.Text("SLAB   NO. NODES (NX)   NO. NODES (NY)    JOINT NO. AT FOUR SIDES (JONO)").End();
  w.Text(" NO.   IN X DIRECTION   IN Y DIRECTION        LEFT  RIGHT  BOTTOM   TOP").End();
  for (int k = 1; k <= nslab; ++k) {
    w.Text(LnUp(k, 3, "#0")).Text(LnUp(s.NX(k), 12, "#0")).Text(LnUp(s.NY(k), 17, "#0")).Text(LnUp(s.JONO(1, k), 17, "#0"));
    for (int K = 2; K <= 4; ++K) w.Text(LnUp(s.JONO(K, k), 7, "#0"));
    w.End();
  }
  // 6. Nodes and equations.
  long nnode = 0;
  for (int k = 1; k <= nslab; ++k) nnode += static_cast<long>(s.NX(k)) * s.NY(k);
  s.NNODE = static_cast<double>(nnode);
  s.NEQ = 3 * s.NNODE;
  if (nnode > kMaxNodes)
    Stop(r, "THE TOTAL NUMBER OF NODES IS " + Str(nnode) +
                " WHICH IS GREATER THAN THE LIMIT OF 420 FOR SOLID OR LAYER FOUNDATION, SO COMPUTATION STOPS.");
  const int nn = static_cast<int>(nnode);

  // 7. Record (6).
  r.ReadNumber(s.NLAYER);
  r.ReadNumber(s.NNCK);
  r.ReadNumber(s.NOTCON);
  r.ReadNumber(s.NGAP);
  r.ReadNumber(s.NPRINT);
  r.ReadNumber(s.INPUT);
  r.ReadNumber(s.NBOND);
  r.ReadNumber(s.NTEMP);
  r.ReadNumber(s.NWT);
  r.ReadNumber(s.NCYCLE);
  r.ReadInt16(s.NAT(1));
  r.ReadInt16(s.NAT(2));
  r.ReadNumber(s.NSX);
  r.ReadNumber(s.NSY);
  r.ReadNumber(s.MDPO);
  r.ReadNumber(s.NUNIT);
  r.SkipIdentifier();
  g.Num(s.NLAYER).Num(s.NSX).Num(s.NSY).Num(s.NUNIT).End();

  // 8. Checks of record (6).
  if (s.NSX > 50)
    Stop(r, PlacedItem(r, "THE TOTAL NUMBER OF NODES ON THE X AXIS OF SYMMETRY (NSX)", &s.NSX) + " IS " + Str(s.NSX) +
                " WHICH IS GREATER THAN THE LIMIT OF 50, SO COMPUTATION STOPS.");
  if (s.NSY > 50)
    Stop(r, PlacedItem(r, "THE TOTAL NUMBER OF NODES ON THE Y AXIS OF SYMMETRY (NSY)", &s.NSY) + " IS " + Str(s.NSY) +
                " WHICH IS GREATER THAN THE LIMIT OF 50, SO COMPUTATION STOPS.");
  if ((s.NDAMA == 2 || s.NDAMA == 3) && s.NPRINT != 3)
    Stop(r, "WHEN NDAMA = 2 or 3, NPRINT MUST BE EQUAL TO 3.  " + PlacedItem(r, "YOUR NPRINT", &s.NPRINT) + " IS " +
                Str(s.NPRINT) + " SO THE PROGRAM IS STOPPED.");
  if (s.NLAYER != 1 && s.NLAYER != 2)
    Stop(r, PlacedItem(r, "THE NUMBER OF LAYERS (NLAYER) OF RECORD (6)", &s.NLAYER) + " IS" + Str(s.NLAYER) + "; IT MUST BE 1 OR 2, SO COMPUTATION STOPS.");
  CheckNode(r, s.NNCK, "(6) NNCK", r.In().LineOf(&s.NNCK));
  CheckCount(r, "THE NUMBER OF NODES NOT IN CONTACT (NOTCON)", s.NOTCON, 0, kMaxNodes);
  CheckCount(r, "THE NUMBER OF GAPS (NGAP)", s.NGAP, 0, kMaxNodes);
  CheckCount(r, "THE NUMBER OF POINTS FOR PRINTOUT (NPRINT)", s.NPRINT, 0, kMaxNodes);
  CheckCount(r, "THE NUMBER OF POINTS ON X AXIS OF SYMMETRY (NSX)", s.NSX, 0, kMaxNodes);
  CheckCount(r, "THE NUMBER OF POINTS ON Y AXIS OF SYMMETRY (NSY)", s.NSY, 0, kMaxNodes);
  CheckCount(r, "THE NUMBER OF ADDITIONAL THICKNESSES FOR SLAB LAYER 1 (NAT1)", s.NAT(1), 0, kMaxNodes);
  CheckCount(r, "THE NUMBER OF ADDITIONAL THICKNESSES FOR SLAB LAYER 2 (NAT2)", s.NAT(2), 0, kMaxNodes);
  // NCYCLE = 0 sets no limit on the contact cycles.
  CheckCount(r, "THE MAX NO. OF CYCLES FOR CHECKING CONTACT (NCYCLE)", s.NCYCLE, 0, 32767);
  // Codes that the analysis takes as 0 in one place and as 1 in another have no other value.
  for (auto [item, v] : {std::pair<const char*, const double*>{"THE CODE FOR INPUT OF GAPS OR PRECOMPRESSIONS (INPUT)", &s.INPUT},
                         {"THE BOND BETWEEN TWO LAYERS (NBOND)", &s.NBOND},
                         {"THE CONDITION OF WARPING (NTEMP)", &s.NTEMP},
                         {"THE CODE INDICATING WHETHER SLAB WEIGHT IS CONSIDERED (NWT)", &s.NWT},
                         {"THE MORE DETAILED PRINTOUT CODE (MDPO)", &s.MDPO},
                         {"THE SYSTEM OF UNITS (NUNIT)", &s.NUNIT}})
    if (*v != 0 && *v != 1) RefuseValue(r, item, *v, "BE 0 OR 1");
  const int nlayer = Count(s.NLAYER);

  // 9. One layer has no bond.
  if (s.NLAYER == 1) s.NBOND = 0;

  // 10. Echo of record (6).
  w.End();
  Label(r, "NUMBER OF LAYERS (NLAYER)-------------------------------------= ", s.NLAYER);
  Label(r, "NODAL NUMBER USED TO CHECK CONVERGENCE (NNCK)-----------------= ", s.NNCK);
  Label(r, "NUMBER OF NODES NOT IN CONTACT (NOTCON)-----------------------= ", s.NOTCON);
  Label(r, "NUMBER OF GAPS (NGAP)-----------------------------------------= ", s.NGAP);
  Label(r, "NUMBER OF POINTS FOR PRINTOUT (NPRINT)------------------------= ", s.NPRINT);
  Label(r, "CODE FOR INPUT OF GAPS OR PRECOMPRESSIONS (INPUT)- -----------= ", s.INPUT);
  Label(r, "BOND BETWEEN TWO LAYERS (NBOND)-------------------------------= ", s.NBOND);
  Label(r, "CONDITION OF WARPING (NTEMP)----------------------------------= ", s.NTEMP);
  Label(r, "CODE INDICATING WHETHER SLAB WEIGHT IS CONSIDERED (NWT)-------= ", s.NWT);
  Label(r, "MAX NO. OF CYCLES FOR CHECKING CONTACT (NCYCLE)---------------= ", s.NCYCLE);
  w.Text("NUMBER OF ADDITIONAL THICKNESSES FOR SLAB LAYER 1 (NAT1)------= ").Num(s.NAT(1)).End();
  w.Text("NUMBER OF ADDITIONAL THICKNESSES FOR SLAB LAYER 2 (NAT2)------= ").Num(s.NAT(2)).End();
  Label(r, "NUMBER OF POINTS ON X AXIS OF SYMMETRY (NSX)------------------= ", s.NSX);
  Label(r, "NUMBER OF POINTS ON Y AXIS OF SYMMETRY (NSY)------------------= ", s.NSY);
  Label(r, "MORE DETAILED PRINTOUT FOR EACH CONTACT CYCLE (MDPO)----------= ", s.MDPO);

  // 11. Records (7) and (8).
  r.ReadSingle(s.TEMP);
  r.ReadSingle(s.GAMA(1));
  r.ReadSingle(s.GAMA(2));
  r.ReadSingle(s.PMR(1));
  r.ReadSingle(s.PMR(2));
  r.ReadNumber(s.CT);
  r.ReadNumber(s.DEL);
  r.ReadNumber(s.FMAX);
  r.SkipIdentifier();
  r.ReadSingle(s.F1(1));
  r.ReadSingle(s.F1(2));
  r.ReadSingle(s.F2(1));
  r.ReadSingle(s.F2(2));
  r.SkipIdentifier();
  CheckRange(r, "THE TOLERANCE FOR ITERATIONS (DEL)", s.DEL, range::kTolerance);
  // FMAX = 0 is what the editor puts in a new data set; only the deflection iteration uses it, and
  // refuses it there (see the driver).
  CheckRange(r, "THE MAXIMUM ALLOWABLE VERTICAL DISPLACEMENT (FMAX)", s.FMAX, range::kLength);
  if (s.NTEMP != 0) {
    CheckRange(r, "THE DIFFERENCE IN TEMPERATURE BETWEEN BOTTOM AND TOP OF SLAB (TEMP)", s.TEMP,
               range::kTemperatureDifference);
    CheckRange(r, "THE COEFFICIENT OF THERMAL EXPANSION (CT)", s.CT, range::kThermalExpansion);
  }
  for (int L = 1; L <= nlayer; ++L) {
    if (s.NWT != 0) CheckRange(r, "THE UNIT WEIGHT OF LAYER" + Str(L) + " (GAMA)", s.GAMA(L), range::kUnitWeight);
    if (s.NDAMA != 0) {
      CheckRange(r, "THE MODULUS OF RUPTURE OF LAYER" + Str(L) + " (PMR)", s.PMR(L), range::kStrength);
    }
  }

  // 12.
  Label(r, "TOLERANCE FOR ITERATIONS (DEL)--------------------------------= ", s.DEL);
  Label(r, "MAXIMUM ALLOWABLE VERTICAL DISPLACEMENT (FMAX)----------------= ", s.FMAX);
  s.DEL0 = s.DEL;
  if (s.NTEMP != 0) {
    w.Text("DIFFERENCE IN TEMP. BETWEEN TOP AND BOTTOM OF SLAB (TEMP)-----= ").Num(s.TEMP).End();
    Label(r, "COEFFICIENT OF THERMAL EXPANSION (CT)-------------------------= ", s.CT);
  }
  w.End();
  Label(r, "SYSTEM OF UNITS (NUNIT)---------------------------------------= ", s.NUNIT);
  if (s.NUNIT == 0) {
    w.Text("    (Length in in., force in lb, stress in psi, unit weigh in pcf").End();
    w.Text("     subgrade and dowel K value in pci, and temperature in F)").End();
  } else {
    w.Text("Length in cm, force in kN, stress in kPa, unit weight in kN/m^3").End();
    w.Text("subgrade and dowel K value in MN/m^3, and temperature in C").End();
  }
  // 13.
  if (s.NWT != 0) {
    w.End();
    w.Text("UNIT WEIGHT OF LAYER 1 (GAMA(1))------------------------------= ").Num(s.GAMA(1)).End();
    w.Text("UNIT WEIGHT OF LAYER 2 (GAMA(2))------------------------------= ").Num(s.GAMA(2)).End();
  }
  // 14. Unit weights to internal units.
  for (int L = 1; L <= nlayer; ++L) s.GAMA(L) = static_cast<float>(s.GAMA(L) / (s.NUNIT == 0 ? 1728.0 : 1000000.0));
  // 15.
  if (s.NDAMA != 0) {
    w.End();
    w.Text("MODULUS OF RUPTURE OF LAYER 1 (PMR(1))------------------------= ").Num(s.PMR(1)).End();
    w.Text("MODULUS OF RUPTURE OF LAYER 2 (PMR(2))------------------------= ").Num(s.PMR(2)).End();
    if (s.NDAMA == 2)
      for (int L = 1; L <= 2; ++L)
        w.Text("FOR LAYER ").Num(L).Text(" FATIGUE COEFFICIENTS:   F1 = ").Num(s.F1(L)).Text("   F2 = ").Num(s.F2(L)).End();
  }
  // 16.
  s.THK(2, 1) = 0;
  s.T(2) = 0;
  // 17, 18. Record (9) and its echo.
  for (int k = 1; k <= nslab; ++k) {
    for (int i = 1; i <= s.NX(k); ++i) r.ReadSingle(s.X(s.NXX(k) + i));
    for (int i = 1; i <= s.NY(k); ++i) r.ReadSingle(s.Y(s.NYY(k) + i));
    r.SkipIdentifier();
  }
  for (int k = 1; k <= nslab; ++k) {
    for (int i = 1; i <= s.NX(k); ++i)
      CheckRange(r, "THE X COORDINATE NO." + Str(i) + " OF SLAB" + Str(k) + " (RECORD (9))", s.X(s.NXX(k) + i),
                 range::kSlabCoordinate);
    for (int i = 1; i <= s.NY(k); ++i)
      CheckRange(r, "THE Y COORDINATE NO." + Str(i) + " OF SLAB" + Str(k) + " (RECORD (9))", s.Y(s.NYY(k) + i),
                 range::kSlabCoordinate);
  }
  for (int k = 1; k <= nslab; ++k) {
    w.End();
    w.Text("FOR SLAB NO.").Num(k).Text("COORDINATES OF FINITE ELEMENT GRID ARE:").End();
    w.Text("X = ");
    {
      ListWriter wl(w, 4, 78, ListWriter::Rule::Width);
      for (int i = 1; i <= s.NX(k); ++i) {
        wl.Add(s.X(s.NXX(k) + i));
        g.Num(s.X(s.NXX(k) + i));
      }
    }
    w.End();
    g.End();
    w.Text("Y = ");
    {
      ListWriter wl(w, 4, 78, ListWriter::Rule::Width);
      for (int i = 1; i <= s.NY(k); ++i) {
        wl.Add(s.Y(s.NYY(k) + i));
        g.Num(s.Y(s.NYY(k) + i));
      }
    }
    w.End();
    g.End();
  }
  // Grid lines must increase within every slab (a zero or negative element size has no stiffness).
  auto notIncreasing = [&r](const char* axis, int k, int i, const float& a, const float& b) {
    return DataError("line " + std::to_string(r.In().LineOf(&b)) + ": the " + axis + " coordinates of slab " +
                     std::to_string(k) + " do not increase (no. " + std::to_string(i) + " is " + BareStr(a) + ", no. " +
                     std::to_string(i + 1) + " is " + BareStr(b) + ")");
  };
  for (int k = 1; k <= nslab; ++k) {
    for (int i = 1; i < s.NX(k); ++i) {
      const int at = s.NXX(k) + i;
      if (!(s.X(at + 1) > s.X(at))) throw notIncreasing("x", k, i, s.X(at), s.X(at + 1));
    }
    for (int i = 1; i < s.NY(k); ++i) {
      const int at = s.NYY(k) + i;
      if (!(s.Y(at + 1) > s.Y(at))) throw notIncreasing("y", k, i, s.Y(at), s.Y(at + 1));
    }
  }
  // 19. Element shape, on every slab: an element far longer than wide has a stiffness that single
  // precision cannot solve with its neighbours.
  for (int k = 1; k <= nslab; ++k) CheckElementShapes(r, k);
  // 20, 21. Record (10) and its echo.
  for (int L = 1; L <= nlayer; ++L) {
    r.ReadSingle(s.T(L));
    r.ReadSingle(s.PR(L));
    r.ReadSingle(s.YM(L));
    g.Num(s.T(L)).Num(s.PR(L)).Num(s.YM(L)).End();
  }
  r.SkipIdentifier();
  for (int L = 1; L <= nlayer; ++L) {
    CheckRange(r, "THE THICKNESS (T) OF SLAB LAYER" + Str(L), s.T(L), range::kThickness);
    CheckPoisson(r, "THE POISSON'S RATIO (PR) OF SLAB LAYER" + Str(L), s.PR(L));
    CheckRange(r, "THE YOUNG'S MODULUS (YM) OF SLAB LAYER" + Str(L), s.YM(L), range::kModulus);
  }
  w.End();
  w.Text("LAYER        THICKNESS (T)        POISSON'S          YOUNG'S").End();
  w.Text(" NO.                              RATIO (PR)       MODULUS (YM)").End();
  for (int L = 1; L <= nlayer; ++L) {
    w.Text(LnUp(L, 2, "#0")).Text(LnUp(s.T(L), 20, "###0.00000")).Text(LnUp(s.PR(L), 20, "0.00000"))
        .Text(LnUp(s.YM(L), 19, "0.000E+00")).End();
    if (s.NUNIT == 1) s.YM(L) = s.YM(L) / 10000.0f;
  }
  // 22. Record (11).
  for (int L = 1; L <= nlayer; ++L) {
    for (int n = 1; n <= nn; ++n) s.THK(L, n) = s.T(L);
    if (s.NAT(L) != 0) {
      for (int i = 1; i <= s.NAT(L); ++i) {
        r.ReadInt16(s.NLIST(i));
        CheckNode(r, s.NLIST(i), "(11) NT T");
        r.ReadSingle(s.THK(L, s.NLIST(i)));
        const std::string item = "THE THICKNESS OF SLAB LAYER" + Str(L) + " AT NODE" + Str(s.NLIST(i)) + " (RECORD (11))";
        CheckRange(r, item, s.THK(L, s.NLIST(i)), range::kThickness);
      }
      r.SkipIdentifier();
      w.End();
      w.Text("FOR LAYER NO.").Num(L).Text("NODAL NO. AND THICKNESS ARE: ");
      int count = 40;
      for (int i = 1; i <= s.NAT(L); ++i) {
        count += 2 + static_cast<int>(Str(s.NLIST(i)).size() + Str(s.THK(L, s.NLIST(i))).size());
        if (count > 75) {
          w.End();
          count = 0;
        }
        w.Num(s.NLIST(i)).Num(s.THK(L, s.NLIST(i)));
      }
    }
  }
  // 23. Record (12).
  const int nlg = Count(s.NLG);
  for (int k = 1; k <= nlg; ++k) {
    r.ReadInt16(s.NUDL(k));
    if (s.NUDL(k) < 0) RefuseValue(r, "THE NUMBER OF LOADED AREAS (NUDL) OF LOAD GROUP" + Str(k), s.NUDL(k), "NOT BE NEGATIVE");
    g.Num(s.NUDL(k));
  }
  r.SkipIdentifier();
  g.End();
  w.End();
  w.Text("No. OF LOADED AREAS (NUDL) FOR EACH LOAD GROUP ARE: ");
  {
    ListWriter wl(w, 52, 78, ListWriter::Rule::Width);
    for (int k = 1; k <= nlg; ++k) wl.Add(s.NUDL(k));
  }
  w.End();
  // 24. Records (13) and (14).
  r.ReadNumber(s.NCNF);
  r.SkipIdentifier();
  r.ReadNumber(s.NCMX);
  r.ReadNumber(s.NCMY);
  r.SkipIdentifier();
  w.Text("NO. OF NODAL FORCES (NCNF) AND MOMENTS (NCMX AND NCMY) ARE:").Num(s.NCNF).Num(s.NCMX).Num(s.NCMY).End();
  s.OUTMODE = s.NPRINT != 0 ? 2 : ((s.NCMX != 0 || s.NCMY != 0) ? 1 : 0);
  g.Num(s.NCNF).Num(s.NCMX).Num(s.NCMY).Num(s.OUTMODE).End();
  // 25. Area offsets.
  s.NUDLS(1) = 0;
  for (int k = 2; k <= nlg; ++k) s.NUDLS(k) = static_cast<std::int16_t>(s.NUDLS(k - 1) + s.NUDL(k - 1));
  if (nlg >= 1) {
    int total = s.NUDLS(nlg) + s.NUDL(nlg);
    if (total > kMaxAreasRead)
      Stop(r, PlacedItem(r, "THE TOTAL NUMBER OF LOADED AREAS (NUDL)", &s.NUDL(nlg)) + " IS " + Str(total) +
                  " WHICH IS GREATER THAN THE MAXIMUM OF 24, SO COMPUTATION STOPS.");
  }
  for (auto [item, c] : {std::pair<const char*, const double*>{"THE NUMBER OF NODAL FORCES (NCNF)", &s.NCNF},
                         {"THE NUMBER OF NODAL MOMENTS ABOUT THE X AXIS (NCMX)", &s.NCMX},
                         {"THE NUMBER OF NODAL MOMENTS ABOUT THE Y AXIS (NCMY)", &s.NCMY}}) {
    if (*c < 0 || *c != std::floor(*c)) RefuseValue(r, item, *c, "BE A WHOLE NUMBER OF AT LEAST 0");
    if (*c > kMaxNodalLoads) Stop(r, PlacedItem(r, item, c) + " IS" + Str(*c) + LimitTail(kMaxNodalLoads));
  }
  // 26. Record (15).
  for (int gr = 1; gr <= nlg; ++gr) {
    s.LG = gr;
    for (int n = 1; n <= nn; ++n) s.FL((gr - 1) * nn + n) = 0;
    if (s.NUDL(gr) == 0) continue;
    for (int i = 1; i <= s.NUDL(gr); ++i) {
      int k = s.NUDLS(gr) + i;
      r.ReadInt16(s.LS(k));
      r.ReadSingle(s.XL(1, k));
      r.ReadSingle(s.XL(2, k));
      r.ReadSingle(s.YL(1, k));
      r.ReadSingle(s.YL(2, k));
      r.ReadSingle(s.QQ(k));
      r.SkipIdentifier();
      g.Num(s.LS(k)).Num(s.XL(1, k)).Num(s.XL(2, k)).Num(s.YL(1, k)).Num(s.YL(2, k)).Num(s.QQ(k)).End();
      CheckRange(r, "THE INTENSITY (QQ) OF LOADED AREA" + Str(i) + " OF LOAD GROUP" + Str(gr), s.QQ(k), range::kPressure);
      // The area must lie on a slab of the problem, within its grid.
      const int ls = s.LS(k);
      if (ls < 1 || ls > nslab)
        Stop(r, PlacedItem(r, "SLAB NO." + Str(ls) + " OF LOADED AREA" + Str(i) + " OF LOAD GROUP" + Str(gr) + " IN RECORD (15)",
                           &s.LS(k)) +
                    " IS NOT A SLAB 1 TO" + Str(nslab) + ", SO COMPUTATION STOPS.");
      const float x0 = s.X(s.NXX(ls) + 1), x1 = s.X(s.NXX(ls) + s.NX(ls));
      const float y0 = s.Y(s.NYY(ls) + 1), y1 = s.Y(s.NYY(ls) + s.NY(ls));
      if (!(s.XL(1, k) >= x0 && s.XL(1, k) < s.XL(2, k) && s.XL(2, k) <= x1 && s.YL(1, k) >= y0 &&
            s.YL(1, k) < s.YL(2, k) && s.YL(2, k) <= y1))
        Stop(r, PlacedItem(r, "LOADED AREA" + Str(i) + " OF LOAD GROUP" + Str(gr) + " IN RECORD (15)", &s.XL(1, k)) +
                    " (X FROM" + Str(s.XL(1, k)) +
                    " TO" + Str(s.XL(2, k)) + ", Y FROM" + Str(s.YL(1, k)) + " TO" + Str(s.YL(2, k)) +
                    ") DOES NOT LIE WITHIN SLAB NO." + Str(ls) + ", SO COMPUTATION STOPS.");
    }
    w.End();
    w.Text("FOR LOAD GROUP NO.").Num(gr).Text("LOADS ARE APPLIED AS FOLLOWS:").End();
    w.Text("SLAB NO.    X COORDINATES           Y COORDINATES       INTENSITY").End();
    w.Text("   (LS)    (XL1)       (XL2)       (YL1)       (YL2)        (QQ)").End();
    for (int i = 1; i <= s.NUDL(gr); ++i) {
      int k = s.NUDLS(gr) + i;
      w.Text(LnUp(s.LS(k), 5, "#0"));
      for (float v : {s.XL(1, k), s.XL(2, k), s.YL(1, k), s.YL(2, k), s.QQ(k)}) w.Text(LnUp(v, 12, "####0.00000"));
      w.End();
      if (s.NUNIT == 1) s.QQ(k) = s.QQ(k) / 10000.0f;
    }
  }
  // 27. Record (16).
  if (s.NCNF != 0) ReadNodalLoads(r, 1, Count(s.NCNF));
  if (s.NCMX != 0) ReadNodalLoads(r, 2, Count(s.NCMX));
  if (s.NCMY != 0) ReadNodalLoads(r, 3, Count(s.NCMY));
  // 28. Record (17).
  const int notcon = Count(s.NOTCON);
  if (notcon == 0) {
    for (int n = 1; n <= nn; ++n) s.NCON(n) = 0;
  } else {
    ReadNodeList(r, s.NLIST, notcon, "(17) NODNC");
    WriteWrapped(r, "NODES NOT IN CONTACT ARE: ", s.NLIST, notcon, 26);
    for (int n = 1; n <= nn; ++n) s.NCON(n) = 0;
    for (int i = 1; i <= notcon; ++i) s.NCON(s.NLIST(i)) = 1;
  }
  // 29. Record (18).
  if (s.NPRINT != 0) {
    ReadNodeList(r, s.NP, Count(s.NPRINT), "(18) NP");
    WriteWrapped(r, "NODES FOR STRESS PRINTOUT (NP) ARE: ", s.NP, Count(s.NPRINT), 36);
  }
  // 30. Records (19) and (20).
  if (s.NSX != 0) {
    ReadNodeList(r, s.NODSX, Count(s.NSX), "(19) NODSX");
    WriteWrapped(r, "NODES ON X AXIS OF SYMMETRY (NODSX) ARE: ", s.NODSX, Count(s.NSX), 41);
  }
  if (s.NSY != 0) {
    ReadNodeList(r, s.NODSY, Count(s.NSY), "(20) NODSY");
    WriteWrapped(r, "NODES ON Y AXIS OF SYMMETRY (NODSY) ARE:", s.NODSY, Count(s.NSY), 41);
  }
  // 31. Initial gaps.
  if (s.INPUT == 0) {
    for (int n = 1; n <= nn; ++n) s.CURL(n) = 0;
  } else {
    for (int n = 1; n <= nn; ++n) s.CURL(n) = s.GAP(n);
    w.End();
    w.Text("NODAL NUMBERS AND GAPS (GAP) OR PRECOMPRESSIONS (SUMP) ARE:").End();
    for (int n = 1; n <= nn; ++n) {
      w.Text(LnUp(n, 5, "###0"));
      if (s.NCONP(n) > 0)
        w.Text(LnUp(s.GAP(n), 10, "##0.00000"));
      else
        w.Text(LnUp(s.SUMP(n), 10, "######0.0"));
      if (n % 5 == 0 && n != nn) w.End();
    }
    w.End();
    if (notcon != 0) WriteWrapped(r, "NODES NOT IN CONTACT ARE: ", s.NLIST, notcon, 26);
  }
  // 32. Record (21).
  const int ngap = Count(s.NGAP);
  if (ngap == 0) return;
  for (int i = 1; i <= ngap; ++i) {
    r.ReadInt16(s.NLIST(i));
    CheckNode(r, s.NLIST(i), "(21) NG CURL");
    r.ReadSingle(s.CURL(s.NLIST(i)));
    CheckRange(r, "THE INITIAL GAP (CURL) AT NODE" + Str(s.NLIST(i)), s.CURL(s.NLIST(i)), range::kGap);
  }
  r.SkipIdentifier();
  w.End();
  w.Text("NODAL NUMBERS AND INITIAL GAPS (GAP) ARE TABULATED AS FOLLOWS:").End();
  for (int i = 1; i <= ngap; ++i) {
    w.Text(LnUp(s.NLIST(i), 4, "###")).Text(LnUp(s.CURL(s.NLIST(i)), 8, "0.00000"));
    if (i % 6 == 0 && i != ngap) w.End();
  }
  w.End();
  if (s.TEMP > 0)
    for (int i = 1; i <= ngap; ++i) s.NCON(s.NLIST(i)) = 1;
}

}  // namespace pave::slab
