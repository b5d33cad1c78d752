// The Qt message box, input box and file dialog, answered by a driver while they wait.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QTreeView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "platform/gui/qt_services.h"
#include "qt_app.h"

namespace pave {
namespace {

namespace fs = std::filesystem;

TEST(QtDialogsTest, MessageBoxAnswersAndTitle) {
  testing::TestApp();
  QtMessages messages;
  QString title;
  QMessageBox::StandardButton press = QMessageBox::Yes;
  testing::ModalDriver driver([&](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    if (press == QMessageBox::NoButton) {
      box->close();   // the window's close button
    } else {
      box->button(press)->click();
    }
  });
  EXPECT_EQ(messages.Show("Want to print on the printer?", MessageButtons::YesNo, "TOLMER"),
            MessageAnswer::Yes);
  EXPECT_EQ(title, "TOLMER");
  press = QMessageBox::No;
  EXPECT_EQ(messages.Show("Do you like to save the file?", MessageButtons::YesNoCancel, "ROVANTE"),
            MessageAnswer::No);
  press = QMessageBox::NoButton;
  EXPECT_EQ(messages.Show("Do you like to save the file?", MessageButtons::YesNoCancel, "ROVANTE"),
            MessageAnswer::Cancel);
  EXPECT_EQ(messages.Show("Want to print on the printer?", MessageButtons::YesNo, "TOLMER"),
            MessageAnswer::No);
  press = QMessageBox::Ok;
  EXPECT_EQ(messages.Show("File not open", MessageButtons::Ok, "ROVANTE"), MessageAnswer::Ok);
  EXPECT_EQ(driver.handled, 5);
}

// Enter answers a question whose Yes replaces a file with No; in the other Yes/No boxes with Yes.
TEST(QtDialogsTest, EnterOnTheReplaceQuestionAnswersNo) {
  testing::TestApp();
  QtMessages messages;
  testing::ModalDriver driver([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Return); });
  EXPECT_EQ(messages.Show("The file /tmp/LAY1.DAT already exists.  Do you want to replace it?",
                          MessageButtons::YesNoDefaultNo, "ROVANTE"),
            MessageAnswer::No);
  EXPECT_EQ(messages.Show("Want to print on the printer?", MessageButtons::YesNo, "TOLMER"), MessageAnswer::Yes);
  EXPECT_EQ(driver.handled, 2);
}

// Escape answers Cancel where the box has it (the question then changes nothing), No otherwise.
TEST(QtDialogsTest, EscapeAnswersCancelWhereTheBoxHasIt) {
  testing::TestApp();
  QtMessages messages;
  testing::ModalDriver driver([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
  EXPECT_EQ(messages.Show("NUNIT is now 1 (SI units), but ...", MessageButtons::YesNoCancel, "ROVANTE"),
            MessageAnswer::Cancel);
  EXPECT_EQ(messages.Show("Want to print on the printer?", MessageButtons::YesNo, "TOLMER"), MessageAnswer::No);
  EXPECT_EQ(driver.handled, 2);
}

TEST(QtDialogsTest, InputBoxGivesTextOrNothing) {
  testing::TestApp();
  QtMessages messages;
  bool accept = true;
  QString preset;
  testing::ModalDriver driver([&](QWidget& modal) {
    auto* dialog = qobject_cast<QInputDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    preset = dialog->textValue();
    if (accept) {
      dialog->setTextValue("40");
      dialog->accept();
    } else {
      dialog->reject();
    }
  });
  EXPECT_EQ(messages.Input("Number of lines per page", "PRINT", " 57"),
            std::optional<std::string>("40"));
  EXPECT_EQ(preset, " 57");
  accept = false;
  EXPECT_EQ(messages.Input("Number of lines per page", "PRINT", " 57"), std::nullopt);
}

TEST(QtDialogsTest, FileDialogChoosesAdoptsDirectoryAndKeepsFilter) {
  testing::TestApp();
  fs::path old_dir = fs::current_path();
  fs::path dir = fs::path(PAVE_OUTPUT_DIR) / "file dialog";
  fs::create_directories(dir);
  std::ofstream(dir / "lay1.dat") << "1\n";
  QtFileDialog dialogs;
  FileDialogRequest request{FileDialogMode::Open,
                            "All Files (*.*)|*.*|Data Files (*.DAT)|*.DAT|Text Files (*.TXT)|*.TXT|",
                            2, (dir / "lay1.dat").string(), ""};
  QStringList filters;
  QString selected_filter;
  bool accept = true;
  testing::ModalDriver driver([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    filters = dialog->nameFilters();
    selected_filter = dialog->selectedNameFilter();
    if (accept) {
      QMetaObject::invokeMethod(dialog, "accept");
    } else {
      dialog->reject();
    }
  });
  std::optional<FileChoice> choice = dialogs.Show(request);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->file_name, (dir / "lay1.dat").string());
  EXPECT_EQ(choice->filter_index, 2);
  EXPECT_EQ(fs::current_path(), dir);
  EXPECT_EQ(filters, (QStringList{"All Files (*)", "Data Files (*.DAT)", "Text Files (*.TXT)"}));
  EXPECT_EQ(selected_filter, "Data Files (*.DAT)");
  fs::current_path(old_dir);

  accept = false;
  EXPECT_FALSE(dialogs.Show(request));
  EXPECT_EQ(fs::current_path(), old_dir);
}

// Opening with a data file offered under "Data Files", then choosing "Text Files": the list shows
// the text files only and the data file's name leaves the name box, so Open does not read it.
TEST(QtDialogsTest, AnotherFilterListsItsFilesAndDropsTheNameItDoesNotList) {
  testing::TestApp();
  fs::path dir = fs::path(PAVE_OUTPUT_DIR) / "file dialog filters";
  fs::create_directories(dir);
  std::ofstream(dir / "LAY1.DAT") << "1\n";
  std::ofstream(dir / "LAY1.TXT") << "report\n";
  fs::path old_dir = fs::current_path();
  QtFileDialog dialogs;
  FileDialogRequest request{FileDialogMode::Open,
                            "All Files (*.*)|*.*|Data Files (*.DAT)|*.DAT|Text Files (*.TXT)|*.TXT|", 2,
                            (dir / "LAY1.DAT").string(), ""};
  QString name_before, name_after;
  std::vector<std::string> listed;
  testing::ModalDriver driver([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    auto* list = dialog->findChild<QTreeView*>("treeView");
    ASSERT_TRUE(name && types && list);
    auto rows = [&] {
      QStringList shown;
      const QModelIndex root = list->rootIndex();
      for (int row = 0; row < list->model()->rowCount(root); ++row) shown << list->model()->index(row, 0, root).data().toString();
      return shown;
    };
    for (int wait = 0; wait < 200 && rows().isEmpty(); ++wait) QTest::qWait(10);
    name_before = name->text();
    types->setCurrentIndex(2);   // as the user chooses it
    emit types->activated(2);
    emit types->textActivated(types->currentText());
    name_after = name->text();
    for (int wait = 0; wait < 200 && rows() != QStringList{"LAY1.TXT"}; ++wait) QTest::qWait(10);
    for (const QString& row : rows()) listed.push_back(row.toStdString());
    dialog->reject();
  });
  EXPECT_FALSE(dialogs.Show(request));
  EXPECT_EQ(name_before, "LAY1.DAT");
  EXPECT_EQ(name_after, "");
  EXPECT_EQ(listed, std::vector<std::string>{"LAY1.TXT"});
  fs::current_path(old_dir);
}

// The list of files shows every column whole: what its size, type and date need of the window
// is there, and the whole list lies inside the dialog.
TEST(QtDialogsTest, FileDialogColumnsShowTheirTexts) {
  testing::TestApp();
  fs::path dir = fs::path(PAVE_OUTPUT_DIR) / "file dialog columns";
  fs::create_directories(dir);
  std::ofstream(dir / "a long name of a data file of the layered examples.dat") << std::string(504, 'x');
  std::ofstream(dir / "notes.txt") << "plain text\n";
  fs::path old_dir = fs::current_path();
  QtFileDialog dialogs;
  for (const FileDialogMode mode : {FileDialogMode::Open, FileDialogMode::SaveAs}) {
    FileDialogRequest request{mode, "All Files (*.*)|*.*|", 1, (dir / "notes.txt").string(), ""};
    testing::ModalDriver driver([&](QWidget& modal) {
      auto* dialog = qobject_cast<QFileDialog*>(&modal);
      ASSERT_NE(dialog, nullptr);
      auto* list = dialog->findChild<QTreeView*>("treeView");
      ASSERT_NE(list, nullptr);
      auto* model = qobject_cast<QFileSystemModel*>(list->model());
      ASSERT_NE(model, nullptr);
      const QModelIndex root = list->rootIndex();
      for (int wait = 0; wait < 200 && model->rowCount(root) < 2; ++wait) QTest::qWait(10);
      ASSERT_EQ(model->rowCount(root), 2);
      QTest::qWait(50);   // the columns follow their contents
      const QHeaderView* header = list->header();
      const QFontMetrics metrics(list->font());
      for (int row = 0; row < 2; ++row) {
        for (int column = 1; column < header->count(); ++column) {
          const QString text = model->index(row, column, root).data().toString();
          EXPECT_LE(metrics.horizontalAdvance(text) + 6, header->sectionSize(column)) << text.toStdString();
        }
      }
      EXPECT_GE(header->sectionSize(0), 200);
      const QRect shown(list->mapTo(dialog, QPoint(0, 0)), list->size());
      EXPECT_TRUE(dialog->rect().contains(shown));
      dialog->reject();
    });
    EXPECT_FALSE(dialogs.Show(request));
    EXPECT_EQ(driver.handled, 1);
  }
  fs::current_path(old_dir);
}

}  // namespace
}  // namespace pave
