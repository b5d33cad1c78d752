// The sessions of both input editors as a user lives them: the tables and forms a session opened
// end with it, File New and File Old start from the defaults, the saved state follows the file that
// is open, a data set made and never filled does not stop a save, and a title longer than the box
// survives General and OK.
#include <QLabel>
#include <QRadioButton>

#include "editors_fixture.h"
#include "layered_editor/layered_kinds.h"
#include "shell/editor_windows.h"
#include "shell/made_data_sets.h"
#include "shell/program_state.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {
namespace {

constexpr const char* kLayered = kind::kLayeredEditor;
constexpr const char* kSlab = kind::kSlabEditor;

class EditorSessionsTest : public EditorsTest {
 protected:
  const ArrayDirectory& Arrays(const char* editor) { return editor == kLayered ? LayeredArrays() : SlabArrays(); }
  const Value& NPROB(const char* editor) { return editor == kLayered ? gLayeredNPROB : gSlabNPROB; }

  void NewFile(const char* editor) {
    OpenEditor("NEW", Button(editor));
    Menu(editor, "mnuNew");
  }
  std::size_t Questions() const {
    std::size_t n = 0;
    for (const auto& shown : platform_.messages.shown) n += shown.buttons != MessageButtons::Ok;
    return n;
  }

  // Data set 1 of PELDRANE filled through its forms and tables with the first example's values.
  void FillLayeredSet(const std::string& title) {
    Menu(kLayered, "mnuGeneral");
    Fill(kind::kLayeredGeneral, "txtTitle1", title);
    Fill(kind::kLayeredGeneral, "txtNz", "3");
    Press(kind::kLayeredGeneral, "cmdOk");
    Menu(kLayered, "mnuZcoord");
    Cells(kind::kGridSingle, {"0", "6", "14"});
    Ok(kind::kGridSingle);
    Menu(kLayered, "mnuLayer");
    Cells(kind::kGridMulti, {"6", ".4", "8", ".35", ".45"});
    Ok(kind::kGridMulti);
    Menu(kLayered, "mnuModuli");
    Press(kind::kPeriod, "cmdPeriod1");
    Cells(kind::kGridSingle, {"740000", "23000", "11000"});
    Ok(kind::kGridSingle);
    Press(kind::kPeriod, "cmdOK");
    Menu(kLayered, "mnuLoad");
    Cells(kind::kGridMain, {"0", "4.52", "70", "0", "0", "1"});   // Enter on NR opens its points
    Cells(kind::kGridSingle, {"0"});
    Ok(kind::kGridSingle);
    Ok(kind::kGridMain);
  }

  // The current data set of CORVISTA filled with one 3 x 3 slab on a liquid foundation.
  void FillSlabSet() {
    Menu(kSlab, "mnuSlab");
    Menu(kind::kSlabData, "mnuArrangement");
    Cells(kind::kGridMulti, {"3", "3"});
    Ok(kind::kGridMulti);
    for (const char* menu : {"mnuXcoordinate", "mnuYcoordinate"}) {
      Menu(kind::kSlabData, menu);
      Press(kind::kSlabChooser, "cmdSlab1");
      Cells(kind::kGridSingle, {"0", "12", "24"});
      Ok(kind::kGridSingle);
      Press(kind::kSlabChooser, "cmdOk");
    }
    Menu(kind::kSlabData, "mnuProperties");
    Cells(kind::kGridSlabLayer, {"8", ".15", "4000000"});
    Ok(kind::kGridSlabLayer);
    Press(kind::kSlabData, "cmdOK");
    Menu(kSlab, "mnuUniform");
    Cells(kind::kGridMainSlab, {"0"});
    Ok(kind::kGridMainSlab);
    Menu(kSlab, "mnuFoundation");
    Cells(kind::kGridMainSlab, {"200", "0"});
    Ok(kind::kGridMainSlab);
  }

  // What a fresh editor shows and holds: every entry of every data set, NPROB, the labels.
  struct EditorState {
    std::vector<std::vector<Value>> sets;
    Value nprob;
    std::vector<std::string> labels;
    bool operator==(const EditorState&) const = default;
  };
  EditorState State(const char* editor) {
    EditorState state;
    const ArrayDirectory& arrays = Arrays(editor);
    const int sets = arrays[arrays.Names().front()].sets();
    for (int s = 1; s <= sets; ++s) state.sets.push_back(DataSetEntries(arrays, s));
    state.nprob = NPROB(editor);
    for (const QLabel* label : Window(editor).findChildren<QLabel*>()) {
      if (label->objectName() != "lblFile")
        state.labels.push_back(label->objectName().toStdString() + "=" + label->text().toStdString());
    }
    return state;
  }
};

// ---- Windows left open when the editor's session ends ----

struct OpenWindowCase {
  const char* name;
  const char* editor;
  const char* first;    // the file open while the window is opened
  const char* menu;
  const char* window;
  const char* second;   // the file opened next
};
void PrintTo(const OpenWindowCase& c, std::ostream* os) { *os << c.name; }

class WindowsOfAnEndedSession : public EditorSessionsTest,
                                public ::testing::WithParamInterface<OpenWindowCase> {};

TEST_P(WindowsOfAnEndedSession, CloseWithTheEditorAndNeverWriteIntoTheNextFile) {
  const OpenWindowCase& c = GetParam();
  OpenExample(c.editor, c.first);
  Menu(c.editor, c.menu);
  ASSERT_TRUE(platform_.windows.IsLoaded(c.window));
  ExitWithout(c.editor);
  EXPECT_FALSE(platform_.windows.IsLoaded(c.window));

  OpenExample(c.editor, c.second);
  ASSERT_FALSE(platform_.windows.IsLoaded(c.window));
  Press(c.editor, "cmdSave");
  EXPECT_EQ(FileText(data_dir + c.second + ".DAT"), ExampleText(c.second));
}

INSTANTIATE_TEST_SUITE_P(
    Editors, WindowsOfAnEndedSession,
    ::testing::Values(OpenWindowCase{"UniformTable", kSlab, "SLA1", "mnuUniform", kind::kGridMainSlab, "SLA3"},
                      OpenWindowCase{"AdjustTable", kSlab, "SLA4", "mnuAdjust", kind::kGridSingle, "SLA3"},
                      OpenWindowCase{"SlabGeneralForm", kSlab, "SLA1", "mnuGeneral", kind::kSlabGeneral, "SLA3"},
                      OpenWindowCase{"SlabInformationMenu", kSlab, "SLA1", "mnuSlab", kind::kSlabData, "SLA3"},
                      OpenWindowCase{"ZcoordTable", kLayered, "LAY1", "mnuZcoord", kind::kGridSingle, "LAY2"},
                      OpenWindowCase{"ModuliSelector", kLayered, "LAY1", "mnuModuli", kind::kPeriod, "LAY2"},
                      OpenWindowCase{"LayeredGeneralForm", kLayered, "LAY1", "mnuGeneral", kind::kLayeredGeneral,
                                     "LAY2"},
                      OpenWindowCase{"NonlinearMenu", kLayered, "LAY2", "mnuNonlinear", kind::kNonlinearMenu,
                                     "LAY1"}),
    [](const ::testing::TestParamInfo<OpenWindowCase>& info) { return std::string(info.param.name); });

TEST_F(EditorSessionsTest, ExitOfOneEditorLeavesTheOtherEditorsTableOpen) {
  OpenExample(kLayered, "LAY1");
  Menu(kLayered, "mnuZcoord");
  OpenExample(kSlab, "SLA1");
  ExitWithout(kSlab);
  ASSERT_TRUE(platform_.windows.IsLoaded(kind::kGridSingle));
  Enter(Grid(kind::kGridSingle), "7");
  Ok(kind::kGridSingle);
  EXPECT_EQ(gLayeredZC(1, 1).Number(), 7);
}

// A window that outlives its session anyway stores nothing.
TEST_F(EditorSessionsTest, AWindowOfAnEndedSessionStoresNothing) {
  OpenExample(kSlab, "SLA3");
  struct Case {
    const char* menu;
    const char* window;
    std::function<void()> edit, ok;
  };
  const Case cases[] = {
      {"mnuUniform", kind::kGridMainSlab, [&] { Enter(Grid(kind::kGridMainSlab), "0"); },
       [&] { Ok(kind::kGridMainSlab); }},
      {"mnuGeneral", kind::kSlabGeneral, [&] { Fill(kind::kSlabGeneral, "txtNnck", "2"); },
       [&] { Press(kind::kSlabGeneral, "cmdOk"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.menu);
    const std::vector<Value> before = DataSetEntries(SlabArrays(), 1);
    Menu(kSlab, c.menu);
    c.edit();
    NextEditorGeneration(EditorKind::Slab);
    c.ok();
    EXPECT_EQ(LastMessage(), kSessionEndedMessage);
    EXPECT_FALSE(platform_.windows.IsLoaded(c.window));
    EXPECT_TRUE(DataSetEntries(SlabArrays(), 1) == before);
  }
}

// ---- File New starts from the defaults ----

struct FreshCase {
  std::string name;
  const char* editor;
  std::string example;      // the file read before File New
  bool misplace_record9;    // with the identifier of its record (9) where another belongs
};
void PrintTo(const FreshCase& c, std::ostream* os) { *os << c.name; }

class FileNewAfterAFile : public EditorSessionsTest, public ::testing::WithParamInterface<FreshCase> {};

TEST_P(FileNewAfterAFile, StartsFromTheDefaultsInEveryArrayAndCount) {
  const FreshCase& c = GetParam();
  NewFile(c.editor);
  const EditorState fresh = State(c.editor);
  ExitWithout(c.editor);

  std::string text = ExampleText(c.example);
  if (c.misplace_record9) text.replace(text.find("(9) NBOND"), 3, "(8)");
  WriteFile(data_dir + "READ.DAT", text);
  OpenFile(c.editor, "READ");
  if (gFileLoaded.Number() == 1) {   // read: leave and come back; rejected: the editor stays open
    ExitWithout(c.editor);
    OpenEditor("NEW", Button(c.editor));
  }
  Menu(c.editor, "mnuNew");
  EXPECT_TRUE(State(c.editor) == fresh);
}

std::vector<FreshCase> FreshCases() {
  std::vector<FreshCase> cases;
  for (const char* family : {"LAY", "SLA"}) {
    for (const char* units : {"", "SI"}) {
      for (int n = 1; n <= 6; ++n) {
        const std::string name = family + std::to_string(n) + units;
        cases.push_back({name, family[0] == 'L' ? kLayered : kSlab, name, false});
      }
    }
  }
  cases.push_back({"LayeredFileRejectedAtRecord9", kLayered, "LAY1", true});
  cases.push_back({"LayeredFileReadBySlabEditor", kSlab, "LAY1", false});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Editors, FileNewAfterAFile, ::testing::ValuesIn(FreshCases()),
                         [](const ::testing::TestParamInfo<FreshCase>& info) { return info.param.name; });

// ---- The saved state ----

TEST_F(EditorSessionsTest, TheSavedStateFollowsTheFileThatIsOpen) {
  struct Case {
    const char* editor;
    const char* example;
    const char* menu;
    const char* table;
  };
  for (const Case& c : {Case{kLayered, "LAY1", "mnuZcoord", kind::kGridSingle},
                        Case{kSlab, "SLA1", "mnuAdjust", kind::kGridSingle}}) {
    SCOPED_TRACE(c.example);
    platform_.messages.shown.clear();
    OpenExample(c.editor, c.example);
    Press(c.editor, "cmdExit");   // right after File Old: nothing to save
    EXPECT_FALSE(platform_.windows.IsLoaded(c.editor));
    EXPECT_EQ(Questions(), 0u);

    // A table confirmed after Save changes the file again; one confirmed as it was does not.
    OpenFile(c.editor, c.example);
    Menu(c.editor, c.menu);
    Press(c.editor, "cmdSave");
    Ok(c.table);
    Press(c.editor, "cmdExit");
    EXPECT_EQ(Questions(), 0u);
    EXPECT_FALSE(platform_.windows.IsLoaded(c.editor));
    OpenFile(c.editor, c.example);
    Menu(c.editor, c.menu);
    Press(c.editor, "cmdSave");
    Cells(c.table, {"2"});
    Ok(c.table);
    platform_.messages.QueueAnswer(MessageAnswer::Cancel);
    Press(c.editor, "cmdExit");
    EXPECT_EQ(Questions(), 1u);
    EXPECT_TRUE(platform_.windows.IsLoaded(c.editor));
    ExitWithout(c.editor);
  }
}

// ---- Data sets made and never filled ----

TEST_F(EditorSessionsTest, PeldraneMakesEveryDataSetUpToTheOneClickedFromDataSetOne) {
  OpenExample(kLayered, "LAY1");
  Press(kLayered, "optDataSet3");
  EXPECT_EQ(LabelText(kLayered, "Label2"), "Yes");
  EXPECT_EQ(LabelText(kLayered, "Label3"), "Yes");
  Press(kLayered, "cmdSave");
  EXPECT_EQ(LastMessage(), "File with a filename of LAY1.DAT has been saved");
  const std::string example = ExampleText("LAY1");
  const std::string set = example.substr(example.find("\r\n") + 2);
  EXPECT_EQ(FileText(data_dir + "LAY1.DAT"), " 3  (1) NPROB\r\n" + set + set + set);
}

TEST_F(EditorSessionsTest, PeldraneLeavesOutADataSetNeverFilledAndTheLaterSetsMoveUp) {
  NewFile(kLayered);
  Press(kLayered, "optDataSet3");   // sets 2 and 3 made from data set 1 before it is filled
  Press(kLayered, "optDataSet1");
  FillLayeredSet("FIRST");
  Press(kLayered, "optDataSet3");
  FillLayeredSet("THIRD");
  Press(kLayered, "optDataSet1");
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  Press(kLayered, "cmdExit");
  EXPECT_FALSE(platform_.windows.IsLoaded(kLayered)) << ::testing::PrintToString(platform_.messages.Texts());
  const std::vector<std::string> texts = platform_.messages.Texts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[texts.size() - 2],
            "Data Set 2 was made, but nothing has been entered into it since and it is not complete.  Data Set 2 is "
            "left out of the file; the data sets after it move up one place.");
  const std::string saved = FileText(data_dir + "UNTITLED.DAT");
  EXPECT_EQ(saved.rfind(" 2  (1) NPROB\r\nFIRST\r\n", 0), 0u) << saved;
  EXPECT_NE(saved.find("\r\nTHIRD\r\n"), std::string::npos);
}

TEST_F(EditorSessionsTest, CorvistaLeavesOutADataSetTwoNeverFilledAndMakesItAnewFromTheFilledSetOne) {
  NewFile(kSlab);
  Press(kSlab, "optDataSet2");
  Press(kSlab, "optDataSet1");
  FillSlabSet();
  Press(kSlab, "cmdSave");
  const std::vector<std::string> texts = platform_.messages.Texts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[texts.size() - 2],
            "Data Set 2 was made, but nothing has been entered into it since and it is not complete.  Data Set 2 is "
            "left out of the file.  Click its Data Set button again to make it anew from data set 1.");
  EXPECT_EQ(LastMessage(), "File with a filename of UNTITLE.DAT has been saved");
  EXPECT_EQ(FileText(data_dir + "UNTITLE.DAT").rfind(" 1  (1) NPROB", 0), 0u);
  EXPECT_EQ(LabelText(kSlab, "Label2"), "No");

  Press(kSlab, "optDataSet2");
  EXPECT_EQ(gSlabX(2, 1, 3), 24);
  Press(kSlab, "cmdSave");
  EXPECT_EQ(LastMessage(), "File with a filename of UNTITLE.DAT has been saved");
  EXPECT_EQ(FileText(data_dir + "UNTITLE.DAT").rfind(" 2  (1) NPROB", 0), 0u);
}

TEST_F(EditorSessionsTest, ADataSetTheUserWorkedOnIsNeverLeftOut) {
  NewFile(kSlab);
  Press(kSlab, "optDataSet2");
  Menu(kSlab, "mnuGeneral");
  Fill(kind::kSlabGeneral, "txtTitle", "SECOND");
  Press(kind::kSlabGeneral, "cmdOk");
  Press(kSlab, "optDataSet1");
  FillSlabSet();
  Press(kSlab, "cmdSave");
  EXPECT_EQ(LastMessage().rfind("Data Set 2: ", 0), 0u) << LastMessage();
  EXPECT_EQ(gSlabNPROB.Number(), 2);
  EXPECT_FALSE(std::filesystem::exists(data_dir + "UNTITLE.DAT"));
}

// ---- Save and Exit with a form or table open ----

// A window holding entries its OK has not stored is named before a save or an exit: Yes takes them
// as its OK does (a refused OK stops the save), No drops them, Cancel keeps everything as it is.
TEST_F(EditorSessionsTest, SaveAndExitSettleTheOpenFormsAndTables) {
  struct Case {
    const char* editor;
    const char* example;
    std::function<void(const std::string&)> type;   // opens the window, types a value
    const char* window;
    std::vector<std::string> saved_line;   // a line the file then holds (numbers by value: FileItems)
  };
  const Case cases[] = {
      {kLayered, "LAY1",
       [this](const std::string& v) {
         Menu(kLayered, "mnuLayer");
         Cells(kind::kGridMulti, {v});
       },
       kind::kGridMulti, {"#10", "#8", "(6)", "TH"}},
      {kSlab, "SLA3",
       [this](const std::string& v) {
         Menu(kSlab, "mnuGeneral");
         Fill(kind::kSlabGeneral, "txtTitle", v == "x" ? "A, B" : "TITLE " + v);
       },
       kind::kSlabGeneral, {"TITLE", "#10"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.example);
    OpenExample(c.editor, c.example);
    const std::string path = data_dir + std::string(c.example) + ".DAT";
    const std::string example = ExampleText(c.example);

    // Cancel: nothing saved, the window keeps what it shows.
    c.type("10");
    platform_.messages.shown.clear();
    platform_.messages.QueueAnswer(MessageAnswer::Cancel);
    Press(c.editor, "cmdSave");
    ASSERT_EQ(Questions(), 1u);
    EXPECT_NE(platform_.messages.shown[0].text.find("shows entries that its OK has not stored"), std::string::npos);
    EXPECT_NE(platform_.messages.shown[0].text.find(Window(c.window).windowTitle().toStdString()), std::string::npos);
    EXPECT_EQ(platform_.messages.shown.size(), 1u);   // no "has been saved"
    EXPECT_TRUE(platform_.windows.IsLoaded(c.window));
    EXPECT_EQ(FileText(path), example);

    // Yes: taken through the OK, then saved.
    platform_.messages.QueueAnswer(MessageAnswer::Yes);
    Press(c.editor, "cmdSave");
    EXPECT_FALSE(platform_.windows.IsLoaded(c.window));
    EXPECT_EQ(LastMessage(), "File with a filename of " + std::string(c.example) + ".DAT has been saved");
    const std::string saved = FileText(path);
    const auto lines = FileItems(saved);
    EXPECT_NE(std::find(lines.begin(), lines.end(), c.saved_line), lines.end()) << saved;

    // Yes with an entry its OK refuses: the refusal, and no save.
    c.type("x");
    platform_.messages.shown.clear();
    platform_.messages.QueueAnswer(MessageAnswer::Yes);
    Press(c.editor, "cmdSave");
    EXPECT_TRUE(platform_.windows.IsLoaded(c.window));
    EXPECT_EQ(platform_.messages.shown.size(), 2u) << ::testing::PrintToString(platform_.messages.Texts());
    EXPECT_EQ(FileText(path), saved);

    // Exit: No drops the entries; the file was saved, so the editor closes without more questions.
    platform_.messages.shown.clear();
    platform_.messages.QueueAnswer(MessageAnswer::No);
    Press(c.editor, "cmdExit");
    EXPECT_EQ(Questions(), 1u);
    EXPECT_FALSE(platform_.windows.IsLoaded(c.editor));
    EXPECT_EQ(FileText(path), saved);
  }
}

// ---- A data set after the first that the file cannot hold ----

// The refusal names the set and makes it current; the user may save the file without it (and the
// sets after it), which stay in the editor.
TEST_F(EditorSessionsTest, ADataSetTheFileCannotHoldIsMadeCurrentAndCanBeLeftOut) {
  struct Case {
    const char* editor;
    const char* example;
    const char* general;
    const char* box;
    const char* value;
  };
  for (const Case& c : {Case{kLayered, "LAY1", kind::kLayeredGeneral, "txtNl", "4"},
                        Case{kSlab, "SLA3", kind::kSlabGeneral, "txtNslab", "3"}}) {
    SCOPED_TRACE(c.example);
    OpenExample(c.editor, c.example);
    const std::string path = data_dir + std::string(c.example) + ".DAT";
    Press(c.editor, "optDataSet2");
    Menu(c.editor, "mnuGeneral");
    Fill(c.general, c.box, c.value);
    Press(c.general, "cmdOk");
    ASSERT_FALSE(platform_.windows.IsLoaded(c.general)) << ::testing::PrintToString(platform_.messages.Texts());
    Press(c.editor, "optDataSet1");
    const Value& set = c.editor == kLayered ? gLayeredSet : gSlabSet;

    platform_.messages.shown.clear();
    platform_.messages.QueueAnswer(MessageAnswer::No);
    Press(c.editor, "cmdSave");
    ASSERT_EQ(Questions(), 1u) << ::testing::PrintToString(platform_.messages.Texts());
    const std::string question = platform_.messages.shown.back().text;
    EXPECT_EQ(question.rfind("Data Set 2: ", 0), 0u) << question;
    EXPECT_NE(question.find("Do you want to save the file without Data Set 2?"), std::string::npos) << question;
    EXPECT_TRUE(In<QRadioButton>(c.editor, "optDataSet2").isChecked());
    EXPECT_EQ(set, Value(2));
    EXPECT_EQ(FileText(path), ExampleText(c.example));

    platform_.messages.QueueAnswer(MessageAnswer::Yes);
    Press(c.editor, "cmdSave");
    EXPECT_EQ(LastMessage(), "File with a filename of " + std::string(c.example) + ".DAT has been saved without Data Set 2");
    EXPECT_EQ(FileText(path), ExampleText(c.example));   // data set 1 as it was read
    EXPECT_EQ(NPROB(c.editor), Value(2));                 // set 2 stays in the editor
    platform_.messages.shown.clear();
    platform_.messages.QueueAnswer(MessageAnswer::Cancel);
    Press(c.editor, "cmdExit");                            // not everything is saved: asked
    EXPECT_EQ(platform_.messages.shown.back().text, "You have not save the file.  Do you want to save the file?\n\nThe file " +
                                                        std::string(c.example) + ".DAT in " +
                                                        (c.editor == kLayered ? "PELDRANE." : "CORVISTA."));
    ExitWithout(c.editor);
  }
}

// ---- Unit-dependent defaults ----

// The first OK of General fills the defaults of its unit system; a later change of NUNIT offers the
// other system's defaults for every value still at the old ones and names the values entered.
TEST_F(EditorSessionsTest, AChangeOfNunitOffersTheNewSystemsDefaults) {
  // PELDRANE: File New, General with NUNIT 0, then with NUNIT 1.
  NewFile(kLayered);
  Menu(kLayered, "mnuGeneral");
  Fill(kind::kLayeredGeneral, "txtMatl", "3");
  Press(kind::kLayeredGeneral, "cmdOk");
  EXPECT_EQ(gLayeredViscoLayer(1, 1, 2), Value(0.113));
  Menu(kLayered, "mnuViscoelastic");
  Menu(kind::kViscoMenu, "mnuLayer");
  Cells(kind::kGridMulti, {"1", ".15"});   // BETA of layer 1 entered, TEMPREF left at 70
  Ok(kind::kGridMulti);
  for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    platform_.messages.shown.clear();
    platform_.messages.QueueAnswer(answer);
    Menu(kLayered, "mnuGeneral");
    Fill(kind::kLayeredGeneral, "txtNunit", "1");
    Press(kind::kLayeredGeneral, "cmdOk");
    ASSERT_EQ(Questions(), 1u) << ::testing::PrintToString(platform_.messages.Texts());
    const std::string question = platform_.messages.shown.back().text;
    EXPECT_NE(question.find("These values were entered for English units and are not converted: BETA of "
                            "viscoelastic layer 1 (.15)."),
              std::string::npos)
        << question;
    EXPECT_NE(question.find("NUNIT is now 1 (SI units), but BETA .113, TEMPREF 70, TEMP 70 and FT1 .0796 still "
                            "hold the defaults for English units.  Do you want them set to the defaults for SI "
                            "units (BETA .2034, TEMPREF 21.1, TEMP 21.1 and FT1 .414)?  No other value is converted."),
              std::string::npos)
        << question;
    const bool reset = answer == MessageAnswer::Yes;
    EXPECT_EQ(gLayeredViscoLayer(1, 1, 2), Value(".15"));
    EXPECT_EQ(gLayeredViscoLayer(1, 1, 3), reset ? Value(21.1) : Value(70.0));
    EXPECT_EQ(gLayeredViscoLayer(1, 12, 2), reset ? Value(0.2034) : Value(0.113));
    EXPECT_EQ(gLayeredTEMP(1, 12, 12), reset ? Value(21.1) : Value(70.0));
    EXPECT_EQ(gLayeredBottom(1, 1, 2), reset ? Value(0.414) : Value(0.0796));
    if (!reset) {   // back to English units for the second round: nothing to offer then
      Menu(kLayered, "mnuGeneral");
      Fill(kind::kLayeredGeneral, "txtNunit", "0");
      Press(kind::kLayeredGeneral, "cmdOk");
    }
  }
  ExitWithout(kLayered);

  // CORVISTA: the same for YM, GAMA, PMR, CT, FMAX and YMSB.
  NewFile(kSlab);
  Menu(kSlab, "mnuGeneral");
  Press(kind::kSlabGeneral, "cmdOk");
  EXPECT_EQ(gSlabLayerProps(1, 1, 3), 4000000.0f);
  platform_.messages.shown.clear();
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  Menu(kSlab, "mnuGeneral");
  Fill(kind::kSlabGeneral, "txtNunit", "1");
  Press(kind::kSlabGeneral, "cmdOk");
  ASSERT_EQ(Questions(), 1u) << ::testing::PrintToString(platform_.messages.Texts());
  EXPECT_EQ(gSlabLayerProps(1, 1, 3), 27600000.0f);
  EXPECT_EQ(gSlabLayerProps(1, 1, 4), 23.6f);
  EXPECT_EQ(gSlabFatigue(1, 1, 1), 3450.0f);
  EXPECT_EQ(gSlabCurling(1, curl::kCT), Value(0.000009));
  EXPECT_EQ(gSlabCurling(1, curl::kFMAX), Value(2.54));
  EXPECT_EQ(gSlabDowel(1, 1), Value(200000000.0));
  Menu(kSlab, "mnuSlab");
  Menu(kind::kSlabData, "mnuProperties");
  EXPECT_NE(LabelText(kind::kGridSlabLayer, "lblUnit").find("kPa"), std::string::npos);
  EXPECT_EQ(Cell(Grid(kind::kGridSlabLayer), 1, 3), " 2.76E+07");
  ExitWithout(kSlab);
}

// Cancel at the NUNIT question (Escape answers Cancel) leaves General open with nothing stored: the
// unit system, every other value typed with it and the status labels stay as they were. The next OK
// asks again; No then stores the change.
TEST_F(EditorSessionsTest, CancelAtTheNunitQuestionStoresNothingAndLeavesGeneralOpen) {
  struct Case {
    const char* editor;
    const char* example;
    const char* general;
    const char* other_box;   // a value changed together with NUNIT
    const char* other_value;
  };
  for (const Case& c : {Case{kLayered, "LAY1", kind::kLayeredGeneral, "txtNl", "2"},
                        Case{kSlab, "SLA1", kind::kSlabGeneral, "txtNpy", "2"}}) {
    SCOPED_TRACE(c.example);
    OpenExample(c.editor, c.example);
    const std::vector<Value> before = DataSetEntries(Arrays(c.editor), 1);
    const std::string status = LabelText(c.editor, "lblGeneral");
    Menu(c.editor, "mnuGeneral");
    Fill(c.general, "txtNunit", "1");
    Fill(c.general, c.other_box, c.other_value);

    platform_.messages.shown.clear();
    platform_.messages.QueueAnswer(MessageAnswer::Cancel);
    Press(c.general, "cmdOk");
    ASSERT_EQ(Questions(), 1u) << ::testing::PrintToString(platform_.messages.Texts());
    const auto& question = platform_.messages.shown.back();
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_NE(question.text.find("Cancel: nothing is stored, NUNIT included, and the form stays open."),
              std::string::npos)
        << question.text;
    ASSERT_TRUE(platform_.windows.IsLoaded(c.general));
    EXPECT_TRUE(DataSetEntries(Arrays(c.editor), 1) == before);
    EXPECT_EQ(LabelText(c.editor, "lblGeneral"), status);
    EXPECT_EQ(In<QLineEdit>(c.general, "txtNunit").text(), "1");   // the form as the user left it
    EXPECT_EQ(In<QLineEdit>(c.general, c.other_box).text().toStdString(), c.other_value);

    platform_.messages.shown.clear();
    platform_.messages.QueueAnswer(MessageAnswer::No);
    Press(c.general, "cmdOk");
    EXPECT_EQ(Questions(), 1u) << ::testing::PrintToString(platform_.messages.Texts());
    EXPECT_FALSE(platform_.windows.IsLoaded(c.general));
    const std::vector<Value> after = DataSetEntries(Arrays(c.editor), 1);
    EXPECT_FALSE(after == before);
    ExitWithout(c.editor);
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

// ---- Titles longer than the title box ----

TEST_F(EditorSessionsTest, ATitleLongerThanTheBoxIsShownWholeAndKept) {
  struct Case {
    const char* editor;
    const char* example;
    const char* form;
    const char* box;
  };
  for (const Case& c : {Case{kLayered, "LAY4SI", kind::kLayeredGeneral, "txtTitle1"},
                        Case{kSlab, "SLA1", kind::kSlabGeneral, "txtTitle"}}) {
    SCOPED_TRACE(c.example);
    std::string text = ExampleText(c.example);
    const std::size_t start = text.find("\r\n") + 2;
    std::string title = text.substr(start, text.find("\r\n", start) - start);
    if (title.size() <= 68) {
      title = "A SLAB TITLE OF SEVENTY-FIVE CHARACTERS: LONGER THAN THE BOX TAKES AS TYPED";
      text.replace(start, text.find("\r\n", start) - start, title);
    }
    ASSERT_GT(title.size(), 68u);
    WriteFile(data_dir + "LONG.DAT", text);
    OpenFile(c.editor, "LONG");
    Menu(c.editor, "mnuGeneral");
    EXPECT_EQ(In<QLineEdit>(c.form, c.box).text().toStdString(), title);
    Press(c.form, "cmdOk");
    Press(c.editor, "cmdSave");
    EXPECT_EQ(FileText(data_dir + "LONG.DAT"), text);
    Press(c.editor, "cmdExit");
  }
}

}  // namespace
}  // namespace pave::testing
