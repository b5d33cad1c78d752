// The platform services over Qt, for the running programs. A QApplication must exist while they
// are used.
#pragma once

#include <memory>
#include <string>

#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/file_dialog.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/processes.h"

class QFont;
class QPainter;
class QPrinter;

namespace pave {

class QtMessages : public Messages {
 public:
  using Messages::Input;
  using Messages::Show;
  MessageAnswer Show(const std::string& text, MessageButtons buttons, const std::string& title,
                     BoxPlace place) override;
  std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                   const std::string& default_text, BoxPlace place) override;
  void Beep() override;
};

class QtDesktop : public Desktop {
 public:
  ~QtDesktop() override;
  void SetBusy(bool busy) override;
  void ProcessEvents() override;
  bool busy() const { return busy_; }

 private:
  bool busy_ = false;
};

class QtFileDialog : public FileDialog {
 public:
  std::optional<FileChoice> Show(const FileDialogRequest& request) override;
};

// Prints through Qt on the default printer; where no printer is installed (or when built with
// force_pdf) each print command (or each document outside a command) becomes one PDF file in the
// data directory (the working directory while none was set), named as NextPrintFileName says after
// the program, the time, its number within that second and what the command printed, its
// documents on pages one after the other.
class QtPrinter : public Printer {
 public:
  explicit QtPrinter(bool force_pdf = false);
  ~QtPrinter() override;

  bool SetFontName(const std::string& name) override;
  bool SetFontSize(double points) override;
  bool SetFontBold(bool bold) override;
  bool PrintLine(const std::string& text, int column = 1) override;
  int LineColumns() override;
  bool EndDocument() override;
  bool PrintPage(const PrintablePage& page) override;
  void SetDataDirectory(const std::string& directory) override { data_directory_ = directory; }
  void BeginCommand(const std::string& what) override;
  void EndCommand() override;

  bool writes_pdf() const { return pdf_; }
  // The PDF file written last (empty while none was).
  const std::string& last_pdf() const { return last_pdf_; }

 private:
  std::unique_ptr<QPrinter> NewPrinter(PageOrientation orientation);
  QFont Font() const;   // the font of the following lines
  bool BeginDocument(PageOrientation orientation);
  // Starts the next document of a command's PDF on a new page, turned as given.
  bool NextPage(PageOrientation orientation);
  bool CloseDocument();
  bool InPdfCommand() const { return pdf_ && command_depth_ > 0; }

  bool pdf_;
  std::string data_directory_;
  std::string last_pdf_;
  std::string family_ = "Arial";
  double points_ = 10;
  bool bold_ = false;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  double y_ = 0;   // top of the next line, device pixels from the top of the printable area
  int command_depth_ = 0;
  std::string command_name_;   // what the outermost command prints
  bool page_used_ = false;     // the current page holds something
  bool document_ended_ = false;   // inside a command: the next document starts a new page
};

class QtProcesses : public Processes {
 public:
  bool Start(const std::string& program, const std::string& argument) override;
  bool OpenTerminal(const std::string& directory) override;
};

class QtClipboard : public Clipboard {
 public:
  void Clear() override;
  void SetText(const std::string& text) override;
  std::string GetText() override;
};

}  // namespace pave
