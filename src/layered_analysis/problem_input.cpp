#include "layered_analysis/problem_input.h"

#include <cmath>
#include <string>
#include <vector>

#include "common/data_set_title.h"
#include "common/number_format.h"
#include "common/value_ranges.h"
#include "layered_analysis/run_driver.h"

namespace pave::layered {

namespace {

std::string Ends(const std::string& s, std::size_t n) { return s.size() >= n ? s.substr(s.size() - n) : s; }

// Whether a stop is needed because a count is outside 1..limit (or 0..limit). The message follows the
// style of the limit stops.
bool CountStop(RunContext& c, const std::string& what, const i16& value, int limit, int minimum) {
  if (value > limit) {
    LimitStop(c, what, value, limit, c.in.LineOf(&value));
    return true;
  }
  if (value < minimum) {
    StopLine().Text(what).Is(c.in.LineOf(&value)).Num(static_cast<long>(value)).Stop(
        c, "WHICH IS LESS THAN " + std::to_string(minimum) + ", SO COMPUTATION STOPS.");
    return true;
  }
  return false;
}

// The format stop of record (5), which begins on line `first`: `found` (on line `at`) stands where
// NUNIT or the identifier ending in NUNIT should. On a later line, the record fell short of a value.
std::string WrongFormat(int first, int at, const std::string& found) {
  const std::string record = "RECORD (5) " + LineMark(first);
  const std::string shown = QuotedItem(found) + " " + LineMark(at);
  if (at > first) {
    return std::string(kWrongFormatText) + ": " + record +
           " FALLS SHORT OF ITS VALUES NL NZ ICL NSTD NUNIT AND ITS IDENTIFIER ENDING IN NUNIT; THE READING RAN ON TO " +
           shown + ".";
  }
  return std::string(kWrongFormatText) + ": " + record +
         " SHOULD HOLD NL NZ ICL NSTD NUNIT AND AN IDENTIFIER ENDING IN NUNIT, NOT " + shown + ".";
}

const char* const kOverPointLimit = "WHICH IS GREATER THAN THE LIMIT OF 25, SO COMPUTATION STOPS.";

// The stop of a count of the points of load group lg: "<what> (LINE n) IS" count, `group` and lg (the
// report gives them as items), then the tail on a line of its own.
void GroupCountStop(RunContext& c, const std::string& what, const i16& count, const std::string& group, i16 lg,
                    const std::string& tail) {
  const int line = c.in.LineOf(&count);
  const std::string is = what + (line > 0 ? " " + LineMark(line) : std::string()) + " IS";
  Stop(c, {{{is, GenNum(count), group, GenNum(lg)}}, {{tail}}}, is + " " + Str(count) + " " + group + Str(lg) + " " + tail);
}

// The axles of a tandem or tridem stand at least this far apart (in the data set's unit).
constexpr float kLeastAxleSpacing = 0.0001f;

// The stop of a wheel spacing that a load code cannot take: the rule as its report line and message
// have it, then the spacing named by `name` with its line, value and unit and, when given, the least
// spacing taken: "XW (LINE 14) IS -48 IN. WHICH SHOULD BE AT LEAST .0001 IN., SO COMPUTATION STOPS.".
void SpacingStop(RunContext& c, const ReportLine& rule, const std::string& ruleMessage, const std::string& name,
                 const float& spacing, const std::string& least) {
  const std::string unit = UnitName(range::kCoordinate, c.s.NUNIT != 0);
  const std::string tail = least.empty() ? std::string() : " " + least + " " + unit;
  const std::string told = name + " " + LineMark(c.in.LineOf(&spacing)) + " IS " + BareStr(spacing) + " " + unit + tail +
                           ", SO COMPUTATION STOPS.";
  Stop(c, {rule, {{told}}}, ruleMessage + ": " + told);
}

void ModulusPairs(LineWriter& w, int i, float e, int NL) {
  w.Text(LnUp(i, 4, "##")).Text(LnUp(e, 11, "0.000E+00"));
  if ((i == 2 || (i - 2) % 5 == 0) && i != NL) w.End();
}

void GraphList(LineWriter& g, const std::vector<float>& v) {
  for (float x : v) g.Num(x);
  g.End();
}

}  // namespace

std::string ReadGeneralRecords(RunContext& c) {
  ProblemState& s = c.s;
  const TitleRecord title = ReadTitleRecord(c.in);
  s.TITLE = title.title;
  if (!title.refusal.empty()) return title.refusal;
  c.in.Read(s.MATL);
  c.in.Read(s.NDAMA);
  c.in.Read(s.NPY);
  c.in.Read(s.NLG);
  c.in.SkipIdentifier();
  c.in.Read(s.DEL);
  c.in.SkipIdentifier();
  c.in.Read(s.NL);
  c.in.Read(s.NZ);
  s.NZRead = s.NZ;
  c.in.Read(s.ICL);
  c.in.Read(s.NSTD);
  // An old file has no NUNIT: its identifier stands where NUNIT is expected.
  const Value nunit = c.in.ReadValue();
  if (!nunit.IsNumber()) return WrongFormat(c.in.LineOf(&s.NL), c.in.LastLine(), nunit.Text());
  const double whole = std::nearbyint(nunit.Number());
  if (!(whole >= -32768.0 && whole <= 32767.0)) {
    throw DataError("line " + std::to_string(c.in.LastLine()) + ": NUNIT " + QuotedItem(c.in.LastItem()) +
                    " is outside -32768..32767");
  }
  s.NUNIT = static_cast<i16>(whole);
  const std::string id = c.in.ReadText();
  return Ends(id, 5) == "NUNIT" ? std::string() : WrongFormat(c.in.LineOf(&s.NL), c.in.LastLine(), id);
}

void EchoGeneralRecords(RunContext& c) {
  ProblemState& s = c.s;
  LineWriter& r = c.report;
  r.End();
  r.Text("TITLE -").Text(s.TITLE).End();
  r.End();
  switch (s.MATL) {
    case 1: r.Text("MATL = 1 FOR LINEAR ELASTIC LAYERED SYSTEM").End(); break;
    case 2: r.Text("MATL = 2 FOR NONLINEAR ELASTIC LAYERED SYSTEM").End(); break;
    case 3: r.Text("MATL = 3 FOR VISCOELASTIC LAYERED SYSTEM").End(); break;
    default: r.Text("MATL = 4 FOR VISCOELASTIC AND NONLINEAR ELASTIC LAYERED SYSTEMS").End(); break;
  }
  if (s.NDAMA == 0)
    r.Text("NDAMA = 0, SO DAMAGE ANALYSIS WILL NOT BE PERFORMED").End();
  else if (s.NDAMA == 1)
    r.Text("NDAMA=1, SO DAMAGE ANALYSIS WITH SUMMARY PRINTOUT WILL BE PERFORMED").End();
  else
    r.Text("NDAMA=2, SO DAMAGE ANALYSIS WITH DETAILED PRINTOUT WILL BE PERFORMED").End();
  r.Text("NUMBER OF PERIODS PER YEAR (NPY) = ").Num(s.NPY).End();
  r.Text("NUMBER OF LOAD GROUPS (NLG) = ").Num(s.NLG).End();
  r.Text("TOLERANCE FOR INTEGRATION (DEL) -- = ").Num(s.DEL).End();
  r.Text("NUMBER OF LAYERS (NL)------------- = ").Num(s.NL).End();
  r.Text("NUMBER OF Z COORDINATES (NZ)------ = ").Num(s.NZRead).End();
  r.Text("LIMIT OF INTEGRATION CYCLES (ICL)- = ").Num(s.ICL).End();
  r.Text("COMPUTING CODE (NSTD)------------- = ").Num(s.NSTD).End();
  r.Text("SYSTEM OF UNITS (NUNIT)------------= ").Num(s.NUNIT).End();
  r.End();
  if (s.NUNIT == 0) {
    r.Text("Length and displacement in in., stress and modulus in psi").End();
    r.Text("unit weight in pcf, and temperature in F").End();
  } else {
    r.Text("Length and displacement in cm, stress and modulus in kPa").End();
    r.Text("unit weight in kN/m^3, and temperature in C").End();
  }
  r.End();

  LineWriter& g = c.graph;
  g.Text(s.TITLE).End();
  g.Num(s.MATL).Num(s.NDAMA).Num(s.NPY).Num(s.NLG).End();
  g.Num(s.NL).Num(s.NZRead).Num(s.NUNIT).End();
}

void WheelGeometry(ProblemState& s, int LG, int first, int last) {
  for (int IPT = 1; IPT <= s.NPT(LG); ++IPT) {
    for (int J = first; J <= last; ++J) {
      const double dy = static_cast<double>(s.YPT(IPT)) - s.WY(J);
      const double dx = static_cast<double>(s.XPT(IPT)) - s.WX(J);
      const float d = static_cast<float>(std::sqrt(std::pow(dy, 2) + std::pow(dx, 2)));
      s.RC(J, IPT, LG) = d;
      if (d >= 0.0001f) {
        s.DCPT(J, 1, IPT, LG) = static_cast<float>((s.XPT(IPT) - s.WX(J)) / d);
        s.DCPT(J, 2, IPT, LG) = static_cast<float>((s.YPT(IPT) - s.WY(J)) / d);
      }
    }
  }
}

void ELAINP(RunContext& c) {
  ProblemState& s = c.s;
  LineWriter& r = c.report;
  LineWriter& g = c.graph;
  FreeFormatReader& in = c.in;

  // Counts that size the tables are checked before any list is read.
  if (CountStop(c, "THE NUMBER OF LAYERS (NL)", s.NL, kMaxLayers, 1)) return;
  if (s.NDAMA == 0 && CountStop(c, "THE NUMBER OF Z COORDINATES (NZ)", s.NZ, kMaxDepths, 0)) return;
  if (CountStop(c, "THE NUMBER OF PERIODS PER YEAR (NPY)", s.NPY, kMaxPeriods, 1)) return;
  if (CountStop(c, "THE NUMBER OF LOAD GROUPS (NLG)", s.NLG, kMaxLoadGroups, 1)) return;

  // Thicknesses; a list with no entry has no record (and no identifier) in the file.
  std::vector<float> th;
  for (int i = 1; i <= s.NL - 1; ++i) {
    in.Read(s.TH(i));
    th.push_back(s.TH(i));
  }
  if (s.NL - 1 >= 1) in.SkipIdentifier();
  WriteList(r, "THICKNESSES OF LAYERS (TH) ARE :", th, 32);
  GraphList(g, th);

  std::vector<float> pr;
  for (int i = 1; i <= s.NL; ++i) {
    in.Read(s.PR(i));
    pr.push_back(s.PR(i));
  }
  in.SkipIdentifier();
  WriteList(r, "POISSON'S RATIOS OF LAYERS (PR) ARE :", pr, 37);
  GraphList(g, pr);

  if (s.NDAMA == 0) {
    std::vector<float> zc;
    for (int i = 1; i <= s.NZ; ++i) {
      in.Read(s.ZC(i));
      zc.push_back(s.ZC(i));
    }
    if (s.NZ >= 1) in.SkipIdentifier();
    WriteList(r, "VERTICAL COORDINATES OF POINTS (ZC) ARE: ", zc, 41);
    GraphList(g, zc);
  }

  in.Read(s.NBOND);
  in.SkipIdentifier();
  if (s.NBOND == 0) {
    std::vector<i16> ints;
    for (int i = 1; i <= s.NL - 1; ++i) {
      in.Read(s.INT(i));
      ints.push_back(s.INT(i));
    }
    if (s.NL - 1 >= 1) in.SkipIdentifier();
    WriteIntegerList(r, "CONDITIONS OF INTERFACES (INT) ARE : ", ints, 37);
  } else if (s.NBOND == 1) {
    r.Text("ALL INTERFACES ARE FULLY BONDED").End();
  } else {
    ValueStop(c, "INTERFACE CODE (NBOND)", s.NBOND, "BE 0 OR 1");
    return;
  }

  for (int p = 1; p <= s.NPY; ++p) {
    r.End();
    r.Text("FOR PERIOD NO.").Num(static_cast<i16>(p)).Text("LAYER NO. AND MODULUS ARE : ");
    std::vector<float> e;
    for (int i = 1; i <= s.NL; ++i) {
      in.Read(s.EPY(i, p));
      e.push_back(s.EPY(i, p));
      ModulusPairs(r, i, s.EPY(i, p), s.NL);
    }
    r.End();
    in.SkipIdentifier();
    GraphList(g, e);
  }
  r.End();

  for (int LG = 1; LG <= s.NLG; ++LG) {
    in.Read(s.LOAD(LG));
    in.SkipIdentifier();
    in.Read(s.CR(LG));
    in.Read(s.CP(LG));
    in.SkipIdentifier();
    g.Num(s.LOAD(LG)).End();
    g.Num(s.CR(LG)).Num(s.CP(LG)).End();
    const i16 lg = static_cast<i16>(LG);
    if (s.LOAD(LG) < 0 || s.LOAD(LG) > 3) {
      ValueStop(c, "THE LOAD CODE (LOAD) OF LOAD GROUP" + Str(lg), s.LOAD(LG), "BE 0, 1, 2 OR 3");
      return;
    }

    if (s.LOAD(LG) == 0) {
      r.Text("LOAD GROUP NO.").Num(lg).Text("HAS").Num(static_cast<i16>(1)).Text("CONTACT AREA").End();
      r.Text("CONTACT RADIUS (CR)--------------- = ").Num(s.CR(LG)).End();
      r.Text("CONTACT PRESSURE (CP)------------- = ").Num(s.CP(LG)).End();
      in.Read(s.NR(LG));
      in.SkipIdentifier();
      r.Text("RADIAL COORDINATES OF ").Num(s.NR(LG)).Text(" POINT(S) (RC) ARE : ");
      g.Num(s.NR(LG)).End();
      if (s.NR(LG) > kMaxPoints || s.NR(LG) < 0) {
        GroupCountStop(c, "THE NUMBER OF RADIAL COORDINATE (RC)", s.NR(LG), "FOR LOAD GROUP ", lg,
                       s.NR(LG) > kMaxPoints ? kOverPointLimit : "WHICH SHOULD NOT BE NEGATIVE, SO COMPUTATION STOPS.");
        return;
      }
      std::vector<float> rc;
      for (int J = 1; J <= s.NR(LG); ++J) {
        in.Read(s.RC(J, 1, LG));
        rc.push_back(s.RC(J, 1, LG));
      }
      if (s.NR(LG) >= 1) in.SkipIdentifier();
      WriteList(r, "", rc, 44);
      GraphList(g, rc);
      continue;
    }

    in.Read(s.NPT(LG));
    in.SkipIdentifier();
    g.Num(s.NPT(LG)).End();
    // A multiple-wheel group needs at least one response point; without one its record (20) has no
    // defined end.
    if (s.NPT(LG) > kMaxPoints || s.NPT(LG) < 1) {
      GroupCountStop(c, "THE NUMBER OF X AND Y COORDINATES (NPT)", s.NPT(LG), "FOR LOAD GROUP", lg,
                     s.NPT(LG) > kMaxPoints ? kOverPointLimit : "WHICH IS LESS THAN 1, SO COMPUTATION STOPS.");
      return;
    }
    in.Read(s.XW(LG));
    in.Read(s.YW(LG));
    for (int IPT = 1; IPT <= s.NPT(LG); ++IPT) {
      in.Read(s.XPT(IPT));
      in.Read(s.YPT(IPT));
    }
    in.SkipIdentifier();
    g.Num(s.XW(LG)).Num(s.YW(LG));
    for (int IPT = 1; IPT <= s.NPT(LG); ++IPT) g.Num(s.XPT(IPT)).Num(s.YPT(IPT));
    g.End();

    const i16 load = s.LOAD(LG);
    if (load == 1 && s.YW(LG) == 0) {
      SpacingStop(c, {{"FOR LOAD GROUP", GenNum(lg), "WITH LOAD = 1, YW SHOULD SHOULD NOT BE 0"}},
                  "FOR LOAD GROUP " + Str(lg) + " WITH LOAD = 1, YW SHOULD SHOULD NOT BE 0", "YW", s.YW(LG), "");
      return;
    }
    if (load != 1 && s.XW(LG) < kLeastAxleSpacing) {
      SpacingStop(c, {{"FOR LOAD GROUP", GenNum(lg), "WITH LOAD =", GenNum(load), "XW SHOULD NOT BE 0."}},
                  "FOR LOAD GROUP " + Str(lg) + " WITH LOAD = " + Str(load) + " XW SHOULD NOT BE 0", "XW", s.XW(LG),
                  "WHICH SHOULD BE AT LEAST " + BareStr(kLeastAxleSpacing));
      return;
    }
    // The wheel layout and the response-point table take no spacing or point beyond a pavement.
    const std::string group = "OF LOAD GROUP";
    if (RangeStop(c, StopLine().Text("THE WHEEL SPACING ALONG X-AXIS (XW)").Text(group).Num(lg), s.XW(LG),
                  range::kCoordinate) ||
        RangeStop(c, StopLine().Text("THE WHEEL SPACING ALONG Y-AXIS (YW)").Text(group).Num(lg), s.YW(LG),
                  range::kCoordinate))
      return;
    for (int IPT = 1; IPT <= s.NPT(LG); ++IPT) {
      const i16 pt = static_cast<i16>(IPT);
      if (RangeStop(c, StopLine().Text("THE X COORDINATE (XPT) OF RESPONSE POINT").Num(pt).Text(group).Num(lg),
                    s.XPT(IPT), range::kCoordinate) ||
          RangeStop(c, StopLine().Text("THE Y COORDINATE (YPT) OF RESPONSE POINT").Num(pt).Text(group).Num(lg),
                    s.YPT(IPT), range::kCoordinate))
        return;
    }

    // Wheel layout: the axle group, then (damage analysis of multiple axles) the halfway wheels.
    const float xw = s.XW(LG), yw = s.YW(LG);
    const float hm = s.XPT(1) - xw / 2.0f, hp = s.XPT(1) + xw / 2.0f;
    int nr = 0;
    auto wheel = [&](float x, float y) {
      ++nr;
      s.WX(nr) = x;
      s.WY(nr) = y;
    };
    wheel(0, 0);
    int halfwayCount = 0;
    if (load == 1) {
      wheel(0, yw);
    } else if (yw == 0) {
      wheel(xw, 0);
      if (load == 3) wheel(2 * xw, 0);
      halfwayCount = 2;
    } else {
      wheel(0, yw);
      wheel(xw, 0);
      wheel(xw, yw);
      if (load == 3) {
        wheel(2 * xw, 0);
        wheel(2 * xw, yw);
      }
      halfwayCount = 4;
    }
    s.NR(LG) = static_cast<i16>(nr);
    if (load != 1 && s.NDAMA != 0) {
      if (yw == 0) {
        s.WX(nr + 1) = hm, s.WY(nr + 1) = 0;
        s.WX(nr + 2) = hp, s.WY(nr + 2) = 0;
      } else {
        s.WX(nr + 1) = hm, s.WY(nr + 1) = 0;
        s.WX(nr + 2) = hm, s.WY(nr + 2) = yw;
        s.WX(nr + 3) = hp, s.WY(nr + 3) = 0;
        s.WX(nr + 4) = hp, s.WY(nr + 4) = yw;
      }
    }
    WheelGeometry(s, LG, 1, nr);

    if (LG != 1) r.End();
    r.Text("LOAD GROUP NO.").Num(lg).Text(" HAS").Num(s.NR(LG)).Text(" CONTACT AREAS").End();
    r.Text("CONTACT RADIUS (CR)--------------- = ").Num(s.CR(LG)).End();
    r.Text("CONTACT PRESSURE (CP)------------- = ").Num(s.CP(LG)).End();
    r.Text("NO. OF POINTS AT WHICH RESULTS ARE DESIRED (NPT)-- = ").Num(s.NPT(LG)).End();
    r.Text("WHEEL SPACING ALONG X-AXIS (XW)------------------- = ").Num(s.XW(LG)).End();
    r.Text("WHEEL SPACING ALONG Y-AXIS (YW)------------------- = ").Num(s.YW(LG)).End();
    r.End();
    r.Text("RESPONSE PT. NO. AND (XPT, YPT) ARE:");
    for (int IPT = 1; IPT <= s.NPT(LG); ++IPT) {
      r.Text(LnUp(IPT, 3, "##")).Text(LnUp(s.XPT(IPT), 8, "##0.000")).Text(LnUp(s.YPT(IPT), 8, "##0.000"));
      if ((IPT - 2) % 4 == 0 && IPT != s.NPT(LG)) r.End();
    }
    r.End();

    if (load != 1 && s.NDAMA != 0) WheelGeometry(s, LG, nr + 1, nr + halfwayCount);
  }
}

void CheckBeforeAnalysis(RunContext& c) {
  ProblemState& s = c.s;
  if (s.NSTD != 1 && s.NSTD != 5 && s.NSTD != 9) {
    ValueStop(c, "THE COMPUTING CODE (NSTD)", s.NSTD, "BE 1, 5 OR 9");
    return;
  }
  if (!(s.DEL > 0)) return ValueStop(c, "THE TOLERANCE FOR INTEGRATION (DEL)", s.DEL, "BE GREATER THAN 0");
  if (RangeStop(c, StopLine().Text("THE TOLERANCE FOR INTEGRATION (DEL)"), s.DEL, range::kTolerance)) return;
  if (s.ICL < 1) return ValueStop(c, "THE LIMIT OF INTEGRATION CYCLES (ICL)", s.ICL, "BE AT LEAST 1");
  if (s.NBOND == 0) {
    for (int i = 1; i <= s.NL - 1; ++i)
      if (s.INT(i) != 0 && s.INT(i) != 1)
        return ValueStop(c, "THE CONDITION (INT) OF INTERFACE" + Str(static_cast<i16>(i)), s.INT(i), "BE 0 OR 1");
  }
  for (int i = 1; i <= s.NL - 1; ++i) {
    if (RangeStop(c, StopLine().Text("THE THICKNESS (TH) OF LAYER").Num(static_cast<i16>(i)), s.TH(i),
                  range::kThickness))
      return;
  }
  if (s.NDAMA == 0) {
    for (int i = 1; i <= s.NZ; ++i) {
      if (RangeStop(c, StopLine().Text("THE VERTICAL COORDINATE (ZC) OF POINT").Num(static_cast<i16>(i)),
                    s.ZC(i), range::kLength))
        return;
    }
  }
  for (int LG = 1; LG <= s.NLG; ++LG) {
    if (s.LOAD(LG) != 0) continue;
    for (int J = 1; J <= s.NR(LG); ++J) {
      if (RangeStop(c,
                    StopLine()
                        .Text("THE RADIAL COORDINATE (RC) NO.").Num(static_cast<i16>(J))
                        .Text("OF LOAD GROUP").Num(static_cast<i16>(LG)),
                    s.RC(J, 1, LG), range::kLength))
        return;
    }
  }
  for (int LG = 1; LG <= s.NLG; ++LG) {
    if (RangeStop(c, StopLine().Text("THE CONTACT RADIUS (CR) OF LOAD GROUP").Num(static_cast<i16>(LG)),
                  s.CR(LG), range::kThickness) ||
        RangeStop(c, StopLine().Text("THE CONTACT PRESSURE (CP) OF LOAD GROUP").Num(static_cast<i16>(LG)),
                  s.CP(LG), range::kPressure))
      return;
  }
  for (int p = 1; p <= s.NPY; ++p)
    for (int i = 1; i <= s.NL; ++i) {
      // Layers whose modulus comes from the creep compliances may have 0 here; none has less.
      if (RangeStop(c,
                    StopLine()
                        .Text("THE MODULUS (E) OF LAYER").Num(static_cast<i16>(i))
                        .Text("IN PERIOD").Num(static_cast<i16>(p)),
                    s.EPY(i, p), s.MATL == 1 ? range::kModulus : range::kModulusOrZero))
        return;
    }
  for (int i = 1; i <= s.NL; ++i) {
    if (!(s.PR(i) <= 0.5f && s.PR(i) >= 0.0f)) {
      ValueStop(c, StopLine().Text("THE POISSON'S RATIO (PR) OF LAYER").Num(static_cast<i16>(i)), s.PR(i),
                "BE BETWEEN 0 AND 0.5");
      return;
    }
  }
}

void CheckGivenModuli(RunContext& c) {
  ProblemState& s = c.s;
  for (int p = 1; p <= s.NPY; ++p)
    for (int i = 1; i <= s.NL; ++i) {
      if (s.EPY(i, p) != 0) continue;  // -0 too
      bool viscoelastic = false;
      if (s.MATL == 3 || s.MATL == 4)
        for (int j = 1; j <= s.NVL; ++j) viscoelastic = viscoelastic || s.LNV(j) == i;
      if (viscoelastic) continue;
      ValueStop(c, StopLine().Text("THE MODULUS (E) OF LAYER").Num(static_cast<i16>(i)).Text("IN PERIOD").Num(static_cast<i16>(p)),
                s.EPY(i, p), "BE GREATER THAN 0 FOR A LAYER THAT IS NOT VISCOELASTIC");
      return;
    }
}

}  // namespace pave::layered
