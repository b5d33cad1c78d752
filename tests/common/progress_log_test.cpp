#include <gtest/gtest.h>

#include "common/analysis_host.h"

namespace pave {
namespace {

TEST(ProgressLog, StartsANewTextAfterTheLineLimit) {
  RecordingHost host;
  ProgressLog log(host, 2);
  log.text = "a\r\n";
  log.Display();
  log.text += "b\r\n";
  log.Display();
  log.text += "c\r\n";
  log.Display();  // third counted line passes the limit of 2: shown, then emptied
  EXPECT_EQ(host.shown.back(), "a\r\nb\r\nc\r\n");
  EXPECT_TRUE(log.text.empty());
  EXPECT_EQ(log.lines, 0);
}

}  // namespace
}  // namespace pave
