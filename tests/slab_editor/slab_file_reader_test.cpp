#include "slab_editor/slab_file_reader.h"

#include <gtest/gtest.h>

#include "slab_editor/slab_file_writer.h"
#include "slab_test_support.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

class SlabFileReaderTest : public SlabDataTest {
 protected:
  // A small valid file: the defaults with one 2 x 2 slab, one data set.
  static std::string SmallFile() {
    gSlabArrangement(1, 1, 1) = 2;
    gSlabArrangement(1, 1, 2) = 2;
    gSlabX(1, 1, 2) = 10;
    gSlabY(1, 1, 2) = 10;
    gSlabLayerProps(1, 1, 1) = 8;
    return SlabFileText();
  }
  static std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
  }
};

TEST_F(SlabFileReaderTest, AFailedReadingSaysWhereAndWhyAndKeepsWhatItRead) {
  struct Case {
    const char* name;
    const char* from;
    const char* to;
    const char* reason;        // the start of the reason
    int records_read;          // of data set 1
  };
  const Case cases[] = {
      {"ValueNotANumber", " 8   .15", " 8   x15", "data set 1, record (10) T PR YM: line 10: \"x15\" is not a number",
       9},
      {"CountBeyondItsTable", " 1  0  (4)", " 7  0  (4)",
       "data set 1, record (5) NX NY JONO1 JONO2 JONO3 JONO4: NSLAB is 7, which is not a whole number from 0 to 6", 4},
      {"NonWholeCount", " 1  1  0  0  0", " 1  1  1.5  0  0",
       "data set 1, record (17) NODNC: NOTCON is 1.5, which is not a whole number from 0 to 120", 16},
      {"EndOfFile", " 0   0   (24) NAS SUBMOD\r\n", "", "data set 1, record (24) NAS SUBMOD: the file ends before this record",
       22},
      {"NoSecondDataSet", " 1  (1)", " 2  (1)", "data set 2, record (2) TITLE: the file ends before this record", 38},
  };
  const std::string file = SmallFile();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gSlabTITLE(1) = "BEFORE";
    gSlabGeneral(1, gen::kNLAYER) = 9;
    const SlabReadResult r = ReadSlabData(Replace(file, c.from, c.to));
    EXPECT_EQ(r.outcome, SlabReadResult::Outcome::Failed);
    EXPECT_EQ(r.reason.rfind(c.reason, 0), 0u) << r.reason;
    EXPECT_EQ(gSlabRecordsRead(1), c.records_read);
    // What was read stays.
    EXPECT_EQ(gSlabTITLE(1), "");
    EXPECT_EQ(gSlabGeneral(1, gen::kNLAYER), c.records_read >= 6 ? 1 : 9);
  }
}

// A title the editor cannot keep (a comma, a double quote at its start), in a file written by hand,
// is read whole, as the file holds it, for the checks of saving to refuse: neither cut short nor
// taken into the records after it.
TEST_F(SlabFileReaderTest, ATitleThatCannotBeKeptIsReadWhole) {
  const std::string example = ExampleText("SLA1");
  const std::string title = "CURLING OF SLAB WITH FULL CONTACT ON LIQUID FOUNDATION";
  for (const std::string typed : {"\"Runway 09\" section B", "Runway 09, section B"}) {
    std::string text = example;
    text.replace(text.find(title), title.size(), "  " + typed + " ");
    ASSERT_EQ(ReadSlabData(text).outcome, SlabReadResult::Outcome::Read) << typed;
    EXPECT_EQ(gSlabTITLE(1), typed);
    EXPECT_EQ(gSlabTITLE(2), "CURLING OF SLAB WITH FULL CONTACT ON SOLID FOUNDATION");
    EXPECT_EQ(gSlabGeneral(1, gen::kNSLAB), 1);
  }
}

TEST_F(SlabFileReaderTest, OtherFilesAreNotSlabDataFiles) {
  const std::string file = SmallFile();
  gSlabGeneral(1, gen::kNSLAB) = 0;
  // NSLAB 0: the identifier read last is that of record (8).
  const std::string no_slab = SlabFileText();
  for (const std::string& other :
       {ExampleText("LAY1"), std::string("not a data file\r\n"), Replace(file, " 1  (1)", " 3  (1)"), no_slab})
    EXPECT_EQ(ReadSlabData(other).outcome, SlabReadResult::Outcome::WrongFile) << other.substr(0, 40);
}

TEST_F(SlabFileReaderTest, EntriesTheFileDoesNotHoldKeepTheirValues) {
  const std::string file = SmallFile();
  gSlabTITLE(2) = "SET 2 STAYS";
  gSlabX(1, 1, 3) = 99;
  gSlabSolid(1, 1) = 5000;
  ASSERT_EQ(ReadSlabData(file).outcome, SlabReadResult::Outcome::Read);
  EXPECT_EQ(gSlabTITLE(2), "SET 2 STAYS");
  EXPECT_EQ(gSlabX(1, 1, 3), 99);
  EXPECT_EQ(gSlabSolid(1, 1), Value(5000));
}

TEST_F(SlabFileReaderTest, ValueEntriesTakeNumbersOnly) {
  gSlabGeneral(1, gen::kNLG) = 1;
  gSlabNUDL(1, 1) = 1;
  for (int k = 1; k <= 6; ++k) gSlabLoadAreas(1, 1, 1, k) = k;
  const SlabReadResult r = ReadSlabData(Replace(SmallFile(), " 6   (15)", " SIX   (15)"));
  EXPECT_EQ(r.outcome, SlabReadResult::Outcome::Failed);
  EXPECT_EQ(r.reason, "data set 1, record (15) LS XL1 XL2 YL1 YL2 QQ of load group 1, area 1: line 14: \"SIX\" is not a number");
  EXPECT_EQ(gSlabLoadAreas(1, 1, 1, 5), Value(5));
}

TEST_F(SlabFileReaderTest, OldDosDataSetWithMoreThanThreeLoadGroupsEndsTheReading) {
  const std::string dos =
      " 1  (1)\r\nOLD\r\n 0  0  1  4  (3)\r\n 1  0  (4)\r\n 2  2  0  0  0  0  (5)\r\n"
      " 1  1  0  0  0  0  0  0  0  1  0  0  0  0  0  (6)\r\n 0  .1  0  0  0  .000005  .001  1  (7)\r\n"
      " 0  0  0  0  (8)\r\n 0  10  0  10  (9)\r\n 8  .15  4000000  (10)\r\n 0  0  0  0  (12)\r\n"
      " 0  0  0  0  (13)\r\n 1  (22)\r\n 0  200  (24)\r\n";
  const SlabReadResult r = ReadSlabData(dos);
  EXPECT_EQ(r.outcome, SlabReadResult::Outcome::Failed);
  EXPECT_EQ(r.reason, "data set 1, record (13) NCNF: the old layout holds no more than 3 counts here, but NLG is 4");
  // With three load groups the same data set is read, unit weights per cubic foot.
  std::string three = dos;
  three.replace(three.find(" 1  4  (3)"), 10, " 1  3  (3)");
  three.replace(three.find(" 0  0  0  0  (12)"), 17, " 0  0  0  (12)");
  three.replace(three.find(" 0  0  0  0  (13)"), 17, " 2  0  1  (13)\r\n 5  100  9  50  (16)");
  gSlabRaftCounts(1, 2) = 7;
  const SlabReadResult ok = ReadSlabData(three);
  ASSERT_EQ(ok.outcome, SlabReadResult::Outcome::Read) << ok.reason;
  EXPECT_EQ(ok.read.layouts[1], SlabLayout::OldDos);
  EXPECT_FLOAT_EQ(gSlabLayerProps(1, 1, 4), 172.8f);
  EXPECT_EQ(gSlabRaftCounts(1, 1), 2);
  EXPECT_EQ(gSlabRaftCounts(1, 2), 0);
  EXPECT_EQ(gSlabRaftCounts(1, 3), 1);
  EXPECT_EQ(gSlabNodalLoads(1, 2, 1, 1), 9);
  EXPECT_EQ(gSlabGeneral(1, gen::kNUNIT), 0);
  EXPECT_EQ(gSlabUL(1), Value(1));
  EXPECT_EQ(gSlabTC(1), 2);
  EXPECT_EQ(gSlabCL(1), Value(2));
}

}  // namespace
}  // namespace pave::testing
