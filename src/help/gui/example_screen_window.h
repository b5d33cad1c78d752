// The window of an example screen: its figure (an SVG drawing with labels over it), a title, the
// read-only description text and the menus Print Form, Print Text and Exit. One class serves all
// thirteen screens; each is built from its ExampleScreen record and its figure's label table.
#pragma once

#include "help/example_screens.h"
#include "platform/gui/form.h"

class QLabel;
class QPlainTextEdit;
class QSvgWidget;

namespace pave {

class ExampleScreenWindow : public Form {
  Q_OBJECT

 public:
  explicit ExampleScreenWindow(const ExampleScreen& screen);

  // Builds and shows the window, then puts the description text into its text box.
  void Load() override;

  // Print Form: the figure with its title and labels (the window below the menu bar, down to the
  // text box) is printed, drawn at the printer's resolution across the sheet's width. The window
  // keeps its size and everything in it: the printed part is chosen without cutting the window
  // down to it.
  void PrintForm();
  // The part of the window Print Form prints, in the window's pixels.
  QRect PrintedArea() const;
  // Print Text: the text box's text, page by page.
  void PrintText();

  const ExampleScreen& screen() const { return screen_; }

  QWidget* Image1 = nullptr;
  QSvgWidget* figure = nullptr;   // the drawing, filling Image1
  QLabel* lblTitle = nullptr;
  QPlainTextEdit* txtHelp = nullptr;

 private:
  const ExampleScreen& screen_;
};

// Installs the makers of the thirteen example screens (frmLay1..6, frmSla1..6, frmMohr).
void InstallExampleScreens();

}  // namespace pave
