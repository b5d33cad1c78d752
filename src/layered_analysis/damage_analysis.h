// Damage analysis of a problem (NDAMA not 0): input of the damage records (46) to (51) with the damage
// depths, the damage step after every load group and pass (allowable repetitions, damage ratios and
// their sums), and the yearly summary that ends in the design life.
#pragma once

#include <string>

#include "common/analysis_host.h"
#include "common/free_format_reader.h"
#include "common/line_writer.h"
#include "layered_analysis/problem_state.h"

namespace pave::layered {

// Reads records (46) to (51), echoes them, sets NZ and the damage depths ZC and writes the damage
// block of the layer graph file. Returns the message box text of a limit stop (NSTOP is then set and
// the reason is in the report), otherwise an empty text.
std::string DAMINP(ProblemState& s, FreeFormatReader& in, LineWriter& rep, LineWriter& lay);

// Damage step of the current period, load group and pass (s.IP, s.LG, s.IPASS), from the critical
// strains DMSTR (and EMOD) of the response tables and the pass-1 strains DMSTR1 in pass 2.
void DamageStep(ProblemState& s, LineWriter& rep, LineWriter& lay);

// Summary after the last period: the sums, the largest, the design life (or, when every sum is 0, no
// damage and an unlimited design life); report, progress log and layer graph file.
void DamageSummary(ProblemState& s, LineWriter& rep, LineWriter& lay, ProgressLog& log);

// Design life written to the layer graph file when nothing is damaged.
inline constexpr float kUnlimitedLife = 1e30f;

}  // namespace pave::layered
