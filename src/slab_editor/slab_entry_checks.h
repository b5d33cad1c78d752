// The checks the slab parameter forms make on OK before they store anything, so that no count
// beyond its list, no value the analysis program cannot take, reaches the data set.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/data_set_title.h"   // TitleRefusal: the General form's title

namespace pave {

// A count of a form: a whole number from low to high, else the refusal ("NPY should not be greater
// than 12", "NOTCON should be a whole number").
std::optional<std::string> CountRefusal(const std::string& field, double value, int low, int high);

// The General form's entries: the title and the sixteen integers by their field number (1 NFOUND
// ... 16 NAT2; element 0 unused), each the number in its box. The integers are rounded to
// whole numbers (a half to the even one) in place; the first refusal is returned, and the field
// number it concerns in `field` (0 for the title).
std::optional<std::string> GeneralRefusal(const std::string& title, std::array<double, 17>& values,
                                          int* field = nullptr);

// The Curling form's entries by field number (1 NOTCON ... 10 FMAX; element 0 unused); the field
// number of a refusal in `field`.
std::optional<std::string> CurlingRefusal(const std::array<double, 11>& values, int* field = nullptr);

}  // namespace pave
