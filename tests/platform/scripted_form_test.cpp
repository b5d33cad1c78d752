// A small form driven offscreen through the scripted services, saved as a PNG.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <filesystem>

#include "platform/gui/form.h"
#include "platform/gui/widget_image.h"
#include "platform/scripted_platform.h"
#include "qt_app.h"

namespace pave {
namespace {

// A form in the manner of the package's windows: placed in twips, asks through the platform.
class NoteForm : public Form {
 public:
  void Load() override {
    ++loads;
    setWindowTitle("Note");
    SetSizeTwipsCentred(6000, 4000);
    text = new QPlainTextEdit(this);
    PlaceTwips(*text, 120, 120, 5400, 2400);
    text->setPlainText("LAY1.DAT\nfirst line\nsecond line");
    label = new QLabel("status: default", this);
    PlaceTwips(*label, 120, 2640, 3000, 300);
    print = new QPushButton("&Print", this);
    PlaceTwips(*print, 4200, 2640, 1320, 420);
    connect(print, &QPushButton::clicked, this, [this] { OnPrint(); });
    copy = new QPushButton("&Copy", this);
    PlaceTwips(*copy, 2760, 2640, 1320, 420);
    connect(copy, &QPushButton::clicked, this, [this] {
      platform().clipboard().Clear();
      platform().clipboard().SetText(text->toPlainText().toStdString());
    });
  }

  void OnPrint() {
    auto lines = platform().messages().Input("Number of lines per page", "PRINT", " 57");
    if (!lines) return;
    platform().desktop().SetBusy(true);
    label->setText(QString("status: ") + QString::fromStdString(*lines));
    if (platform().messages().Show("Want to print on the printer?", MessageButtons::YesNo,
                                   "NOTE") == MessageAnswer::Yes) {
      PrintWidget(*this, rect());
    }
    platform().desktop().SetBusy(false);
  }

  int loads = 0;
  QPlainTextEdit* text = nullptr;
  QLabel* label = nullptr;
  QPushButton* print = nullptr;
  QPushButton* copy = nullptr;
};

TEST(ScriptedFormTest, DrivesFormThroughScriptedServicesAndSavesPng) {
  testing::TestApp();
  ScriptedPlatform p;
  p.messages.QueueInput(" 40");
  p.messages.QueueAnswer(MessageAnswer::Yes);
  p.messages.QueueInput(std::nullopt);

  NoteForm* form = p.windows.LoadAndShow<NoteForm>("frmNote");
  ASSERT_NE(form, nullptr);
  // Twips placement: 6000 x 4000 outer, less the frame allowance, at 15 twips a pixel.
  EXPECT_EQ(form->width(), 392);   // (6000 - 120) / 15
  EXPECT_EQ(form->height(), 237);  // (4000 - 450) / 15, rounded
  EXPECT_EQ(form->print->geometry(), QRect(280, 176, 88, 28));

  // Loading again shows the same window without a second load step.
  EXPECT_EQ(p.windows.LoadAndShow<NoteForm>("frmNote"), form);
  EXPECT_EQ(form->loads, 1);

  form->print->click();
  form->copy->click();
  form->print->click();   // cancelled input box: nothing printed
  QApplication::processEvents();

  ASSERT_EQ(p.messages.asked.size(), 2u);
  EXPECT_EQ(p.messages.asked[0].title, "PRINT");
  EXPECT_EQ(p.messages.Texts(), std::vector<std::string>{"Want to print on the printer?"});
  EXPECT_EQ(p.messages.unanswered, 0);
  EXPECT_EQ(p.desktop.busy_calls, (std::vector<bool>{true, false}));
  ASSERT_EQ(p.printer.pages.size(), 1u);
  EXPECT_EQ(p.printer.pages[0].width, PixelsToTwips(form->width()));
  EXPECT_EQ(p.printer.pages[0].height, PixelsToTwips(form->height()));
  EXPECT_EQ(p.clipboard.text, "LAY1.DAT\nfirst line\nsecond line");
  EXPECT_EQ(form->label->text(), "status:  40");

  std::filesystem::create_directories(PAVE_OUTPUT_DIR);
  QString png = QString(PAVE_OUTPUT_DIR) + "/scripted_form.png";
  ASSERT_TRUE(SaveWidgetPng(*form, png));
  QImage saved(png);
  EXPECT_EQ(saved.size(), form->size());

  // Closing the form unloads it.
  form->close();
  EXPECT_FALSE(p.windows.IsLoaded("frmNote"));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(FormTest, CentresByTheWindowRule) {
  testing::TestApp();
  ScriptedPlatform p;
  Form* form = p.windows.Load<Form>("frmPlain");
  form->SetSizeTwipsCentred(9615, 6450);
  TwipsPoint at = CentredWindowPosition(ScreenWidthTwips(), ScreenHeightTwips(), 9615, 6450);
  EXPECT_EQ(form->pos(), QPoint(TwipsToPixels(at.left), TwipsToPixels(at.top)));
  EXPECT_EQ(at.top, ScreenHeightTwips() / 2 - 6450 / 2 - 200);
  EXPECT_EQ(at.left, ScreenWidthTwips() / 2 - 9615 / 2);
  p.windows.Unload("frmPlain");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace pave
