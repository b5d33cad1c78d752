#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/recording_surface.h"
#include "platform/scripted_platform.h"

namespace pave {
namespace {

TEST(ScriptedPlatformTest, InstallsItselfAndRestoresPrevious) {
  {
    ScriptedPlatform outer;
    EXPECT_EQ(&platform().messages(), &outer.messages);
    {
      ScriptedPlatform inner;
      EXPECT_EQ(&platform().printer(), &inner.printer);
      EXPECT_EQ(&platform().windows(), &inner.windows);
    }
    EXPECT_EQ(&platform().clipboard(), &outer.clipboard);
  }
  EXPECT_EQ(platform().services().messages, nullptr);
}

TEST(ScriptedPlatformTest, MessagesReplayQueuedAnswersAndRecord) {
  ScriptedPlatform p;
  p.messages.QueueAnswer(MessageAnswer::Cancel);
  p.messages.QueueAnswer(MessageAnswer::Yes);
  p.messages.QueueInput(" 57");
  p.messages.QueueInput(std::nullopt);

  auto& m = platform().messages();
  m.Tell("File not open", "ROVANTE");   // OK boxes take no queued answer
  EXPECT_EQ(m.Show("Do you like to save the file?", MessageButtons::YesNoCancel, "ROVANTE"),
            MessageAnswer::Cancel);
  EXPECT_EQ(m.Show("Want to print on the printer?", MessageButtons::YesNo, "TOLMER"),
            MessageAnswer::Yes);
  EXPECT_EQ(m.Input("Number of lines per page", "PRINT", " 57"), std::optional<std::string>(" 57"));
  EXPECT_EQ(m.Input("Number of lines per page", "PRINT", " 57"), std::nullopt);
  m.Beep();
  EXPECT_EQ(p.messages.unanswered, 0);

  // Unexpected questions get the cautious answer and are counted.
  EXPECT_EQ(m.Show("again?", MessageButtons::YesNo, "T"), MessageAnswer::No);
  EXPECT_EQ(m.Input("p", "t", "d"), std::nullopt);
  EXPECT_EQ(p.messages.unanswered, 2);

  ASSERT_EQ(p.messages.shown.size(), 4u);
  EXPECT_EQ(p.messages.shown[0].title, "ROVANTE");
  EXPECT_EQ(p.messages.shown[0].answer, MessageAnswer::Ok);
  EXPECT_EQ(p.messages.shown[2].buttons, MessageButtons::YesNo);
  EXPECT_EQ(p.messages.Texts()[1], "Do you like to save the file?");
  ASSERT_EQ(p.messages.asked.size(), 3u);
  EXPECT_EQ(p.messages.asked[0].title, "PRINT");
  EXPECT_EQ(p.messages.asked[0].default_text, " 57");
  EXPECT_EQ(p.messages.beeps, 1);
}

TEST(ScriptedPlatformTest, FileDialogChoiceChangesWorkingDirectory) {
  namespace fs = std::filesystem;
  fs::path old_dir = fs::current_path();
  fs::path dir = fs::temp_directory_path() / "pave platform dialog test";
  fs::create_directories(dir);
  ScriptedPlatform p;
  p.file_dialog.QueueChoice((dir / "LAY1.DAT").string(), 2);
  p.file_dialog.QueueChoice((dir / "x.txt").string());
  p.file_dialog.QueueCancel();

  FileDialogRequest request{FileDialogMode::Open,
                            "All Files (*.*)|*.*|Data Files (*.DAT)|*.DAT|Text Files (*.TXT)|*.TXT|",
                            3, "LAY1.DAT", ""};
  auto choice = platform().file_dialog().Show(request);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->filter_index, 2);
  EXPECT_EQ(fs::current_path(), dir);
  fs::current_path(old_dir);

  choice = platform().file_dialog().Show(request);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->filter_index, 3);   // unchanged selection
  fs::current_path(old_dir);

  EXPECT_FALSE(platform().file_dialog().Show(request));
  EXPECT_EQ(fs::current_path(), old_dir);   // cancel leaves the working directory
  EXPECT_FALSE(platform().file_dialog().Show(request));
  EXPECT_EQ(p.file_dialog.unanswered, 1);
  ASSERT_EQ(p.file_dialog.requests.size(), 4u);
  EXPECT_EQ(p.file_dialog.requests[0].file_name, "LAY1.DAT");
}

TEST(FileFilterTest, SplitsDescriptionPatternPairs) {
  auto entries =
      ParseFileFilter("All Files (*.*)|*.*|Data Files (*.DAT)|*.DAT|Text Files (*.TXT)|*.TXT;*.LOG|");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].description, "All Files (*.*)");
  EXPECT_EQ(entries[0].patterns, std::vector<std::string>{"*.*"});
  EXPECT_EQ(entries[2].patterns, (std::vector<std::string>{"*.TXT", "*.LOG"}));
  EXPECT_TRUE(ParseFileFilter("").empty());
  auto odd = ParseFileFilter("Only a description");
  ASSERT_EQ(odd.size(), 1u);
  EXPECT_TRUE(odd[0].patterns.empty());
}

TEST(ScriptedPlatformTest, PrinterRecordsDocumentsAndInjectsFaults) {
  ScriptedPlatform p;
  Printer& printer = platform().printer();
  EXPECT_TRUE(printer.SetFontName("Courier New"));
  EXPECT_TRUE(printer.SetFontBold(true));
  EXPECT_TRUE(printer.SetFontSize(10));
  printer.PrintLine("");
  printer.PrintLine("first", 12);
  printer.EndDocument();
  printer.EndDocument();   // an empty document sends nothing
  RecordingSurface drawn(300, 200);
  drawn.Line(0, 0, 300, 200, 4);
  drawn.Print("corner");
  EXPECT_TRUE(printer.PrintPage(DrawingPage(drawn, PageOrientation::Landscape)));
  ASSERT_EQ(p.printer.documents.size(), 2u);
  EXPECT_EQ(p.printer.documents[0], (std::vector<std::string>{"", "           first"}));
  EXPECT_EQ(p.printer.documents[1], std::vector<std::string>{"[landscape page 300x200]"});
  ASSERT_EQ(p.printer.pages.size(), 1u);
  ASSERT_EQ(p.printer.pages[0].figures.size(), 2u);
  EXPECT_EQ(p.printer.pages[0].figures[0].colour, 4);
  EXPECT_EQ(p.printer.pages[0].figures[1].text, "corner");
  EXPECT_EQ(p.printer.calls[0].op, ScriptedPrinter::Op::FontName);
  EXPECT_EQ(p.printer.calls[2].size, 10);

  p.printer.refuse_fonts = true;
  EXPECT_FALSE(printer.SetFontBold(true));
  p.printer.failing_calls = {p.printer.calls.size() + 1};
  EXPECT_TRUE(printer.PrintLine("a"));
  EXPECT_FALSE(printer.PrintLine("b"));
  EXPECT_EQ(p.printer.open_document, std::vector<std::string>{"a"});
}

TEST(ScriptedPlatformTest, ProcessesAndClipboardRecord) {
  ScriptedPlatform p;
  EXPECT_TRUE(platform().processes().Start("/opt/pav/morvelin", "/home/a b/LAY1"));
  EXPECT_TRUE(platform().processes().OpenTerminal("/home/a b/"));
  p.processes.succeed = false;
  EXPECT_FALSE(platform().processes().Start("x", ""));
  ASSERT_EQ(p.processes.started.size(), 2u);
  EXPECT_EQ(p.processes.started[0].argument, "/home/a b/LAY1");
  EXPECT_EQ(p.processes.terminals, std::vector<std::string>{"/home/a b/"});

  Clipboard& clipboard = platform().clipboard();
  clipboard.Clear();
  clipboard.SetText("copied");
  EXPECT_EQ(clipboard.GetText(), "copied");
  EXPECT_EQ(p.clipboard.calls, (std::vector<std::string>{"clear", "set copied", "get"}));
}

}  // namespace
}  // namespace pave
