// The thirteen example screens of ROVANTE: six layered examples (frmLay1..frmLay6), six slab
// examples (frmSla1..frmSla6) and the Mohr-Coulomb explanation (frmMohr). Each is a window with a
// figure, a title over it and a description text; this is what each one holds, as data. The
// figures' labels are Qt controls and live with the window (help/gui).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pave {

// A place on a window in twips: left, top, width, height.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ExampleScreen {
  std::string_view kind;      // window kind, "frmLay1"
  std::string_view caption;   // window caption
  std::string_view title;     // title label over the figure
  // The first lines of the description text (none on frmMohr), followed by one empty line.
  std::span<const std::string_view> title_lines;
  // The description lines. A line may run on past the usual length; the text box wraps it.
  std::span<const std::string_view> description;
  TwipsRect picture;          // the figure's box
  TwipsRect title_box;        // the title label
  int text_top = 0;           // the text box, from the left edge at 120 twips
  int text_height = 0;
  std::string_view figure;    // the SVG drawing of the figure (resource path)
  int width = 9700;           // window width in twips
  int text_width = 9375;
  int title_colour = 0xC04000;   // 0xRRGGBB: brown, red on a few screens
  bool text_scroll_bar = true;
  std::string_view print_text_item = "mnuPrintText";   // name of the Print Text menu item
};

inline constexpr int kExampleScreenHeight = 6450;
inline constexpr int kExampleLineLimit = 77;   // longest description line, run-on lines aside
inline constexpr int kExampleTextLeft = 120;

// All thirteen, layered examples first, then the slab examples and the Mohr-Coulomb screen.
std::span<const ExampleScreen> ExampleScreens();
std::span<const ExampleScreen> LayeredExampleScreens();
std::span<const ExampleScreen> SlabExampleScreens();
const ExampleScreen& MohrScreen();

// The screen of a window kind, or null.
const ExampleScreen* FindExampleScreen(std::string_view kind);

// The description text as the screen shows and prints it: the title lines, one empty line, then
// the description lines; every line, the last one included, ends with CR LF.
std::string ExampleScreenText(const ExampleScreen& screen);

// The text as Print Text hands it to the paged printing, whose printed lines are not wrapped: a
// line longer than kExampleLineLimit (a run-on line) is broken at blanks into lines of at most that
// length, so that none of it runs off the page; the other lines stay as they are. Lines end with
// CR LF (LF is read as well).
std::string ExampleScreenPrintText(std::string_view text);

}  // namespace pave
