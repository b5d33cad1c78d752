// The layered data file as the editor writes and reads it: the byte layout, every example read and
// written again unchanged, and the refusals of files and data sets that cannot be read or written.
#include <gtest/gtest.h>

#include <string>

#include "common/free_format_reader.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_reader.h"
#include "layered_editor/layered_writer.h"
#include "shell/program_state.h"
#include "shell/record_reader.h"
#include "support/file_text.h"

namespace pave {
namespace {

class LayeredFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    LayeredDefaults();
  }
  static std::string Write() {
    std::string bytes;
    std::optional<std::string> problem = WriteLayeredFile(bytes);
    EXPECT_FALSE(problem) << *problem;
    return bytes;
  }
  static void Read(const std::string& text, int* old_messages = nullptr) {
    FreeFormatReader in(text);
    LayeredReadHooks hooks;
    hooks.old_format_nonlinear = [old_messages] { if (old_messages) ++*old_messages; };
    ReadLayeredFile(in, hooks);
  }
};

TEST_F(LayeredFileTest, TheFourteenLineExampleIsWrittenByteForByte) {
  gLayeredTITLE(1) = "Example";
  gLayeredGeneral(1, gen::NZ) = 1;
  const double th[] = {4, 6}, pr[] = {0.35, 0.3, 0.45}, e[] = {400000, 20000, 10000};
  for (int i = 1; i <= 2; ++i) gLayeredLayer(1, i, 1) = Value(th[i - 1]);
  for (int i = 1; i <= 3; ++i) gLayeredLayer(1, i, 2) = Value(pr[i - 1]);
  for (int i = 1; i <= 3; ++i) gLayeredE(1, 1, i) = Value(e[i - 1]);
  gLayeredLoad(1, 1, ld::CR) = Value(6);
  gLayeredLoad(1, 1, ld::CP) = Value(80);
  gLayeredLoad(1, 1, ld::NRNPT) = Value(2);
  gLayeredRC(1, 1, 2) = Value(10);
  EXPECT_EQ(Write(),
            " 1  (1) NPROB\r\n"
            "Example\r\n"
            " 1  0  1  1  (3) MATL NDAMA NPY NLG\r\n"
            " .001  (4) DEL\r\n"
            " 3  1  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n"
            " 4   6   (6) TH\r\n"
            " .35   .3   .45   (7) PR\r\n"
            " 0   (8) ZC\r\n"
            " 1  (9) NBOND\r\n"
            " 400000   20000   10000   (11) E\r\n"
            " 0   (13) LOAD\r\n"
            " 6   80   (14) CR CP\r\n"
            " 2   (16) NR\r\n"
            " 0   10   (17) RC\r\n");
}

TEST_F(LayeredFileTest, TextsOfTheGridsAreWrittenAsTyped) {
  gLayeredLayer(1, 1, 1) = Value("5");
  gLayeredLayer(1, 2, 1) = Value("6");
  gLayeredLayer(1, 1, 2) = Value("0.5");
  gLayeredLoad(1, 1, ld::NRNPT) = Value("1");
  std::string bytes = Write();
  EXPECT_NE(bytes.find("\r\n5 6  (6) TH\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("\r\n0.5  0   0   (7) PR\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("\r\n1  (16) NR\r\n 0   (17) RC\r\n"), std::string::npos) << bytes;
}

class ExampleRoundTrip : public LayeredFileTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ExampleRoundTrip, ReadAndWrittenAgainIsTheSameFile) {
  const std::string text = testing::ExampleText(GetParam());
  ASSERT_FALSE(text.empty());
  Read(text);
  EXPECT_EQ(Write(), text);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRoundTrip,
                         ::testing::Values("LAY1", "LAY2", "LAY3", "LAY4", "LAY5", "LAY6", "LAY1SI", "LAY2SI",
                                           "LAY3SI", "LAY4SI", "LAY5SI", "LAY6SI"),
                         [](const auto& info) { return info.param; });

TEST_F(LayeredFileTest, OldFormatDataSetsAreConverted) {
  const std::string old_file =
      " 1  (1) NPROB\r\n"
      "Old\r\n"
      " 2  0  1  1  (3) X\r\n"
      " .001  (4) DEL\r\n"
      " 2  0  80  9  (5) NL NZ ICL NSTD\r\n"
      " 6   (6) TH\r\n"
      " .35   .45   (7) PR\r\n"
      " 1  (9) NBOND\r\n"
      " 300000   10000   (11) E\r\n"
      " 0   (13) LOAD\r\n"
      " 6   80   (14) CR CP\r\n"
      " 1   (16) NR\r\n"
      " 0   (17) RC\r\n"
      " 1  15  (25) NOLAY ITENOL\r\n"
      " 2   0   (26) LAYNO NCLAY\r\n"
      " 3   (27) ZCNOL\r\n"
      " 0  0  0  0  .01  (28) RCNOL XCNOL YCNOL SLD DELNOL\r\n"
      " .5   (29) RELAX\r\n"
      " .08   .07   (30) GAM\r\n"
      " .5  .6  (31) K2 K0\r\n"
      " 0   8000   (33) PHI K1\r\n";
  gLayeredGeneral(1, gen::NUNIT) = 1;
  int messages = 0;
  Read(old_file, &messages);
  EXPECT_EQ(messages, 1);
  EXPECT_EQ(gLayeredGeneral(1, gen::NUNIT), 0);
  EXPECT_DOUBLE_EQ(gLayeredLayer(1, 1, 3).Number(), 0.08 * 1728);
  EXPECT_DOUBLE_EQ(gLayeredLayer(1, 2, 3).Number(), 0.07 * 1728);
  EXPECT_EQ(gLayeredSeasonal(1, 1, 1, 2), Value(8000));
  // Saved again, the data set is in the current format.
  EXPECT_NE(Write().find(" 2  0  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n"), std::string::npos);
}

struct BadFile {
  const char* name;
  std::string text;
  bool rejected;          // FileRejected (else RecordReadError)
  std::string where;      // of a RecordReadError
};

void PrintTo(const BadFile& f, std::ostream* os) { *os << f.name; }

class BadFileTest : public LayeredFileTest, public ::testing::WithParamInterface<BadFile> {};

const std::string kHead = " 1  (1) NPROB\r\nT\r\n 1  0  1  1  (3) MATL NDAMA NPY NLG\r\n .001  (4) DEL\r\n";

TEST_P(BadFileTest, IsRefusedAndSaysWhere) {
  const BadFile& f = GetParam();
  try {
    Read(f.text);
    FAIL() << "read";
  } catch (const FileRejected& e) {
    EXPECT_TRUE(f.rejected) << e.what();
  } catch (const RecordReadError& e) {
    EXPECT_FALSE(f.rejected) << e.what();
    EXPECT_EQ(e.where(), f.where);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(
        BadFile{"NprobZero", " 0  (1) NPROB\r\n", true, ""},
        BadFile{"NprobSix", " 6  (1) NPROB\r\n", true, ""},
        BadFile{"NprobFraction", " 1.5  (1) NPROB\r\n", true, ""},
        BadFile{"Empty", "", false, "the start of the file, record (1) NPROB"},
        BadFile{"NlTwenty", kHead + " 20  0  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n", false,
                "data set 1, record (5) NL NZ ICL NSTD NUNIT"},
        BadFile{"TextInAList", kHead + " 2  0  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n abc   (6) TH\r\n", false,
                "data set 1, record (6) TH"},
        BadFile{"NpyThirteen", " 1  (1) NPROB\r\nT\r\n 1  0  13  1  (3) MATL NDAMA NPY NLG\r\n", false,
                "data set 1, record (3) MATL NDAMA NPY NLG"},
        BadFile{"EndsEarly", kHead + " 2  0  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n 6   (6) TH\r\n", false,
                "data set 1, record (7) PR"},
        BadFile{"RecordNineMissing",
                kHead + " 2  0  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n 6   (6) TH\r\n .3  .4  (7) PR\r\n"
                        " 0  (8) ZC\r\n",
                true, ""},
        BadFile{"NrTooLarge",
                kHead + " 2  0  80  9  0  (5) NL NZ ICL NSTD NUNIT\r\n 6   (6) TH\r\n .3  .4  (7) PR\r\n"
                        " 1  (9) NBOND\r\n 1  2  (11) E\r\n 0  (13) LOAD\r\n 6  80  (14) CR CP\r\n"
                        " 26  (16) NR\r\n",
                false, "data set 1, record (16) NR of load group 1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Unwritable {
  const char* name;
  std::function<void()> change;
  std::string message;
};

void PrintTo(const Unwritable& u, std::ostream* os) { *os << u.name; }

class UnwritableTest : public LayeredFileTest, public ::testing::WithParamInterface<Unwritable> {};

TEST_P(UnwritableTest, IsRefusedNamingDataSetAndItem) {
  gLayeredNPROB = Value(2);
  for (int s = 1; s <= 2; ++s) {
    gLayeredLoad(s, 1, ld::NRNPT) = Value(1);
    gLayeredLayer(s, 1, 1) = Value(5);
  }
  GetParam().change();
  std::string bytes = "unchanged";
  std::optional<std::string> problem = WriteLayeredFile(bytes);
  ASSERT_TRUE(problem);
  EXPECT_EQ(*problem, GetParam().message);
  EXPECT_EQ(bytes, "unchanged");
}

INSTANTIATE_TEST_SUITE_P(
    DataSets, UnwritableTest,
    ::testing::Values(
        Unwritable{"EmptyNr", [] { gLayeredLoad(2, 1, ld::NRNPT) = Value(""); },
                   "In data set 2, NR of load group 1 is empty."},
        Unwritable{"TextNr", [] { gLayeredLoad(1, 1, ld::NRNPT) = Value("two"); },
                   "In data set 1, NR of load group 1 is \"two\", which is not a number."},
        Unwritable{"NptZero",
                   [] {
                     gLayeredLoad(2, 1, ld::LOAD) = Value(1);
                     gLayeredLoad(2, 1, ld::NRNPT) = Value(0);
                   },
                   "In data set 2, NPT of load group 1 is 0; it should be a whole number from 1 to 25."},
        Unwritable{"EmptyListValue", [] { gLayeredLayer(1, 2, 2) = Value(); },
                   "In data set 1, PR of layer 2 is empty."},
        Unwritable{"NbondTwo", [] { gLayeredGeneral(2, gen::NBOND) = 2; },
                   "In data set 2, NBOND is 2; it should be a whole number from 0 to 1."},
        Unwritable{"NclayTwo",
                   [] {
                     gLayeredGeneral(1, gen::MATL) = 2;
                     gLayeredNonseasonal(1, 1, 1) = Value(3);
                     gLayeredNonseasonal(1, 1, 3) = Value(2);
                   },
                   "In data set 1, NCLAY of nonlinear layer 1 is 2; it should be a whole number from 0 to 1."},
        Unwritable{"NlgFraction", [] { gLayeredGeneral(1, gen::NLG) = 1.5f; },
                   "In data set 1, NLG is 1.5; it should be a whole number from 0 to 12."},
        Unwritable{"CommaInTitle", [] { gLayeredTITLE(2) = "a, b"; },
                   "In data set 2, TITLE contains a comma, which ends the title when it is read."},
        Unwritable{"QuoteOpensTheTitle", [] { gLayeredTITLE(2) = " \" a"; },
                   "In data set 2, TITLE begins with a double quote, which is dropped when the title is read."}),
    [](const auto& info) { return std::string(info.param.name); });

// A title the editor cannot keep (a comma, a double quote at its start), in a file written by hand,
// is read whole: neither cut short nor taken into the records after it. Saving then refuses it.
TEST_F(LayeredFileTest, ATitleThatCannotBeKeptIsReadWholeAndRefusedOnSaving) {
  const std::string example = testing::ExampleText("LAY1");
  const std::string title = "Example 1: Elastic three-layer system under dual-tandem tires";
  for (const std::string typed : {"\"Runway 09\" section B", "Runway 09, section B"}) {
    std::string text = example;
    text.replace(text.find(title), title.size(), "  " + typed + " ");
    Read(text);
    EXPECT_EQ(gLayeredTITLE(1), typed);
    EXPECT_EQ(gLayeredGeneral(1, gen::NLG), 1);
    EXPECT_EQ(gLayeredGeneral(1, gen::NL), 3);
    std::string bytes;
    EXPECT_TRUE(WriteLayeredFile(bytes)) << typed;
  }
}

}  // namespace
}  // namespace pave
