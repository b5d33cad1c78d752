// The layered examples re-created in PELDRANE from File New, every value typed through the real
// parameter forms and grid windows, saved and analysed: the file holds the example's values and the
// report MORVELIN writes for it is the example's report.
#include "editors_fixture.h"
#include "layered_analysis/run_driver.h"
#include "layered_editor/layered_kinds.h"

namespace pave::testing {
namespace {

constexpr const char* kEditor = kind::kLayeredEditor;

class LayeredEndToEndTest : public EditorsTest {
 protected:
  void NewFile(const std::string& name) {
    OpenEditor(name, main->cmdPeldrane);
    Menu(kEditor, "mnuNew");
  }
  // The General form: the title and the thirteen values in the form's order.
  void General(const std::string& title, const std::vector<std::string>& values) {
    Menu(kEditor, "mnuGeneral");
    Fill(kind::kLayeredGeneral, "txtTitle1", title);
    const char* boxes[] = {"txtMatl", "txtNdama", "txtNpy",   "txtNlg",   "txtDel",   "txtNl",   "txtNz",
                           "txtIcl",  "txtNstd",  "txtNbond", "txtNlbt", "txtNltc", "txtNunit"};
    for (std::size_t i = 0; i < values.size(); ++i) Fill(kind::kLayeredGeneral, boxes[i], values[i]);
    Press(kind::kLayeredGeneral, "cmdOk");
  }
  // A period table through the period selector.
  void Periods(const char* owner, const char* menu, const std::vector<std::vector<std::string>>& periods) {
    Menu(owner, menu);
    for (std::size_t p = 0; p < periods.size(); ++p) {
      Press(kind::kPeriod, "cmdPeriod" + std::to_string(p + 1));
      Cells(kind::kGridSingle, periods[p]);
      Ok(kind::kGridSingle);
    }
    Press(kind::kPeriod, "cmdOK");
  }
  // Saves, then compares the file with the example by values and the reports byte for byte.
  void SaveAndCompare(const std::string& name) {
    SaveAs(kEditor, name + ".DAT");
    const std::string saved = FileText(data_dir + name + ".DAT");
    ASSERT_FALSE(saved.empty()) << ::testing::PrintToString(platform_.messages.Texts());
    const std::string example = ExampleText(name);
    EXPECT_EQ(FileItems(saved), FileItems(example)) << saved;
    if (std::getenv("PAVE_SHOW_SAVED")) std::cerr << saved;

    // Both runs read from the same path, which the report names.
    RecordingHost host;
    EXPECT_EQ(layered::RunMorvelin(data_dir + name, host), RunEnd::Normal);
    const std::string report = FileText(data_dir + name + ".TXT");
    EXPECT_FALSE(report.empty());
    WriteFile(data_dir + name + ".DAT", example);
    EXPECT_EQ(layered::RunMorvelin(data_dir + name, host), RunEnd::Normal);
    EXPECT_EQ(report, FileText(data_dir + name + ".TXT"));
  }
};

TEST_F(LayeredEndToEndTest, Example1FromFileNew) {
  NewFile("LAY1");
  General("Example 1: Elastic three-layer system under dual-tandem tires",
          {"1", "0", "1", "1", ".001", "3", "3", "80", "1", "1", "1", "1", "0"});
  Menu(kEditor, "mnuZcoord");
  Cells(kind::kGridSingle, {"0", "6", "14"});
  Ok(kind::kGridSingle);
  Menu(kEditor, "mnuLayer");
  Cells(kind::kGridMulti, {"6", ".4", "8", ".35", ".45"});
  Ok(kind::kGridMulti);
  Periods(kEditor, "mnuModuli", {{"740000", "23000", "11000"}});
  Menu(kEditor, "mnuLoad");
  Cells(kind::kGridMain, {"2", "4.52", "70", "13.5", "48", "12"});   // Enter on NPT opens its points
  Cells(kind::kGridSingle, {"0", "0", "0", "3.375", "0", "6.75", "8", "0", "8", "3.375", "8", "6.75",
                            "16", "0", "16", "3.375", "16", "6.75", "24", "0", "24", "3.375", "24", "6.75"});
  Ok(kind::kGridSingle);
  Ok(kind::kGridMain);
  SaveAndCompare("LAY1");
}

TEST_F(LayeredEndToEndTest, Example6FromFileNew) {
  NewFile("LAY6");
  General("Example 6: viscoelastic asphalt on nonlinear granular base and clay",
          {"4", "1", "2", "2", ".001", "3", "0", "80", "9", "1", "1", "1", "0"});
  Menu(kEditor, "mnuLayer");
  Cells(kind::kGridMulti, {"6", ".4", "145", "8", ".35", "135", ".45", "125"});
  Ok(kind::kGridMulti);
  Periods(kEditor, "mnuModuli", {{"0", "7500", "3020"}, {"0", "10000", "12340"}});

  // Load groups: a single wheel with one radial point, then dual wheels with three points.
  Menu(kEditor, "mnuLoad");
  Cells(kind::kGridMain, {"0", "5.35", "100", "0", "0", "1"});
  Cells(kind::kGridSingle, {"0"});
  Ok(kind::kGridSingle);
  Cells(kind::kGridMain, {"1", "4.52", "70", "13.5", "0", "3"});
  Cells(kind::kGridSingle, {"0", "0", "0", "3.375", "0", "6.75"});
  Ok(kind::kGridSingle);
  Ok(kind::kGridMain);

  // Nonlinear layers: a granular base and a clay subgrade with the default clay input.
  Menu(kEditor, "mnuNonlinear");
  Menu(kind::kNonlinearMenu, "mnuGeneral");
  const std::pair<const char*, const char*> nonlinear[] = {{"txtNolay", "2"}, {"txtItenol", "15"}, {"txtRcnol", "0"},
                                                           {"txtXcnol", "0"}, {"txtYcnol", "6.75"}, {"txtSld", "0"},
                                                           {"txtDelnol", ".01"}};
  for (const auto& [box, value] : nonlinear) Fill(kind::kNonlinearGeneral, box, value);
  Press(kind::kNonlinearGeneral, "cmdOk");
  Menu(kind::kNonlinearMenu, "mnuRelaxation");
  Ok(kind::kGridSingle);   // the suggested .5 in both periods
  Menu(kind::kNonlinearMenu, "mnuNonseasonal");
  Cells(kind::kGridMain, {"2", "10", "0"});   // Enter on NCLAY opens the granular form
  Fill(kind::kGranular, "txtK2", ".5");
  Fill(kind::kGranular, "txtK0", ".6");
  Press(kind::kGranular, "cmdOk");
  Cells(kind::kGridMain, {"3", "15", "1"});   // the clay form, with its suggested constants
  Press(kind::kClay, "cmdOk");
  Ok(kind::kGridMain);
  Menu(kind::kNonlinearMenu, "mnuSeasonal");
  Press(kind::kLayerChooser, "cmdLayer1");
  Cells(kind::kGridSingle, {"40", "7500", "40", "10000"});
  Ok(kind::kGridSingle);
  Press(kind::kLayerChooser, "cmdLayer2");
  Cells(kind::kGridSingle, {"2", "4"});   // clay types: soft, then stiff
  Ok(kind::kGridSingle);
  Ok(kind::kGridMulti);                    // the values the types gave, confirmed
  Press(kind::kLayerChooser, "cmdOk");
  Press(kind::kNonlinearMenu, "cmdOk");

  // The viscoelastic asphalt layer.
  Menu(kEditor, "mnuViscoelastic");
  Menu(kind::kViscoMenu, "mnuGeneral");
  Fill(kind::kViscoGeneral, "txtDur", ".1");
  Fill(kind::kViscoGeneral, "txtNvl", "1");
  Fill(kind::kViscoGeneral, "txtNtyme", "11");
  Press(kind::kViscoGeneral, "cmdOk");
  Menu(kind::kViscoMenu, "mnuDuration");
  Ok(kind::kGridSingle);   // the eleven suggested times
  Menu(kind::kViscoMenu, "mnuLayer");
  Cells(kind::kGridMulti, {"1"});
  Ok(kind::kGridMulti);
  Menu(kind::kViscoMenu, "mnuCreep");
  Press(kind::kLayerChooser, "cmdLayer1");
  Cells(kind::kGridSingle, {"8.114E-07", "9.274E-07", "1.145E-06", "1.507E-06", "2.13E-06", "3.173E-06",
                            "5.129E-06", "8.259E-06", "1.355E-05", "1.949E-05", "2.601E-05"});
  Ok(kind::kGridSingle);
  Press(kind::kLayerChooser, "cmdOk");
  Periods(kind::kViscoMenu, "mnuTemperature", {{"60"}, {"80"}});
  Press(kind::kViscoMenu, "cmdOK");

  // Damage: fatigue at the bottom of layer 1, rutting at the top of layer 3.
  Menu(kEditor, "mnuDamage");
  Menu(kind::kLayeredDamage, "mnuBottom");
  Cells(kind::kGridMulti, {"1"});
  Ok(kind::kGridMulti);
  Menu(kind::kLayeredDamage, "mnuTop");
  Cells(kind::kGridMulti, {"3"});
  Ok(kind::kGridMulti);
  Periods(kind::kLayeredDamage, "mnuVolume", {{"8380", "16760"}, {"9870", "19740"}});
  Press(kind::kLayeredDamage, "cmdOk");
  SaveAndCompare("LAY6");
}

}  // namespace
}  // namespace pave::testing
