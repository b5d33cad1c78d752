// Every parameter form and every table of both editors, left without its OK or with an OK that is
// refused: opened from the menus on an example file, every field changed, then closed (the window's
// close button) or confirmed with an entry the OK refuses. The data sets, the saved state, the
// counters of the forms and the status labels of the editors' menus are then exactly as they were
// before the form opened.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <optional>

#include "editors_fixture.h"
#include "entry_snapshot.h"
#include "layered_editor/gui/layered_main_menu.h"
#include "layered_editor/layered_kinds.h"
#include "shell/program_state.h"
#include "slab_editor/gui/slab_main_menu.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {
namespace {

constexpr const char* kLayered = kind::kLayeredEditor;
constexpr const char* kSlab = kind::kSlabEditor;

class LeftFormsTest;

struct FormCase {
  std::string name;
  const char* editor;
  const char* example;
  // Values typed into the General form (and OK) before the form under test opens: box, text.
  std::vector<std::pair<const char*, const char*>> general;
  // Opens the form or table under test through the menus; returns its window kind.
  std::function<std::string(LeftFormsTest&)> open;
  // Entries that make the OK refuse (box, text); none: the last field gets a text that is no number.
  std::vector<std::pair<const char*, const char*>> refused = {};
  // A table's cell that makes its OK refuse once the lines before it were taken (line 0: the last).
  struct Cell {
    int line, col;
    const char* text;
  };
  std::optional<Cell> refused_cell = {};
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

enum class Ending { Closed, Refused };

void PrintTo(Ending e, std::ostream* os) { *os << (e == Ending::Closed ? "closed" : "OK refused"); }

class LeftFormsTest : public EditorsTest, public ::testing::WithParamInterface<std::tuple<FormCase, Ending>> {
 public:
  // A menu item of a loaded window; a button of a loaded window.
  std::string Through(const char* window, const char* menu, const std::string& opens) {
    Menu(window, menu);
    return opens;
  }
  std::string Pressing(const char* window, const std::string& button, const std::string& opens) {
    Press(window, button);
    return opens;
  }
  // The first line of a main table opens its auxiliary table or form.
  std::string AuxiliaryOf(const char* main_window) {
    DoubleClickCell(Grid(main_window), 1, 1);
    for (const char* k : {kind::kGridSingle, kind::kGridMulti, kind::kGranular, kind::kClay}) {
      if (platform_.windows.IsLoaded(k)) return k;
    }
    return "no auxiliary window: " + ::testing::PrintToString(platform_.messages.Texts());
  }
  // The table a selector button opens (single or multi-column).
  std::string TableOf(const char* selector, const std::string& button) {
    Press(selector, button);
    return platform_.windows.IsLoaded(kind::kGridMulti) ? kind::kGridMulti : kind::kGridSingle;
  }

 protected:
  struct State {
    EntrySnapshot layered, slab;
    int saved_state = 0;
    double visits_layered = 0, visits_slab = 0;
    int arrangement_visits = 0;
    std::map<std::string, std::string> labels;   // window/label: caption and colour
  };

  int SavedState(const char* editor) {
    if (editor == kLayered) return platform_.windows.Find<LayeredMainMenu>(kLayered)->session().SaveState;
    return platform_.windows.Find<SlabMainMenu>(kSlab)->session().SaveState;
  }

  // Everything a form could leave behind; the labels of the editors' menus (not of the tables).
  State Now(const char* editor, const std::string& except) {
    State s{Snapshot(LayeredArrays()), Snapshot(SlabArrays()), SavedState(editor), gLayeredGeneralVisits.Number(),
            gSlabGeneralVisits.Number(), gArrangementVisits, {}};
    for (const std::string& k : platform_.windows.LoadedKinds()) {
      if (k == except || IsGridWindow(k) || k == kind::kPeriod) continue;
      auto* w = dynamic_cast<QWidget*>(platform_.windows.Find(k));
      if (!w) continue;
      for (const QLabel* label : w->findChildren<QLabel*>()) {
        s.labels[k + "/" + label->objectName().toStdString()] =
            label->text().toStdString() + " " + std::to_string(TextColour(*label));
      }
    }
    return s;
  }

  void Expect(const State& before, const State& after) {
    EXPECT_EQ(Changed(before.layered, after.layered), std::vector<std::string>{});
    EXPECT_EQ(Changed(before.slab, after.slab), std::vector<std::string>{});
    EXPECT_EQ(after.saved_state, before.saved_state);
    EXPECT_EQ(after.visits_layered, before.visits_layered);
    EXPECT_EQ(after.visits_slab, before.visits_slab);
    EXPECT_EQ(after.arrangement_visits, before.arrangement_visits);
    for (const auto& [label, shown] : before.labels) {
      const auto it = after.labels.find(label);
      if (it != after.labels.end()) {
        EXPECT_EQ(it->second, shown) << label;
      }
    }
  }

  void General(const char* editor, const std::vector<std::pair<const char*, const char*>>& values) {
    if (values.empty()) return;
    const char* form = editor == kLayered ? kind::kLayeredGeneral : kind::kSlabGeneral;
    Menu(editor, "mnuGeneral");
    for (const auto& [box, text] : values) Fill(form, box, text);
    Press(form, "cmdOk");
    ASSERT_FALSE(platform_.windows.IsLoaded(form)) << ::testing::PrintToString(platform_.messages.Texts());
  }

  // Every box of a parameter form gets a new value, every option button is clicked; `last` goes
  // into the last box.
  void ChangeForm(const std::string& kind, const std::string& last) {
    QWidget& w = Window(kind.c_str());
    const QList<QLineEdit*> boxes = w.findChildren<QLineEdit*>();
    for (qsizetype i = 0; i < boxes.size(); ++i) {
      const std::string name = boxes[i]->objectName().toStdString();
      Fill(kind.c_str(), name, i + 1 == boxes.size() ? last : name.find("Title") != std::string::npos ? "CHANGED" : "1");
    }
    for (QRadioButton* option : w.findChildren<QRadioButton*>()) {
      if (!option->isChecked()) QTest::mouseClick(option, Qt::LeftButton);
    }
  }

  // Every cell of a table gets a new value, `odd` goes into one cell (by default the last); a line
  // is inserted first where the table allows it.
  void ChangeTable(const std::string& kind, FormCase::Cell odd) {
    GridForm& f = Grid(kind.c_str());
    Key(f, Qt::Key_Insert, Qt::ControlModifier);
    const int lines = f.engine()->Lines(), cols = f.grid().Cols();
    if (odd.line == 0) odd.line = lines;
    if (odd.col == 0) odd.col = cols - 1;
    for (int r = 1; r <= lines; ++r) {
      for (int c = 1; c < cols; ++c) {
        ClickCell(f, r, c);
        testing::Type(f, r == odd.line && c == odd.col ? odd.text : "1");
      }
    }
  }
};

std::vector<FormCase> Cases() {
  using T = LeftFormsTest;
  namespace k = kind;
  return {
      // PELDRANE, on the example with nonlinear and viscoelastic layers and a damage analysis.
      {"LayeredGeneral", kLayered, "LAY6", {}, [](T& t) { return t.Through(kLayered, "mnuGeneral", k::kLayeredGeneral); },
       {{"txtTitle1", "ABANDONED EDIT"}, {"txtMatl", "2"}, {"txtNl", "50"}}},
      {"Zcoord", kLayered, "LAY6", {{"txtNdama", "0"}, {"txtNz", "2"}},
       [](T& t) { return t.Through(kLayered, "mnuZcoord", k::kGridSingle); }},
      {"Layer", kLayered, "LAY6", {}, [](T& t) { return t.Through(kLayered, "mnuLayer", k::kGridMulti); }},
      {"Interface", kLayered, "LAY6", {{"txtNbond", "0"}},
       [](T& t) { return t.Through(kLayered, "mnuInterface", k::kGridSingle); }},
      {"Moduli", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuModuli", "");
         return t.Pressing(k::kPeriod, "cmdPeriod1", k::kGridSingle);
       }},
      {"LoadGroups", kLayered, "LAY6", {}, [](T& t) { return t.Through(kLayered, "mnuLoad", k::kGridMain); }},
      {"ResponsePoints", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuLoad", "");
         return t.AuxiliaryOf(k::kGridMain);
       }},
      {"NonlinearGeneral", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuNonlinear", "");
         return t.Through(k::kNonlinearMenu, "mnuGeneral", k::kNonlinearGeneral);
       }},
      {"Relaxation", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuNonlinear", "");
         return t.Through(k::kNonlinearMenu, "mnuRelaxation", k::kGridSingle);
       }},
      {"Nonseasonal", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuNonlinear", "");
         return t.Through(k::kNonlinearMenu, "mnuNonseasonal", k::kGridMain);
       }},
      {"GranularConstants", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuNonlinear", "");
         t.Through(k::kNonlinearMenu, "mnuNonseasonal", "");
         return t.AuxiliaryOf(k::kGridMain);
       }},
      {"Seasonal", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuNonlinear", "");
         t.Through(k::kNonlinearMenu, "mnuSeasonal", "");
         return t.TableOf(k::kLayerChooser, "cmdLayer1");
       },
       {}, FormCase::Cell{0, 2, "0"}},
      {"ViscoGeneral", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuViscoelastic", "");
         return t.Through(k::kViscoMenu, "mnuGeneral", k::kViscoGeneral);
       }},
      {"CreepTimes", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuViscoelastic", "");
         return t.Through(k::kViscoMenu, "mnuDuration", k::kGridSingle);
       }},
      {"ViscoLayers", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuViscoelastic", "");
         return t.Through(k::kViscoMenu, "mnuLayer", k::kGridMulti);
       },
       {}, FormCase::Cell{0, 1, "0"}},
      {"Creep", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuViscoelastic", "");
         t.Through(k::kViscoMenu, "mnuCreep", "");
         return t.TableOf(k::kLayerChooser, "cmdLayer1");
       }},
      {"Temperatures", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuViscoelastic", "");
         t.Through(k::kViscoMenu, "mnuTemperature", "");
         return t.Pressing(k::kPeriod, "cmdPeriod1", k::kGridSingle);
       }},
      {"BottomTension", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuDamage", "");
         return t.Through(k::kLayeredDamage, "mnuBottom", k::kGridMulti);
       },
       {}, FormCase::Cell{0, 1, "0"}},
      {"TopCompression", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuDamage", "");
         return t.Through(k::kLayeredDamage, "mnuTop", k::kGridMulti);
       },
       {}, FormCase::Cell{0, 1, "0"}},
      {"LayeredTraffic", kLayered, "LAY6", {},
       [](T& t) {
         t.Through(kLayered, "mnuDamage", "");
         t.Through(k::kLayeredDamage, "mnuVolume", "");
         return t.Pressing(k::kPeriod, "cmdPeriod1", k::kGridSingle);
       }},

      // CORVISTA.
      {"SlabGeneral", kSlab, "SLA5", {}, [](T& t) { return t.Through(kSlab, "mnuGeneral", k::kSlabGeneral); },
       {{"txtNdama", "1"}, {"txtNpy", "3"}}},
      {"Curling", kSlab, "SLA5", {}, [](T& t) { return t.Through(kSlab, "mnuCurling", k::kCurling); }},
      {"Arrangement", kSlab, "SLA5", {},
       [](T& t) {
         t.Through(kSlab, "mnuSlab", "");
         return t.Through(k::kSlabData, "mnuArrangement", k::kGridMulti);
       },
       {}, FormCase::Cell{0, 1, "16"}},
      {"SlabProperties", kSlab, "SLA5", {},
       [](T& t) {
         t.Through(kSlab, "mnuSlab", "");
         return t.Through(k::kSlabData, "mnuProperties", k::kGridSlabLayer);
       },
       {}, FormCase::Cell{1, 1, "0"}},
      {"XCoordinates", kSlab, "SLA5", {},
       [](T& t) {
         t.Through(kSlab, "mnuSlab", "");
         t.Through(k::kSlabData, "mnuXcoordinate", "");
         return t.Pressing(k::kSlabChooser, "cmdSlab1", k::kGridSingle);
       }},
      {"YCoordinates", kSlab, "SLA5", {},
       [](T& t) {
         t.Through(kSlab, "mnuSlab", "");
         t.Through(k::kSlabData, "mnuYcoordinate", "");
         return t.Pressing(k::kSlabChooser, "cmdSlab1", k::kGridSingle);
       }},
      {"Uniform", kSlab, "SLA3", {}, [](T& t) { return t.Through(kSlab, "mnuUniform", k::kGridMainSlab); }},
      {"LoadedAreas", kSlab, "SLA3", {},
       [](T& t) {
         t.Through(kSlab, "mnuUniform", "");
         return t.AuxiliaryOf(k::kGridMainSlab);
       }},
      {"Raft", kSlab, "SLA6", {}, [](T& t) { return t.Through(kSlab, "mnuRaft", k::kGridMainSlab); }},
      {"RaftLoads", kSlab, "SLA6", {},
       [](T& t) {
         t.Through(kSlab, "mnuRaft", "");
         return t.AuxiliaryOf(k::kGridMainSlab);
       }},
      {"OptionalList", kSlab, "SLA1", {},
       [](T& t) {
         t.Through(kSlab, "mnuOptional", "");
         return t.Through(k::kOptional, "mnuNsx", k::kGridSingle);
       }},
      {"Dowel", kSlab, "SLA5", {},
       [](T& t) {
         t.Through(kSlab, "mnuOptional", "");
         return t.Through(k::kOptional, "mnuDowel", k::kDowel);
       }},
      {"SolidFoundation", kSlab, "SLA3", {}, [](T& t) { return t.Through(kSlab, "mnuFoundation", k::kSolid); },
       {{"txtYms", "0"}}},
      {"LiquidFoundation", kSlab, "SLA1", {}, [](T& t) { return t.Through(kSlab, "mnuFoundation", k::kGridMainSlab); }},
      {"LayeredFoundation", kSlab, "SLA5", {},
       [](T& t) { return t.Through(kSlab, "mnuFoundation", k::kGridMainSlab); }},
      {"FoundationLayers", kSlab, "SLA5", {},
       [](T& t) {
         t.Through(kSlab, "mnuFoundation", "");
         return t.AuxiliaryOf(k::kGridMainSlab);
       }},
      {"Adjust", kSlab, "SLA4", {}, [](T& t) { return t.Through(kSlab, "mnuAdjust", k::kGridSingle); }},
      {"Joints", kSlab, "SLA5", {}, [](T& t) { return t.Through(kSlab, "mnuJoint", k::kGridMain); }},
      {"Fatigue", kSlab, "SLA4", {},
       [](T& t) {
         t.Through(kSlab, "mnuDamage", "");
         return t.Through(k::kSlabDamage, "mnuFatigue", k::kGridSlabLayer);
       }},
      {"SlabTraffic", kSlab, "SLA4", {},
       [](T& t) {
         t.Through(kSlab, "mnuDamage", "");
         t.Through(k::kSlabDamage, "mnuVolume", "");
         return t.Pressing(k::kPeriod, "cmdPeriod1", k::kGridSingle);
       }},
  };
}

TEST_P(LeftFormsTest, LeavesTheDataSetsAsTheyWere) {
  const auto& [c, ending] = GetParam();
  Example(c.example);
  OpenEditor(c.example, c.editor == kLayered ? main->cmdPeldrane : main->cmdCorvista);
  platform_.file_dialog.QueueChoice(data_dir + c.example + ".DAT");
  Menu(c.editor, "mnuOpen");
  General(c.editor, c.general);
  platform_.messages.shown.clear();

  const State before = Now(c.editor, "");
  const std::string window = c.open(*this);
  ASSERT_TRUE(platform_.windows.IsLoaded(window)) << window << " " << ::testing::PrintToString(platform_.messages.Texts());
  auto* bound = dynamic_cast<EditorBound*>(platform_.windows.Find(window));
  ASSERT_NE(bound, nullptr);
  const bool table = IsGridWindow(window);

  if (ending == Ending::Closed) {
    if (table) {
      ChangeTable(window, {0, 0, "1"});
    } else {
      ChangeForm(window, "1");
    }
    EXPECT_TRUE(bound->HoldsEdits());
    Window(window.c_str()).close();
    EXPECT_FALSE(platform_.windows.IsLoaded(window));
  } else {
    if (!c.refused.empty()) {
      for (const auto& [box, text] : c.refused) Fill(window.c_str(), box, text);
    } else if (table) {
      ChangeTable(window, c.refused_cell.value_or(FormCase::Cell{0, 0, "x"}));
    } else {
      ChangeForm(window, "x");
    }
    const std::size_t shown = platform_.messages.shown.size();
    if (table) {
      Ok(window.c_str());
    } else {
      Press(window.c_str(), "cmdOk");
    }
    ASSERT_TRUE(platform_.windows.IsLoaded(window)) << ::testing::PrintToString(platform_.messages.Texts());
    EXPECT_GT(platform_.messages.shown.size(), shown);   // the refusal was told
  }
  Expect(before, Now(c.editor, window));
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, LeftFormsTest, ::testing::Combine(::testing::ValuesIn(Cases()), ::testing::Values(Ending::Closed, Ending::Refused)),
    [](const ::testing::TestParamInfo<std::tuple<FormCase, Ending>>& info) {
      return std::get<0>(info.param).name + (std::get<1>(info.param) == Ending::Closed ? "Closed" : "Refused");
    });

}  // namespace
}  // namespace pave::testing
