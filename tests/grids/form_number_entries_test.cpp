// The number boxes of every parameter form of both editors, driven as a user drives them: text that
// is not wholly a number (letters, an empty box, a number with a word after it) or a number beyond
// what the field can hold is refused with a message that names the field and the real limit; the
// data set keeps its value and the form stays open on the box, its text selected for correction.
#include "editors_fixture.h"
#include "layered_editor/layered_kinds.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {
namespace {

enum class Editor { Layered, Slab };

struct EntryCase {
  const char* name;
  Editor editor;
  const char* form;
  const char* box;
  const char* typed;
  const char* message;
  Value (*stored)();   // the data set value behind the box
};
void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

// The current data set is 1 throughout; a nonlinear layer's forms work on its line 1.
const EntryCase kCases[] = {
    {"GeneralNpyLetters", Editor::Layered, kind::kLayeredGeneral, "txtNpy", "xyz", "A number is required for NPY.",
     [] { return Value(gLayeredGeneral(1, gen::NPY)); }},
    {"GeneralNlgLetters", Editor::Layered, kind::kLayeredGeneral, "txtNlg", "abc", "A number is required for NLG.",
     [] { return Value(gLayeredGeneral(1, gen::NLG)); }},
    {"GeneralDelSign", Editor::Layered, kind::kLayeredGeneral, "txtDel", "?", "A number is required for DEL.",
     [] { return Value(gLayeredGeneral(1, gen::DEL)); }},
    {"GeneralNunitWord", Editor::Layered, kind::kLayeredGeneral, "txtNunit", "SI", "A number is required for NUNIT.",
     [] { return Value(gLayeredGeneral(1, gen::NUNIT)); }},
    // The number check comes before the range and the zero checks.
    {"GeneralMatlLettersBeforeRange", Editor::Layered, kind::kLayeredGeneral, "txtMatl", "abc",
     "A number is required for MATL.", [] { return Value(gLayeredGeneral(1, gen::MATL)); }},
    {"GeneralNlEmptyBeforeZero", Editor::Layered, kind::kLayeredGeneral, "txtNl", "", "A number is required for NL.",
     [] { return Value(gLayeredGeneral(1, gen::NL)); }},
    {"GeneralNpyNumberAndWord", Editor::Layered, kind::kLayeredGeneral, "txtNpy", "12 periods",
     "A number is required for NPY.", [] { return Value(gLayeredGeneral(1, gen::NPY)); }},
    {"GeneralIclBeyondSinglePrecision", Editor::Layered, kind::kLayeredGeneral, "txtIcl", "1E39",
     "ICL should not be greater than 3.402823E+38.", [] { return Value(gLayeredGeneral(1, gen::ICL)); }},
    {"GeneralNzHuge", Editor::Layered, kind::kLayeredGeneral, "txtNz", "99999", "NZ should not be greater than 19.",
     [] { return Value(gLayeredGeneral(1, gen::NZ)); }},
    {"NonlinearNolayEmpty", Editor::Layered, kind::kNonlinearGeneral, "txtNolay", "",
     "A number is required for NOLAY.", [] { return gLayeredNonlinGeneral(1, nlg::NOLAY); }},
    {"NonlinearSldLetters", Editor::Layered, kind::kNonlinearGeneral, "txtSld", "half",
     "A number is required for SLD.", [] { return gLayeredNonlinGeneral(1, nlg::SLD); }},
    // Values the analysis cannot use are refused with their physical range.
    {"NonlinearSldNegative", Editor::Layered, kind::kNonlinearGeneral, "txtSld", "-3", "SLD should be from 0 to 10.",
     [] { return gLayeredNonlinGeneral(1, nlg::SLD); }},
    {"NonlinearRcnolNegative", Editor::Layered, kind::kNonlinearGeneral, "txtRcnol", "-5",
     "RCNOL should be from 0 to 1000 in.", [] { return gLayeredNonlinGeneral(1, nlg::RCNOL); }},
    {"NonlinearItenolFraction", Editor::Layered, kind::kNonlinearGeneral, "txtItenol", "2.5",
     "ITENOL should be a whole number.", [] { return gLayeredNonlinGeneral(1, nlg::ITENOL); }},
    {"NonlinearItenolBeyondTheAnalysis", Editor::Layered, kind::kNonlinearGeneral, "txtItenol", "50",
     "ITENOL should not be greater than 20.", [] { return gLayeredNonlinGeneral(1, nlg::ITENOL); }},
    {"ViscoDurNegative", Editor::Layered, kind::kViscoGeneral, "txtDur", "-0.1",
     "DUR should be 0 or from .001 to 100 sec.", [] { return gLayeredViscoGeneral(1, vsg::DUR); }},
    {"GranularK2Letters", Editor::Layered, kind::kGranular, "txtK2", "abc", "A number is required for K2.",
     [] { return gLayeredGranular(1, 1, 1); }},
    {"ClayK0Empty", Editor::Layered, kind::kClay, "txtK0", "", "A number is required for K0.",
     [] { return gLayeredClay(1, 1, 4); }},
    {"ViscoDurLetters", Editor::Layered, kind::kViscoGeneral, "txtDur", "slow", "A number is required for DUR.",
     [] { return gLayeredViscoGeneral(1, vsg::DUR); }},
    {"ViscoNtymeEmpty", Editor::Layered, kind::kViscoGeneral, "txtNtyme", "", "A number is required for NTYME.",
     [] { return gLayeredViscoGeneral(1, vsg::NTYME); }},
    // A number beyond a double's range is a number too large, not letters.
    {"ViscoNtymeBeyondDouble", Editor::Layered, kind::kViscoGeneral, "txtNtyme", "1E999",
     "NTYME should not be greater than 15.", [] { return gLayeredViscoGeneral(1, vsg::NTYME); }},
    {"ViscoNvlHuge", Editor::Layered, kind::kViscoGeneral, "txtNvl", "99999", "NVL should not be greater than 12.",
     [] { return gLayeredViscoGeneral(1, vsg::NVL); }},

    {"SlabGeneralNfoundWord", Editor::Slab, kind::kSlabGeneral, "txtNfound", "liquid",
     "A number is required for NFOUND.", [] { return Value(gSlabGeneral(1, gen::kNFOUND)); }},
    {"SlabGeneralNunitEmpty", Editor::Slab, kind::kSlabGeneral, "txtNunit", "", "A number is required for NUNIT.",
     [] { return Value(gSlabGeneral(1, gen::kNUNIT)); }},
    // A count beyond 16 bits is told its own limit.
    {"SlabGeneralNslabHuge", Editor::Slab, kind::kSlabGeneral, "txtNslab", "99999",
     "NSLAB should not be greater than 6", [] { return Value(gSlabGeneral(1, gen::kNSLAB)); }},
    {"SlabGeneralNnckHuge", Editor::Slab, kind::kSlabGeneral, "txtNnck", "1000000",
     "NNCK should not be greater than 420", [] { return Value(gSlabGeneral(1, gen::kNNCK)); }},
    {"SlabGeneralNpyHugelyNegative", Editor::Slab, kind::kSlabGeneral, "txtNpy", "-40000",
     "NPY should not be less than 1", [] { return Value(gSlabGeneral(1, gen::kNPY)); }},
    // No list limits NDAMA: the 16-bit integer it is kept in does.
    {"SlabGeneralNdamaBeyond16Bits", Editor::Slab, kind::kSlabGeneral, "txtNdama", "40000",
     "NDAMA should not be greater than 32767", [] { return Value(gSlabGeneral(1, gen::kNDAMA)); }},
    {"CurlingDelLetters", Editor::Slab, kind::kCurling, "txtDel", "tol", "A number is required for DEL.",
     [] { return gSlabCurling(1, curl::kDEL); }},
    {"CurlingTempEmpty", Editor::Slab, kind::kCurling, "txtTemp", "", "A number is required for TEMP.",
     [] { return gSlabCurling(1, curl::kTEMP); }},
    {"CurlingNgapHuge", Editor::Slab, kind::kCurling, "txtNgap", "99999", "NGAP should not be greater than 120",
     [] { return gSlabCurling(1, curl::kNGAP); }},
    {"CurlingCtBeyondDouble", Editor::Slab, kind::kCurling, "txtCt", "-1D999",
     "CT should not be less than -1.79769313486232E+308.", [] { return gSlabCurling(1, curl::kCT); }},
    {"SolidYmsLetters", Editor::Slab, kind::kSolid, "txtYms", "soft", "A number is required for YMS.",
     [] { return gSlabSolid(1, 1); }},
    {"SolidPrsEmpty", Editor::Slab, kind::kSolid, "txtPrs", "", "A number is required for PRS.",
     [] { return gSlabSolid(1, 2); }},
    {"DowelYmsbLetters", Editor::Slab, kind::kDowel, "txtYmsb", "steel", "A number is required for YMSB.",
     [] { return gSlabDowel(1, 1); }},
    {"DowelPrsbEmpty", Editor::Slab, kind::kDowel, "txtPrsb", "", "A number is required for PRSB.",
     [] { return gSlabDowel(1, 2); }},
};

class FormNumberEntriesTest : public EditorsTest, public ::testing::WithParamInterface<EntryCase> {
 protected:
  // A new layered file whose material types call for the nonlinear and viscoelastic forms.
  void NewLayeredFile() {
    OpenEditor("NEW", main->cmdPeldrane);
    Menu(kind::kLayeredEditor, "mnuNew");
    Menu(kind::kLayeredEditor, "mnuGeneral");
    Fill(kind::kLayeredGeneral, "txtMatl", "4");
    Press(kind::kLayeredGeneral, "cmdOk");
  }
  // A new slab file on a solid foundation with two slabs and a joint, so that the solid foundation
  // and dowel forms apply.
  void NewSlabFile() {
    OpenEditor("NEW", main->cmdCorvista);
    Menu(kind::kSlabEditor, "mnuNew");
    Menu(kind::kSlabEditor, "mnuGeneral");
    Fill(kind::kSlabGeneral, "txtNfound", "1");
    Fill(kind::kSlabGeneral, "txtNslab", "2");
    Fill(kind::kSlabGeneral, "txtNjoint", "1");
    Press(kind::kSlabGeneral, "cmdOk");
  }
  // Opens a form through the menus that lead to it.
  void Open(const std::string& form) {
    if (form == kind::kLayeredGeneral) {
      Menu(kind::kLayeredEditor, "mnuGeneral");
    } else if (form == kind::kNonlinearGeneral) {
      Menu(kind::kLayeredEditor, "mnuNonlinear");
      Menu(kind::kNonlinearMenu, "mnuGeneral");
    } else if (form == kind::kGranular || form == kind::kClay) {
      Menu(kind::kLayeredEditor, "mnuNonlinear");
      Menu(kind::kNonlinearMenu, "mnuNonseasonal");
      // LAYNO, ZCNOL and NCLAY of line 1; Enter on NCLAY opens the granular or the clay form.
      Cells(kind::kGridMain, {"2", "10", form == kind::kGranular ? "0" : "1"});
    } else if (form == kind::kViscoGeneral) {
      Menu(kind::kLayeredEditor, "mnuViscoelastic");
      Menu(kind::kViscoMenu, "mnuGeneral");
    } else if (form == kind::kSlabGeneral) {
      Menu(kind::kSlabEditor, "mnuGeneral");
    } else if (form == kind::kCurling) {
      Menu(kind::kSlabEditor, "mnuCurling");
    } else if (form == kind::kSolid) {
      Menu(kind::kSlabEditor, "mnuFoundation");
    } else if (form == kind::kDowel) {
      Menu(kind::kSlabEditor, "mnuOptional");
      Menu(kind::kOptional, "mnuDowel");
    }
  }
};

TEST_P(FormNumberEntriesTest, IsRefusedWithItsFieldNamedAndTheValueKept) {
  const EntryCase& c = GetParam();
  c.editor == Editor::Layered ? NewLayeredFile() : NewSlabFile();
  Open(c.form);
  ASSERT_TRUE(platform_.windows.IsLoaded(c.form)) << ::testing::PrintToString(platform_.messages.Texts());
  const Value before = c.stored();
  const std::size_t told = platform_.messages.Texts().size();

  Fill(c.form, c.box, c.typed);
  Press(c.form, "cmdOk");

  ASSERT_EQ(platform_.messages.Texts().size(), told + 1) << ::testing::PrintToString(platform_.messages.Texts());
  EXPECT_EQ(platform_.messages.Texts().back(), c.message);
  EXPECT_EQ(c.stored(), before);
  ASSERT_TRUE(platform_.windows.IsLoaded(c.form));
  QWidget& form = Window(c.form);
  auto& box = Control<QLineEdit>(form, c.box);
  EXPECT_EQ(form.focusWidget(), &box);
  EXPECT_EQ(box.text().toStdString(), c.typed);
  EXPECT_EQ(box.selectedText(), box.text());
}

INSTANTIATE_TEST_SUITE_P(EveryForm, FormNumberEntriesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave::testing
