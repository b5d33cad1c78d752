// What the example topics say of the example data files, held against the files themselves: the
// files are the source of every input value the topics state.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "help/help_topics.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

// The values of every record whose identifier begins with `identifier`, in file order.
std::vector<std::vector<double>> Records(const std::string& file, const std::string& identifier) {
  std::vector<std::vector<double>> out;
  for (const std::string& line : TextLines(ExampleText(file))) {
    const std::size_t at = line.find(identifier);
    if (at == std::string::npos) continue;
    std::istringstream in(line.substr(0, at));
    std::vector<double> values;
    for (double v; in >> v;) values.push_back(v);
    out.push_back(values);
  }
  return out;
}

double Field(const std::string& file, const std::string& identifier, std::size_t index, std::size_t set = 0) {
  const auto records = Records(file, identifier);
  if (set >= records.size() || index >= records[set].size()) {
    ADD_FAILURE() << file << ": no value " << index << " in record " << identifier;
    return NAN;
  }
  return records[set][index];
}

TEST(ExampleTopics, LayeredExamplesAreWhatTopicNineSays) {
  struct Case {
    int example;
    double matl, npy, nlg, nl, nstd;
    double ndama_english, ndama_si;
  } cases[] = {
      {1, 1, 1, 1, 3, 1, 0, 0},   // elastic, three layers, dual tandem wheels
      {2, 2, 1, 1, 7, 9, 0, 0},   // nonlinear, two layers, the granular one in six sublayers
      {3, 3, 1, 1, 2, 5, 0, 0},   // viscoelastic, two layers, stationary load
      {4, 3, 4, 1, 3, 9, 1, 2},   // viscoelastic, four periods, one load group
      {5, 1, 1, 3, 2, 9, 2, 2},   // elastic, one period, three load groups, detailed in both files
      {6, 4, 2, 2, 3, 9, 1, 2},   // nonlinear and viscoelastic, two periods, two load groups
  };
  for (const Case& c : cases) {
    for (bool si : {false, true}) {
      const std::string file = "LAY" + std::to_string(c.example) + (si ? "SI" : "");
      SCOPED_TRACE(file);
      EXPECT_EQ(Records(file, "(1) NPROB").size(), 1u);
      EXPECT_EQ(Field(file, "(3) MATL", 0), c.matl);
      EXPECT_EQ(Field(file, "(3) MATL", 1), si ? c.ndama_si : c.ndama_english);
      EXPECT_EQ(Field(file, "(3) MATL", 2), c.npy);
      EXPECT_EQ(Field(file, "(3) MATL", 3), c.nlg);
      EXPECT_EQ(Field(file, "(5) NL", 0), c.nl);
      EXPECT_EQ(Field(file, "(5) NL", 3), c.nstd);
      EXPECT_EQ(Field(file, "(5) NL", 4), si ? 1 : 0);
    }
  }
  // Example 1 runs under dual tandem wheels, Examples 2 and 3 under one circular area, Example 3's
  // load stands still.
  EXPECT_EQ(Field("LAY1", "(13) LOAD", 0), 2);
  EXPECT_EQ(Field("LAY2", "(13) LOAD", 0), 0);
  EXPECT_EQ(Field("LAY3", "(13) LOAD", 0), 0);
  EXPECT_EQ(Field("LAY3", "(36) DUR", 0), 0);
}

TEST(ExampleTopics, SlabExamplesAreWhatTopicTenSays) {
  for (int example = 1; example <= 6; ++example) {
    for (bool si : {false, true}) {
      const std::string file = "SLA" + std::to_string(example) + (si ? "SI" : "");
      SCOPED_TRACE(file);
      const auto general = Records(file, "(3) NFOUND");
      const auto options = Records(file, "(6) NLAYER");
      const auto layers = Records(file, "(10) T PR YM");
      ASSERT_EQ(general.size(), options.size());
      ASSERT_EQ(general.size(), layers.size());
      for (std::size_t set = 0; set < general.size(); ++set) {
        SCOPED_TRACE(set + 1);
        // The concrete: 4,000,000 psi (27.6 GPa) and 0.15.
        EXPECT_EQ(layers[set][1], 0.15);
        if (si) {
          EXPECT_NEAR(layers[set][2], 27.6e6, 0.05e6);
        } else {
          EXPECT_EQ(layers[set][2], 4000000);
        }
        EXPECT_EQ(options[set][15], si ? 1 : 0);   // NUNIT
        // MDPO is 0 but in the second step of Example 5.
        EXPECT_EQ(options[set][14], example == 5 && set == 1 ? 1 : 0);
        // Only Example 4 analyses damage, by the PCA criteria in both units.
        EXPECT_EQ(general[set][1], example != 4 ? 0 : 1);
        // Examples 1 to 3 print every node, so that their contours can be drawn.
        if (example <= 3) {
          EXPECT_EQ(options[set][4], 0);   // NPRINT
          EXPECT_EQ(general[set][2], 1);   // NPY
          EXPECT_EQ(general[set][3], 1);   // NLG
        }
      }
    }
  }
  // Example 4 prints three edge nodes; Example 5 has four slabs of four elements each on a layered
  // foundation with partial contact, in two steps.
  EXPECT_EQ(Field("SLA4", "(6) NLAYER", 4), 3);
  EXPECT_EQ(Records("SLA5", "(3) NFOUND").size(), 2u);
  EXPECT_EQ(Field("SLA5", "(3) NFOUND", 0), 2);
  EXPECT_EQ(Field("SLA5", "(4) NSLAB", 0), 4);
  for (const auto& slab : Records("SLA5", "(5) NX")) {
    EXPECT_EQ(slab[0], 3);
    EXPECT_EQ(slab[1], 3);
  }
  EXPECT_EQ(Field("SLA5", "(6) NLAYER", 9), 10);   // NCYCLE: contact checked by iteration
}

// The number in "(n)" at `at` of `line`, or -1 when none stands there.
int NumberInParentheses(const std::string& line, std::size_t at) {
  if (at >= line.size() || line[at] != '(') return -1;
  std::size_t end = at + 1;
  while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
  if (end == at + 1 || end >= line.size() || line[end] != ')') return -1;
  return std::stoi(line.substr(at + 1, end - at - 1));
}

// The steps of a data-file topic that hold a line of values (the others are loops and jumps).
std::set<int> RecordSteps(int topic) {
  std::set<int> out;
  for (const std::string& line : TextLines(HelpTopicText(topic))) {
    const std::size_t at = line.find_first_not_of(" *");
    const int number = at == std::string::npos ? -1 : NumberInParentheses(line, at);
    if (number > 0 && at < 5 && line.find("ine", at) != std::string::npos) out.insert(number);
  }
  return out;
}

// The step number of a data-file line's identifier ("(6) NLAYER ..."), or -1 for a title line.
int IdentifierNumber(const std::string& line) {
  for (std::size_t at = line.find('('); at != std::string::npos; at = line.find('(', at + 1)) {
    const int number = NumberInParentheses(line, at);
    const std::size_t after = line.find(')', at) + 1;
    if (number > 0 && after + 1 < line.size() && line[after] == ' ' &&
        std::isupper(static_cast<unsigned char>(line[after + 1]))) {
      return number;
    }
  }
  return -1;
}

// Every record of every example file carries the number of a step of its topic that holds values.
TEST(ExampleTopics, EveryRecordOfTheExamplesIsAStepOfItsDataFileTopic) {
  const std::set<int> layered = RecordSteps(7);
  const std::set<int> slab = RecordSteps(8);
  EXPECT_EQ(layered.size(), 52u - 14u);   // fourteen control steps
  EXPECT_EQ(slab.size(), 38u - 5u);       // five control steps
  for (const char* kind : {"LAY", "SLA"}) {
    for (int n = 1; n <= 6; ++n) {
      for (const char* units : {"", "SI"}) {
        const std::string file = kind + std::to_string(n) + units;
        const std::vector<std::string> lines = TextLines(ExampleText(file));
        ASSERT_GT(lines.size(), 5u) << file;
        for (const std::string& line : lines) {
          const int number = IdentifierNumber(line);
          if (number < 0) continue;   // a title
          EXPECT_EQ((kind == std::string("LAY") ? layered : slab).count(number), 1u) << file << ": " << line;
        }
      }
    }
  }
}

}  // namespace
}  // namespace pave::testing
