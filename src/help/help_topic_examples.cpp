// Help topics 9 and 10: the example data files of both analysis programs in general.
#include "help/help_topic_lines.h"

namespace pave::help_lines {

namespace {

constexpr std::string_view kLayeredExamples[] = {
    "     Six examples are presented to illustrate the input and output of",
    "MORVELIN. Example 1 is an elastic three-layer system under a set of dual",
    "tandem wheels. Example 2 is a nonlinear elastic two-layer system under a",
    "circular loaded area; its granular layer is divided into six sublayers.",
    "Example 3 is a viscoelastic two-layer system under a stationary circular",
    "loaded area. Example 4 is a three-layer viscoelastic system subjected to",
    "damage analysis with four periods per year and one load group. Example 5 is",
    "an elastic two-layer system subjected to damage analysis with one period",
    "per year and three different load groups. Example 6 is a nonlinear elastic",
    "and linear viscoelastic three-layer system subjected to damage analysis",
    "with two periods per year and two load groups. To show the different forms",
    "of output, the first three examples make no damage analysis and use",
    "NSTD = 1 for Example 1, NSTD = 9 for Example 2 and NSTD = 5 for Example 3,",
    "so that the printouts range from vertical displacements only to all",
    "displacements, stresses and strains.",
    "The purpose of these examples is to illustrate the capabilities of MORVELIN",
    "     The six data files LAY1.DAT through LAY6.DAT are provided and can be",
    "run as trial runs; they are all in English units. Six other files,",
    "LAY1SI.DAT through LAY6SI.DAT, hold the same problems in SI units and are",
    "also provided. Where damage analysis is performed, summary printout",
    "(NDAMA = 1) is specified in the English files of Examples 4 and 6 and more",
    "detailed printout (NDAMA = 2) in their SI files; Example 5 uses the",
    "detailed printout in both files.",
    "You may want to run both and see the difference.",
};

constexpr std::string_view kSlabExamples[] = {
    "     Six examples are presented to show the practical application of",
    "BRUNTOLA. The first four examples are realistic cases in which the slabs",
    "are divided into finite elements of appropriate sizes, so the results",
    "should be quite accurate. Examples 1 to 3 use NPRINT = 0, which allows the",
    "stress contours to be plotted in both directions; Example 4, a damage",
    "analysis, prints the stresses at three edge nodes only (NPRINT = 3). To",
    "keep the printout small, MDPO is 0 in every example except Example 5.",
    "Example 5 is the most complicated case, four slabs on a layer foundation",
    "with partial contact; to show the differences between the two printouts,",
    "simplified output (MDPO = 0) is specified in step 1 and more detailed",
    "output (MDPO = 1) in step 2. Each of its slabs is divided into only four",
    "finite elements, which is not sufficient for meaningful results, so",
    "Example 5 merely illustrates the input and output. Example 6 is not related",
    "to pavement design; it demonstrates the use of BRUNTOLA for the design of a",
    "raft foundation.",
    "     The six data files SLA1.DAT through SLA6.DAT are provided and can be",
    "run as trial runs; they are all in English units. Six other files,",
    "SLA1SI.DAT through SLA6SI.DAT, hold the same problems in SI units and are",
    "also provided. Where damage analysis is performed, as in Example 4, the",
    "PCA fatigue criteria (NDAMA = 1) are specified in the English and the SI",
    "file alike; user-specified fatigue coefficients (NDAMA = 2) would add the",
    "secondary cracking indices of multiple axles. The two reports differ only",
    "in their units. You may want to run both and see the difference.",
    "     In all the examples the concrete has an elastic modulus of",
    "4,000,000 psi (27.6 GPa) and a Poisson's ratio of 0.15. All other parameter",
    "values can be found in the data files and are not repeated here.",
    "     After running the examples SLA1 to SLA3 with BRUNTOLA, click the",
    "VANSEK and CONTOUR buttons on the Main Screen to view the results.",
};

}  // namespace

Lines LayeredExamples() { return kLayeredExamples; }
Lines SlabExamples() { return kSlabExamples; }

}  // namespace pave::help_lines
