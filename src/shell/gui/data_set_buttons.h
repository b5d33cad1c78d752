// The Data Set option buttons of an input editor's main menu (optDataSet1 .. optDataSetN) and the
// labels under them (Label1 .. LabelN: "Yes" in red for a data set that exists, "No" in blue).
// Select moves the selection from code (the completeness check makes data set 1 current), so the
// buttons always show the data set that edits go to.
#pragma once

#include <functional>

class QWidget;

namespace pave {

class DataSetButtons {
 public:
  DataSetButtons(QWidget& form, int count);

  // The user clicked button n.
  void OnClicked(std::function<void(int)> handler);
  // Selects button n without running the click handler.
  void Select(int n);
  int Selected() const;
  // Label n reads "Yes" in red.
  void MarkExists(int n);
  // Label n reads "No" in blue.
  void MarkAbsent(int n);
  // Button 1 selected, labels 2 to N "No" in blue: the buttons of an editor without data sets made.
  void Reset();

 private:
  QWidget& form_;
  int count_;
};

}  // namespace pave
