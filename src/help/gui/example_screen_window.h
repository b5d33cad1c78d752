// The window of an example screen: its figure (an SVG drawing with labels over it), a title, the
// read-only description text and the menus Print Form, Print Text and Exit. One class serves all
// thirteen screens; each is built from its ExampleScreen record and its figure's label table.
#pragma once

#include "help/example_screens.h"
#include "help/gui/scaled_controls.h"
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
  // How much larger than laid out the window's figure and text are drawn: the window opens at the
  // size its table lays out (1); the user may make it larger or smaller, and everything in it follows.
  double Scale() const { return scaled_.Scale(); }
  // The inner size at a scale.
  QSize InnerSize(double scale) const { return scaled_.InnerSize(scale); }

  QWidget* Image1 = nullptr;
  QSvgWidget* figure = nullptr;   // the drawing, filling Image1
  QLabel* lblTitle = nullptr;
  QPlainTextEdit* txtHelp = nullptr;

 private:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The window at a scale: controls, fonts and the drawing in its box.
  void ApplyScale(double scale);

  const ExampleScreen& screen_;
  ScaledControls scaled_;
};

// Installs the makers of the thirteen example screens (frmLay1..6, frmSla1..6, frmMohr).
void InstallExampleScreens();

}  // namespace pave
