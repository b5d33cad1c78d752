// The checks of the layered data sets before a save: the completeness of data set 1 (the first menu
// whose data is still missing), and the values of every data set that the analysis program refuses
// (part of the editor's check that the data sets can be written).
#pragma once

#include <optional>
#include <string>

namespace pave {

// The message naming the first menu to complete in data set 1, or nothing.
std::optional<std::string> LayeredCompletenessProblem();

// The first value of the data sets 1 to NPROB that has no physical or counting sense (a thickness,
// tolerance or contact radius not above 0, a Poisson's ratio outside 0 to 0.5, a negative depth,
// modulus or number of repetitions, an iteration or cycle limit below 1, an interface code other
// than 0 and 1, a value outside its physical range) or that the analysis refuses (a modulus of 0 for
// a layer that is not viscoelastic, no viscoelastic layer while MATL asks for them, a load group of a
// damage analysis without repetitions in a period), as a message naming the data set, the item and
// its value; nothing when none.
std::optional<std::string> LayeredValueRefusal();

}  // namespace pave
