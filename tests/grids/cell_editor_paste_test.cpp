// Pasting into the cell editor of a grid window, on the real widgets offscreen: every way of pasting
// takes the first line of the clipboard's text; a clipboard without text leaves the cell's text and
// its selection as they are.
#include "grids_fixture.h"
#include "grid_user.h"
#include "grids/gui/single_grid_form.h"

#include <QMenu>

#include <functional>
#include <memory>

namespace pave::testing {
namespace {

class CellEditorPasteTest : public GridsTest {
 protected:
  // The Z-coordinate table of the single-level grid window, two lines " 1" and " 2".
  GridForm& Open() {
    Owner("frmPELDRANE", {"lblZcoord"});
    for (int i = 1; i <= 2; ++i) L->ZC(1, i) = Value(i);
    L->General(1, 7) = 2.0f;
    gScreenCode = Value(103);
    gGridCols = 2;
    gGridLines = Value(2);
    LoadWindow(kind::kGridSingle);
    return *Grid(kind::kGridSingle);
  }
};

TEST_F(CellEditorPasteTest, EveryWayOfPastingTakesTheFirstLineOfTheClipboard) {
  GridForm& f = Open();
  QLineEdit& box = f.cell_editor().box();
  struct Way {
    const char* name;
    std::function<void()> paste;
  } ways[] = {
      {"Ctrl+V", [&] { Key(f, Qt::Key_V, Qt::ControlModifier); }},
      {"Shift+Insert", [&] { Key(f, Qt::Key_Insert, Qt::ShiftModifier); }},
      {"context menu",
       [&] {
         std::unique_ptr<QMenu> menu(f.cell_editor().ContextMenu());
         if (QAction* paste = menu->findChild<QAction*>("edit-paste")) paste->trigger();
       }},
  };
  struct Content {
    const char* name;
    std::string clipboard;
    std::string shown;   // the editor's text after the paste
  } contents[] = {
      {"no text", "", " 2"},
      {"two lines", "12.5\r\n7\r\n", "12.5"},
      {"an empty first line", "\n7", " 2"},
  };
  for (const Way& way : ways) {
    for (const Content& c : contents) {
      SCOPED_TRACE(std::string(way.name) + " with " + c.name);
      ClickCell(f, 2, 1);
      Key(f, Qt::Key_Return);   // the editor opens with the cell's text
      ASSERT_TRUE(box.isVisible());
      box.selectAll();
      platform_.clipboard.text = c.clipboard;
      way.paste();
      EXPECT_EQ(box.text().toStdString(), c.shown);
      if (c.shown == " 2") {
        EXPECT_EQ(box.selectedText(), " 2");
      }
      Key(f, Qt::Key_Return);
      EXPECT_EQ(Cell(f, 2, 1), c.shown);
      f.grid().SetText(2, 1, " 2");
    }
  }
}

}  // namespace
}  // namespace pave::testing
