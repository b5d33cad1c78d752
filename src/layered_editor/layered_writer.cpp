#include "layered_editor/layered_writer.h"

#include <cmath>

#include "common/data_set_title.h"
#include "common/number_format.h"
#include "common/numeric_value.h"
#include "common/record_writer.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_unit_defaults.h"
#include "shell/program_state.h"

namespace pave {

namespace {

struct Problem {
  std::string text;
};

class Writer {
 public:
  explicit Writer(int set) : set_(set) {}

  [[noreturn]] void Fail(const std::string& item, const std::string& what) const {
    const std::string where = set_ > 0 ? "In data set" + Str(set_) + ", " : std::string();
    throw Problem{where + item + " " + what + "."};
  }

  // A value of a record: a number, or a text that spells one.
  const Value& Num(const Value& v, const std::string& item) const {
    if (v.IsEmpty() || (v.IsText() && v.Text().empty())) Fail(item, "is empty");
    if (v.IsText() && !ParseNumber(v.Text())) Fail(item, "is \"" + v.Text() + "\", which is not a number");
    return v;
  }
  int Count(double v, const std::string& name, int low, int high) const {
    if (!(v >= low && v <= high) || std::floor(v) != v)
      Fail(name, "is" + Str(v) + "; it should be a whole number from" + Str(low) + " to" + Str(high));
    return static_cast<int>(v);
  }
  int Count(const Value& v, const std::string& name, int low, int high) const {
    return Count(Num(v, name).Number(), name, low, high);
  }

  // Items of a record.
  void Spaced(const Value& v, const std::string& item) { w.Spaced(Num(v, item)); }
  void Spaced(float v) { w.Spaced(v); }
  void Spaced(std::int16_t v) { w.Spaced(v); }
  // A plain value: a text that spells a number is written as that number, since plain texts would
  // run together with the next item.
  void Plain(const Value& v, const std::string& item) {
    Num(v, item);
    if (v.IsText()) w.Plain(Value(*ParseNumber(v.Text())));
    else w.Plain(v);
  }
  void Plain(float v) { w.Plain(v); }
  void End(const char* identifier) { w.End(identifier); }

  RecordWriter w;

 private:
  int set_;
};

std::string N(int i) { return Str(i); }

void WriteSet(Writer& o, int s) {
  const std::string& title = gLayeredTITLE(s);
  if (title.find(',') != std::string::npos) o.Fail("TITLE", "contains a comma, which ends the title when it is read");
  if (BeginsWithQuote(title)) o.Fail("TITLE", "begins with a double quote, which is dropped when the title is read");
  auto G = [s](int k) { return gLayeredGeneral(s, k); };
  const int MATL = o.Count(G(gen::MATL), "MATL", 1, 4);
  const int NDAMA = o.Count(G(gen::NDAMA), "NDAMA", 0, 2);
  const int NPY = o.Count(G(gen::NPY), "NPY", 0, kLayeredPeriods);
  const int NLG = o.Count(G(gen::NLG), "NLG", 0, kLayeredLoadGroups);
  const int NL = o.Count(G(gen::NL), "NL", 1, kLayeredLayers);
  const int NZ = o.Count(G(gen::NZ), "NZ", 0, kLayeredDepths);
  const int NBOND = o.Count(G(gen::NBOND), "NBOND", 0, 1);
  const int NLBT = NDAMA > 0 ? o.Count(G(gen::NLBT), "NLBT", 0, kLayeredDamageLayers) : 0;
  const int NLTC = NDAMA > 0 ? o.Count(G(gen::NLTC), "NLTC", 0, kLayeredDamageLayers) : 0;

  o.w.Line(TitleAsWritten(title));
  o.Plain(G(gen::MATL)); o.Plain(G(gen::NDAMA)); o.Plain(G(gen::NPY)); o.Plain(G(gen::NLG));
  o.End(" (3) MATL NDAMA NPY NLG");
  o.Plain(G(gen::DEL));
  o.End(" (4) DEL");
  o.Plain(G(gen::NL)); o.Plain(G(gen::NZ)); o.Plain(G(gen::ICL)); o.Plain(G(gen::NSTD)); o.Plain(G(gen::NUNIT));
  o.End(" (5) NL NZ ICL NSTD NUNIT");
  auto list = [&](int n, auto item, const char* identifier) {
    for (int i = 1; i <= n; ++i) {
      item(i);
      if (i == n) o.End(identifier);
    }
  };
  list(NL - 1, [&](int i) { o.Spaced(gLayeredLayer(s, i, 1), "TH of layer" + N(i)); }, " (6) TH");
  list(NL, [&](int i) { o.Spaced(gLayeredLayer(s, i, 2), "PR of layer" + N(i)); }, " (7) PR");
  if (NDAMA == 0) list(NZ, [&](int i) { o.Spaced(gLayeredZC(s, i), "ZC of point" + N(i)); }, " (8) ZC");
  o.Plain(G(gen::NBOND));
  o.End(" (9) NBOND");
  if (NBOND != 1) list(NL - 1, [&](int i) { o.Spaced(gLayeredINT(s, i)); }, " (10) INT");
  for (int p = 1; p <= NPY; ++p)
    list(NL, [&](int i) { o.Spaced(gLayeredE(s, p, i), "E of layer" + N(i) + " in period" + N(p)); }, " (11) E");

  for (int g = 1; g <= NLG; ++g) {
    const std::string group = " of load group" + N(g);
    const int LOAD = o.Count(gLayeredLoad(s, g, ld::LOAD), "LOAD" + group, 0, 3);
    o.Spaced(gLayeredLoad(s, g, ld::LOAD), "LOAD" + group);
    o.End(" (13) LOAD");
    o.Spaced(gLayeredLoad(s, g, ld::CR), "CR" + group);
    o.Spaced(gLayeredLoad(s, g, ld::CP), "CP" + group);
    o.End(" (14) CR CP");
    if (LOAD == 0) {
      const int NR = o.Count(gLayeredLoad(s, g, ld::NRNPT), "NR" + group, 0, kLayeredPoints);
      o.Spaced(gLayeredLoad(s, g, ld::NRNPT), "NR" + group);
      o.End(" (16) NR");
      list(NR, [&](int i) { o.Spaced(gLayeredRC(s, g, i), "RC of point" + N(i) + group); }, " (17) RC");
    } else {
      const int NPT = o.Count(gLayeredLoad(s, g, ld::NRNPT), "NPT" + group, 1, kLayeredPoints);
      o.Spaced(gLayeredLoad(s, g, ld::NRNPT), "NPT" + group);
      o.End(" (19) NPT");
      o.Spaced(gLayeredLoad(s, g, ld::XW), "XW" + group);
      o.Spaced(gLayeredLoad(s, g, ld::YW), "YW" + group);
      list(NPT, [&](int i) {
        o.Spaced(gLayeredPoints(s, g, i, 1), "XPT of point" + N(i) + group);
        o.Spaced(gLayeredPoints(s, g, i, 2), "YPT of point" + N(i) + group);
      }, " (20) XW YW XPT");
    }
  }

  if (MATL == 2 || MATL == 4) {
    auto NG = [s](int k) { return gLayeredNonlinGeneral(s, k); };
    const int NOLAY = o.Count(NG(nlg::NOLAY), "NOLAY", 0, kLayeredSequences);
    o.Plain(NG(nlg::NOLAY), "NOLAY");
    o.Plain(NG(nlg::ITENOL), "ITENOL");
    o.End(" (25) NOLAY ITENOL");
    std::vector<int> clay(static_cast<std::size_t>(NOLAY) + 1, 0);
    list(NOLAY, [&](int i) {
      const std::string seq = " of nonlinear layer" + N(i);
      clay[static_cast<std::size_t>(i)] = o.Count(gLayeredNonseasonal(s, i, 3), "NCLAY" + seq, 0, 1);
      o.Count(gLayeredNonseasonal(s, i, 1), "LAYNO" + seq, 1, NL);
      o.Spaced(gLayeredNonseasonal(s, i, 1), "LAYNO" + seq);
      o.Spaced(gLayeredNonseasonal(s, i, 3), "NCLAY" + seq);
    }, " (26) LAYNO NCLAY");
    list(NOLAY, [&](int i) { o.Spaced(gLayeredNonseasonal(s, i, 2), "ZCNOL of nonlinear layer" + N(i)); },
         " (27) ZCNOL");
    o.Plain(NG(nlg::RCNOL), "RCNOL");
    o.Plain(NG(nlg::XPTNOL), "XPTNOL");
    o.Plain(NG(nlg::YPTNOL), "YPTNOL");
    o.Plain(NG(nlg::SLD), "SLD");
    o.Plain(NG(nlg::DELNOL), "DELNOL");
    o.End(" (28) RCNOL XCNOL YCNOL SLD DELNOL");
    list(NPY, [&](int p) { o.Spaced(gLayeredRELAX(s, p)); }, " (29) RELAX");
    list(NL, [&](int i) { o.Spaced(gLayeredLayer(s, i, 3), "GAM of layer" + N(i)); }, " (30) GAM");
    for (int i = 1; i <= NOLAY; ++i) {
      const std::string seq = " of nonlinear layer" + N(i);
      if (clay[static_cast<std::size_t>(i)] != 0) {
        o.Plain(gLayeredClay(s, i, 1), "K2" + seq);
        o.Plain(gLayeredClay(s, i, 2), "K3" + seq);
        o.Plain(gLayeredClay(s, i, 3), "K4" + seq);
        o.Plain(gLayeredClay(s, i, 4), "K0" + seq);
        o.End(" (31) K2 K3 K4 K0");
      } else {
        o.Plain(gLayeredGranular(s, i, 1), "K2" + seq);
        o.Plain(gLayeredGranular(s, i, 2), "K0" + seq);
        o.End(" (31) K2 K0");
      }
    }
    for (int p = 1; p <= NPY; ++p)
      for (int i = 1; i <= NOLAY; ++i) {
        const std::string where = " of nonlinear layer" + N(i) + " in period" + N(p);
        if (clay[static_cast<std::size_t>(i)] != 0) {
          o.Spaced(gLayeredSeasonal(s, i, p, 1), "EMIN" + where);
          o.Spaced(gLayeredSeasonal(s, i, p, 2), "EMAX" + where);
          o.Spaced(gLayeredSeasonal(s, i, p, 3), "K1" + where);
          o.End(" (33) EMIN EMAX K1");
        } else {
          o.Spaced(gLayeredSeasonal(s, i, p, 1), "PHI" + where);
          o.Spaced(gLayeredSeasonal(s, i, p, 2), "K1" + where);
          o.End(" (33) PHI K1");
        }
      }
  }

  if (MATL == 3 || MATL == 4) {
    auto VG = [s](int k) { return gLayeredViscoGeneral(s, k); };
    const int NVL = o.Count(VG(vsg::NVL), "NVL", 0, kLayeredSequences);
    const int NTYME = o.Count(VG(vsg::NTYME), "NTYME", 0, kLayeredTimes);
    o.Plain(VG(vsg::DUR), "DUR");
    o.End(" (36) DUR");
    o.Plain(VG(vsg::NVL), "NVL");
    if (NVL < 1) o.w.Line("");
    list(NVL, [&](int i) {
      o.Count(gLayeredViscoLayer(s, i, 1), "LNV of viscoelastic layer" + N(i), 1, NL);
      o.Spaced(gLayeredViscoLayer(s, i, 1), "LNV of viscoelastic layer" + N(i));
    }, " (37) NVL LNV");
    o.Plain(VG(vsg::NTYME), "NTYME");
    o.End(" (38) NTYME");
    list(NTYME, [&](int i) { o.Spaced(gLayeredTYME(s, i), "TYME of creep time" + N(i)); }, " (39) TYME");
    for (int v = 1; v <= NVL; ++v) {
      const std::string seq = " of viscoelastic layer" + N(v);
      o.Spaced(gLayeredViscoLayer(s, v, 2), "BETA" + seq);
      o.Spaced(gLayeredViscoLayer(s, v, 3), "TEMPREF" + seq);
      o.End(" (41) BETA TEMPREF");
      list(NTYME, [&](int i) { o.Spaced(gLayeredCREEP(s, v, i)); }, " (42) CREEP");
    }
    for (int p = 1; p <= NPY; ++p)
      list(NVL, [&](int v) { o.Spaced(LayeredTemperature(s, p, v), "TEMP of viscoelastic layer" + N(v) + " in period" + N(p)); },
           " (44) TEMP");
  }

  if (NDAMA > 0) {
    o.Plain(G(gen::NLBT));
    o.Plain(G(gen::NLTC));
    o.End(" (46) NLBT NLTC");
    list(NLBT, [&](int i) {
      o.Count(gLayeredBottom(s, i, 1), "LNBT of bottom-tension layer" + N(i), 1, NL);
      o.Spaced(gLayeredBottom(s, i, 1), "LNBT of bottom-tension layer" + N(i));
    }, " (47) LNBT");
    list(NLTC, [&](int i) {
      o.Count(gLayeredTop(s, i, 1), "LNTC of top-compression layer" + N(i), 1, NL);
      o.Spaced(gLayeredTop(s, i, 1));
    }, " (48) LNTC");
    for (int p = 1; p <= NPY; ++p) list(NLG, [&](int g) { o.Spaced(gLayeredTNLR(s, p, g)); }, " (49) TNLR");
    for (int i = 1; i <= NLBT; ++i) {
      const std::string seq = " of bottom-tension layer" + N(i);
      o.Spaced(gLayeredBottom(s, i, 2), "FT1" + seq);
      o.Spaced(gLayeredBottom(s, i, 3), "FT2" + seq);
      o.Spaced(gLayeredBottom(s, i, 4), "FT3" + seq);
      o.End(" (50) FT1 FT2 FT3");
    }
    for (int i = 1; i <= NLTC; ++i) {
      o.Spaced(gLayeredTop(s, i, 2));
      o.Spaced(gLayeredTop(s, i, 3));
      o.End(" (51) FT4 FT5");
    }
  }
}

}  // namespace

std::optional<std::string> WriteLayeredFile(std::string& bytes) {
  try {
    Writer first(0);
    const int NPROB = first.Count(gLayeredNPROB, "NPROB", 1, kLayeredSets);
    std::string out;
    {
      RecordWriter w;
      w.Plain(Value(static_cast<double>(NPROB)));
      w.End(" (1) NPROB");
      out = w.text();
    }
    for (int s = 1; s <= NPROB; ++s) {
      Writer o(s);
      WriteSet(o, s);
      out += o.w.text();
    }
    bytes = std::move(out);
    return std::nullopt;
  } catch (const Problem& p) {
    return p.text;
  }
}

std::optional<std::string> LayeredWriteProblem() {
  std::string ignored;
  return WriteLayeredFile(ignored);
}

}  // namespace pave
