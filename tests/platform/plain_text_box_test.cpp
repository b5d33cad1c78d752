// The multi-line text box over the system clipboard, offscreen: every way of pasting takes the
// clipboard's text alone, and a clipboard without text (nothing, data without any format as an X
// display hands over an empty clipboard, an image) changes nothing and ends nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextCursor>

#include <functional>
#include <memory>

#include "platform/gui/plain_text_box.h"
#include "platform/gui/qt_services.h"
#include "platform/platform.h"
#include "qt_app.h"

namespace pave {
namespace {

struct Content {
  const char* name;
  std::function<QMimeData*()> data;   // null: the clipboard is cleared
  QString pasted;                     // what replaces the selection; empty: the selection stays
};

const Content kContents[] = {
    {"cleared", nullptr, ""},
    {"data without any format", [] { return new QMimeData; }, ""},
    {"an image only",
     [] {
       auto* d = new QMimeData;
       d->setImageData(QImage(4, 4, QImage::Format_RGB32));
       return d;
     },
     ""},
    {"empty text",
     [] {
       auto* d = new QMimeData;
       d->setText("");
       return d;
     },
     ""},
    {"text of two lines",
     [] {
       auto* d = new QMimeData;
       d->setText("12.5\r\n7");
       return d;
     },
     "12.5\n7"},
};

struct Way {
  const char* name;
  std::function<void(PlainTextBox&)> paste;
};

const Way kWays[] = {
    {"Ctrl+V", [](PlainTextBox& box) { QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier); }},
    {"Shift+Insert", [](PlainTextBox& box) { QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier); }},
    {"context menu",
     [](PlainTextBox& box) {
       std::unique_ptr<QMenu> menu(box.ContextMenu(QPoint(2, 2)));
       if (QAction* paste = menu->findChild<QAction*>("edit-paste")) paste->trigger();
     }},
    {"the toolkit's own paste", [](PlainTextBox& box) { box.paste(); }},
    {"the paste step", [](PlainTextBox& box) { box.Paste(); }},
};

class PlainTextBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::TestApp();
    previous_ = InstallPlatform(PlatformServices{.clipboard = &clipboard_});
    box_ = std::make_unique<PlainTextBox>();
    box_->show();
  }
  void TearDown() override {
    box_.reset();
    QGuiApplication::clipboard()->clear();
    InstallPlatform(previous_);
  }
  // The box shows "keep this" with "keep" selected.
  void Reset() {
    box_->setPlainText("keep this");
    QTextCursor cursor = box_->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    box_->setTextCursor(cursor);
  }
  static void PutOnClipboard(const Content& c) {
    if (c.data) {
      QGuiApplication::clipboard()->setMimeData(c.data());
    } else {
      QGuiApplication::clipboard()->clear();
    }
  }

  QtClipboard clipboard_;
  std::unique_ptr<PlainTextBox> box_;   // made once the application is there

 private:
  PlatformServices previous_;
};

TEST_F(PlainTextBoxTest, EveryWayOfPastingTakesTheClipboardsTextAlone) {
  for (const Way& way : kWays) {
    for (const Content& c : kContents) {
      SCOPED_TRACE(std::string(way.name) + " with " + c.name);
      Reset();
      PutOnClipboard(c);
      way.paste(*box_);
      if (c.pasted.isEmpty()) {
        EXPECT_EQ(box_->toPlainText(), "keep this");
        EXPECT_EQ(box_->textCursor().selectedText(), "keep");
      } else {
        EXPECT_EQ(box_->toPlainText(), c.pasted + " this");
      }
    }
  }
}

TEST_F(PlainTextBoxTest, AReadOnlyBoxTakesNothing) {
  box_->setReadOnly(true);
  for (const Way& way : kWays) {
    SCOPED_TRACE(way.name);
    Reset();
    PutOnClipboard(kContents[4]);
    way.paste(*box_);
    EXPECT_EQ(box_->toPlainText(), "keep this");
  }
}

TEST_F(PlainTextBoxTest, TheContextMenusPasteRunsTheBoxsPasteStep) {
  int steps = 0;
  box_->SetPasteStep([&steps] { ++steps; });
  PutOnClipboard(kContents[4]);
  std::unique_ptr<QMenu> menu(box_->ContextMenu(QPoint(2, 2)));
  QAction* paste = menu->findChild<QAction*>("edit-paste");
  ASSERT_NE(paste, nullptr);
  EXPECT_TRUE(paste->isEnabled());
  paste->trigger();
  QTest::keyClick(box_.get(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(box_.get(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(steps, 3);
  EXPECT_EQ(box_->toPlainText(), "");

  QGuiApplication::clipboard()->setMimeData(new QMimeData);
  menu.reset(box_->ContextMenu(QPoint(2, 2)));
  EXPECT_FALSE(menu->findChild<QAction*>("edit-paste")->isEnabled());
}

}  // namespace
}  // namespace pave
