// The run driver: files, the problem loop, the period, contact-cycle and load-group loops, the end and
// error paths.
#include "slab_analysis/slab_driver.h"

#include <cmath>

#include "common/data_file_name.h"
#include "common/data_set_title.h"
#include "common/number_format.h"
#include "common/numeric_value.h"
#include "slab_analysis/band_solver.h"
#include "slab_analysis/fatigue.h"
#include "slab_analysis/liquid_contact.h"
#include "slab_analysis/numbering.h"
#include "slab_analysis/plate_element.h"
#include "slab_analysis/slab_input.h"
#include "slab_analysis/storage_plan.h"
#include "slab_analysis/stress_output.h"

namespace pave::slab {

namespace {

[[noreturn]] void Missing(SlabRun& r, const std::string& what) {
  r.LimitStop(what + " ARE NOT AVAILABLE IN THIS VERSION OF THE PROGRAM, SO COMPUTATION STOPS.");
}

void LoadVector(SlabRun& r) {
  SlabState& s = r.s;
  const int nnode = Count(s.NNODE);
  const long neq = static_cast<long>(s.NEQ);
  for (long i = 1; i <= neq; ++i) {
    s.F(i) = 0;
    s.RLOAD(i) = 0;
  }
  for (int n = 1; n <= nnode; ++n) s.RLOAD(3 * (n - 1) + 1) = s.FL((s.LG - 1) * nnode + n);
  for (int i = 1; i <= Count(s.NCNF); ++i) s.RLOAD(3 * (s.NN(i, 1) - 1) + 1) += s.FF(i, 1);
  for (int i = 1; i <= Count(s.NCMX); ++i) s.RLOAD(3 * s.NN(i, 2)) += s.FF(i, 2);
  for (int i = 1; i <= Count(s.NCMY); ++i) s.RLOAD(3 * (s.NN(i, 3) - 1) + 2) += s.FF(i, 3);
}

// Solution passes of one load group until the contact step is satisfied. Returns true when the
// contact state changed and another contact cycle is due.
bool SolveLoadGroup(SlabRun& r) {
  SlabState& s = r.s;
  const bool liquid = s.NFOUND == 0;
  // A run without a cycle limit, or an iteration that does not settle, is capped.
  constexpr int kMaxPasses = 1000;
  if (s.ISOLVE == 0) {
    s.IC = 0;
    s.FOLD = 0;
    s.DIFF0 = 1000000;
  }
  for (int pass = 1;; ++pass) {
    if (pass > kMaxPasses)
      r.LimitStop("THE DEFLECTION ITERATION DID NOT SETTLE IN" + Str(kMaxPasses) +
                  " SOLUTION PASSES, SO COMPUTATION IS STOPPED.");
    if (s.ISOLVE == 0) s.IC += 1;
    if (liquid)
      LiqMod(r);
    else
      r.ext.SolMod(r);
    if (s.ISOLVE == 1) {
      GESB(r);
    } else {
      LoadMa(r);
      if (s.ISOLVE == 0) {
        const float w = s.F(3L * (s.NEWNO(Count(s.NNCK)) - 1) + 1);
        if (std::fabs(w) > s.FMAX)
          r.LimitStop("VERTICAL DISPLACEMENT AT NODE NNCK IS " + FormatMask(w, "#0.000") +
                      " SO COMPUTATION IS TERMINATED. THE DIVERGENCE MAY BE CORRECTED BY REDUCING THE TOTAL NUMBER OF "
                      "NODES.");
        DisChe(r);
        if (s.ISTOP == 1) throw EndPath{};
        if (s.IC % 2 == 0) continue;
        r.Append("ITERATION NO. " + Str(s.IC) + " DIFFERENCE IN DEFLECTION " + FormatMask(s.DIFF, "##0.00000000") + kCrLf);
        r.Display();
        if (s.ITFLAG != 0) continue;
      }
    }
    if (liquid)
      LiqCon(r);
    else
      r.ext.SolCon(r);
    if (s.ITFLAG == 1) continue;
    return s.CHG == 1;
  }
}

void Periods(SlabRun& r) {
  SlabState& s = r.s;
  const int npy = Count(s.NPY), nlg = Count(s.NLG);
  const int nnode = Count(s.NNODE);
  const bool joints = s.NSLAB != 1 && s.NJOINT != 0;
  // NCYCLE = 0 sets no limit on the contact cycles; the cap stops a contact state that keeps flipping.
  constexpr int kMaxCycles = 200;
  for (s.IPER = 1; s.IPER <= npy; ++s.IPER) {
    s.NSTAGE = 0;
    s.NCY = 0;
    bool nextCycle = true;
    while (nextCycle) {
      nextCycle = false;
      s.NCY += 1;
      if (s.NCY > kMaxCycles)
        r.LimitStop("THE CONTACT STATE STILL CHANGES AFTER" + Str(kMaxCycles) + " CONTACT CYCLES, SO COMPUTATION STOPS.");
      s.DIFF = 0;
      s.ITFLAG = 0;
      if (s.NFOUND != 0) {
        r.ext.SolSti(r);
        r.log.Line("COMPLETE STIFFNESS MATRIX OF FOUNDATION");
      }
      Stiffn(r);
      r.log.Line("COMPLETE STIFFNESS MATRIX OF SLAB AND FOUNDATION");
      r.Display();
      // Foundation terms.
      const long nb = static_cast<long>(s.NB);
      if (s.NFOUND == 0) {
        for (int n = 1; n <= nnode; ++n)
          if (s.NCON(n) == 0) {
            float& d = s.sk(3L * (s.NEWNO(n) - 1) * nb + 1);
            d = static_cast<float>(d + static_cast<double>(s.SUBMOD(n)) * s.AREA(n) * s.FSAF(s.IPER));
          }
      } else {
        const long avail = static_cast<long>(s.AVAIL);
        for (int n = 1; n <= nnode; ++n) {
          if (s.NCON(n) != 0) continue;
          for (long J = 1; J <= nb; J += 3) {
            const long m = n + (J - 1) / 3;
            if (m <= nnode && s.NCON(m) == 0) {
              float& d = s.sk(3L * (n - 1) * nb + J);
              d += s.sk(avail + m * (m - 1) / 2 + n);
            }
          }
        }
      }
      if (joints) r.ext.DowSti(r);
      r.log.Line("COMPLETE STIFFNESS MATRIX OF THE PAVEMENT SYSTEM");
      if (nb > 500) {
        r.log.Line("THE MATRIX IS QUITE LARGE AND IT MAY TAKE SOME TIME TO SOLVE THE SIMULTANEOUS EQUATIONS.");
        r.log.Line("PLEASE BE PATIENT AND WAIT!");
        r.Display();
      }
      if (s.ISOLVE != 1) {
        Triang(r);
        r.log.Line("COMPLETE UPPER TRIANGULAR MATRIX");
        r.Display();
      }
      for (s.LG = 1; s.LG <= nlg; ++s.LG) {
        r.log.Line("PERIOD " + Str(s.IPER) + "  LOAD GROUP " + Str(s.LG) + "  AND CYCLE NO. " + Str(s.NCY));
        r.Display();
        r.Rep().End();
        r.Rep().Text("PERIOD").Num(s.IPER).Text("LOAD GROUP").Num(s.LG).Text("AND CYCLE NO.").Num(s.NCY).End();
        s.ISTOP = 0;
        LoadVector(r);
        const bool changed = SolveLoadGroup(r);
        if (changed && s.NCY != s.NCYCLE) {
          nextCycle = true;
          break;
        }
        if (joints) r.ext.DowOut(r);
        if (s.NFOUND == 0) {
          const long neq = static_cast<long>(s.NEQ);
          for (long i = 1; i <= neq; ++i) s.RLOAD(i) = s.F(i);
          for (int n = 1; n <= nnode; ++n)
            for (int d = 1; d <= 3; ++d) s.F(3 * (n - 1) + d) = s.RLOAD(3L * (s.NEWNO(n) - 1) + d);
        }
        StrOut(r);
        if (s.NDAMA != 0) FatigueStep(r);
      }
    }
  }
}

// The heading of the run, before its first problem: the report and the graph file are started, with
// the number of problems, and the progress text begins.
void RunHeading(SlabRun& r) {
  r.CreateOutputs();
  r.log.text.clear();
  r.Append(std::string("BRUNTOLA: ANALYSIS OF RIGID PAVEMENTS BY THE FINITE ELEMENT METHOD") + kCrLf + kCrLf);
  r.Append("FILENAME: " + r.dataName + kCrLf + kCrLf);
  r.log.lines = 3;
  r.Display();
  r.Rep().End();
  r.Rep().Text("INPUT FILE NAME  -" + r.dataName).End();
  r.Rep().End();
  r.Rep().Text("NUMBER OF PROBLEMS TO BE SOLVED = ").Num(r.s.NPROB).End();
  r.Gra().Num(r.s.NPROB).End();
  r.PassGraphLines();
}

void Problem(SlabRun& r, int iprob) {
  SlabState& s = r.s;
  // 1, 2. Records (2) to (4). A title that cannot be analysed is told once the problem's heading
  // stands in the report; the records after it are not read.
  const TitleRecord titleRecord = ReadTitleRecord(r.In());
  s.TITLE = titleRecord.title;
  std::string ident;
  int identLine = 0;
  if (titleRecord.refusal.empty()) {
    const int nfoundLine = r.In().Line();
    const Value nfound = r.In().ReadValue();
    if (!nfound.IsNumber()) {
      const std::string item = nfound.Text().substr(0, nfound.Text().find_first_of(" \t"));
      throw DataError("line " + std::to_string(nfoundLine) + ": " + QuotedItem(item) + " is not a number");
    }
    s.NFOUND = nfound.Number();
    r.In().Keep(s.NFOUND);
    r.ReadNumber(s.NDAMA);
    r.ReadNumber(s.NPY);
    r.ReadNumber(s.NLG);
    r.SkipIdentifier();
    r.ReadNumber(s.NSLAB);
    r.ReadNumber(s.NJOINT);
    ident = r.In().ReadText();
    identLine = r.In().LastLine();
  }
  // 3, 4. Headings.
  if (iprob == 1) {
    r.Append("TITLE: " + s.TITLE + kCrLf + kCrLf);
    r.Display();
  } else {
    r.log.Line("PROBLEM NO. " + Str(iprob));
    r.Display();
    r.log.Line("TITLE: " + s.TITLE + kCrLf);
    r.Display();
    r.Rep().End();
    r.Rep().Text("PROBLEM NO.").Num(iprob).End();
  }
  // 5. Title and codes.
  // The large build holds the title as a general value: a title that reads as a number prints as one.
  const std::optional<double> parsed = ParseNumber(s.TITLE);
  const bool numericTitle = r.variant.large && parsed.has_value();
  const double titleValue = parsed.value_or(0.0);
  auto title = [&](LineWriter& w) {
    if (numericTitle)
      w.Num(titleValue);
    else
      w.Text(s.TITLE);
  };
  r.Rep().End();
  title(r.Rep().Text("TITLE -"));
  r.Rep().End();
  r.Rep().End();
  if (!titleRecord.refusal.empty()) r.LimitStop(titleRecord.refusal);
  // A record cut short or run long shifts what follows: record (4) no longer ends with its identifier.
  if (ident.size() < 6 || ident.substr(ident.size() - 6) != "NJOINT")
    r.LimitStop("FILE IS WRONG AND DOES NOT FIT WITH BRUNTOLA FORMAT (LINE " + std::to_string(identLine) + ")");
  title(r.Gra());
  r.Gra().End();
  r.Gra().Num(s.NFOUND).Num(s.NDAMA).Num(s.NPY).Num(s.NLG).End();
  r.Rep().Text("TYPE OF FOUNDATION (NFOUND)             = ").Zone().Num(s.NFOUND).End();
  r.Rep().Text("TYPE OF DAMAGE ANALYSIS (NDAMA)         = ").Zone().Num(s.NDAMA).End();
  r.Rep().Text("NUMBER OF PERIODS PER YEAR (NPY)        = ").Zone().Num(s.NPY).End();
  r.Rep().Text("NUMBER OF LOAD GROUPS (NLG)             = ").Zone().Num(s.NLG).End();
  // The codes of records (3) and (4).
  if (s.NFOUND != 0 && s.NFOUND != 1 && s.NFOUND != 2)
    r.LimitStop(ValueMessage(PlacedItem(r, "THE TYPE OF FOUNDATION (NFOUND)", &s.NFOUND), s.NFOUND, "BE 0, 1 OR 2"));
  if (s.NDAMA != 0 && s.NDAMA != 1 && s.NDAMA != 2 && s.NDAMA != 3)
    r.LimitStop(ValueMessage(PlacedItem(r, "THE TYPE OF DAMAGE ANALYSIS (NDAMA)", &s.NDAMA), s.NDAMA, "BE 0, 1, 2 OR 3"));
  if (!(s.NPY >= 1 && s.NPY == std::floor(s.NPY)))
    r.LimitStop(ValueMessage(PlacedItem(r, "THE NUMBER OF PERIODS PER YEAR (NPY)", &s.NPY), s.NPY, "BE A WHOLE NUMBER OF AT LEAST 1"));
  if (!(s.NLG >= 0 && s.NLG == std::floor(s.NLG)))
    r.LimitStop(ValueMessage(PlacedItem(r, "THE NUMBER OF LOAD GROUPS (NLG)", &s.NLG), s.NLG, "BE A WHOLE NUMBER OF AT LEAST 0"));
  // Periods and load groups must fit their tables.
  if (s.NPY > kMaxPeriods)
    r.LimitStop(PlacedItem(r, "THE NUMBER OF PERIODS PER YEAR (NPY)", &s.NPY) + " IS" + Str(s.NPY) + " WHICH IS GREATER THAN THE LIMIT OF 12, SO COMPUTATION STOPS.");
  if (s.NLG > kMaxLoadGroups)
    r.LimitStop(PlacedItem(r, "THE NUMBER OF LOAD GROUPS (NLG)", &s.NLG) + " IS" + Str(s.NLG) + " WHICH IS GREATER THAN THE LIMIT OF 12, SO COMPUTATION STOPS.");
  // 6. Slab input.
  SlaInp(r);
  if (s.ISTOP == 1) throw EndPath{};
  // 7, 8.
  if (s.NFOUND > 0) ReserveFoundation(r);
  if (s.NNODE > kMaxNodes)
    r.LimitStop("THE TOTAL NUMBER OF NODES IS " + Str(s.NNODE) +
                " WHICH IS GREATER THAN THE LIMIT OF 420 FOR SOLID OR LAYER FOUNDATION, SO COMPUTATION STOPS.");
  // 9.
  if (s.NCYCLE != 1 && (s.NPY != 1 || s.NLG != 1)) r.LimitStop("WHEN NCYCLE>1, NPY or NLG MUST BE LIMITED TO 1");
  // 10. Record (22).
  const int npy = Count(s.NPY);
  for (int p = 1; p <= npy; ++p) {
    r.ReadSingle(s.FSAF(p));
    r.Gra().Num(s.FSAF(p));
  }
  r.SkipIdentifier();
  for (int p = 1; p <= npy; ++p) {
    CheckRange(r, "THE FOUNDATION ADJUSTMENT FACTOR (FSAF) OF PERIOD" + Str(p), s.FSAF(p), range::kFactor);
  }
  r.Rep().End();
  r.Gra().End();
  r.Rep().Text("FOUNDATION ADJUSTMENT FACTOR (FSAF) FOR EACH PERIOD ARE:");
  for (int p = 1; p <= npy; ++p) {
    r.Rep().Num(s.FSAF(p));
    if (p == 4 && npy != 4) r.Rep().End();
  }
  r.Rep().End();
  // 11. Foundation input.
  const int nnode = Count(s.NNODE);
  if (s.NFOUND == 0) {
    LiqInp(r);
  } else {
    for (int n = 1; n <= nnode; ++n) s.PCOMP(n) = s.INPUT == 1 ? s.SUMP(n) : 0.0f;
    if (s.NFOUND == 1)
      BouInp(r);
    else
      BurInp(r);
  }
  // 12. Numbering, curling, loads, rigidities.
  Identi(r);
  if (s.ISTOP == 1) throw EndPath{};
  // 13. Joint input.
  if (s.NSLAB != 1) DowInp(r);
  // 14. Load repetitions.
  const int nlg = Count(s.NLG);
  if (s.NDAMA != 0) {
    if (s.NPY * s.NLG > 72)
      r.LimitStop("THE TOTAL NUMBER OF LOAD GROUPS OVER ALL PERIODS IS" + Str(s.NPY * s.NLG) +
                  " WHICH IS GREATER THAN THE LIMIT OF 72, SO COMPUTATION STOPS.");
    for (int p = 1; p <= npy; ++p) {
      for (int gr = 1; gr <= nlg; ++gr) {
        r.ReadSingle(s.TNLR((p - 1) * nlg + gr));
        r.Gra().Num(s.TNLR((p - 1) * nlg + gr));
      }
      r.SkipIdentifier();
      for (int gr = 1; gr <= nlg; ++gr)
        if (!(s.TNLR((p - 1) * nlg + gr) >= 0))
          RefuseValue(r, "THE LOAD REPETITIONS (TNLR) OF LOAD GROUP" + Str(gr) + " IN PERIOD" + Str(p),
                      s.TNLR((p - 1) * nlg + gr), "NOT BE NEGATIVE");
      r.Gra().End();
    }
    for (int p = 1; p <= npy; ++p) {
      r.Rep().End();
      r.Rep().Text("FOR PERIOD").Num(p).Text("TOTAL NO. OF LOAD REPETITIONS (TNLR) FOR EACH LOAD GROUP ARE:");
      for (int gr = 1; gr <= nlg; ++gr) r.Rep().Num(s.TNLR((p - 1) * nlg + gr));
      r.Rep().End();
    }
  }
  // 15. Dowel springs.
  const bool joints = s.NSLAB != 1 && s.NJOINT != 0;
  if (joints) {
    if (!r.ext.HasJoints()) Missing(r, "JOINTS BETWEEN SLABS (NJOINT > 0)");
    r.ext.DowGeo(r);
  }
  // 16.
  r.Append(std::string("COMPLETE ALL THE DATA INPUT") + kCrLf);
  r.Display();
  // 17. The element limit was tested right after the numbering, which stops the problem.
  // 18. Foundation flexibility.
  if (s.NFOUND == 1 || s.NFOUND == 2) {
    if (!r.ext.HasSolidLayered()) Missing(r, "SOLID AND LAYERED FOUNDATIONS (NFOUND = 1 OR 2)");
    r.ext.SolCor(r);
    if (s.NFOUND == 1) {
      r.ext.SolFle(r);
    } else {
      r.ext.BurDef(r);
      r.ext.LaySla(r);
      s.YMS = 1;
      r.ext.SolFle(r);
    }
    r.log.Line("COMPLETE FLEXIBILITY MATRIX OF FOUNDATION");
    r.Display();
  }
  // 19. Storage plan.
  PlanStorage(r);
  // The deflection iteration stops once the check node moves beyond FMAX: a limit of 0 would stop it
  // at its first pass, blaming the number of nodes. A direct solution does not use FMAX.
  if (s.ISOLVE == 0)
    CheckRange(r, "THE MAXIMUM ALLOWABLE VERTICAL DISPLACEMENT (FMAX)", s.FMAX, range::kDisplacementLimit);
  // 20, 21, 22.
  for (int L = 1; L <= Count(s.NLAYER); ++L) s.SUMCI(L) = 0;
  Periods(r);
  if (s.NDAMA != 0) DesignLife(r);
}

void EndText(SlabRun& r) {
  r.Append(kCrLf);
  r.Append("YOUR TEXT OUTPUT IS STORED IN A FILE CALLED " + r.reportName +
           (r.variant.large ? ".  YOY CAN CLICK THE EDITOR BUTTON TO OPEN THE FILE FOR INSPECTION."
                            : ".  YOU CAN CLICK THE EDITOR BUTTON TO OPEN THE FILE FOR INSPECTION.") +
           kCrLf);
  r.log.lines++;
  r.Display();
  r.host.Message(kExitText);
}

}  // namespace

RunEnd RunSlabProgram(const std::string& argument, const SlabVariant& variant, AnalysisHost& host,
                      SlabExtensions extensions) {
  host.SetBusy(true);
  const std::string base = BaseName(argument);
  host.SetCaption("BRUNTOL - " + base);
  SlabRun r(variant, host, std::move(extensions));
  r.reportName = base + ".TXT";
  r.graphName = base + ".SLA";
  RunEnd end = RunEnd::Normal;
  // The end path: the files take the place of those of an earlier run, then the end text.
  auto finish = [&](RunEnd reached) {
    if (const std::string failure = r.CommitOutputs(); !failure.empty()) {
      host.Message(failure);
      return RunEnd::DataError;
    }
    EndText(r);
    return reached;
  };
  try {
    r.dataName = DataFileOf(argument);
    r.in.emplace(FreeFormatReader::FromFile(r.dataName));
    r.ReadNumber(r.s.NPROB);
    if (!(r.s.NPROB >= -32768.5 && r.s.NPROB <= 32767.5)) {
      throw DataError("line " + std::to_string(r.In().LastLine()) + ": NPROB " + QuotedItem(r.In().LastItem()) +
                      " is outside -32768..32767");
    }
    r.SkipIdentifier();
    const int nprob = Count(r.s.NPROB);
    RunHeading(r);
    if (nprob <= 0) r.LimitStop(NoProblemMessage(r.s.NPROB));
    for (r.problem = 1; r.problem <= nprob; ++r.problem) {
      Problem(r, r.problem);
      r.PassGraphLines();
    }
    end = finish(RunEnd::Normal);
  } catch (const EndPath&) {
    // Every input stop: the report ends with its message after the problems before it, and the
    // graph file marks the stopped problem.
    r.RecordStop();
    end = finish(RunEnd::InputStop);
  } catch (const OutputError& e) {
    host.Message(e.what());
    end = RunEnd::DataError;
  } catch (const StorageError&) {
    // Only here is the work array the cause, and only BRUNTOLA has a larger build to advise.
    host.Message((variant.large ? std::string(kDataErrorText) : std::string(kStorageErrorText)) + "\n" +
                 "The problem needs more storage than the work array of " + std::to_string(variant.nstore) +
                 " values holds.");
    end = RunEnd::DataError;
  } catch (const DataError& e) {
    host.Message(DataErrorMessage(kDataErrorText, r.dataName, e.what()));
    end = RunEnd::DataError;
  } catch (const std::exception& e) {
    // CapacityError, ArithmeticError, CountError and anything else a run-time error raises: they know
    // no place of their own.
    host.Message(DataErrorMessage(kDataErrorText, r.dataName,
                                  UnplacedFault(r.dataName, r.in ? r.in->LastLine() : 0, r.problem, e.what())));
    end = RunEnd::DataError;
  }
  host.SetBusy(false);
  return end;
}

}  // namespace pave::slab
