// Foundation and joint input: records (24) to (36).
#include <cmath>

#include "common/number_format.h"
#include "slab_analysis/report_helpers.h"
#include "slab_analysis/slab_input.h"

namespace pave::slab {

void LiqInp(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  const int nn = Count(s.NNODE);
  const int nas = r.ReadInt16();
  r.ReadSingle(s.SUBMOD(1));
  r.SkipIdentifier();
  CheckCount(r, "THE NUMBER OF ADDITIONAL SUBGRADE MODULI (NAS)", nas, 0, kMaxNodes);
  CheckRange(r, "THE SUBGRADE MODULUS (SUBMOD)", s.SUBMOD(1), range::kSubgradeModulus);
  r.Gra().Num(s.SUBMOD(1)).End();
  w.End();
  w.Text("NUMBER OF ADDITIONAL SUBGRADE MODULI (NAS) TO BE READ IN-----= ").Num(static_cast<std::int16_t>(nas)).End();
  w.Text("SUBGRADE MODULUS (SUBMOD)------------------------------------=").Num(s.SUBMOD(1)).End();
  for (int n = 1; n <= nn; ++n) s.SUBMOD(n) = s.SUBMOD(1);
  if (nas != 0) {
    for (int i = 1; i <= nas; ++i) {
      r.ReadInt16(s.NLIST(i));
      CheckNode(r, s.NLIST(i), "(25) NS SUBMOD");
      r.ReadSingle(s.SUBMOD(s.NLIST(i)));
      CheckRange(r, "THE SUBGRADE MODULUS (SUBMOD) AT NODE" + Str(s.NLIST(i)), s.SUBMOD(s.NLIST(i)), range::kSubgradeModulus);
    }
    r.SkipIdentifier();
    w.End();
    w.Text("NODAL NO. AND SUBGRADE MODULUS ARE:").End();
    for (int i = 1; i <= nas; ++i) w.Num(s.NLIST(i)).Num(s.SUBMOD(s.NLIST(i)));
    w.End();
  }
  if (s.NUNIT == 1)
    for (int n = 1; n <= nn; ++n) s.SUBMOD(n) = s.SUBMOD(n) / 1000.0f;
}

void BouInp(SlabRun& r) {
  SlabState& s = r.s;
  r.ReadNumber(s.YMS);
  r.ReadSingle(s.PRS);
  r.SkipIdentifier();
  CheckRange(r, "THE YOUNG'S MODULUS OF FOUNDATION (YMS)", s.YMS, range::kModulus);
  CheckPoisson(r, "THE POISSON'S RATIO OF FOUNDATION (PRS)", s.PRS);
  r.Gra().Num(s.YMS).Num(s.PRS).End();
  r.Rep().Text("YOUNG'S MODULUS OF FOUNDATION (YMS) = ").Num(s.YMS).End();
  r.Rep().Text("POISSON'S RATIO OF FOUNDATION (PRS) = ").Num(s.PRS).End();
  if (s.NUNIT != 0) s.YMS = s.YMS / 10000.0;
}

void BurInp(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  r.ReadNumber(s.NL);
  r.ReadInt16(s.MAXIC);
  r.SkipIdentifier();
  if (s.MAXIC < 1) RefuseValue(r, "THE MAXIMUM NO. OF INTEGRATION CYCLES (MAXIC)", s.MAXIC, "BE AT LEAST 1");
  if (s.MAXIC > 30) s.MAXIC = 30;
  if (s.NL < 1 || s.NL > kMaxFoundLayers) {
    r.host.Message(PlacedItem(r, "THE NUMBER OF LAYERS IN BURMISTER FOUNDATION (NL)", &s.NL) + " IS" + Str(s.NL) +
                   "; IT MUST BE 1 TO 6, SO COMPUTATION STOPS.");
    throw EndPath{};
  }
  w.End();
  w.Text("NUMBER OF LAYERS IN BURMISTER FOUNDATION (NL) IS :").Num(s.NL).End();
  w.Text("MAXIMUM NO. OF INTEGRATION CYCLES (MAXIC) IS     :").Num(s.MAXIC).End();
  r.Gra().Num(s.NL).End();
  s.NL1 = s.NL - 1;
  const int nl1 = Count(s.NL1), nl = Count(s.NL);
  if (nl1 >= 1) {
    for (int i = 1; i <= nl1; ++i) r.ReadSingle(s.TH(i));
    r.SkipIdentifier();
  }
  for (int i = 1; i <= nl1; ++i) {
    CheckRange(r, "THE THICKNESS (TH) OF FOUNDATION LAYER" + Str(i), s.TH(i), range::kThickness);
  }
  for (int i = 1; i <= nl1; ++i) r.Gra().Num(s.TH(i));
  r.Gra().End();
  w.End();
  w.Text("THICKNESSES OF LAYERS (TH) ARE:");
  for (int i = 1; i <= nl1; ++i) w.Num(s.TH(i));
  w.End();
  for (int i = 1; i <= nl; ++i) r.ReadSingle(s.E(i));
  r.SkipIdentifier();
  for (int i = 1; i <= nl; ++i) {
    CheckRange(r, "THE YOUNG MODULUS (E) OF FOUNDATION LAYER" + Str(i), s.E(i), range::kModulus);
  }
  for (int i = 1; i <= nl; ++i) r.Gra().Num(s.E(i));
  r.Gra().End();
  w.End();
  w.Text("YOUNG MODULUS OF LAYERS ARE (E): ");
  for (int i = 1; i <= nl; ++i) w.Num(s.E(i));
  w.End();
  for (int i = 1; i <= nl; ++i) r.ReadSingle(s.PRBF(i));
  r.SkipIdentifier();
  for (int i = 1; i <= nl; ++i) CheckPoisson(r, "THE POISSON RATIO (PRBF) OF FOUNDATION LAYER" + Str(i), s.PRBF(i));
  for (int i = 1; i <= nl; ++i) r.Gra().Num(s.PRBF(i));
  r.Gra().End();
  w.End();
  w.Text("POISSON RATIOS OF LAYERS (PRBF) ARE:");
  for (int i = 1; i <= nl; ++i) w.Num(s.PRBF(i));
  w.End();
  if (s.NUNIT != 0)
    for (int i = 1; i <= nl; ++i) s.E(i) = s.E(i) / 10000.0f;
}

void DowInp(SlabRun& r) {
  SlabState& s = r.s;
  LineWriter& w = r.Rep();
  r.ReadSingle(s.YMSB);
  r.ReadSingle(s.PRSB);
  r.SkipIdentifier();
  w.End();
  w.Text("YOUNG MODULUS OF DOWEL BAR (YMSB)   =").Text(LnUp(s.YMSB, 10, "0.000E+00")).End();
  w.Text("POISSON RATIO OF DOWEL BAR (PRSB)   =").Text(LnUp(s.PRSB, 10, "0.00000")).End();
  w.End();
  w.Text("JOINT  SPRING CONSTANT  MODULUS OF  DOWEL   DOWEL   JOINT     GAP   NODE").End();
  w.Text(" NO.  SHEAR     MOMENT   DOWEL SUP.  DIA.  SPACING  WIDTH    DOWEL  JOINT").End();
  w.Text("     (SPCON1)  (SPCON2)   (SCKV)     (BD)    (BS)    (WJ)    (GDC)  (NNAJ)").End();
  const int nj = Count(s.NJOINT);
  for (int J = 1; J <= nj; ++J) {
    s.IDOW(J) = 0;
    r.ReadSingle(s.SPCON(1, J));
    r.ReadSingle(s.SPCON(2, J));
    r.ReadSingle(s.SCKV(J));
    r.ReadSingle(s.BD(J));
    r.ReadSingle(s.BS(J));
    r.ReadSingle(s.WJ(J));
    r.ReadSingle(s.GDC(J));
    r.ReadInt16(s.NNAJ(J));
    r.SkipIdentifier();
    if (s.SPCON(1, J) == 0) s.IDOW(J) = 1;
    const std::string joint = " OF JOINT" + Str(J);
    CheckRange(r, "THE SHEAR SPRING CONSTANT (SPCON1)" + joint, s.SPCON(1, J), range::kShearSpring);
    CheckRange(r, "THE MOMENT SPRING CONSTANT (SPCON2)" + joint, s.SPCON(2, J), range::kMomentSpring);
    // Where the shear spring comes from the dowels, their support, size and spacing must be real;
    // on a spring joint they are only shown, and may be 0.
    const bool dowels = s.IDOW(J) == 1;
    CheckRange(r, "THE MODULUS OF DOWEL SUPPORT (SCKV)" + joint, s.SCKV(J),
               dowels ? range::kDowelSupport : range::kDowelSupportOrNone);
    CheckRange(r, "THE DOWEL DIAMETER (BD)" + joint, s.BD(J), dowels ? range::kThickness : range::kLength);
    if (dowels && s.NNAJ(J) == 0)
      CheckRange(r, "THE DOWEL SPACING (BS)" + joint, s.BS(J), range::kThickness);
    else
      CheckRange(r, "THE DOWEL SPACING (BS)" + joint, s.BS(J), range::kLength);
    CheckRange(r, "THE JOINT WIDTH (WJ)" + joint, s.WJ(J), range::kLength);
    // The gap acts on a shear spring as it does on dowels.
    CheckRange(r, "THE GAP BETWEEN DOWEL AND CONCRETE (GDC)" + joint, s.GDC(J), range::kLength);
    w.Text(LnUp(J, 3, "#0")).Text(LnUp(s.SPCON(1, J), 10, "0.000E+00")).Text(LnUp(s.SPCON(2, J), 10, "0.000E+00"))
        .Text(LnUp(s.SCKV(J), 10, "0.000E+00")).Text(LnUp(s.BD(J), 8, "#0.000")).Text(LnUp(s.BS(J), 9, "##0.000"))
        .Text(LnUp(s.WJ(J), 8, "#0.000")).Text(LnUp(s.GDC(J), 9, "0.00000")).Text(LnUp(s.NNAJ(J), 5, "#0")).End();
    if (s.NUNIT != 0) s.SCKV(J) = s.SCKV(J) / 1000.0f;
    if (s.NNAJ(J) < 0 || s.NNAJ(J) > kMaxNodesPerJoint) {
      r.host.Message(PlacedItem(r, "THE NUMBER OF JOINT NODES (NNAJ) OF JOINT" + Str(J), &s.NNAJ(J)) + " IS" + Str(s.NNAJ(J)) +
                     "; IT MUST BE 0 TO 15, SO COMPUTATION STOPS.");
      throw EndPath{};
    }
  }
  for (int J = 1; J <= nj; ++J) {
    // The dowel bars themselves matter where a shear spring comes from them.
    if (s.IDOW(J) == 1) {
      CheckRange(r, "THE YOUNG MODULUS OF DOWEL BAR (YMSB)", s.YMSB, range::kModulus);
      CheckPoisson(r, "THE POISSON RATIO OF DOWEL BAR (PRSB)", s.PRSB);
    }
  }
  // Checked as typed (kPa in SI units), then taken to the internal unit.
  if (s.NUNIT != 0) s.YMSB = s.YMSB / 10000.0f;
  for (int J = 1; J <= nj; ++J) {
    if (s.NNAJ(J) == 0) continue;
    for (int K = 1; K <= s.NNAJ(J); ++K) r.ReadSingle(s.JNT(1, s.NJN(J) + K));
    r.SkipIdentifier();
    for (int K = 1; K <= s.NNAJ(J); ++K)
      if (!(s.JNT(1, s.NJN(J) + K) >= 0))
        RefuseValue(r, "THE NUMBER OF DOWELS (BARNO) AT NODE" + Str(K) + " OF JOINT" + Str(J), s.JNT(1, s.NJN(J) + K),
                    "NOT BE NEGATIVE");
    w.End();
    w.Text("FOR JOINT NO.").Num(J).Text("DOWELS (BARNO) AT EACH NODE ARE:");
    for (int K = 1; K <= s.NNAJ(J); ++K) w.Num(s.JNT(1, s.NJN(J) + K));
    w.End();
  }
}

}  // namespace pave::slab
