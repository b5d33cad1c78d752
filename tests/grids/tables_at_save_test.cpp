// What the tables of both editors leave for Save, driven through the real windows: a value typed into
// a grid is refused by Save exactly as the same value read from a file is, and a layer line deleted
// or inserted in a table moves the layer in every per-layer table, so that the saved file keeps each
// layer's values together (or the deletion is refused, saying why).
#include <functional>
#include <sstream>

#include "editors_fixture.h"
#include "layered_editor/layered_kinds.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {
namespace {

constexpr const char* kLayered = kind::kLayeredEditor;
constexpr const char* kSlab = kind::kSlabEditor;

// The example's text with the items of the `occurrence`-th line of record `identifier` replaced
// by `items` (empty: the line taken out).
std::string WithRecord(const std::string& text, const std::string& identifier, const std::string& items,
                       int occurrence = 1) {
  std::size_t at = std::string::npos, from = 0;
  for (int n = 0; n < occurrence; ++n) {
    at = text.find(identifier + "\r\n", from);
    if (at == std::string::npos) throw std::logic_error("no record " + identifier);
    from = at + 1;
  }
  const std::size_t start = text.rfind("\r\n", at) + 2;
  const std::size_t end = at + identifier.size() + 2;
  return text.substr(0, start) + (items.empty() ? "" : " " + items + "  " + identifier + "\r\n") + text.substr(end);
}

// The `index`-th item of that line replaced by `item`.
std::string WithItem(const std::string& text, const std::string& identifier, int index, const std::string& item) {
  const std::size_t at = text.find(identifier + "\r\n");
  const std::size_t start = text.rfind("\r\n", at) + 2;
  std::istringstream in(text.substr(start, at - start));
  std::vector<std::string> items;
  for (std::string s; in >> s;) items.push_back(s);
  items.at(static_cast<std::size_t>(index)) = item;
  std::string line;
  for (const std::string& s : items) line += (line.empty() ? "" : "   ") + s;
  return WithRecord(text, identifier, line);
}

class TablesAtSaveTest : public EditorsTest {
 public:
  // What a case does, through the real windows.
  using EditorsTest::Menu;
  using EditorsTest::Ok;
  using EditorsTest::Press;
  using EditorsTest::Cells;
  using EditorsTest::Grid;
  void Open(const char* editor, const std::string& name, const std::string& text) {
    WriteFile(data_dir + name + ".DAT", text);
    OpenEditor(name, editor == kLayered ? main->cmdPeldrane : main->cmdCorvista);
    platform_.file_dialog.QueueChoice(data_dir + name + ".DAT");
    Menu(editor, "mnuOpen");
  }
  // One cell of a table typed: a click on it, the value and Enter.
  void TypeInto(const char* window, int line, int col, const std::string& value) {
    ClickCell(Grid(window), line, col);
    Enter(Grid(window), value);
  }
  void CtrlKey(const char* window, int line, Qt::Key key) {
    ClickCell(Grid(window), line, 1);
    Key(Grid(window), key, Qt::ControlModifier);
  }
  // A table of a menu of the layered editor, confirmed with OK.
  void InTable(const char* menu, const char* window, const std::function<void()>& work) {
    Menu(kLayered, menu);
    work();
    Ok(window);
  }
  // A period's table through the period selector.
  void InPeriod(const char* owner, const char* menu, int period, const std::function<void()>& work) {
    Menu(owner, menu);
    Press(kind::kPeriod, "cmdPeriod" + std::to_string(period));
    work();
    Ok(kind::kGridSingle);
    Press(kind::kPeriod, "cmdOK");
  }
  // The layered foundation's table of layers, through its main table.
  void FoundationLayers(const std::function<void()>& work) {
    Menu(kSlab, "mnuFoundation");
    DoubleClickCell(Grid(kind::kGridMainSlab), 1, 1);
    work();
    Ok(kind::kGridMulti);
    Ok(kind::kGridMainSlab);
  }
  void Save(const char* editor) {
    platform_.messages.shown.clear();
    Press(editor, "cmdSave");
  }
  void Exit(const char* editor) {
    platform_.messages.QueueAnswer(MessageAnswer::No);
    Press(editor, "cmdExit");
  }
};

// ---- A value typed is refused as the same value read ----

struct TypedCase {
  const char* name;
  const char* editor;
  const char* example;
  std::function<void(TablesAtSaveTest&)> type;   // the value typed through the editor's tables
  const char* identifier;                         // ... and the same value in the file: the record,
  int index;                                      // the place of the item in it,
  const char* item;                               // the item
};
void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class TypedValueAtSave : public TablesAtSaveTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedValueAtSave, IsRefusedWithTheMessageOfTheSameValueRead) {
  const TypedCase& c = GetParam();
  const std::string example = ExampleText(c.example);
  Open(c.editor, c.example, WithItem(example, c.identifier, c.index, c.item));
  Save(c.editor);
  const std::string read = LastMessage();
  EXPECT_EQ(read.rfind("Data Set 1: ", 0), 0u) << read;
  Exit(c.editor);

  Open(c.editor, c.example, example);
  c.type(*this);
  Save(c.editor);
  EXPECT_EQ(LastMessage(), read);
  EXPECT_EQ(FileText(data_dir + c.example + ".DAT"), example);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TypedValueAtSave,
    ::testing::Values(
        TypedCase{"LayerThickness", kLayered, "LAY1",
                  [](TablesAtSaveTest& t) {
                    t.InTable("mnuLayer", kind::kGridMulti, [&] { t.TypeInto(kind::kGridMulti, 1, 1, "-5"); });
                  },
                  "(6) TH", 0, "-5"},
        TypedCase{"PoissonsRatio", kLayered, "LAY1",
                  [](TablesAtSaveTest& t) {
                    t.InTable("mnuLayer", kind::kGridMulti, [&] { t.TypeInto(kind::kGridMulti, 1, 2, "0.7"); });
                  },
                  "(7) PR", 0, ".7"},
        TypedCase{"Modulus", kLayered, "LAY1",
                  [](TablesAtSaveTest& t) {
                    t.InPeriod(kLayered, "mnuModuli", 1, [&] { t.TypeInto(kind::kGridSingle, 1, 1, "-740000"); });
                  },
                  "(11) E", 0, "-740000"},
        TypedCase{"Depth", kLayered, "LAY1",
                  [](TablesAtSaveTest& t) {
                    t.InTable("mnuZcoord", kind::kGridSingle, [&] { t.TypeInto(kind::kGridSingle, 1, 1, "-6"); });
                  },
                  "(8) ZC", 0, "-6"},
        TypedCase{"FoundationLayerThickness", kSlab, "SLA5",
                  [](TablesAtSaveTest& t) { t.FoundationLayers([&] { t.TypeInto(kind::kGridMulti, 1, 1, "-6"); }); },
                  "(31) TH", 0, "-6"},
        TypedCase{"FoundationPoissonsRatio", kSlab, "SLA5",
                  [](TablesAtSaveTest& t) { t.FoundationLayers([&] { t.TypeInto(kind::kGridMulti, 2, 3, ".7"); }); },
                  "(33) PRBF", 1, ".7"}),
    [](const ::testing::TestParamInfo<TypedCase>& info) { return std::string(info.param.name); });

// ---- Layers deleted and inserted ----

struct LayerCase {
  const char* name;
  const char* editor;
  const char* example;
  std::function<void(TablesAtSaveTest&)> work;
  std::function<std::string(const std::string&)> saved;   // the file saved, from the example's text
  const char* told = nullptr;                               // the message on the way (nullptr: none)
};
void PrintTo(const LayerCase& c, std::ostream* os) { *os << c.name; }

class LayerLinesAtSave : public TablesAtSaveTest, public ::testing::WithParamInterface<LayerCase> {};

TEST_P(LayerLinesAtSave, KeepEachLayersValuesTogetherInEveryRecord) {
  const LayerCase& c = GetParam();
  const std::string example = ExampleText(c.example);
  Open(c.editor, c.example, example);
  platform_.messages.shown.clear();
  c.work(*this);
  EXPECT_EQ(platform_.messages.Texts(), c.told ? std::vector<std::string>{c.told} : std::vector<std::string>{});
  Save(c.editor);
  EXPECT_EQ(LastMessage(), std::string("File with a filename of ") + c.example + ".DAT has been saved");
  EXPECT_EQ(FileItems(FileText(data_dir + c.example + ".DAT")), FileItems(c.saved(example)));
}

std::function<void(TablesAtSaveTest&)> DeleteInTheLayerTable(int line) {
  return [line](TablesAtSaveTest& t) {
    t.InTable("mnuLayer", kind::kGridMulti, [&] { t.CtrlKey(kind::kGridMulti, line, Qt::Key_Delete); });
  };
}

// LAY1 without its base layer (layer 2), deleted in the layer table or in a period's moduli.
std::string Lay1WithoutLayer2(const std::string& text) {
  std::string t = WithItem(text, "(5) NL NZ ICL NSTD NUNIT", 0, "2");
  t = WithRecord(t, "(6) TH", "6");
  t = WithRecord(t, "(7) PR", ".4   .45");
  return WithRecord(t, "(11) E", "740000   11000");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LayerLinesAtSave,
    ::testing::Values(
        LayerCase{"Lay1DeletedInTheLayerTable", kLayered, "LAY1",
                  DeleteInTheLayerTable(2),
                  Lay1WithoutLayer2},
        LayerCase{"Lay1DeletedInThePeriodsModuli", kLayered, "LAY1",
                  [](TablesAtSaveTest& t) {
                    t.InPeriod(kLayered, "mnuModuli", 1, [&] { t.CtrlKey(kind::kGridSingle, 2, Qt::Key_Delete); });
                  },
                  Lay1WithoutLayer2},
        // Four periods of moduli; the top compression of the subgrade follows it to layer 2.
        LayerCase{"Lay4DeletedInTheLayerTable", kLayered, "LAY4",
                  DeleteInTheLayerTable(2),
                  [](const std::string& text) {
                    std::string t = WithItem(text, "(5) NL NZ ICL NSTD NUNIT", 0, "2");
                    t = WithRecord(t, "(6) TH", "6");
                    t = WithRecord(t, "(7) PR", ".5   .5");
                    for (int p = 1; p <= 4; ++p) t = WithRecord(t, "(11) E", "0   15000", p);
                    return WithRecord(t, "(48) LNTC", "2");
                  }},
        // A layer put between the asphalt and the granular base: the nonlinear layers, their unit
        // weights and the top compression move down one layer; the new layer's moduli are typed.
        LayerCase{"Lay6InsertedInTheLayerTable", kLayered, "LAY6",
                  [](TablesAtSaveTest& t) {
                    t.InTable("mnuLayer", kind::kGridMulti, [&] {
                      t.CtrlKey(kind::kGridMulti, 2, Qt::Key_Insert);
                      t.Cells(kind::kGridMulti, {"4", ".3", "140"});
                    });
                    t.InPeriod(kLayered, "mnuModuli", 1, [&] { t.TypeInto(kind::kGridSingle, 2, 1, "50000"); });
                    t.InPeriod(kLayered, "mnuModuli", 2, [&] { t.TypeInto(kind::kGridSingle, 2, 1, "60000"); });
                  },
                  [](const std::string& text) {
                    std::string t = WithItem(text, "(5) NL NZ ICL NSTD NUNIT", 0, "4");
                    t = WithRecord(t, "(6) TH", "6   4   8");
                    t = WithRecord(t, "(7) PR", ".4   .3   .35   .45");
                    t = WithRecord(t, "(11) E", "0   50000   7500   3020", 1);
                    t = WithRecord(t, "(11) E", "0   60000   10000   12340", 2);
                    t = WithRecord(t, "(26) LAYNO NCLAY", "3   0   4   1");
                    t = WithRecord(t, "(30) GAM", "145   140   135   125");
                    return WithRecord(t, "(48) LNTC", "4");
                  }},
        // Every layer of LAY2 is a nonlinear layer: none can go before its nonlinear data.
        LayerCase{"Lay2NonlinearLayerStays", kLayered, "LAY2",
                  [](TablesAtSaveTest& t) {
                    t.InTable("mnuLayer", kind::kGridMulti, [&] {
                      t.CtrlKey(kind::kGridMulti, 3, Qt::Key_Delete);
                      EXPECT_EQ(t.Grid(kind::kGridMulti).grid().Rows(), 8);
                    });
                  },
                  [](const std::string& text) { return text; },
                  "Layer 3 cannot be deleted: LAYNO of nonlinear layer sequence 3 names it. Delete that sequence in "
                  "the Nonlinear\\Nonseasonal table first, or give it another layer."},
        // The layers of a layered foundation are all in their one table.
        LayerCase{"Sla5FoundationLayerDeleted", kSlab, "SLA5",
                  [](TablesAtSaveTest& t) {
                    t.FoundationLayers([&] { t.CtrlKey(kind::kGridMulti, 1, Qt::Key_Delete); });
                  },
                  [](const std::string& text) {
                    std::string t = WithRecord(text, "(30) NL MAXIC", "1   30");
                    t = WithRecord(t, "(31) TH", "");
                    t = WithRecord(t, "(32) E", "5000");
                    return WithRecord(t, "(33) PRBF", ".4");
                  }}),
    [](const ::testing::TestParamInfo<LayerCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave::testing
