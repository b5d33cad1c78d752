// The parameter-form pattern of both input editors: rows of a label and a value box, the label
// ending with the field name in parentheses ("Number of layers ... (NL)"); a click into a value box
// empties it; OK converts each box in the form's order to its numeric value, runs the form's tests
// in between and stores the values; the first failing test shows its message and leaves the form
// open on the box concerned; a successful OK closes the form and marks the caller's status label
// "done". Every value box must hold a number (letters or an empty box are refused, never taken as
// 0); counts are checked to be whole numbers inside their index range before they are stored. A
// form of an editor's session stores nothing once that session has ended (shell/editor_windows.h).
// A refused OK stores nothing, and a form closed any other way than by its OK leaves the data sets
// as they were.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/value.h"
#include "platform/gui/control_table.h"
#include "platform/gui/form.h"
#include "shell/editor_windows.h"

namespace pave {

struct ValueRange;

// One row: the value box's name, the label's text and the field name.
struct ParameterRow {
  std::string_view box;
  std::string_view text;
  std::string_view field;
  int colour = colour::kDefault;   // the box's text colour
};

// Where the rows stand (twips, inside the form below its menu bar).
struct ParameterLayout {
  int left = 240;           // labels
  int label_width = 7500;
  int box_left = 7920;
  int box_width = 1320;
  int top = 240;            // first row
  int pitch = 345;          // row to row
  int height = 285;         // box height
  int help_height = 1300;   // help text box under the rows
  int form_width = 9615;    // the form's outer width
};

class ParameterForm : public Form, public EditorBound {
  Q_OBJECT

 public:
  // The message boxes' title.
  static constexpr const char* kTitle = "ROVANTE";

  // Shows the form; the first time, what its boxes and buttons show is noted, so that entries made
  // since can be told.
  void Show() override;

  // EditorBound
  bool HoldsEdits() const override;
  std::string WindowTitle() const override;
  bool TakeEdits() override;
  void DropEdits() override;

 protected:
  // Builds the form: `rows` (from `first_row` on, below any rows of `extra`), the OK button cmdOk
  // ("&OK") and the help text box Text1 (blue text) under the rows, plus the form's own controls.
  void BuildParameterForm(std::string_view name, const std::string& caption, std::span<const ParameterRow> rows,
                          const ParameterLayout& layout = {}, std::span<const ControlSpec> extra = {},
                          int first_row = 0);

  // The label of a row ("txtNl" has "lblNl") and its caption: the text, blanks up to the column of
  // the field names, and the field name in parentheses.
  static std::string LabelName(std::string_view box);
  void SetCaption(std::string_view box, std::string_view text, std::string_view field);

  QLineEdit& Box(std::string_view name) const;
  // Puts a title into its box. A title longer than the box takes (a file written elsewhere) is
  // shown whole: the box then takes that many characters, so that OK keeps it as it was read.
  void SetTitleBox(std::string_view name, const std::string& title);
  void SetBox(std::string_view name, const Value& v);
  void SetBox(std::string_view name, float v);   // a single-precision value with its 7 digits
  // The number in a value box. Its text must be wholly a number (blanks around it allowed);
  // otherwise the message names the box's field ("A number is required for DEL."), the box keeps
  // the focus with its text selected, and nothing is returned: the caller stores nothing of that
  // field and ends its OK. A number beyond the range of a double is refused naming that limit.
  std::optional<double> BoxValue(std::string_view box);
  // The numbers in the value boxes of `rows`, in their order; nothing once a box does not hold one.
  std::optional<std::vector<double>> BoxValues(std::span<const ParameterRow> rows);
  // A number for a value held in single precision: also within that precision's range.
  std::optional<double> BoxSingle(std::string_view box);
  // A count from a box: a number first, then a whole number from `low` to `high`. Otherwise shows
  // a message in the style of the forms ("NPY should not be greater than 12.", "NPY should be a
  // whole number.") and returns nothing, the box keeping the focus as above.
  std::optional<int> BoxCount(std::string_view box, int low, int high);
  // A number within a physical range (common/value_ranges.h) in the data set's units (`si`):
  // otherwise the message gives the range ("DUR should be 0 or from .001 to 100 sec."), as above.
  std::optional<double> BoxInRange(std::string_view box, const ValueRange& range, bool si);
  // The field name of a value box's row ("txtDel" gives "DEL").
  std::string FieldOf(std::string_view box) const;
  // Shows a refusal about a box and puts the focus on the box with its text selected, so that the
  // user corrects it at once.
  void RefuseAt(std::string_view box, const std::string& message);
  // Leaves the form open on a box, its text selected, without a message (the user cancelled a
  // question of the OK).
  void StayAt(std::string_view box);
  // Shows a refusal (OK button, the program's title).
  void Refuse(const std::string& message) const;
  // Closes the form (it leaves the window registry).
  void Close();
  // The help text box.
  void SetHelp(const std::string& text);

  // The OK handler of the form: it closes the form when it succeeds.
  virtual void Ok() = 0;
  void Destroy() override;

 private:
  std::deque<std::string> texts_;   // captions the control table points into
  std::vector<ControlSpec> controls_;
  std::map<std::string, std::string, std::less<>> fields_;   // field name of each value box
  double column_ = 0;   // pixels from a label's left edge to its field name
  std::map<std::string, std::pair<std::string, std::string>> captions_;   // box: text and field
  std::optional<std::vector<std::string>> shown_;   // what the boxes and buttons showed at first

  // What the boxes show and which buttons are checked, in a fixed order.
  std::vector<std::string> Shown() const;
  // The OK button's click: true when the OK succeeded (the form closed).
  bool RunOk();

  // The number in a box, refused unless it lies from -most to most, `shown` being most as the
  // message writes it (an infinite `most` lets a number beyond a double's range through as an
  // infinity).
  std::optional<double> BoxWithin(std::string_view box, double most, const std::string& shown);
};

}  // namespace pave
