// The Mohr-Coulomb explanation screen: how MORVELIN adjusts the horizontal stresses of granular
// layers, and what the input PHI selects. Opened from the nonlinear-layers form of the layered
// editor; its text has no title line, and two of its lines run on for the text box to wrap.
#include <string_view>

#include "help/example_screens.h"

namespace pave {
namespace {

constexpr std::string_view kMohrText[] = {
    "    The figure above shows the failure envelopes for granular materials",
    "consisting of a straight line at an angle PHI with the horizontal.  At",
    "failure, the state of stresses, represented by the Mohr's circle, is",
    "tangent to the envelope.  The figure shows two such envelopes at different",
    "angles with their Mohr's circles, and the dashed circle tangent to the",
    "vertical axis, which belongs to an angle of 90 degrees.  When the vertical",
    "stress is given, the horizontal stress can be computed by the equation at",
    "the right of the figure: the horizontal stress is the vertical stress times",
    "the square of tan (45 - PHI/2).  Since the Mohr's circle cannot lie outside",
    "the envelope, the horizontal stress computed by the equation is the minimum",
    "stress; any horizontal stress smaller than this minimum is changed to the",
    "minimum, so that the Mohr-Coulomb failure criterion is satisfied and the",
    "Mohr's circle stays on or inside the envelope.",
    "    Most granular materials cannot take any tension.  Yet when they are",
    "used as a base or subbase on a weaker subgrade, they are likely to have",
    "tensile horizontal stresses under the applied loads.  They can still take a",
    "tension smaller than the precompression caused by the geostatic or other",
    "in-situ stresses, because the elastic modulus of granular materials depends",
    "on the combination of the loading stress and the precompression, not on the",
    "loading stress alone.  The combined horizontal stress cannot become",
    "negative, because at 0 the particles separate and no stress can exist",
    "between them any more.  A review of the results computed by MORVELIN shows",
    "negative combined horizontal stresses at most stress points in granular",
    "layers.  This may mean that the usual Ko of 0.5 to 1, from the active earth",
    "pressure theory, is too conservative for the geostatic stress, and that a",
    "much larger Ko from the passive earth pressure may be needed.  Since the",
    "actual precompression is difficult to ascertain, the combined stresses are",
    "adjusted so that the stress does not exceed the strength of the material.",
    "The adjustment serves only the determination of the modulus of granular",
    "materials; the state of stresses due to the loading itself is left",
    "unchanged.",
    "     This case of stress adjustment in MORVELIN is much simpler than that",
    "in finite element programs, because the stress points lie under or very",
    "near the load, so the vertical stress can be taken as the major principal",
    "stress and the horizontal stress as the minor principal stress.  The",
    "horizontal stresses at the stress point in the subgrade are always positive",
    "and satisfy the Mohr-Coulomb criterion, so fine-grained soils need no",
    "adjustment, and PHI is given for granular layers only.",
    "     By the figure and the equation, varying PHI from 0 to 90 makes the",
    "minimum horizontal stress any value between the vertical stress and 0:",
    "PHI = 0 gives a horizontal stress equal to the vertical stress, and",
    "PHI = 90 gives 0.  The greater the PHI, the smaller the horizontal stress",
    "and the smaller the modulus, so to be on the safe side a smaller PHI should",
    "be used when the friction angle of the material is not known.",
    "     The case of PHI = 90 is confusing, because no material has such a",
    "friction angle, but it is important, because it always gives the smallest",
    "and most conservative modulus, and therefore a greater tensile strain at",
    "the bottom of the asphalt layer (HMA) and a greater compressive strain on",
    "the top of the subgrade.  Instead of the Mohr-Coulomb theory with an",
    "arbitrarily chosen PHI, PHI = 90 simply means that a granular material",
    "cannot take tension: a negative combined horizontal stress is changed to 0.",
    "With both horizontal stresses equal to 0, the modulus depends on the",
    "vertical stress alone; since the vertical stress at a stress point near the",
    "load is always positive, the modulus is positive too, and no minimum",
    "modulus needs to be specified for the granular layer.",
    "     To avoid using 90 as a friction angle, PHI is given 0 instead of 90.",
    "Since granular materials can never have a zero friction angle, PHI = 0",
    "cannot be mistaken for a friction angle; it simply indicates that no",
    "tension is allowed and that a negative combined horizontal stress is",
    // Runs on past the usual length; the text box wraps it.
    "changed to 0, as for PHI = 90.  "
    "This procedure is called method 1.  "
    "A PHI between 0 and 90 applies the Mohr-Coulomb failure criterion.",
    "In all the examples, PHI is 0 when the granular layer is divided into",
    "several layers, as in Example 2, and 40 when it is a single layer, as in",
    "Example 6.  Subdividing a granular layer into 2-in. (51 mm) layers with",
    "PHI = 0 agreed more closely with the more refined finite element method of",
    "another pavement program than a single layer with PHI = 40.",
    // Runs on past the usual length; the text box wraps it.
    "In both cases, the stress point is at the mid-height of each layer.  "
    "A PHI greater than 90 makes no adjustment of the horizontal stress.  "
    "PHI is then taken as EMIN, and the stress point should be at the upper quarter or third "
    "point of the layer (method 2).",
};

const ExampleScreen kMohr = {
    .kind = "frmMohr", .caption = "Mohr-Coulomb Theory",
    .title = "Stress Adjustment by Mohr-Coulomb Failur Criterion", .title_lines = {},
    .description = kMohrText, .picture = {1440, 120, 4095, 3015},
    .title_box = {1320, 180, 6375, 315}, .text_top = 3240, .text_height = 2415,
    .figure = ":/help/figures/mohr.svg", .width = 9615, .text_width = 9255,
    .title_colour = 0xFF0000, .print_text_item = "PrintText"};

}  // namespace

const ExampleScreen& MohrScreen() { return kMohr; }

}  // namespace pave
