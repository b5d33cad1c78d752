// A user's work is kept: every saver of ROVANTE (both input editors and the text editor) replaces a
// file that is already there only after the user agreed to replace that very file, a read-only file
// is never replaced, the main window's close button asks as EXIT does, an analysis asks about unsaved
// changes of the file it reads, and the editors say how their open file was loaded. The real windows
// offscreen, with the scripted dialogs answering.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QCoreApplication>
#include <QPlainTextEdit>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "all_windows.h"
#include "common/free_format_reader.h"
#include "layered_editor/gui/layered_main_menu.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_kinds.h"
#include "main_window_fixture.h"
#include "shell/directory_of.h"
#include "shell/file_replacement.h"
#include "shell/gui/editor_window.h"
#include "shell/shared_data_file.h"
#include "slab_editor/gui/slab_main_menu.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_kinds.h"

namespace pave::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLayered = kind::kLayeredEditor;
constexpr const char* kSlab = kind::kSlabEditor;
constexpr const char* kKept = "a file the user keeps\r\n";

class KeptWorkTest : public MainWindowTest {
 protected:
  void InstallWindows() override {
    ClearSlabDataSets();
    InstallAllWindows();
  }

 public:
  // The scenes of the savers' table drive the windows through these.
  using MainWindowTest::Click;
  using MainWindowTest::data_dir;
  using MainWindowTest::Example;
  using MainWindowTest::Trigger;
  using MainWindowTest::Type;
  using ShellTest::platform_;
  using ShellTest::WriteFile;

  // The editor of `kind` opened from the main window with `file` in the file-name box.
  void OpenEditor(const char* editor, const std::string& file) {
    main->cmbFileName->setEditText(QString::fromStdString(file));
    (editor == kLayered ? main->cmdPeldrane : editor == kSlab ? main->cmdCorvista : main->cmdEdit)->click();
    ASSERT_NE(Window(editor), nullptr) << LastMessage();
  }
  // File Old of an example copied into the data directory; its path.
  std::string OldExample(const char* editor, const std::string& name) {
    const std::string path = Example(name);
    platform_.file_dialog.QueueChoice(path);
    Trigger(editor, "mnuOpen");
    return path;
  }
  // File New, and data set 1 filled with an example's values, as complete as the user makes it.
  void NewWithData(const char* editor, const std::string& example) {
    OpenEditor(editor, "NEW.DAT");
    Trigger(editor, "mnuNew");
    const std::string source = Path(example + ".source");
    WriteFile(source, ExampleText(example));
    FreeFormatReader in = FreeFormatReader::FromFile(source);
    dynamic_cast<EditorDocument*>(Window(editor))->Read(in);
  }
  // The text editor with a file read into it.
  void TextEditorWith(const std::string& name, const std::string& bytes) {
    WriteFile(data_dir + name, bytes);
    OpenEditor(kind::kEditor, name);
    platform_.file_dialog.QueueChoice(data_dir + name);
    Trigger(kind::kEditor, "mnuOpen");
  }
  QPlainTextEdit& EditorText() { return *dynamic_cast<EditorWindow*>(Window(kind::kEditor))->txtEditor; }
  // The editor opened on an example copied into the data directory: File Old in an input editor,
  // Open in the text editor. The example's path.
  std::string OpenExampleIn(const char* editor, const std::string& example) {
    OpenEditor(editor, example + ".DAT");
    if (editor != kind::kEditor) return OldExample(editor, example);
    const std::string path = Example(example);
    platform_.file_dialog.QueueChoice(path);
    Trigger(editor, "mnuOpen");
    return path;
  }
  // Save or SaveAs: the text editor's File menu item, an input editor's button.
  void FileCommand(const char* editor, const std::string& item) {
    if (editor == kind::kEditor) {
      Trigger(editor, "mnu" + item);
    } else {
      Click(editor, "cmd" + item);
    }
  }
  std::string ShownFile(const char* editor) {
    if (editor == kind::kEditor) return Window(kind::kEditor)->windowTitle().toStdString();
    return LabelText(editor, "lblFile");
  }

  // An editor window as an editor of a data file.
  EditsDataFile& Editing(const char* editor) { return *dynamic_cast<EditsDataFile*>(platform_.windows.Find(editor)); }
  // The editor opened from the main window with File Old (the text editor: Open) of `path`.
  void OpenIn(const char* editor, const std::string& path) {
    OpenEditor(editor, BareName(path));
    platform_.file_dialog.QueueChoice(path);
    Trigger(editor, "mnuOpen");
  }
  // The title of data set 1 changed: in the text editor on its line, in an input editor through
  // General.
  void Retitle(const char* editor, const std::string& title) {
    if (editor == kind::kEditor) {
      QString text = EditorText().toPlainText();
      const qsizetype start = text.indexOf('\n') + 1;
      text.replace(start, text.indexOf('\n', start) - start, QString::fromStdString(title));
      EditorText().setPlainText(text);
      return;
    }
    const char* general = editor == kLayered ? kind::kLayeredGeneral : kind::kSlabGeneral;
    Trigger(editor, "mnuGeneral");
    Type(general, editor == kLayered ? "txtTitle1" : "txtTitle", title);
    Click(general, "cmdOk");
  }
  // The title of data set 1 as the editor shows it.
  std::string TitleIn(const char* editor) {
    if (editor == kind::kEditor) return EditorText().toPlainText().section('\n', 1, 1).toStdString();
    return editor == kLayered ? gLayeredTITLE(1) : gSlabTITLE(1);
  }
  void Save(const char* editor) {
    if (editor == kind::kEditor) {
      Trigger(editor, "mnuSave");
    } else {
      Click(editor, "cmdSave");
    }
  }
  // The title line of a data file.
  std::string FileTitle(const std::string& path) {
    const std::string text = FileText(path);
    const std::size_t start = text.find("\r\n") + 2;
    return text.substr(start, text.find("\r\n", start) - start);
  }

  // The Save As dialog choosing `path`, its replace question answered by `replace` (after a No the
  // dialog opens again and is cancelled).
  void ChooseInSaveAs(const std::string& path, MessageAnswer replace) {
    platform_.file_dialog.QueueChoice(path);
    platform_.messages.QueueAnswer(replace);
    if (replace == MessageAnswer::No) platform_.file_dialog.QueueCancel();
  }

 protected:
  bool Asked(const std::string& question) const {
    for (const auto& shown : platform_.messages.shown) {
      if (shown.text == question && shown.buttons != MessageButtons::Ok) return true;
    }
    return false;
  }
  std::size_t Questions() const {
    std::size_t n = 0;
    for (const auto& shown : platform_.messages.shown) n += shown.buttons != MessageButtons::Ok;
    return n;
  }
};

// One saver: the scene it saves in, and the user's save with the answer to a replace question.
struct Saver {
  const char* name;
  // Sets the scene; returns the file that the save would replace, which is there already.
  std::function<std::string(KeptWorkTest&)> scene;
  std::function<void(KeptWorkTest&, const std::string& file, MessageAnswer replace)> save;
  // The name the Save As dialog offers first (nullptr: the save shows no dialog).
  const char* offered;
  // The file is read-only: refused with a message, no question.
  bool read_only = false;
};

void PrintTo(const Saver& saver, std::ostream* out) { *out << saver.name; }

class ReplacingAFileAsks : public KeptWorkTest, public ::testing::WithParamInterface<Saver> {};

// Each saver, answered No, leaves the file there as it was; answered Yes, replaces it. A read-only
// file is refused without a question and left in place, its permissions too.
TEST_P(ReplacingAFileAsks, AndKeepsTheFileUnlessTheUserAgrees) {
  const Saver& saver = GetParam();
  const std::string file = saver.scene(*this);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(fs::exists(file));
  const std::string before = FileText(file);
  struct stat old_stat {};
  ::stat(file.c_str(), &old_stat);
  platform_.messages.shown.clear();
  platform_.file_dialog.requests.clear();

  saver.save(*this, file, MessageAnswer::No);
  if (saver.offered) {
    ASSERT_FALSE(platform_.file_dialog.requests.empty());
    EXPECT_EQ(BareName(platform_.file_dialog.requests.front().file_name), saver.offered);
  }
  EXPECT_EQ(FileText(file), before);
  if (saver.read_only) {
    EXPECT_EQ(Questions(), 0u) << ::testing::PrintToString(platform_.messages.Texts());
    EXPECT_NE(LastMessage().find("read-only"), std::string::npos) << LastMessage();
    struct stat now {};
    ::stat(file.c_str(), &now);
    EXPECT_EQ(now.st_ino, old_stat.st_ino) << "the file was replaced";
    EXPECT_EQ(now.st_mode & 07777, 0444u);
  } else {
    EXPECT_TRUE(Asked(ReplaceQuestion(file))) << ::testing::PrintToString(platform_.messages.Texts());
    saver.save(*this, file, MessageAnswer::Yes);
    EXPECT_NE(FileText(file), before);
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
  EXPECT_EQ(platform_.file_dialog.unanswered, 0);
}

using Scene = std::function<std::string(KeptWorkTest&)>;
using SaveStep = std::function<void(KeptWorkTest&, const std::string&, MessageAnswer)>;

// The editor opened with `box` in the Filename box and File Old of the example `opened`; the
// example `other` is in the data directory too, and is the file a save could replace.
Scene OldBesideAnother(const char* editor, const char* box, const char* opened, const char* other) {
  return [=](KeptWorkTest& t) {
    const std::string path = t.Example(other);
    t.OpenEditor(editor, box);
    t.OldExample(editor, opened);
    return path;
  };
}
// File New with the example's data entered; a file of the new file's name is there already.
Scene NewOverAFile(const char* editor, const char* untitled, const char* example) {
  return [=](KeptWorkTest& t) {
    const std::string path = t.data_dir + untitled;
    t.WriteFile(path, kKept);
    t.NewWithData(editor, example);
    return path;
  };
}
// File Old of an example whose file is read-only.
Scene ReadOnlyOld(const char* editor, const char* example) {
  return [=](KeptWorkTest& t) {
    t.OpenEditor(editor, std::string(example) + ".DAT");
    const std::string path = t.OldExample(editor, example);
    fs::permissions(path, fs::perms(0444));
    return path;
  };
}
// The text editor with a report read, or with a fresh text typed; NOTES.TXT is there already.
Scene TextEditorBesideNotes(bool fresh) {
  return [=](KeptWorkTest& t) {
    const std::string notes = t.data_dir + "NOTES.TXT";
    t.WriteFile(notes, kKept);
    if (fresh) {
      t.OpenEditor(kind::kEditor, "LAY1.DAT");
      t.EditorText().setPlainText("typed into a fresh editor");
    } else {
      t.TextEditorWith("LAY1.TXT", "report\r\n");
    }
    return notes;
  };
}

// Save As choosing the file; `item` is the editor's button or menu item.
SaveStep SaveAsBy(const char* editor, const char* item) {
  return [=](KeptWorkTest& t, const std::string& file, MessageAnswer replace) {
    t.ChooseInSaveAs(file, replace);
    if (editor == kind::kEditor) {
      t.Trigger(editor, item);
    } else {
      t.Click(editor, item);
    }
  };
}
// Save, or Exit answering Yes to saving, in an input editor.
SaveStep SaveBy(const char* editor, const char* button) {
  return [=](KeptWorkTest& t, const std::string&, MessageAnswer replace) {
    if (std::string(button) == "cmdExit") t.platform_.messages.QueueAnswer(MessageAnswer::Yes);
    t.platform_.messages.QueueAnswer(replace);
    t.Click(editor, button);
  };
}

const Saver kSavers[] = {
    // The Filename box names another file than the one open (in CORVISTA even a layered one).
    {"LayeredSaveAsOntoAnotherFile", OldBesideAnother(kLayered, "LAY1.DAT", "LAY3", "LAY1"),
     SaveAsBy(kLayered, "cmdSaveAs"), "LAY3.DAT"},
    {"SlabSaveAsOntoAnotherFile", OldBesideAnother(kSlab, "LAY1.DAT", "SLA3", "SLA1"), SaveAsBy(kSlab, "cmdSaveAs"),
     "SLA3.DAT"},
    {"LayeredNewFileSaved", NewOverAFile(kLayered, "UNTITLED.DAT", "LAY1"), SaveBy(kLayered, "cmdSave"), nullptr},
    {"LayeredNewFileSavedAtExit", NewOverAFile(kLayered, "UNTITLED.DAT", "LAY2"), SaveBy(kLayered, "cmdExit"),
     nullptr},
    {"SlabNewFileSaved", NewOverAFile(kSlab, "UNTITLE.DAT", "SLA1"), SaveBy(kSlab, "cmdSave"), nullptr},
    {"TextEditorSaveAsOntoAnotherFile", TextEditorBesideNotes(false), SaveAsBy(kind::kEditor, "mnuSaveAs"),
     "LAY1.TXT"},
    {"TextEditorFreshTextSaved", TextEditorBesideNotes(true), SaveAsBy(kind::kEditor, "mnuSave"), ""},
    {"LayeredSaveOfAReadOnlyFile", ReadOnlyOld(kLayered, "LAY1"), SaveBy(kLayered, "cmdSave"), nullptr, true},
    {"SlabSaveOfAReadOnlyFile", ReadOnlyOld(kSlab, "SLA1"), SaveBy(kSlab, "cmdSave"), nullptr, true},
    {"TextEditorSaveOfAReadOnlyFile",
     [](KeptWorkTest& t) {
       t.TextEditorWith("LAY1.TXT", "report\r\n");
       const std::string path = t.data_dir + "LAY1.TXT";
       fs::permissions(path, fs::perms(0444));
       t.EditorText().appendPlainText("changed");
       return path;
     },
     [](KeptWorkTest& t, const std::string&, MessageAnswer) { t.Trigger(kind::kEditor, "mnuSave"); }, nullptr,
     true},
};

INSTANTIATE_TEST_SUITE_P(EverySaver, ReplacingAFileAsks, ::testing::ValuesIn(kSavers),
                         [](const ::testing::TestParamInfo<Saver>& info) { return std::string(info.param.name); });

// ---- A Save As that fails leaves the editor on its file ----

// The ways a Save As is refused after the user chose the file.
enum class Refusal { ReadOnlyFile, SaveCheck, ReadOnlyFolder };

struct FailedSaveAs {
  const char* name;
  const char* editor;
  Refusal refusal;
};

void PrintTo(const FailedSaveAs& c, std::ostream* out) { *out << c.name; }

class ARefusedSaveAs : public KeptWorkTest, public ::testing::WithParamInterface<FailedSaveAs> {
 protected:
  // The editor's own file: LAY1 in the layered editor and the text editor, SLA3 in the slab editor.
  const char* OwnExample() const { return GetParam().editor == kSlab ? "SLA3" : "LAY1"; }
  // A change the file does not hold yet; with `refused`, also one that the Save check refuses
  // (the count of layers or slabs raised beyond what was entered); without, that count as it was.
  void Change(bool refused) {
    const char* editor = GetParam().editor;
    if (editor == kind::kEditor) {
      EditorText().appendPlainText("CHANGED");
      return;
    }
    const char* general = editor == kLayered ? kind::kLayeredGeneral : kind::kSlabGeneral;
    Trigger(editor, "mnuGeneral");
    Type(general, editor == kLayered ? "txtTitle1" : "txtTitle", "CHANGED");
    Type(general, editor == kLayered ? "txtNl" : "txtNslab", editor == kLayered ? (refused ? "4" : "3")
                                                                                 : (refused ? "3" : "2"));
    Click(general, "cmdOk");
    ASSERT_FALSE(platform_.windows.IsLoaded(general)) << ::testing::PrintToString(platform_.messages.Texts());
  }
  void Press(const char* item) { FileCommand(GetParam().editor, item); }
  // What shows the editor's file: the file label of an input editor, the text editor's caption.
  std::string ShownFile() { return KeptWorkTest::ShownFile(GetParam().editor); }
};

// A Save As refused after the file was chosen (a read-only file, the Save check, a folder that cannot
// be written) changes nothing of the editor: it still shows its file, the main window keeps its data
// path, the chosen file is replaced only after the replace question is asked again, and the next Save
// writes the editor's own file without a question.
TEST_P(ARefusedSaveAs, LeavesTheEditorOnItsFile) {
  const FailedSaveAs& c = GetParam();
  const std::string folder = data_dir + "other/", target = folder + "TARGET.DAT";
  WriteFile(target, kKept);
  const std::string own = OpenExampleIn(c.editor, OwnExample());
  const std::string shown = ShownFile();
  Change(c.refusal == Refusal::SaveCheck);
  ASSERT_FALSE(HasFatalFailure());
  if (c.refusal == Refusal::ReadOnlyFile) fs::permissions(target, fs::perms(0444));
  if (c.refusal == Refusal::ReadOnlyFolder) fs::permissions(folder, fs::perms(0555));

  // The user agrees to replace the chosen file (a read-only file is refused without the question).
  platform_.messages.shown.clear();
  platform_.file_dialog.QueueChoice(target);
  if (c.refusal == Refusal::SaveCheck) platform_.messages.QueueAnswer(MessageAnswer::Yes);
  Press("SaveAs");
  const std::string refused = LastMessage();
  EXPECT_NE(refused.find(c.refusal == Refusal::SaveCheck ? "The file has not been saved."
                         : c.refusal == Refusal::ReadOnlyFile ? "the file is read-only"
                                                              : "its folder is read-only"),
            std::string::npos)
      << refused;
  EXPECT_EQ(FileText(target), kKept);
  EXPECT_EQ(ShownFile(), shown);
  EXPECT_EQ(main->screen().DataPathText(), data_dir);

  // Mended in between: a Save As onto the chosen file asks again whether to replace it ...
  fs::permissions(target, fs::perms(0644));
  fs::permissions(folder, fs::perms(0755));
  if (c.refusal == Refusal::SaveCheck) Change(false);
  platform_.messages.shown.clear();
  ChooseInSaveAs(target, MessageAnswer::No);
  Press("SaveAs");
  EXPECT_TRUE(Asked(ReplaceQuestion(target))) << ::testing::PrintToString(platform_.messages.Texts());
  EXPECT_EQ(FileText(target), kKept);

  // ... and the next Save writes the editor's own file, without a question.
  platform_.messages.shown.clear();
  Press("Save");
  EXPECT_EQ(Questions(), 0u) << ::testing::PrintToString(platform_.messages.Texts());
  EXPECT_EQ(FileText(target), kKept);
  EXPECT_NE(FileText(own).find("CHANGED"), std::string::npos) << FileText(own);
  EXPECT_EQ(ShownFile(), shown);
  EXPECT_EQ(platform_.messages.unanswered, 0);
  EXPECT_EQ(platform_.file_dialog.unanswered, 0);
}

const FailedSaveAs kFailedSaveAs[] = {
    {"PeldraneReadOnlyFile", kLayered, Refusal::ReadOnlyFile},
    {"PeldraneSaveCheck", kLayered, Refusal::SaveCheck},
    {"PeldraneReadOnlyFolder", kLayered, Refusal::ReadOnlyFolder},
    {"CorvistaReadOnlyFile", kSlab, Refusal::ReadOnlyFile},
    {"CorvistaSaveCheck", kSlab, Refusal::SaveCheck},
    {"CorvistaReadOnlyFolder", kSlab, Refusal::ReadOnlyFolder},
    {"TextEditorReadOnlyFile", kind::kEditor, Refusal::ReadOnlyFile},
    {"TextEditorReadOnlyFolder", kind::kEditor, Refusal::ReadOnlyFolder},
};

INSTANTIATE_TEST_SUITE_P(EveryEditor, ARefusedSaveAs, ::testing::ValuesIn(kFailedSaveAs),
                         [](const ::testing::TestParamInfo<FailedSaveAs>& info) { return std::string(info.param.name); });

// A Save As that would make a second file whose name differs from one in the folder only in letter
// case asks first, naming both (Enter = No): No opens the dialog again on the name and makes no file,
// Yes makes it and moves the editor to it. In every saver.
TEST_F(KeptWorkTest, ASaveAsBesideANameInAnotherCaseAsks) {
  struct Case {
    const char* editor;
    const char* example;
    const char* chosen;
    const char* shown_after;
  } cases[] = {{kLayered, "LAY1", "lay1.dat", "lay1"},
               {kSlab, "SLA1", "sla1.dat", "sla1"},
               {kind::kEditor, "LAY2", "lay2.dat", "lay2.dat"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.example);
    const std::string own = OpenExampleIn(c.editor, c.example), chosen = data_dir + c.chosen;
    const std::string question = "The folder " + data_dir + " already holds " + c.example +
                                 ".DAT, whose name differs from " + c.chosen +
                                 " only in letter case.  Many systems take such names for one file.  Do you want "
                                 "to save " + c.chosen + " beside it?";
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
      platform_.messages.shown.clear();
      platform_.file_dialog.requests.clear();
      ChooseInSaveAs(chosen, answer);
      FileCommand(c.editor, "SaveAs");
      ASSERT_FALSE(platform_.messages.shown.empty());
      EXPECT_EQ(platform_.messages.shown.front().text, question);
      EXPECT_EQ(platform_.messages.shown.front().buttons, MessageButtons::YesNoDefaultNo);
      EXPECT_EQ(fs::exists(chosen), answer == MessageAnswer::Yes);
      if (answer == MessageAnswer::No) {
        ASSERT_EQ(platform_.file_dialog.requests.size(), 2u);
        EXPECT_EQ(platform_.file_dialog.requests[1].file_name, chosen);
      }
    }
    EXPECT_EQ(FileText(own), ExampleText(c.example));
    EXPECT_EQ(ShownFile(c.editor), c.shown_after);
    platform_.windows.Unload(c.editor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
  EXPECT_EQ(platform_.file_dialog.unanswered, 0);
}

// File New or File Old while a file is open is refused with a message that says how the open file
// was loaded, in both editors.
TEST_F(KeptWorkTest, NewOrOldWhileAFileIsOpenSaysHowItWasLoaded) {
  struct Editor {
    const char* kind;
    const char* name;
    const char* example;
  } editors[] = {{kLayered, "PELDRANE", "LAY1"}, {kSlab, "CORVISTA", "SLA1"}};
  for (const Editor& editor : editors) {
    for (const bool loaded_new : {true, false}) {
      for (const char* then : {"mnuNew", "mnuOpen"}) {
        SCOPED_TRACE(std::string(editor.name) + (loaded_new ? " New, then " : " Old, then ") + then);
        OpenEditor(editor.kind, std::string(editor.example) + ".DAT");
        if (loaded_new) {
          Trigger(editor.kind, "mnuNew");
        } else {
          OldExample(editor.kind, editor.example);
        }
        Trigger(editor.kind, then);
        EXPECT_EQ(LastMessage(), std::string("This file has been opened as ") + (loaded_new ? "a new" : "an existing") +
                                     " file.  Please exit from " + editor.name + " before loading another file.");
        platform_.windows.Unload(editor.kind);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      }
    }
  }
  EXPECT_EQ(platform_.file_dialog.requests.size(), 4u);   // only the File Old that loaded a file
}

// The main window's close button asks what EXIT asks of an open editor, and ends the program
// (with the data paths written) once the user lets it go.
TEST_F(KeptWorkTest, TheMainWindowsCloseButtonWorksAsExit) {
  OpenEditor(kLayered, "NEW.DAT");
  Trigger(kLayered, "mnuNew");
  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  main->close();
  EXPECT_EQ(LastMessage(), "You have not save the file.  Do you want to save the file?\n\nThe file UNTITLED.DAT in PELDRANE.");
  EXPECT_EQ(program_ends, 0);
  EXPECT_TRUE(platform_.windows.IsLoaded(kind::kMain));
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(platform_.windows.IsLoaded(kLayered));

  main->cmbDataPath->lineEdit()->setText(QString::fromStdString(program_dir + "/"));
  platform_.messages.QueueAnswer(MessageAnswer::No);
  main->close();
  EXPECT_EQ(program_ends, 1);
  EXPECT_EQ(FileText(program_dir + "/DataPath"), program_dir + "/\r\n" + data_dir + "\r\n");
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

// An analysis started from the main window while an editor holds unsaved changes of that very file
// asks first: Cancel starts nothing, No runs the file on disk as it is, Yes saves and runs.
TEST_F(KeptWorkTest, AnAnalysisAsksAboutUnsavedChangesOfTheFileItReads) {
  struct Case {
    const char* name;
    const char* editor;
    const char* example;
    std::function<void(KeptWorkTest&)> change;
    AnalysisProgram program;
  } cases[] = {
      {"PELDRANE", kLayered, "LAY1",
       [](KeptWorkTest& t) {
         t.Trigger(kLayered, "mnuGeneral");
         t.Type(kind::kLayeredGeneral, "txtTitle1", "CHANGED BEFORE THE RUN");
         t.Click(kind::kLayeredGeneral, "cmdOk");
       },
       AnalysisProgram::Morvelin},
      {"CORVISTA", kSlab, "SLA1",
       [](KeptWorkTest& t) {
         t.Trigger(kSlab, "mnuGeneral");
         t.Type(kind::kSlabGeneral, "txtTitle", "CHANGED BEFORE THE RUN");
         t.Click(kind::kSlabGeneral, "cmdOk");
       },
       AnalysisProgram::Bruntola},
      {"the text editor", kind::kEditor, "LAY1",
       [](KeptWorkTest& t) { t.EditorText().appendPlainText("CHANGED BEFORE THE RUN"); }, AnalysisProgram::Large},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = Example(c.example);
    const std::string on_disk = FileText(file);
    OpenEditor(c.editor, std::string(c.example) + ".DAT");
    if (c.editor == kind::kEditor) {
      platform_.file_dialog.QueueChoice(file);
      Trigger(c.editor, "mnuOpen");
    } else {
      OldExample(c.editor, c.example);
    }
    c.change(*this);
    const std::size_t runs = platform_.processes.started.size();
    const std::string question = UnsavedRunQuestion(std::string(c.example) + ".DAT", c.name);

    // A file the editor does not hold is run without a question.
    main->cmbFileName->setEditText("OTHER.DAT");
    main->screen().StartAnalysis(c.program);
    EXPECT_EQ(platform_.processes.started.size(), runs + 1);
    EXPECT_FALSE(Asked(question));

    const MessageAnswer answers[] = {MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::Yes};
    const std::size_t started[] = {runs + 1, runs + 2, runs + 3};
    for (std::size_t i = 0; i < 3; ++i) {
      platform_.messages.shown.clear();
      main->cmbFileName->setEditText(QString::fromStdString(std::string(c.example) + ".DAT"));
      platform_.messages.QueueAnswer(answers[i]);
      main->screen().StartAnalysis(c.program);
      EXPECT_TRUE(Asked(question)) << ::testing::PrintToString(platform_.messages.Texts());
      EXPECT_EQ(platform_.processes.started.size(), started[i]) << i;
      if (answers[i] != MessageAnswer::Yes) {
        EXPECT_EQ(FileText(file), on_disk);
      }
    }
    EXPECT_NE(FileText(file).find("CHANGED BEFORE THE RUN"), std::string::npos);
    EXPECT_EQ(platform_.processes.started.back().argument, data_dir + c.example);
    // Saved now: the next run asks nothing.
    platform_.messages.shown.clear();
    main->screen().StartAnalysis(c.program);
    EXPECT_EQ(Questions(), 0u);
    platform_.windows.Unload(c.editor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

// A Save hands the main window the file's folder and name, also after its data path moved to another
// folder that holds a file of the same name: the analysis then runs the file just saved, and the
// other folder's file is left alone. An input editor's message names the folder it wrote into.
TEST_F(KeptWorkTest, ASaveHandsTheMainWindowItsFolderAndName) {
  struct Case {
    const char* editor;
    const char* example;
  } cases[] = {{kLayered, "LAY2"}, {kSlab, "SLA1"}, {kind::kEditor, "LAY1"}};
  const std::string other = Path("other/");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.example);
    const std::string name = std::string(c.example) + ".DAT";
    WriteFile(other + name, kKept);
    const std::string own = OpenExampleIn(c.editor, c.example);
    main->cmbDataPath->lineEdit()->setText(QString::fromStdString(other));
    main->screen().DataPathFinished();
    ASSERT_EQ(gDataPath, other);
    Retitle(c.editor, "SAVED HERE");
    Save(c.editor);
    EXPECT_EQ(FileTitle(own), "SAVED HERE");
    EXPECT_EQ(FileText(other + name), kKept);
    if (c.editor != kind::kEditor) {
      EXPECT_EQ(LastMessage(), "File with a filename of " + own + " has been saved");
    }
    EXPECT_EQ(main->screen().DataPathText(), data_dir);
    EXPECT_EQ(gDataPath, data_dir);
    EXPECT_EQ(main->screen().FileText(), name);
    main->screen().StartAnalysis(AnalysisProgram::Morvelin);
    ASSERT_FALSE(platform_.processes.started.empty());
    EXPECT_EQ(platform_.processes.started.back().argument, data_dir + c.example);
    platform_.windows.Unload(c.editor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

// ---- A save never undoes a change it did not see ----

// How the user's save comes about: the editor's Save, the run's question about unsaved changes, the
// question of EXIT.
enum class SaveRoute { Save, Run, Exit };

struct ChangedOnDiskCase {
  const char* name;
  const char* editor;
  const char* example;
  SaveRoute route;
};
void PrintTo(const ChangedOnDiskCase& c, std::ostream* out) { *out << c.name; }

class AFileChangedOnDisk : public KeptWorkTest, public ::testing::WithParamInterface<ChangedOnDiskCase> {
 protected:
  // The user saves, answering Yes to the editor's or the run's question and `replace` to the question
  // about the other program's change; true when the save went on to its end (the run started, the
  // program ended).
  bool SaveBy(MessageAnswer replace) {
    const ChangedOnDiskCase& c = GetParam();
    if (c.route != SaveRoute::Save) platform_.messages.QueueAnswer(MessageAnswer::Yes);
    platform_.messages.QueueAnswer(replace);
    const std::size_t runs = platform_.processes.started.size();
    const int ends = program_ends;
    switch (c.route) {
      case SaveRoute::Save:
        Save(c.editor);
        return true;
      case SaveRoute::Run:
        main->cmbFileName->setEditText(QString::fromStdString(std::string(c.example) + ".DAT"));
        main->screen().StartAnalysis(AnalysisProgram::Morvelin);
        return platform_.processes.started.size() == runs + 1;
      case SaveRoute::Exit:
        main->screen().Exit();
        return program_ends == ends + 1;
    }
    return false;
  }
};

// Another program changed the file after the editor read it: the save asks before it replaces the
// file (Enter = No). No writes nothing and stops the run or EXIT; Yes saves the editor's data.
TEST_P(AFileChangedOnDisk, IsReplacedOnlyAfterTheUserAgrees) {
  const ChangedOnDiskCase& c = GetParam();
  const std::string file = OpenExampleIn(c.editor, c.example);
  Retitle(c.editor, "CHANGED IN THE EDITOR");
  std::string text = FileText(file);
  const std::string title = FileTitle(file);
  text.replace(text.find(title), title.size(), title + " EXTENDED BY ANOTHER PROGRAM");
  WriteFile(file, text);
  platform_.messages.shown.clear();

  EXPECT_FALSE(SaveBy(MessageAnswer::No) && c.route != SaveRoute::Save);
  EXPECT_EQ(FileText(file), text);
  ASSERT_TRUE(Asked(ChangedOnDiskQuestion(file))) << ::testing::PrintToString(platform_.messages.Texts());
  for (const auto& shown : platform_.messages.shown) {
    if (shown.text == ChangedOnDiskQuestion(file)) {
      EXPECT_EQ(shown.buttons, MessageButtons::YesNoDefaultNo);
    }
  }
  EXPECT_TRUE(platform_.windows.IsLoaded(c.editor));

  EXPECT_TRUE(SaveBy(MessageAnswer::Yes));
  EXPECT_EQ(FileTitle(file), "CHANGED IN THE EDITOR");
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

// After the editor's own save it asks no more: what it wrote is what it knows.
TEST_F(KeptWorkTest, AFileSavedAgainUnchangedOnDiskIsNotAskedAbout) {
  for (const char* editor : {kLayered, kSlab, kind::kEditor}) {
    SCOPED_TRACE(editor);
    const std::string file = OpenExampleIn(editor, editor == kSlab ? "SLA1" : "LAY1");
    for (const char* title : {"FIRST", "SECOND"}) {
      platform_.messages.shown.clear();
      Retitle(editor, title);
      Save(editor);
      EXPECT_EQ(Questions(), 0u) << ::testing::PrintToString(platform_.messages.Texts());
      EXPECT_EQ(FileTitle(file), title);
    }
    platform_.windows.Unload(editor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

const ChangedOnDiskCase kChangedOnDisk[] = {
    {"PeldraneSave", kLayered, "LAY4", SaveRoute::Save},
    {"PeldraneRun", kLayered, "LAY4", SaveRoute::Run},
    {"PeldraneExit", kLayered, "LAY4", SaveRoute::Exit},
    {"CorvistaSave", kSlab, "SLA1", SaveRoute::Save},
    {"CorvistaRun", kSlab, "SLA1", SaveRoute::Run},
    {"CorvistaExit", kSlab, "SLA1", SaveRoute::Exit},
    {"TextEditorSave", kind::kEditor, "LAY1", SaveRoute::Save},
    {"TextEditorRun", kind::kEditor, "LAY1", SaveRoute::Run},
    {"TextEditorExit", kind::kEditor, "LAY1", SaveRoute::Exit},
};

INSTANTIATE_TEST_SUITE_P(EveryEditorAndQuestion, AFileChangedOnDisk, ::testing::ValuesIn(kChangedOnDisk),
                         [](const ::testing::TestParamInfo<ChangedOnDiskCase>& info) { return std::string(info.param.name); });

// A Save As to a new name that fails says that nothing was written: there was no file to leave as
// it was.
TEST_F(KeptWorkTest, AFailedSaveAsToANewNameSaysNothingWasWritten) {
  const std::string locked = Path("locked/"), dangling = data_dir + "DANGLE.DAT";
  fs::create_directories(locked);
  fs::create_symlink(Path("missing/") + "X.DAT", dangling);
  for (const char* editor : {kLayered, kSlab}) {
    for (const std::string& target : {locked + "NEW.DAT", dangling}) {
      SCOPED_TRACE(std::string(editor) + " " + target);
      OpenExampleIn(editor, editor == kSlab ? "SLA1" : "LAY1");
      fs::permissions(locked, fs::perms(0555));
      platform_.file_dialog.QueueChoice(target);
      FileCommand(editor, "SaveAs");
      fs::permissions(locked, fs::perms(0755));
      const std::string told = LastMessage();
      EXPECT_NE(told.find(" could not be saved: "), std::string::npos) << told;
      EXPECT_EQ(told.substr(told.size() - std::string(".  Nothing was written.").size()), ".  Nothing was written.")
          << told;
      EXPECT_FALSE(fs::exists(locked + "NEW.DAT"));
      EXPECT_FALSE(fs::exists(Path("missing/")));
      platform_.windows.Unload(editor);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

// At EXIT each editor that asks about its file stands in front while it asks, and its question names
// the file and the editor.
TEST_F(KeptWorkTest, ExitsQuestionsNameTheFileAndTheEditor) {
  const std::string file = Example("LAY1");
  for (const char* editor : {kind::kEditor, kLayered}) OpenIn(editor, file);
  Retitle(kind::kEditor, "CHANGED IN THE TEXT EDITOR");
  Retitle(kLayered, "CHANGED IN PELDRANE");
  platform_.messages.shown.clear();
  platform_.messages.QueueAnswer(MessageAnswer::No);
  platform_.messages.QueueAnswer(MessageAnswer::Cancel);
  EXPECT_FALSE(main->screen().Exit());
  EXPECT_EQ(platform_.messages.Texts(),
            (std::vector<std::string>{
                "Do you like to save the file?\n\nThe file LAY1.DAT in the text editor.",
                "You have not save the file.  Do you want to save the file?\n\nThe file LAY1.DAT in PELDRANE."}));
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

// ---- One data file open in two editors ----

// An analysis of a file with unsaved changes in two editors asks which editor saves it, one editor
// after the other: Cancel starts nothing, No for both runs the file on disk as it is, Yes saves
// that editor's changes (the other keeps its own, is told so, and is asked about them next time).
TEST_F(KeptWorkTest, AnAnalysisOfAFileChangedInTwoEditorsAsksWhichOneSavesIt) {
  struct Case {
    const char* example;
    AnalysisProgram program;
    const char* first;   // asked first
    const char* second;
  } cases[] = {
      {"LAY1", AnalysisProgram::Morvelin, kind::kEditor, kLayered},
      {"SLA1", AnalysisProgram::Bruntola, kSlab, kind::kEditor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.example);
    const std::string file = Example(c.example);
    const std::string name = std::string(c.example) + ".DAT";
    const std::string on_disk = FileText(file);
    for (const char* editor : {c.first, c.second}) OpenIn(editor, file);
    Retitle(c.first, "CHANGED IN THE FIRST EDITOR");
    Retitle(c.second, "CHANGED IN THE SECOND EDITOR");
    const std::vector<std::string> names = {Editing(c.first).EditorName(), Editing(c.second).EditorName()};
    const auto run = [&](std::initializer_list<MessageAnswer> answers) {
      platform_.messages.shown.clear();
      for (MessageAnswer a : answers) platform_.messages.QueueAnswer(a);
      main->cmbFileName->setEditText(QString::fromStdString(name));
      const std::size_t runs = platform_.processes.started.size();
      main->screen().StartAnalysis(c.program);
      return platform_.processes.started.size() - runs;
    };

    EXPECT_EQ(run({MessageAnswer::Cancel}), 0u);
    EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{WhichEditorSavesQuestion(name, names, 0)});
    EXPECT_EQ(run({MessageAnswer::No, MessageAnswer::No}), 1u);
    EXPECT_EQ(Questions(), 2u);
    EXPECT_TRUE(Asked(WhichEditorSavesQuestion(name, names, 1)));
    EXPECT_EQ(FileText(file), on_disk);

    EXPECT_EQ(run({MessageAnswer::No, MessageAnswer::Yes}), 1u);
    EXPECT_EQ(FileTitle(file), "CHANGED IN THE SECOND EDITOR");
    const std::vector<std::string> texts = platform_.messages.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), KeptChangesNote(name, names[1], names[0])), 1)
        << ::testing::PrintToString(texts);
    EXPECT_EQ(TitleIn(c.first), "CHANGED IN THE FIRST EDITOR");
    EXPECT_TRUE(Editing(c.first).HoldsUnsavedChanges(file));
    EXPECT_FALSE(Editing(c.second).HoldsUnsavedChanges(file));

    // Only the first editor holds unsaved changes now: it alone is asked.
    EXPECT_EQ(run({MessageAnswer::No}), 1u);
    EXPECT_EQ(platform_.messages.Texts(), std::vector<std::string>{UnsavedRunQuestion(name, names[0])});
    for (const char* editor : {c.first, c.second}) platform_.windows.Unload(editor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

// One editor saves a file that another editor holds. The other, with nothing unsaved, asks whether
// to read the file again: Yes shows the saved file, No keeps what it shows, which then counts as not
// saved. With unsaved changes it keeps them, counts them as not saved and says so. Every pair of the
// three editors, each way round.
struct SharedFileCase {
  const char* name;
  const char* saver;
  const char* holder;
  const char* example;
  bool holder_changed;
  MessageAnswer reread;   // the answer to the question (holder_changed: none is asked)
  bool save_as = false;   // the saver writes the file by Save As from another file
};
void PrintTo(const SharedFileCase& c, std::ostream* out) { *out << c.name; }

class SavingAFileAnotherEditorHolds : public KeptWorkTest, public ::testing::WithParamInterface<SharedFileCase> {};

TEST_P(SavingAFileAnotherEditorHolds, TellsThatEditor) {
  const SharedFileCase& c = GetParam();
  const std::string file = Example(c.example);
  const std::string name = std::string(c.example) + ".DAT";
  OpenIn(c.holder, file);
  const std::string held_title = FileTitle(file);
  if (c.holder_changed) Retitle(c.holder, "CHANGED BY THE HOLDER");
  if (c.save_as) {
    // The saver holds another file (of its own kind) and saves it as this one, agreeing to replace it.
    const std::string other = Example(c.saver == kLayered ? "LAY2" : "SLA2");
    OpenIn(c.saver, other);
    Retitle(c.saver, "SAVED BY THE OTHER EDITOR");
    ChooseInSaveAs(file, MessageAnswer::Yes);
  } else {
    OpenIn(c.saver, file);
    Retitle(c.saver, "SAVED BY THE OTHER EDITOR");
  }
  const std::string saver = Editing(c.saver).EditorName(), holder = Editing(c.holder).EditorName();
  platform_.messages.shown.clear();
  if (!c.holder_changed) platform_.messages.QueueAnswer(c.reread);
  if (c.save_as) {
    c.saver == kind::kEditor ? Trigger(c.saver, "mnuSaveAs") : Click(c.saver, "cmdSaveAs");
  } else {
    Save(c.saver);
  }
  ASSERT_EQ(FileTitle(file), "SAVED BY THE OTHER EDITOR") << ::testing::PrintToString(platform_.messages.Texts());
  const std::vector<std::string> texts = platform_.messages.Texts();
  const std::string told =
      c.holder_changed ? KeptChangesNote(name, saver, holder) : RereadQuestion(name, saver, holder);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), told), 1) << ::testing::PrintToString(texts);

  const bool reread = !c.holder_changed && c.reread == MessageAnswer::Yes;
  EXPECT_EQ(TitleIn(c.holder), reread           ? "SAVED BY THE OTHER EDITOR"
                               : c.holder_changed ? "CHANGED BY THE HOLDER"
                                                  : held_title);
  // What the holder shows is on disk only after it read the file again.
  EXPECT_EQ(Editing(c.holder).HoldsUnsavedChanges(file), !reread);
  EXPECT_FALSE(Editing(c.saver).HoldsUnsavedChanges(file));
  EXPECT_EQ(platform_.messages.unanswered, 0);
  EXPECT_EQ(platform_.file_dialog.unanswered, 0);
}

const SharedFileCase kSharedFileCases[] = {
    {"TextEditorSavesPeldranesUnchangedFileReadAgain", kind::kEditor, kLayered, "LAY1", false, MessageAnswer::Yes},
    {"TextEditorSavesPeldranesUnchangedFileKept", kind::kEditor, kLayered, "LAY1", false, MessageAnswer::No},
    {"TextEditorSavesPeldranesChangedFile", kind::kEditor, kLayered, "LAY1", true, MessageAnswer::Ok},
    {"PeldraneSavesTheTextEditorsUnchangedFileReadAgain", kLayered, kind::kEditor, "LAY1", false, MessageAnswer::Yes},
    {"PeldraneSavesTheTextEditorsUnchangedFileKept", kLayered, kind::kEditor, "LAY1", false, MessageAnswer::No},
    {"PeldraneSavesTheTextEditorsChangedFile", kLayered, kind::kEditor, "LAY1", true, MessageAnswer::Ok},
    {"TextEditorSavesCorvistasUnchangedFileReadAgain", kind::kEditor, kSlab, "SLA1", false, MessageAnswer::Yes},
    {"TextEditorSavesCorvistasChangedFile", kind::kEditor, kSlab, "SLA1", true, MessageAnswer::Ok},
    {"CorvistaSavesTheTextEditorsUnchangedFileReadAgain", kSlab, kind::kEditor, "SLA1", false, MessageAnswer::Yes},
    {"CorvistaSavesTheTextEditorsChangedFile", kSlab, kind::kEditor, "SLA1", true, MessageAnswer::Ok},
    {"CorvistaSavesAsPeldranesUnchangedFileKept", kSlab, kLayered, "LAY1", false, MessageAnswer::No, true},
    {"CorvistaSavesAsPeldranesChangedFile", kSlab, kLayered, "LAY1", true, MessageAnswer::Ok, true},
    {"PeldraneSavesAsCorvistasChangedFile", kLayered, kSlab, "SLA1", true, MessageAnswer::Ok, true},
    {"TextEditorSavesAsPeldranesChangedFile", kind::kEditor, kLayered, "LAY1", true, MessageAnswer::Ok, true},
};

INSTANTIATE_TEST_SUITE_P(EveryPair, SavingAFileAnotherEditorHolds, ::testing::ValuesIn(kSharedFileCases),
                         [](const ::testing::TestParamInfo<SharedFileCase>& info) { return std::string(info.param.name); });

// A file reached under two names (a symbolic link, a hard link) is one file: the run asks which
// editor saves it, and the editor that holds it under the other name is told of the save.
TEST_F(KeptWorkTest, AFileUnderTwoNamesIsOneFile) {
  for (const bool symbolic : {true, false}) {
    SCOPED_TRACE(symbolic ? "symbolic link" : "hard link");
    const std::string file = Example("LAY1");
    const std::string link = data_dir + "LINK.DAT";
    fs::remove(link);
    symbolic ? fs::create_symlink(file, link) : fs::create_hard_link(file, link);
    OpenIn(kind::kEditor, link);
    OpenIn(kLayered, file);
    Retitle(kind::kEditor, "CHANGED IN THE TEXT EDITOR");
    Retitle(kLayered, "CHANGED IN PELDRANE");
    EXPECT_TRUE(Editing(kind::kEditor).HoldsUnsavedChanges(file));

    platform_.messages.shown.clear();
    // The text editor does not save; PELDRANE does (after a hard link, where the save is the shared
    // safe write's matter, the run is cancelled).
    platform_.messages.QueueAnswer(MessageAnswer::No);
    platform_.messages.QueueAnswer(symbolic ? MessageAnswer::Yes : MessageAnswer::Cancel);
    main->cmbFileName->setEditText("LAY1.DAT");
    main->screen().StartAnalysis(AnalysisProgram::Morvelin);
    EXPECT_TRUE(Asked(WhichEditorSavesQuestion("LAY1.DAT", {"the text editor", "PELDRANE"}, 0)))
        << ::testing::PrintToString(platform_.messages.Texts());
    if (symbolic) {
      EXPECT_EQ(FileTitle(file), "CHANGED IN PELDRANE");
      const std::vector<std::string> texts = platform_.messages.Texts();
      EXPECT_EQ(std::count(texts.begin(), texts.end(), KeptChangesNote("LINK.DAT", "PELDRANE", "the text editor")), 1)
          << ::testing::PrintToString(texts);
      EXPECT_EQ(TitleIn(kind::kEditor), "CHANGED IN THE TEXT EDITOR");
    }
    for (const char* editor : {kind::kEditor, kLayered}) platform_.windows.Unload(editor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_EQ(platform_.messages.unanswered, 0);
}

}  // namespace
}  // namespace pave::testing
