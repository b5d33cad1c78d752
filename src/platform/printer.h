// The printer: lines of text at a print column in a chosen font, page by page, and drawn pages (a
// graph page, a window's figure) drawn anew at the printer's resolution. Every EndDocument sends
// what was printed since the last one as a print job of its own.
#pragma once

#include <string>

namespace pave {

class DrawingSurface;

enum class PageOrientation { Portrait, Landscape };

// Every printed sheet keeps its ink at least this far inside each of its edges (millimetres), or
// as far as the printer itself needs where that is more: many printers cannot print nearer.
inline constexpr double kLeastPrintMarginMm = 10;

// A page the printer draws itself: a drawing of the given size in twips, drawn on a surface whose
// coordinates are those twips. The printer scales it to fill its printable area (the sheet within
// its margins), keeping its proportions, so lines and text come out at the printer's resolution.
class PrintablePage {
 public:
  virtual ~PrintablePage() = default;
  virtual int WidthTwips() const = 0;
  virtual int HeightTwips() const = 0;
  // The sheet is turned to this orientation for the page.
  virtual PageOrientation Orientation() const = 0;
  virtual void Draw(DrawingSurface& surface) const = 0;
};

class Printer {
 public:
  virtual ~Printer() = default;
  // Font of the following lines. Each returns false when the printer refuses the setting; callers
  // then skip the settings not yet made, as a printer without that font would.
  virtual bool SetFontName(const std::string& name) = 0;
  virtual bool SetFontSize(double points) = 0;
  virtual bool SetFontBold(bool bold) = 0;
  // Prints text starting at print column `column` (counted from 1 in average character widths of
  // the current font) and ends the line. An empty text prints an empty line. A full page goes on
  // on a new sheet of the same document. False when printing failed.
  virtual bool PrintLine(const std::string& text, int column = 1) = 0;
  // How many columns (average character widths of the current font) one line of the sheet holds
  // from its left margin; 0 when the printer cannot tell, or a line of any length fits.
  virtual int LineColumns() = 0;
  // Ends the print document: the printed lines go to the printer as one job. A document without
  // any line sends nothing. False when the job could not be sent.
  virtual bool EndDocument() = 0;
  // Prints a drawn page on one sheet as a job of its own. False when printing failed or the page
  // has no size.
  virtual bool PrintPage(const PrintablePage& page) = 0;
  // The data directory: where no printer is installed, each document is written there as a PDF.
  virtual void SetDataDirectory(const std::string& directory) = 0;

  // One print command of the user (a Print menu item) may send several documents: a paged text
  // sends each page as a document of its own. Where no printer is installed the documents of one
  // command go into one PDF file, one after the other, named after `what` was printed (a file, a
  // help topic, a screen, a graph page). Commands may nest; the outermost counts.
  virtual void BeginCommand(const std::string& what) = 0;
  virtual void EndCommand() = 0;
};

// Brackets one print command: begins it when made, ends it when gone.
class PrintCommand {
 public:
  explicit PrintCommand(Printer& printer, const std::string& what = "") : printer_(printer) {
    printer_.BeginCommand(what);
  }
  ~PrintCommand() { printer_.EndCommand(); }
  PrintCommand(const PrintCommand&) = delete;
  PrintCommand& operator=(const PrintCommand&) = delete;

 private:
  Printer& printer_;
};

}  // namespace pave
