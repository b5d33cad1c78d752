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

// Where the identifier of the `occurrence`-th line of record `identifier` stands.
std::size_t RecordAt(const std::string& text, const std::string& identifier, int occurrence) {
  std::size_t at = std::string::npos, from = 0;
  for (int n = 0; n < occurrence; ++n) {
    at = text.find(identifier + "\r\n", from);
    if (at == std::string::npos) throw std::logic_error("no record " + identifier);
    from = at + 1;
  }
  return at;
}

// The example's text with the items of the `occurrence`-th line of record `identifier` replaced
// by `items` (empty: the line taken out).
std::string WithRecord(const std::string& text, const std::string& identifier, const std::string& items,
                       int occurrence = 1) {
  const std::size_t at = RecordAt(text, identifier, occurrence);
  const std::size_t start = text.rfind("\r\n", at) + 2;
  const std::size_t end = at + identifier.size() + 2;
  return text.substr(0, start) + (items.empty() ? "" : " " + items + "  " + identifier + "\r\n") + text.substr(end);
}

// A line of record `identifier` with `items` put before the `occurrence`-th line of record `before`
// (the same record when none is given), or after it.
std::string WithRecordBefore(const std::string& text, const std::string& identifier, const std::string& items,
                             int occurrence = 1, const std::string& before = "") {
  const std::size_t at = RecordAt(text, before.empty() ? identifier : before, occurrence);
  const std::size_t start = text.rfind("\r\n", at) + 2;
  return text.substr(0, start) + " " + items + "  " + identifier + "\r\n" + text.substr(start);
}
std::string WithRecordAfter(const std::string& text, const std::string& identifier, const std::string& items,
                            int occurrence) {
  const std::size_t end = RecordAt(text, identifier, occurrence) + identifier.size() + 2;
  return text.substr(0, end) + " " + items + "  " + identifier + "\r\n" + text.substr(end);
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
  using EditorsTest::Fill;
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
  // A table of a menu form of the layered editor (Nonlinear, Viscoelastic, Damage), confirmed with
  // OK, and the menu form closed with its OK.
  void InMenuTable(const char* menu, const char* menu_form, const char* item, const char* window,
                   const std::function<void()>& work) {
    Menu(kLayered, menu);
    Menu(menu_form, item);
    work();
    Ok(window);
    CloseMenu(menu_form);
  }
  // A period's table of a menu form, through the period selector.
  void InMenuPeriod(const char* menu, const char* menu_form, const char* item, int period,
                    const std::function<void()>& work) {
    Menu(kLayered, menu);
    InPeriod(menu_form, item, period, work);
    CloseMenu(menu_form);
  }
  // The creep compliances of a viscoelastic layer sequence, through the layer chooser.
  void InCreep(int sequence, const std::function<void()>& work) {
    Menu(kLayered, "mnuViscoelastic");
    Menu(kind::kViscoMenu, "mnuCreep");
    Press(kind::kLayerChooser, "cmdLayer" + std::to_string(sequence));
    work();
    Ok(kind::kGridSingle);
    Press(kind::kLayerChooser, "cmdOk");
    CloseMenu(kind::kViscoMenu);
  }
  void CloseMenu(const char* menu_form) { Press(menu_form, menu_form == std::string(kind::kViscoMenu) ? "cmdOK" : "cmdOk"); }
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

// ---- Lines deleted and inserted: layers, periods, load groups, sequences, times ----

struct LayerCase {
  const char* name;
  const char* editor;
  const char* example;
  std::function<void(TablesAtSaveTest&)> work;
  std::function<std::string(const std::string&)> saved;   // the file saved, from the example's text
  const char* told = nullptr;                               // the message on the way (nullptr: none)
  std::function<std::string(const std::string&)> opened{};  // the file opened (none: the example)
};
void PrintTo(const LayerCase& c, std::ostream* os) { *os << c.name; }

class LinesAtSave : public TablesAtSaveTest, public ::testing::WithParamInterface<LayerCase> {};

TEST_P(LinesAtSave, KeepEachLinesValuesTogetherInEveryRecord) {
  const LayerCase& c = GetParam();
  const std::string example = c.opened ? c.opened(ExampleText(c.example)) : ExampleText(c.example);
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
    Layers, LinesAtSave,
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

std::function<void(TablesAtSaveTest&)> InViscoTable(const char* item, const char* window,
                                                    std::function<void(TablesAtSaveTest&)> work) {
  return [=](TablesAtSaveTest& t) {
    t.InMenuTable("mnuViscoelastic", kind::kViscoMenu, item, window, [&] { work(t); });
  };
}

// LAY3's creep times and compliances with the time of position `gone` (1 to 7) taken out.
std::string Lay3WithoutTime(const std::string& text, std::size_t gone) {
  std::vector<std::string> times{".01", ".03", ".1", ".3", "1", "3", "10"};
  std::vector<std::string> first{"1.02E-06", "1.06E-06", "1.21E-06", "1.59E-06", "2.68E-06", "4.84E-06", "9.27E-06"};
  std::vector<std::string> second{".000105", ".000289", ".000732", ".00125", ".00195", ".00359", ".00732"};
  const auto joined = [gone](std::vector<std::string> items) {
    items.erase(items.begin() + static_cast<long>(gone) - 1);
    std::string line;
    for (const std::string& s : items) line += (line.empty() ? "" : "   ") + s;
    return line;
  };
  std::string t = WithRecord(text, "(38) NTYME", "6");
  t = WithRecord(t, "(39) TYME", joined(times));
  t = WithRecord(t, "(42) CREEP", joined(first), 1);
  return WithRecord(t, "(42) CREEP", joined(second), 2);
}

// LAY6 with the relaxation factors .5 and .25 of its two periods, told apart.
std::string Lay6Relaxed(const std::string& text) { return WithRecord(text, "(29) RELAX", ".5   .25"); }

INSTANTIATE_TEST_SUITE_P(
    Indexes, LinesAtSave,
    ::testing::Values(
        LayerCase{"TimeDeletedInTheTimeTable", kLayered, "LAY3",
                  InViscoTable("mnuDuration", kind::kGridSingle,
                               [](TablesAtSaveTest& t) { t.CtrlKey(kind::kGridSingle, 2, Qt::Key_Delete); }),
                  [](const std::string& text) { return Lay3WithoutTime(text, 2); }},
        LayerCase{"TimeDeletedInACreepTable", kLayered, "LAY3",
                  [](TablesAtSaveTest& t) { t.InCreep(2, [&] { t.CtrlKey(kind::kGridSingle, 7, Qt::Key_Delete); }); },
                  [](const std::string& text) { return Lay3WithoutTime(text, 7); }},
        // A time put first: its compliances are entered for each layer.
        LayerCase{"TimeInsertedInTheTimeTable", kLayered, "LAY3",
                  [](TablesAtSaveTest& t) {
                    InViscoTable("mnuDuration", kind::kGridSingle, [](TablesAtSaveTest& u) {
                      u.CtrlKey(kind::kGridSingle, 1, Qt::Key_Insert);
                      u.TypeInto(kind::kGridSingle, 1, 1, ".003");
                    })(t);
                    t.InCreep(1, [&] { t.TypeInto(kind::kGridSingle, 1, 1, ".000001"); });
                    t.InCreep(2, [&] { t.TypeInto(kind::kGridSingle, 1, 1, ".0001"); });
                  },
                  [](const std::string& text) {
                    std::string t = WithRecord(text, "(38) NTYME", "8");
                    t = WithRecord(t, "(39) TYME", ".003   .01   .03   .1   .3   1   3   10");
                    t = WithRecord(t, "(42) CREEP", ".000001   1.02E-06   1.06E-06   1.21E-06   1.59E-06   2.68E-06   4.84E-06   9.27E-06", 1);
                    return WithRecord(t, "(42) CREEP", ".0001   .000105   .000289   .000732   .00125   .00195   .00359   .00732", 2);
                  }},
        // Period 1 goes from every table: moduli, seasonal values, relaxation, temperatures, traffic.
        LayerCase{"PeriodDeletedInTheRelaxationTable", kLayered, "LAY6",
                  [](TablesAtSaveTest& t) {
                    t.InMenuTable("mnuNonlinear", kind::kNonlinearMenu, "mnuRelaxation", kind::kGridSingle,
                                  [&] { t.CtrlKey(kind::kGridSingle, 1, Qt::Key_Delete); });
                  },
                  [](const std::string& text) {
                    std::string t = WithItem(text, "(3) MATL NDAMA NPY NLG", 2, "1");
                    t = WithRecord(t, "(11) E", "", 1);
                    t = WithRecord(t, "(29) RELAX", ".25");
                    t = WithRecord(t, "(33) PHI K1", "", 1);
                    t = WithRecord(t, "(33) EMIN EMAX K1", "", 1);
                    t = WithRecord(t, "(44) TEMP", "", 1);
                    return WithRecord(t, "(49) TNLR", "", 1);
                  },
                  nullptr, Lay6Relaxed},
        // A period put second: a relaxation factor typed, its moduli, seasonal values and traffic entered; its
        // temperature is the default the temperature table shows.
        LayerCase{"PeriodInsertedInTheRelaxationTable", kLayered, "LAY6",
                  [](TablesAtSaveTest& t) {
                    t.InMenuTable("mnuNonlinear", kind::kNonlinearMenu, "mnuRelaxation", kind::kGridSingle, [&] {
                      t.CtrlKey(kind::kGridSingle, 2, Qt::Key_Insert);
                      t.TypeInto(kind::kGridSingle, 2, 1, ".125");
                    });
                    t.InPeriod(kLayered, "mnuModuli", 2, [&] { t.Cells(kind::kGridSingle, {"0", "9000", "11000"}); });
                    // Its seasonal values: the granular layer's PHI and K1, the clay layer's EMIN, EMAX and K1.
                    t.Menu(kLayered, "mnuNonlinear");
                    t.Menu(kind::kNonlinearMenu, "mnuSeasonal");
                    t.Press(kind::kLayerChooser, "cmdLayer1");
                    t.TypeInto(kind::kGridSingle, 2, 1, "40");
                    t.TypeInto(kind::kGridSingle, 2, 2, "9000");
                    t.Ok(kind::kGridSingle);
                    t.Press(kind::kLayerChooser, "cmdLayer2");
                    t.TypeInto(kind::kGridMulti, 2, 1, "1827");
                    t.TypeInto(kind::kGridMulti, 2, 2, "7682");
                    t.TypeInto(kind::kGridMulti, 2, 3, "3020");
                    t.Ok(kind::kGridMulti);
                    t.Press(kind::kLayerChooser, "cmdOk");
                    t.CloseMenu(kind::kNonlinearMenu);
                    t.InMenuPeriod("mnuDamage", kind::kLayeredDamage, "mnuVolume", 2,
                                   [&] { t.Cells(kind::kGridSingle, {"9000", "18000"}); });
                  },
                  [](const std::string& text) {
                    std::string t = WithItem(text, "(3) MATL NDAMA NPY NLG", 2, "3");
                    t = WithRecordBefore(t, "(11) E", "0   9000   11000", 2);
                    t = WithRecord(t, "(29) RELAX", ".5   .125   .25");
                    t = WithRecordBefore(t, "(33) EMIN EMAX K1", "1827   7682   3020", 2, "(33) PHI K1");
                    t = WithRecordBefore(t, "(33) PHI K1", "40   9000", 2, "(33) EMIN EMAX K1");
                    t = WithRecordBefore(t, "(44) TEMP", "70", 2);
                    return WithRecordBefore(t, "(49) TNLR", "9000   18000", 2);
                  },
                  nullptr, Lay6Relaxed},
        // Load group 1 (the single axle) goes with its traffic; the tandem and tridem keep theirs.
        LayerCase{"LoadGroupDeletedInTheVolumeTable", kLayered, "LAY5",
                  [](TablesAtSaveTest& t) {
                    t.InMenuPeriod("mnuDamage", kind::kLayeredDamage, "mnuVolume", 1,
                                   [&] { t.CtrlKey(kind::kGridSingle, 1, Qt::Key_Delete); });
                  },
                  [](const std::string& text) {
                    std::string t = WithItem(text, "(3) MATL NDAMA NPY NLG", 3, "2");
                    for (const char* record : {"(13) LOAD", "(14) CR CP", "(19) NPT", "(20) XW YW XPT"})
                      t = WithRecord(t, record, "", 1);
                    return WithRecord(t, "(49) TNLR", "2000   3000");
                  },
                  nullptr, [](const std::string& text) { return WithRecord(text, "(49) TNLR", "1000   2000   3000"); }},
        // Viscoelastic sequence 1 (layer 1) goes with its shift factor, compliances and temperatures;
        // layer 1, elastic now, gets a modulus.
        LayerCase{"ViscoelasticSequenceDeletedInTheTemperatureTable", kLayered, "LAY3",
                  [](TablesAtSaveTest& t) {
                    t.InMenuPeriod("mnuViscoelastic", kind::kViscoMenu, "mnuTemperature", 1,
                                   [&] { t.CtrlKey(kind::kGridSingle, 1, Qt::Key_Delete); });
                    t.InPeriod(kLayered, "mnuModuli", 1, [&] { t.TypeInto(kind::kGridSingle, 1, 1, "500000"); });
                  },
                  [](const std::string& text) {
                    std::string t = WithRecord(text, "(11) E", "500000   0");
                    t = WithRecord(t, "(37) NVL LNV", "1   2");
                    t = WithRecord(t, "(41) BETA TEMPREF", "", 1);
                    t = WithRecord(t, "(42) CREEP", "", 1);
                    return WithRecord(t, "(44) TEMP", "70");
                  }},
        // A sequence put first for layer 2: its compliances are entered, and its temperature in every
        // period is the default.
        LayerCase{"ViscoelasticSequenceInsertedInTheLayerTable", kLayered, "LAY4",
                  [](TablesAtSaveTest& t) {
                    InViscoTable("mnuLayer", kind::kGridMulti, [](TablesAtSaveTest& u) {
                      u.CtrlKey(kind::kGridMulti, 1, Qt::Key_Insert);
                      u.Cells(kind::kGridMulti, {"2", ".113", "70"});
                    })(t);
                    t.InCreep(1, [&] {
                      t.Cells(kind::kGridSingle, {".00001", ".00002", ".00003", ".00004", ".00005", ".00006", ".00007",
                                                  ".00008", ".00009", ".0001", ".0002"});
                    });
                  },
                  [](const std::string& text) {
                    std::string t = WithRecord(text, "(37) NVL LNV", "2   2   1");
                    t = WithRecordBefore(t, "(42) CREEP",
                                         ".00001   .00002   .00003   .00004   .00005   .00006   .00007   .00008   .00009   "
                                         ".0001   .0002",
                                         1, "(41) BETA TEMPREF");
                    t = WithRecordBefore(t, "(41) BETA TEMPREF", ".113   70", 1, "(42) CREEP");
                    const char* temps[] = {"49.7", "59.5", "81.6", "70.1"};
                    for (int p = 1; p <= 4; ++p)
                      t = WithRecord(t, "(44) TEMP", std::string("70   ") + temps[p - 1], p);
                    return t;
                  }},
        // A period added by NPY: its temperature table shows the default, and Save stores it.
        LayerCase{"PeriodAddedShowsAndStoresTheDefaultTemperature", kLayered, "LAY4",
                  [](TablesAtSaveTest& t) {
                    t.Menu(kLayered, "mnuGeneral");
                    t.Fill(kind::kLayeredGeneral, "txtNpy", "5");
                    t.Press(kind::kLayeredGeneral, "cmdOk");
                    t.InPeriod(kLayered, "mnuModuli", 5, [&] { t.Cells(kind::kGridSingle, {"0", "30000", "15000"}); });
                    t.InMenuPeriod("mnuDamage", kind::kLayeredDamage, "mnuVolume", 5,
                                   [&] { t.Cells(kind::kGridSingle, {"45630"}); });
                    t.InMenuPeriod("mnuViscoelastic", kind::kViscoMenu, "mnuTemperature", 5, [&] {
                      EXPECT_EQ(t.Grid(kind::kGridSingle).grid().Text(1, 1), " 70");
                    });
                  },
                  [](const std::string& text) {
                    std::string t = WithItem(text, "(3) MATL NDAMA NPY NLG", 2, "5");
                    t = WithRecordAfter(t, "(11) E", "0   30000   15000", 4);
                    t = WithRecordAfter(t, "(44) TEMP", "70", 4);
                    t = WithRecordAfter(t, "(49) TNLR", "45630", 4);
                    return t;
                  }}),
    [](const ::testing::TestParamInfo<LayerCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave::testing
