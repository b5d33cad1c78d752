// The printer: lines of text at a print column in a chosen font, page by page, and the image of a
// window. Every EndDocument sends what was printed since the last one as a print job of its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pave {

// A picture in memory: width x height pixels, rows from the top, each pixel 0xAARRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
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
  // Ends the print document: the printed lines go to the printer as one job. A document without
  // any line sends nothing. False when the job could not be sent.
  virtual bool EndDocument() = 0;
  // Prints a window's image on one sheet as a job of its own, at the size the window has on the
  // screen (reduced to fit the sheet). False when printing failed.
  virtual bool PrintImage(const Image& image) = 0;
  // The data directory: where no printer is installed, each document is written there as a PDF.
  virtual void SetDataDirectory(const std::string& directory) = 0;

  // One print command of the user (a Print menu item) may send several documents: a paged text
  // sends each page as a document of its own. Where no printer is installed the documents of one
  // command go into one PDF file, one after the other. Commands may nest; the outermost counts.
  virtual void BeginCommand() = 0;
  virtual void EndCommand() = 0;
};

// Brackets one print command: begins it when made, ends it when gone.
class PrintCommand {
 public:
  explicit PrintCommand(Printer& printer) : printer_(printer) { printer_.BeginCommand(); }
  ~PrintCommand() { printer_.EndCommand(); }
  PrintCommand(const PrintCommand&) = delete;
  PrintCommand& operator=(const PrintCommand&) = delete;

 private:
  Printer& printer_;
};

}  // namespace pave
