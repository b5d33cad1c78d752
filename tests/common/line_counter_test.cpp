#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/line_counter.h"

namespace pave {
namespace {

// "ab" CR LF "cd" CR "ef" LF LF "gh": the line of every place, counted by hand (a CR LF ends its line
// after the LF; the place of the LF is still on the line the CR LF ends).
const std::string kText = "ab\r\ncd\ref\n\ngh";
const std::vector<int> kLineOfPlace = {1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 5, 5, 5};

TEST(LineCounter, NamesTheLineOfEveryPlaceForwardAndBack) {
  LineCounter forward;
  for (std::size_t at = 0; at < kLineOfPlace.size(); ++at) EXPECT_EQ(forward.LineAt(kText, at), kLineOfPlace[at]) << at;
  LineCounter back;
  EXPECT_EQ(back.LineAt(kText, 100), 5);  // beyond the end: the last line
  for (std::size_t at = kLineOfPlace.size(); at-- > 0;) EXPECT_EQ(back.LineAt(kText, at), kLineOfPlace[at]) << at;
}

TEST(LineCounter, NamesTheSameLinesWhenAskedOutOfOrder) {
  LineCounter counter;
  for (std::size_t at : {12, 3, 7, 0, 13, 6, 10, 4, 2, 11}) {
    EXPECT_EQ(counter.LineAt(kText, at), kLineOfPlace[at]) << at;
  }
}

}  // namespace
}  // namespace pave
