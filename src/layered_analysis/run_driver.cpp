#include "layered_analysis/run_driver.h"

#include <memory>
#include <optional>

#include "common/data_file_name.h"
#include "common/number_format.h"
#include "common/run_outputs.h"
#include "layered_analysis/equation_solver.h"
#include "layered_analysis/extended_analyses.h"
#include "layered_analysis/problem_fault.h"
#include "layered_analysis/problem_input.h"
#include "layered_analysis/response_tables.h"
#include "layered_analysis/superposition.h"

namespace pave::layered {

namespace {

void SaveWheelLayout(ProblemState& s) {
  for (int LG = 1; LG <= s.NLG; ++LG) {
    s.savedNR(LG) = s.NR(LG);
    if (s.LOAD(LG) == 0) continue;
    for (int IPT = 1; IPT <= s.NPT(LG); ++IPT)
      for (int J = 1; J <= s.NR(LG); ++J) {
        s.savedRC(J, IPT, LG) = s.RC(J, IPT, LG);
        s.savedDCPT(J, 1, IPT, LG) = s.DCPT(J, 1, IPT, LG);
        s.savedDCPT(J, 2, IPT, LG) = s.DCPT(J, 2, IPT, LG);
      }
  }
}

void RestoreWheelLayout(ProblemState& s) {
  for (int LG = 1; LG <= s.NLG; ++LG) {
    s.NR(LG) = s.savedNR(LG);
    if (s.LOAD(LG) == 0) continue;
    for (int IPT = 1; IPT <= s.NPT(LG); ++IPT)
      for (int J = 1; J <= s.NR(LG); ++J) {
        s.RC(J, IPT, LG) = s.savedRC(J, IPT, LG);
        s.DCPT(J, 1, IPT, LG) = s.savedDCPT(J, 1, IPT, LG);
        s.DCPT(J, 2, IPT, LG) = s.savedDCPT(J, 2, IPT, LG);
      }
  }
}

// Pass 2 of a multiple-axle group: the halfway wheels take the place of the first wheels.
void PrepareHalfwayPass(ProblemState& s) {
  const int LG = s.LG;
  for (int k = 1; k <= s.NLBT + s.NLTC; ++k) s.DMSTR1(k) = s.DMSTR(k);
  const int nr = s.NR(LG);
  int copied, offset, after;
  if (nr < 4) {
    copied = 2;
    offset = nr <= 2 ? 2 : 3;
    after = 2;
  } else if (nr == 4) {
    copied = 4, offset = 4, after = 4;
  } else {
    copied = 4, offset = 6, after = 4;
  }
  for (int IPT = 1; IPT <= s.NPT(LG); ++IPT)
    for (int J = 1; J <= copied; ++J) {
      s.RC(J, IPT, LG) = s.RC(J + offset, IPT, LG);
      for (int m = 1; m <= 2; ++m) s.DCPT(J, m, IPT, LG) = s.DCPT(J + offset, m, IPT, LG);
    }
  s.NR(LG) = static_cast<i16>(after);
  s.IPASS = 2;
}

// Steps of one pass of a load group: heading, moduli of the period, analysis, damage.
void AnalysePass(RunContext& c) {
  ProblemState& s = c.s;
  LineWriter& r = c.report;
  c.log.text += kCrLf;
  c.log.lines += 1;
  if (s.NDAMA != 0) {
    s.TNLRC = s.TNLR(s.IP, s.LG);
    r.End();
    r.Text("DAMAGE ANALYSIS OF PERIOD NO. ").Num(s.IP).Text(" LOAD GROUP NO. ").Num(s.LG).End();
    Progress(c, "DAMAGE ANALYSIS OF PERIOD NO. " + Str(s.IP) + "  LOAD GROUP NO. " + Str(s.LG) + kCrLf);
    if (s.IPASS == 2) r.Text("MULTIPLE AXLES WITH RESPONSE POINT HALFWAY BETWEEN TWO AXLES").End();
  } else {
    r.End();
    r.Text("PERIOD NO. ").Num(s.IP).Text("  LOAD GROUP NO. ").Num(s.LG).End();
    Progress(c, "PERIOD NO. " + Str(s.IP) + "  LOAD GROUP NO. " + Str(s.LG) + kCrLf);
  }
  for (int i = 1; i <= s.NL; ++i) s.E(i) = s.EPY(i, s.IP);
  switch (s.MATL) {
    case 1: AnalyseLinear(c); break;
    case 2: AnalyseNonlinear(c); break;
    case 3: AnalyseViscoelastic(c); break;
    case 4: AnalyseViscoelasticNonlinear(c); break;
    default: break;
  }
  if (s.NDAMA != 0) DamageStep(c);
}

// Input and analysis of the problem after its records (2) to (5). Returns false when the run stops.
bool AnalyseProblem(RunContext& c) {
  ProblemState& s = c.s;
  ELAINP(c);
  if (s.NSTOP == 0) CheckBeforeAnalysis(c);
  if (s.NSTOP == 0) CheckAnalysesAvailable(c);
  if (s.NSTOP != 0) return false;
  if (s.NPY > 1) SaveWheelLayout(s);
  if (s.MATL == 2 || s.MATL == 4) NOLINP(c);
  if (s.NSTOP == 0 && (s.MATL == 3 || s.MATL == 4)) VISINP(c);
  if (s.NSTOP == 0 && s.MATL >= 2 && s.MATL <= 4) CheckGivenModuli(c);
  if (s.NSTOP == 0 && s.NDAMA > 0) {
    DAMINP(c);
    for (int k = 1; k <= s.NZ; ++k) s.SUMDR(k) = 0;
  }
  if (s.NSTOP != 0) return false;
  Progress(c, std::string("COMPLETE INPUT OF DATA") + kCrLf);

  for (int ip = 1; ip <= s.NPY; ++ip) {
    s.IP = static_cast<i16>(ip);
    if (ip > 1 && s.NPY > 1) RestoreWheelLayout(s);
    for (int lg = 1; lg <= s.NLG; ++lg) {
      s.LG = static_cast<i16>(lg);
      s.IPASS = 1;
      for (;;) {
        AnalysePass(c);
        if (s.LOAD(lg) > 1 && s.NDAMA != 0 && s.IPASS == 1) {
          PrepareHalfwayPass(s);
          continue;
        }
        break;
      }
    }
  }
  if (s.NDAMA != 0) DamageSummary(c);
  return true;
}

}  // namespace

// LAYERS with its progress line.
void Layers(RunContext& c, int IptL, int NstdL) {
  const int IC = c.integrator.LAYERS(c.s, IptL, NstdL);
  if (c.s.MATL != 2 && c.s.MATL != 4) {
    c.log.text += "COMPLETE LAYERS SUBROUTINE WITH INTEGRATION CYCLES IC=" + Str(IC) + kCrLf;
    c.log.lines += 1;
    c.log.Display();
  }
}

void AnalyseLinear(RunContext& c) {
  ProblemState& s = c.s;
  if (s.LOAD(s.LG) == 0) {
    s.IPT = 1;
    Layers(c, 1, s.NDAMA != 0 ? 9 : s.NSTD);  // a damage analysis needs the strains
    SINOUT(c);
    return;
  }
  for (int ipt = 1; ipt <= s.NPT(s.LG); ++ipt) {
    s.IPT = static_cast<i16>(ipt);
    Layers(c, ipt, 5);
    SUPPRI(s);
    MULOUT(c);
  }
}

RunEnd RunMorvelin(const std::string& argument, AnalysisHost& host) {
  host.SetBusy(true);
  const std::string base = BaseName(argument);
  const std::string dataName = DataFileOf(argument);
  const std::string reportName = base + ".TXT";
  const std::string graphName = base + ".LAY";
  host.SetCaption("MORVELIN - " + base);

  auto state = std::make_unique<ProblemState>();
  ProblemState& s = *state;
  ProgressLog log(host, kProgressLineLimit);
  // The layer graph file gets each problem whole; a problem that stops leaves only its title and the
  // line "STOPPED", so that the file stays readable to its end.
  RunOutputs outputs(reportName, graphName, "layer graph file");
  LineWriter report(outputs.report()), graph(outputs.graph());
  ResponseIntegrator integrator;
  bool anyProblemStopped = false;
  std::optional<FreeFormatReader> reader;  // kept for the place of a fault that names none

  try {
    FreeFormatReader& in = reader.emplace(FreeFormatReader::FromFile(dataName));
    RunContext c{s, in, report, graph, log, host, integrator};
    in.Read(s.NPROB);
    in.SkipIdentifier();

    // The report and the layer graph file begin before the first problem, so that every stop,
    // whatever its place, ends them with its message.
    outputs.Open();
    report.End();
    report.Text("INPUT FILE NAME  -").Text(dataName).End();
    report.End();
    log.text = std::string("FLEXIBLE PAVEMENT ANALYSIS BY MULTILAYERED SYSTEM - PROGRAM MORVELIN") + kCrLf + kCrLf +
               "FILENAME: " + dataName + kCrLf;
    log.lines = 3;
    log.Display();
    s.NDIR = 7;
    report.Text("NUMBER OF PROBLEMS TO BE SOLVED = ").Num(s.NPROB).End();
    graph.Num(s.NPROB).End();
    outputs.PassGraphLines();
    if (s.NPROB <= 0) {
      const std::string none = NoProblemMessage(s.NPROB);
      Stop(c, {{{none}}}, none);
      outputs.StopGraphBeforeProblems();
    }

    for (int iprob = 1; iprob <= s.NPROB; ++iprob) {
      s.IPROB = static_cast<i16>(iprob);
      const std::string refusal = ReadGeneralRecords(c);
      if (iprob > 1) {
        report.End();
        report.Text("PROBLRM NO.").Num(s.IPROB).End();
        log.Line("PROBLEM NO. " + Str(s.IPROB));
        log.Display();
      }
      log.Line("TITLE: " + s.TITLE);
      log.Display();
      if (!refusal.empty()) {
        // The title, or the records read after it, cannot be analysed: the report names the problem
        // by its title before the message.
        report.End();
        report.Text("TITLE -").Text(s.TITLE).End();
        Stop(c, {{{refusal}}}, refusal);
        outputs.StopGraphProblem(s.TITLE);
        break;
      }
      EchoGeneralRecords(c);

      s.NSTOP = 0;
      try {
        if (!AnalyseProblem(c)) {
          outputs.StopGraphProblem(s.TITLE);
          break;
        }
        outputs.PassGraphLines();
      } catch (const SingularSolve&) {
        outputs.StopGraphProblem(s.TITLE);
        report.End();
        report.Text(kGelgMessage).End();
        report.Text("SO THE COMPUTATION OF PROBLEM NO.").Num(s.IPROB).Text("STOPS.").End();
        host.Message(kGelgMessage);
        anyProblemStopped = true;
      } catch (const ProblemFault& e) {
        outputs.StopGraphProblem(s.TITLE);
        report.End();
        report.Text(e.what()).End();
        host.Message(e.what());
        anyProblemStopped = true;
      }
    }

    // The files take the place of those of an earlier run only now, when the run has reached its end.
    if (const std::string failure = outputs.Commit(); !failure.empty()) {
      host.Message(failure);
      host.SetBusy(false);
      return RunEnd::DataError;
    }
    log.text += kCrLf + std::string("Your text output is stored in a file called ") + reportName +
                ".  You can click the EDITOR button to open the file for inspection." + kCrLf;
    log.lines += 1;
    log.Display();
    host.Message(kExitText);
    host.SetBusy(false);
    if (s.NSTOP != 0 || anyProblemStopped) return RunEnd::InputStop;
    return RunEnd::Normal;
  } catch (const OutputError& e) {
    host.Message(e.what());
    host.SetBusy(false);
    return RunEnd::DataError;
  } catch (const DataError& e) {
    host.Message(DataErrorMessage(kDataErrorText, dataName, e.what()));
    host.SetBusy(false);
    return RunEnd::DataError;
  } catch (const std::exception& e) {
    // A fault that knows no place of its own (a table index, an arithmetic fault of the analysis).
    host.Message(DataErrorMessage(kDataErrorText, dataName,
                                  UnplacedFault(dataName, reader ? reader->LastLine() : 0, s.IPROB, e.what())));
    host.SetBusy(false);
    return RunEnd::DataError;
  }
}

}  // namespace pave::layered
