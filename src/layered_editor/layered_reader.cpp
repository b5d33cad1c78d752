#include "layered_editor/layered_reader.h"

#include <vector>

#include "common/number_format.h"
#include "layered_editor/layered_data_set.h"
#include "shell/program_state.h"
#include "shell/record_reader.h"

namespace pave {

namespace {

std::string N(int i) { return Str(i); }

void ReadSet(RecordReader& r, int s, const LayeredReadHooks& hooks) {
  r.DataSet(s);
  auto G = [s](int k) -> float& { return gLayeredGeneral(s, k); };
  r.Record("(2) TITLE");
  gLayeredTITLE(s) = r.ReadTitle();
  r.Record("(3) MATL NDAMA NPY NLG");
  G(gen::MATL) = r.ReadSingle();
  G(gen::NDAMA) = r.ReadSingle();
  const float npy = r.ReadSingle();
  const float nlg = r.ReadSingle();
  const std::string id3 = r.ReadIdentifier();
  const bool old_format = id3.size() < 7;
  const int NPY = r.CheckCount("NPY", npy, 0, kLayeredPeriods);
  const int NLG = r.CheckCount("NLG", nlg, 0, kLayeredLoadGroups);
  G(gen::NPY) = npy;
  G(gen::NLG) = nlg;
  const float MATL = G(gen::MATL);
  const float NDAMA = G(gen::NDAMA);
  r.Record("(4) DEL");
  G(gen::DEL) = r.ReadSingle();
  r.ReadIdentifier();
  if (old_format && (MATL == 2 || MATL == 4) && hooks.old_format_nonlinear) hooks.old_format_nonlinear();
  r.Record("(5) NL NZ ICL NSTD NUNIT");
  const float nl = r.ReadSingle();
  const float nz = r.ReadSingle();
  const int NL = r.CheckCount("NL", nl, 1, kLayeredLayers);
  const int NZ = r.CheckCount("NZ", nz, 0, kLayeredDepths);
  G(gen::NL) = nl;
  G(gen::NZ) = nz;
  G(gen::ICL) = r.ReadSingle();
  G(gen::NSTD) = r.ReadSingle();
  G(gen::NUNIT) = old_format ? 0.0f : r.ReadSingle();
  r.ReadIdentifier();

  auto list = [&](const std::string& record, int n, auto item) {
    if (n < 1) return;
    r.Record(record);
    for (int i = 1; i <= n; ++i) item(i);
    r.ReadIdentifier();
  };
  list("(6) TH", NL - 1, [&](int i) { gLayeredLayer(s, i, 1) = r.ReadNumberValue(); });
  list("(7) PR", NL, [&](int i) { gLayeredLayer(s, i, 2) = r.ReadNumberValue(); });
  if (NDAMA == 0) list("(8) ZC", NZ, [&](int i) { gLayeredZC(s, i) = r.ReadNumberValue(); });
  r.Record("(9) NBOND");
  G(gen::NBOND) = r.ReadSingle();
  const std::string id9 = r.ReadIdentifier();
  if (id9.substr(0, 3) != "(9)") throw FileRejected(kWrongFileMessage);
  if (G(gen::NBOND) != 1) list("(10) INT", NL - 1, [&](int i) { gLayeredINT(s, i) = r.ReadInt16(); });
  for (int p = 1; p <= NPY; ++p)
    list("(11) E of period" + N(p), NL, [&](int i) { gLayeredE(s, p, i) = r.ReadNumberValue(); });

  for (int g = 1; g <= NLG; ++g) {
    const std::string group = " of load group" + N(g);
    r.Record("(13) LOAD" + group);
    gLayeredLoad(s, g, ld::LOAD) = r.ReadNumberValue();
    r.ReadIdentifier();
    r.Record("(14) CR CP" + group);
    gLayeredLoad(s, g, ld::CR) = r.ReadNumberValue();
    gLayeredLoad(s, g, ld::CP) = r.ReadNumberValue();
    r.ReadIdentifier();
    if (gLayeredLoad(s, g, ld::LOAD).Number() == 0) {
      r.Record("(16) NR" + group);
      const double nr = r.ReadNumber();
      const int NR = r.CheckCount("NR", nr, 0, kLayeredPoints);
      gLayeredLoad(s, g, ld::NRNPT) = Value(nr);
      r.ReadIdentifier();
      list("(17) RC" + group, NR, [&](int i) { gLayeredRC(s, g, i) = r.ReadNumberValue(); });
    } else {
      r.Record("(19) NPT" + group);
      const double npt = r.ReadNumber();
      const int NPT = r.CheckCount("NPT", npt, 0, kLayeredPoints);
      gLayeredLoad(s, g, ld::NRNPT) = Value(npt);
      r.ReadIdentifier();
      r.Record("(20) XW YW XPT" + group);
      gLayeredLoad(s, g, ld::XW) = r.ReadNumberValue();
      gLayeredLoad(s, g, ld::YW) = r.ReadNumberValue();
      for (int i = 1; i <= NPT; ++i) {
        gLayeredPoints(s, g, i, 1) = r.ReadNumberValue();
        gLayeredPoints(s, g, i, 2) = r.ReadNumberValue();
      }
      r.ReadIdentifier();
    }
  }

  if (MATL == 2 || MATL == 4) {
    r.Record("(25) NOLAY ITENOL");
    const double nolay = r.ReadNumber();
    const int NOLAY = r.CheckCount("NOLAY", nolay, 0, kLayeredSequences);
    gLayeredNonlinGeneral(s, nlg::NOLAY) = Value(nolay);
    gLayeredNonlinGeneral(s, nlg::ITENOL) = r.ReadNumberValue();
    r.ReadIdentifier();
    list("(26) LAYNO NCLAY", NOLAY, [&](int i) {
      gLayeredNonseasonal(s, i, 1) = r.ReadNumberValue();
      gLayeredNonseasonal(s, i, 3) = r.ReadNumberValue();
    });
    list("(27) ZCNOL", NOLAY, [&](int i) { gLayeredNonseasonal(s, i, 2) = r.ReadNumberValue(); });
    r.Record("(28) RCNOL XCNOL YCNOL SLD DELNOL");
    for (int k = nlg::RCNOL; k <= nlg::DELNOL; ++k) gLayeredNonlinGeneral(s, k) = r.ReadNumberValue();
    r.ReadIdentifier();
    list("(29) RELAX", NPY, [&](int p) { gLayeredRELAX(s, p) = r.ReadSingle(); });
    list("(30) GAM", NL, [&](int i) {
      Value gam = r.ReadNumberValue();
      if (old_format) gam = Value(gam.Number() * 1728);
      gLayeredLayer(s, i, 3) = gam;
    });
    auto clay = [&](int i) { return gLayeredNonseasonal(s, i, 3).Number() != 0; };
    for (int i = 1; i <= NOLAY; ++i) {
      r.Record("(31) of nonlinear layer" + N(i));
      if (clay(i)) {
        for (int k = 1; k <= 4; ++k) gLayeredClay(s, i, k) = r.ReadNumberValue();
      } else {
        for (int k = 1; k <= 2; ++k) gLayeredGranular(s, i, k) = r.ReadNumberValue();
      }
      r.ReadIdentifier();
    }
    for (int p = 1; p <= NPY; ++p)
      for (int i = 1; i <= NOLAY; ++i) {
        r.Record("(33) of nonlinear layer" + N(i) + " in period" + N(p));
        const int fields = clay(i) ? 3 : 2;
        for (int k = 1; k <= fields; ++k) gLayeredSeasonal(s, i, p, k) = r.ReadNumberValue();
        r.ReadIdentifier();
      }
  }

  if (MATL == 3 || MATL == 4) {
    r.Record("(36) DUR");
    gLayeredViscoGeneral(s, vsg::DUR) = r.ReadNumberValue();
    r.ReadIdentifier();
    r.Record("(37) NVL LNV");
    const double nvl = r.ReadNumber();
    const int NVL = r.CheckCount("NVL", nvl, 0, kLayeredSequences);
    gLayeredViscoGeneral(s, vsg::NVL) = Value(nvl);
    if (NVL >= 1) {
      for (int i = 1; i <= NVL; ++i) gLayeredViscoLayer(s, i, 1) = r.ReadNumberValue();
      r.ReadIdentifier();
    }
    r.Record("(38) NTYME");
    const double ntyme = r.ReadNumber();
    const int NTYME = r.CheckCount("NTYME", ntyme, 0, kLayeredTimes);
    gLayeredViscoGeneral(s, vsg::NTYME) = Value(ntyme);
    r.ReadIdentifier();
    list("(39) TYME", NTYME, [&](int i) { gLayeredTYME(s, i) = r.ReadNumberValue(); });
    for (int v = 1; v <= NVL; ++v) {
      r.Record("(41) BETA TEMPREF of viscoelastic layer" + N(v));
      gLayeredViscoLayer(s, v, 2) = r.ReadNumberValue();
      gLayeredViscoLayer(s, v, 3) = r.ReadNumberValue();
      r.ReadIdentifier();
      list("(42) CREEP of viscoelastic layer" + N(v), NTYME, [&](int i) { gLayeredCREEP(s, v, i) = r.ReadSingle(); });
    }
    for (int p = 1; p <= NPY; ++p)
      list("(44) TEMP of period" + N(p), NVL, [&](int v) { gLayeredTEMP(s, p, v) = r.ReadNumberValue(); });
  }

  if (NDAMA > 0) {
    r.Record("(46) NLBT NLTC");
    const float nlbt = r.ReadSingle();
    const float nltc = r.ReadSingle();
    const int NLBT = r.CheckCount("NLBT", nlbt, 0, kLayeredDamageLayers);
    const int NLTC = r.CheckCount("NLTC", nltc, 0, kLayeredDamageLayers);
    G(gen::NLBT) = nlbt;
    G(gen::NLTC) = nltc;
    r.ReadIdentifier();
    list("(47) LNBT", NLBT, [&](int i) { gLayeredBottom(s, i, 1) = r.ReadNumberValue(); });
    list("(48) LNTC", NLTC, [&](int i) { gLayeredTop(s, i, 1) = r.ReadSingle(); });
    for (int p = 1; p <= NPY; ++p)
      list("(49) TNLR of period" + N(p), NLG, [&](int g) { gLayeredTNLR(s, p, g) = r.ReadSingle(); });
    for (int i = 1; i <= NLBT; ++i) {
      r.Record("(50) FT1 FT2 FT3 of bottom-tension layer" + N(i));
      for (int k = 2; k <= 4; ++k) gLayeredBottom(s, i, k) = r.ReadNumberValue();
      r.ReadIdentifier();
    }
    for (int i = 1; i <= NLTC; ++i) {
      r.Record("(51) FT4 FT5 of top-compression layer" + N(i));
      gLayeredTop(s, i, 2) = r.ReadSingle();
      gLayeredTop(s, i, 3) = r.ReadSingle();
      r.ReadIdentifier();
    }
  }
}

}  // namespace

void ReadLayeredFile(FreeFormatReader& in, const LayeredReadHooks& hooks) {
  RecordReader r(in);
  r.Record("(1) NPROB");
  const double nprob = r.ReadNumber();
  if (!(nprob >= 1 && nprob <= kLayeredSets) || static_cast<int>(nprob) != nprob) {
    throw FileRejected("NPROB in the file is" + Str(nprob) +
                       ", but a layered data file holds 1 to 5 data sets.  Please click File & Old again and "
                       "select a different file.");
  }
  const int NPROB = static_cast<int>(nprob);
  gLayeredNPROB = Value(nprob);
  r.ReadIdentifier();
  if (hooks.nprob_read) hooks.nprob_read(NPROB);
  for (int s = 1; s <= NPROB; ++s) ReadSet(r, s, hooks);
}

}  // namespace pave
