// The Qt message box, input box and file dialog, answered by a driver while they wait.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

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

}  // namespace
}  // namespace pave
