// Forms built from their control tables: places in twips, names, fonts, colours, frames, menus.
#include "platform/gui/control_table.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

#include "platform/gui/fonts.h"
#include "platform/gui/form.h"
#include "platform/gui/widget_image.h"
#include "qt_app.h"

namespace pave::testing {
namespace {

using K = ControlKind;

constexpr ControlSpec kControls[] = {
    {.name = "lblGeneral", .kind = K::Label, .caption = "input", .left = 120, .top = 240, .width = 900, .height = 255,
     .colour = colour::kRed, .tooltip = "General information"},
    {.name = "txtNl", .kind = K::TextBox, .caption = "3", .left = 6000, .top = 600, .width = 900, .height = 285,
     .colour = colour::kRed, .max_length = 4},
    {.name = "fraUnits", .kind = K::Frame, .caption = "Units", .left = 300, .top = 1200, .width = 3000, .height = 1200},
    {.name = "optEnglish", .kind = K::Option, .caption = "English", .left = 150, .top = 300, .width = 1500,
     .height = 255, .parent = "fraUnits", .flags = ctl::kChecked},
    {.name = "optSI", .kind = K::Option, .caption = "SI", .left = 150, .top = 660, .width = 1500, .height = 255,
     .parent = "fraUnits"},
    {.name = "optOther", .kind = K::Option, .caption = "Other", .left = 4000, .top = 1500, .width = 1500, .height = 255},
    {.name = "Text1", .kind = K::TextArea, .left = 120, .top = 2700, .width = 9255, .height = 1500,
     .font = {"Courier", 9.75, false}, .colour = colour::kBlue, .flags = ctl::kReadOnly},
    {.name = "cmdOk", .kind = K::Button, .caption = "&OK", .left = 4080, .top = 4500, .width = 855, .height = 372},
};

constexpr MenuSpec kMenus[] = {
    {"mnuFile", "          &File", ""},
    {"mnuNew", "   &New", "mnuFile"},
    {"mnuOpen", "   &Old", "mnuFile"},
    {"mnuGeneral", "&General", ""},
};

constexpr FormSpec kSpec{.name = "frmSample", .caption = "Sample form", .controls = kControls, .menus = kMenus};

class ControlTableTest : public ::testing::Test {
 protected:
  ControlTableTest() : form((TestApp(), InstallFontSubstitutes(), *new Form)) { BuildForm(form, kSpec); }
  ~ControlTableTest() override { delete &form; }
  Form& form;
};

TEST_F(ControlTableTest, PlacesEveryControlInTwipsBelowTheMenuBar) {
  EXPECT_EQ(form.windowTitle(), "Sample form");
  EXPECT_EQ(form.objectName(), "frmSample");
  EXPECT_EQ(form.size(), QSize((9615 - kFrameWidthTwips) / 15, (6450 - kFrameHeightTwips) / 15));
  const int menu = MenuBarHeightTwips() / 15;
  EXPECT_EQ(Control<QLabel>(form, "lblGeneral").geometry(), QRect(8, 16 + menu, 60, 17));
  EXPECT_EQ(Control<QPushButton>(form, "cmdOk").geometry(), QRect(272, 300 + menu, 57, 25));
  // Inside a frame the place is the frame's own.
  EXPECT_EQ(Control<QRadioButton>(form, "optSI").geometry(), QRect(10, 44, 100, 17));
  EXPECT_EQ(Control<QRadioButton>(form, "optSI").parentWidget(), &Control<QGroupBox>(form, "fraUnits"));
  std::filesystem::create_directories(PAVE_OUTPUT_DIR);
  EXPECT_TRUE(SaveWidgetPng(form, QString(PAVE_OUTPUT_DIR) + "/control_table.png"));
}

TEST_F(ControlTableTest, CaptionsFontsColoursAndTooltipsComeFromTheTable) {
  QLabel& label = Control<QLabel>(form, "lblGeneral");
  EXPECT_EQ(label.text(), "input");
  EXPECT_EQ(TextColour(label), colour::kRed);
  EXPECT_EQ(label.toolTip(), "General information");
  EXPECT_TRUE(label.font().bold()) << "controls without a font of their own take the form's";
  QPlainTextEdit& text = Control<QPlainTextEdit>(form, "Text1");
  EXPECT_TRUE(text.isReadOnly());
  EXPECT_FALSE(text.font().bold());
  EXPECT_DOUBLE_EQ(text.font().pointSizeF(), 9.75);
  EXPECT_EQ(Control<QLineEdit>(form, "txtNl").maxLength(), 4);
  EXPECT_EQ(Control<QPushButton>(form, "cmdOk").text(), "&OK");
  EXPECT_EQ(colour::FromBgr(255), colour::kRed);
  EXPECT_EQ(colour::FromBgr(16711680), colour::kBlue);
}

TEST_F(ControlTableTest, OptionsExcludeEachOtherOnlyInsideTheirContainer) {
  auto& english = Control<QRadioButton>(form, "optEnglish");
  auto& si = Control<QRadioButton>(form, "optSI");
  auto& other = Control<QRadioButton>(form, "optOther");
  EXPECT_TRUE(english.isChecked());
  si.click();
  EXPECT_FALSE(english.isChecked());
  other.click();
  EXPECT_TRUE(si.isChecked()) << "an option on the form does not clear one in a frame";
}

TEST_F(ControlTableTest, MenusAndClicksAreEvents) {
  QMenuBar* bar = form.findChild<QMenuBar*>("menuBar");
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text(), "          &File");
  EXPECT_EQ(MenuAction(form, "mnuOpen").text(), "   &Old");
  QSignalSpy general(&MenuAction(form, "mnuGeneral"), &QAction::triggered);
  MenuAction(form, "mnuGeneral").trigger();
  EXPECT_EQ(general.count(), 1);

  form.show();
  auto& label = Control<ClickLabel>(form, "lblGeneral");
  QSignalSpy label_clicks(&label, &ClickLabel::clicked);
  QTest::mouseClick(&label, Qt::LeftButton);
  EXPECT_EQ(label_clicks.count(), 1);
  auto& box = Control<ClickLineEdit>(form, "txtNl");
  QSignalSpy box_clicks(&box, &ClickLineEdit::clicked);
  QTest::mouseClick(&box, Qt::LeftButton);
  EXPECT_EQ(box_clicks.count(), 1);
}

TEST_F(ControlTableTest, AMissingControlIsReportedByName) {
  EXPECT_THROW(ControlNamed(form, "txtNothing"), std::logic_error);
  EXPECT_THROW(Control<QPushButton>(form, "lblGeneral"), std::logic_error);
  EXPECT_THROW(MenuAction(form, "mnuNothing"), std::logic_error);
  constexpr ControlSpec orphan[] = {{.name = "optX", .kind = K::Option, .parent = "fraNone"}};
  QWidget other;
  EXPECT_THROW(BuildControls(other, orphan), std::logic_error);
}

}  // namespace
}  // namespace pave::testing
