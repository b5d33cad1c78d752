#include "shell/text_editor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/main_screen.h"
#include "shell_fixture.h"

namespace pave::testing {
namespace {

// The editor's window without widgets: a text, a selection [from, to) and a caption.
struct FakeView : EditorView {
  std::string Text() const override { return text; }
  void SetText(const std::string& t) override {
    text = t;
    from = to = 0;
  }
  std::string SelectedText() const override { return text.substr(from, to - from); }
  void ReplaceSelection(const std::string& t) override {
    text.replace(from, to - from, t);
    to = from + t.size();
    from = to;
  }
  std::string Caption() const override { return caption; }
  void SetCaption(const std::string& c) override { caption = c; }
  void CloseWindow() override { ++closed; }

  std::string text, caption;
  std::size_t from = 0, to = 0;
  int closed = 0;
};

class TextEditorTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    WriteFile(Path("LAY1.DAT"), "data\r\n");
    WriteFile(Path("LAY1.TXT"), "report line 1\r\nreport line 2\r\n");
    std::filesystem::create_directories(Path("bin"));
    main = std::make_unique<MainScreen>(path_box, file_box);
    SetMainScreen(main.get());
    main->Start(Path("bin"));
    main->SetDataPathText(Dir());
    main->cmbDirectory();   // the remembered list holds the data directory
    gDataFile = "LAY1.DAT";
    editor.Load();
  }
  void OpenReport() {
    platform_.file_dialog.QueueChoice(Path("LAY1.TXT"), 3);
    editor.Open();
  }
  std::vector<std::string> Texts() { return platform_.messages.Texts(); }

  PlainComboBox path_box, file_box;
  std::unique_ptr<MainScreen> main;
  FakeView view;
  TextEditor editor{view};
};

TEST_F(TextEditorTest, OpenReadsTheChosenFileAndHandsItBack) {
  EXPECT_EQ(view.caption, "Editor Screen");
  EXPECT_EQ(editor.EditFile, "LAY1.DAT");

  OpenReport();
  ASSERT_EQ(platform_.file_dialog.requests.size(), 1u);
  const FileDialogRequest& request = platform_.file_dialog.requests[0];
  EXPECT_EQ(request.mode, FileDialogMode::Open);
  EXPECT_EQ(request.filter, "All Files (*.*)|*.*|Data Files (*.DAT)|*.DAT|Text Files (*.TXT)|*.TXT|");
  EXPECT_EQ(request.filter_index, 2);   // the filter that lists the data file offered
  EXPECT_EQ(request.file_name, "LAY1.DAT");
  EXPECT_EQ(view.text, "report line 1\nreport line 2\n");
  EXPECT_EQ(view.caption, "LAY1.TXT");
  EXPECT_EQ(editor.FileOpened, 1);
  EXPECT_EQ(editor.EditFile, Path("LAY1.TXT"));
  EXPECT_EQ(editor.EditDir, Dir());
  EXPECT_EQ(platform_.desktop.busy_calls, (std::vector<bool>{true, false}));

  // A data file chosen while "Text Files" is selected is the file read, and its name goes into
  // the main window's file box.
  std::filesystem::create_directories(Path("other"));
  WriteFile(Path("other/SLA1.DAT"), "slab\r\n");
  WriteFile(Path("other/SLA1.TXT"), "slab report\r\n");
  file_box.SetText("");
  platform_.file_dialog.QueueChoice(Path("other/SLA1.DAT"), 3);
  editor.Open();
  EXPECT_EQ(view.caption, "SLA1.DAT");
  EXPECT_EQ(view.text, "slab\n");
  EXPECT_EQ(gDataPath, Path("other/"));
  EXPECT_EQ(path_box.Text(), Path("other/"));
  EXPECT_EQ(file_box.Text(), "SLA1.DAT");
  EXPECT_EQ(platform_.file_dialog.requests[1].file_name, Path("LAY1.TXT"));
  EXPECT_EQ(platform_.file_dialog.requests[1].filter_index, 3);
  EXPECT_TRUE(Texts().empty());
}

TEST_F(TextEditorTest, AFailedOrCancelledOpenKeepsTheEditedFile) {
  OpenReport();
  platform_.file_dialog.QueueCancel();
  editor.Open();
  platform_.file_dialog.QueueChoice(Path("NOTE.DAT"), 1);
  editor.Open();
  EXPECT_EQ(Texts(), std::vector<std::string>{"File " + Path("NOTE.DAT") +
                                              " cannot be read (No such file or directory)."});
  EXPECT_EQ(platform_.messages.shown[0].title, "OPEN");
  EXPECT_EQ(platform_.messages.beeps, 1);
  EXPECT_EQ(editor.EditFile, Path("LAY1.TXT"));
  EXPECT_EQ(view.caption, "LAY1.TXT");
  EXPECT_EQ(view.text, "report line 1\nreport line 2\n");
}

TEST_F(TextEditorTest, SaveWritesCrLfLinesAndDoesNotGrowTheFile) {
  OpenReport();
  editor.Save();
  editor.Save();
  EXPECT_EQ(FileText(Path("LAY1.TXT")), "report line 1\r\nreport line 2\r\n");
  view.text += "added";
  editor.Save();
  EXPECT_EQ(FileText(Path("LAY1.TXT")), "report line 1\r\nreport line 2\r\nadded\r\n");
  EXPECT_EQ(editor.SavedText, view.text);
}

TEST_F(TextEditorTest, SaveFailureIsToldAndTheTextStaysUnsaved) {
  OpenReport();
  std::filesystem::remove(Path("LAY1.TXT"));
  std::filesystem::create_directories(Path("LAY1.TXT"));   // cannot be written as a file
  view.text = "changed\n";
  editor.Save();
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_NE(Texts()[0].find("cannot be written"), std::string::npos);
  EXPECT_NE(editor.SavedText, view.text);
  // Exit then asks, and a Yes that cannot save keeps the editor open.
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  editor.Exit();
  EXPECT_EQ(view.closed, 0);
}

TEST_F(TextEditorTest, SaveAsWritesTheChosenFileAndHandsItBack) {
  OpenReport();
  std::filesystem::create_directories(Path("new dir"));
  platform_.file_dialog.QueueChoice(Path("new dir/COPY.DAT"), 1);
  editor.SaveAs();
  EXPECT_EQ(platform_.file_dialog.requests.back().mode, FileDialogMode::SaveAs);
  // The file's own name in its own folder, under the filter that lists it.
  EXPECT_EQ(platform_.file_dialog.requests.back().file_name, Path("LAY1.TXT"));
  EXPECT_EQ(platform_.file_dialog.requests.back().filter_index, 3);
  EXPECT_EQ(FileText(Path("new dir/COPY.DAT")), "report line 1\r\nreport line 2\r\n");
  EXPECT_EQ(editor.EditFile, Path("new dir/COPY.DAT"));
  EXPECT_EQ(view.caption, "COPY.DAT");
  EXPECT_EQ(gDataPath, Path("new dir/"));
  EXPECT_EQ(path_box.Items().front(), Path("new dir/"));   // inserted at the top of the box's list
  EXPECT_EQ(gPathList(1), Dir());                          // the remembered list stays
  EXPECT_EQ(file_box.Items(), std::vector<std::string>{"COPY.DAT"});
  EXPECT_EQ(file_box.Text(), "COPY.DAT");

  // A cancelled dialog still refills the file list.
  WriteFile(Path("new dir/MORE.DAT"), "");
  platform_.file_dialog.QueueCancel();
  editor.SaveAs();
  EXPECT_EQ(file_box.Items(), (std::vector<std::string>{"COPY.DAT", "MORE.DAT"}));
  EXPECT_EQ(file_box.Text(), "COPY.DAT");
}

// Text that is not saved is dropped only after a question: typed into a fresh editor, or edited
// after a file was read, when another file is opened, at Exit and at the window button.
TEST_F(TextEditorTest, UnsavedTextIsNotDroppedUnasked) {
  const std::string report = "report line 1\nreport line 2\n";
  view.text = "notes\n";   // typed into the fresh editor
  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  EXPECT_FALSE(editor.MayClose());
  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  editor.Exit();
  EXPECT_EQ(view.closed, 0);

  platform_.file_dialog.QueueChoice(Path("LAY1.TXT"), 3);
  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  editor.Open();
  EXPECT_EQ(view.text, "notes\n");
  EXPECT_EQ(editor.FileOpened, 0);

  // Yes: the text without a file is saved through Save As, then the chosen file is read.
  platform_.file_dialog.QueueChoice(Path("LAY1.TXT"), 3);
  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  platform_.file_dialog.QueueChoice(Path("NOTES.TXT"), 3);
  editor.Open();
  const FileDialogRequest& save_as = platform_.file_dialog.requests[2];
  EXPECT_EQ(save_as.mode, FileDialogMode::SaveAs);
  EXPECT_EQ(save_as.file_name, "");
  EXPECT_EQ(save_as.filter_index, 3);
  EXPECT_EQ(FileText(Path("NOTES.TXT")), "notes\r\n");
  EXPECT_EQ(view.text, report);
  EXPECT_EQ(view.caption, "LAY1.TXT");

  // No: the edits of the report go, the report on disk stays as it was.
  view.text += "draft\n";
  platform_.file_dialog.QueueChoice(Path("LAY1.DAT"), 2);
  platform_.messages.QueueAnswer(MessageAnswer::No);
  editor.Open();
  EXPECT_EQ(view.text, "data\n");
  EXPECT_EQ(FileText(Path("LAY1.TXT")), "report line 1\r\nreport line 2\r\n");
  EXPECT_EQ(platform_.messages.unanswered, 0);
  EXPECT_EQ(platform_.file_dialog.unanswered, 0);
}

// Save of a text typed into a fresh editor goes to Save As; the saved text then has its file.
TEST_F(TextEditorTest, AFreshTextIsSavedThroughSaveAs) {
  view.text = "typed\n";
  platform_.file_dialog.QueueChoice(Path("NEW.TXT"), 3);
  editor.Save();
  EXPECT_EQ(FileText(Path("NEW.TXT")), "typed\r\n");
  EXPECT_EQ(editor.FileOpened, 1);
  EXPECT_EQ(editor.EditFile, Path("NEW.TXT"));
  EXPECT_EQ(view.caption, "NEW.TXT");
  view.text += "more\n";
  editor.Save();   // now into its file, without a dialog
  EXPECT_EQ(FileText(Path("NEW.TXT")), "typed\r\nmore\r\n");
  EXPECT_EQ(platform_.file_dialog.requests.size(), 1u);
  editor.Exit();
  EXPECT_EQ(view.closed, 1);
  EXPECT_TRUE(Texts().empty());
}

TEST_F(TextEditorTest, PrintAsksForTheLinesAPage) {
  editor.Print();
  EXPECT_EQ(Texts(), std::vector<std::string>{"File not open"});
  OpenReport();
  std::string text;
  for (int i = 1; i <= 60; ++i) text += "L" + std::to_string(i) + "\n";
  view.text = text + "last";

  platform_.messages.QueueInput(" 57");
  editor.Print();
  ASSERT_EQ(platform_.messages.asked.size(), 1u);
  EXPECT_EQ(platform_.messages.asked[0].prompt, "Number of lines per page");
  EXPECT_EQ(platform_.messages.asked[0].title, "PRINT");
  EXPECT_EQ(platform_.messages.asked[0].default_text, " 57");
  ASSERT_EQ(platform_.printer.documents.size(), 2u);
  EXPECT_EQ(platform_.printer.documents[0].size(), 5u + 57u);
  EXPECT_EQ(platform_.printer.documents[1][3], std::string(11, ' ') + "page  2");
  EXPECT_EQ(platform_.printer.documents[1].back(), std::string(11, ' ') + "last");

  struct Case {
    std::optional<std::string> answer;
    std::size_t documents;
  } cases[] = {{std::nullopt, 0}, {"", 0}, {"0", 1}, {"-3", 1}, {"2.5", 1}, {"30", 3}};
  for (const Case& c : cases) {
    platform_.printer.documents.clear();
    platform_.messages.QueueInput(c.answer);
    editor.Print();
    EXPECT_EQ(platform_.printer.documents.size(), c.documents) << c.answer.value_or("(cancel)");
  }
  EXPECT_EQ(Texts().size(), 1u);
  platform_.messages.QueueInput("many");
  editor.Print();
  EXPECT_EQ(Texts().back(), "The number of lines per page must be a number.");
}

TEST_F(TextEditorTest, CutCopyAndPasteUseTheClipboard) {
  view.SetText("abc def");
  view.from = 0;
  view.to = 3;
  editor.Copy();
  EXPECT_EQ(platform_.clipboard.calls, (std::vector<std::string>{"clear", "set abc"}));
  view.from = 4;
  view.to = 7;
  editor.Cut();
  EXPECT_EQ(view.text, "abc ");
  EXPECT_EQ(platform_.clipboard.text, "def");
  view.from = view.to = 0;
  editor.Paste();
  EXPECT_EQ(view.text, "defabc ");
}

TEST_F(TextEditorTest, ExitAndTheWindowButtonAskBeforeLosingText) {
  editor.Exit();
  EXPECT_EQ(Texts(), std::vector<std::string>{"File not open.  Click the X at the right upper corner to exit."});
  EXPECT_EQ(view.closed, 0);
  EXPECT_TRUE(editor.MayClose());   // nothing read, nothing to lose

  OpenReport();
  view.text += "x";
  view.text.pop_back();   // edits undone by hand
  editor.Exit();
  EXPECT_EQ(view.closed, 1);

  view.text += "new line\n";
  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  editor.Exit();
  EXPECT_EQ(view.closed, 1);
  EXPECT_EQ(platform_.messages.shown.back().text, "Do you like to save the file?\n\nThe file LAY1.TXT in the text editor.");
  EXPECT_EQ(platform_.messages.shown.back().buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(platform_.messages.shown.back().title, "ROVANTE");

  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  EXPECT_FALSE(editor.MayClose());
  platform_.messages.QueueAnswer(MessageAnswer::No);
  EXPECT_TRUE(editor.MayClose());
  EXPECT_EQ(FileText(Path("LAY1.TXT")), "report line 1\r\nreport line 2\r\n");

  platform_.messages.QueueAnswer(MessageAnswer::Yes);
  editor.Exit();
  EXPECT_EQ(view.closed, 2);
  EXPECT_EQ(FileText(Path("LAY1.TXT")), "report line 1\r\nreport line 2\r\nnew line\r\n");
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

TEST_F(TextEditorTest, HelpAndExampleMenusLoadTheirWindows) {
  std::vector<std::string> loaded;
  struct W : Window {
    explicit W(std::vector<std::string>* l) : l_(l) {}
    void Load() override { l_->push_back(kind() + " " + gScreenCode.Text()); }
    void Show() override {}
    std::vector<std::string>* l_;
  };
  SetWindowMaker(kind::kHelp, [&] { return new W(&loaded); });
  SetWindowMaker(LayeredExampleKind(3), [&] { return new W(&loaded); });
  editor.HelpTopic(7);
  editor.HelpTopic(2);   // already open: the topic on screen stays
  editor.ExampleScreen(LayeredExampleKind(3));
  EXPECT_EQ(loaded, (std::vector<std::string>{"frmHelp1 7", "frmLay3 2"}));
}

}  // namespace
}  // namespace pave::testing
