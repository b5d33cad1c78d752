// Which coordinates of an axis get a number, so that numbers never stand over each other: the first
// and the last always, one between when it lies more than `gap` (twips, along the axis) from the last
// one numbered and from the last coordinate. A coordinate numbered before the last that would stand
// over the last one's number is left out.
#pragma once

#include <vector>

namespace pave::graphs {

// `at`: window positions of the coordinates in order (rising or falling); `gap`: the room a number
// needs along the axis.
std::vector<bool> NumberedCoordinates(const std::vector<float>& at, float gap);

}  // namespace pave::graphs
