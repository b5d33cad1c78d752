#include "shell/gui/editor_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "platform/gui/plain_text_box.h"
#include "shell/window_makers.h"

namespace pave {

EditorWindow::EditorWindow() : editor_(*this) {}

QAction* EditorWindow::AddItem(QMenu* menu, const char* name, const char* caption,
                               std::function<void()> action) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(name);
  connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
  return item;
}

QAction* EditorWindow::Item(const QString& name) const { return findChild<QAction*>(name); }

void EditorWindow::Load() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  menu_bar = new QMenuBar(this);
  layout->setMenuBar(menu_bar);
  txtEditor = new PlainTextBox(this);
  txtEditor->setObjectName("txtEditor");
  QFont courier("Courier New");
  courier.setPointSizeF(9.75);
  courier.setStyleHint(QFont::TypeWriter);
  txtEditor->setFont(courier);
  txtEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtEditor->setLineWrapMode(QPlainTextEdit::NoWrap);   // report tables keep their columns
  layout->addWidget(txtEditor);

  TextEditor& e = editor_;
  txtEditor->SetPasteStep([&e] { e.Paste(); });   // keys and context menu paste as the Edit menu does
  QMenu* file = menu_bar->addMenu("&File");
  file->setObjectName("mnuFile");
  AddItem(file, "mnuOpen", "&Open", [&e] { e.Open(); });
  AddItem(file, "mnuSave", "&Save", [&e] { e.Save(); });
  AddItem(file, "mnuSaveAs", "Save &as", [&e] { e.SaveAs(); });
  AddItem(file, "mnuPrint", "&Print", [&e] { e.Print(); });
  AddItem(file, "mnuExit", "E&xit", [&e] { e.Exit(); });
  QMenu* edit = menu_bar->addMenu("&Edit");
  edit->setObjectName("mnuEdit");
  AddItem(edit, "mnuCut", "C&ut", [&e] { e.Cut(); });
  AddItem(edit, "mnuCopy", "&Copy", [&e] { e.Copy(); });
  AddItem(edit, "mnuPast", "&Paste", [&e] { e.Paste(); });
  QMenu* input = menu_bar->addMenu("&Input parameters");
  input->setObjectName("mnuInput");
  AddItem(input, "mnuMorvelin", "Mor&velin", [&e] { e.HelpTopic(3); });
  AddItem(input, "mnuBruntola", "&Bruntola", [&e] { e.HelpTopic(4); });
  QMenu* output = menu_bar->addMenu("&Output parameters");
  output->setObjectName("mnuOutput");
  AddItem(output, "mnuLayer", "Mor&velin", [&e] { e.HelpTopic(5); });
  AddItem(output, "mnuSlabs", "&Bruntola", [&e] { e.HelpTopic(6); });
  QMenu* data = menu_bar->addMenu("&Data File");
  data->setObjectName("mnuData");
  AddItem(data, "mnuMV", "Mor&velin", [&e] { e.HelpTopic(7); });
  AddItem(data, "mnuBT", "&Bruntola", [&e] { e.HelpTopic(8); });
  QMenu* examples = menu_bar->addMenu("E&xamples");
  examples->setObjectName("mnuExamples");
  QMenu* layered = examples->addMenu("Mor&velin");
  layered->setObjectName("mnuMVEx");
  AddItem(layered, "mnuGeneral1", "&General", [&e] { e.HelpTopic(9); });
  QMenu* slab = examples->addMenu("&Bruntola");
  slab->setObjectName("mnuBTEx");
  AddItem(slab, "mnuGeneral2", "&General", [&e] { e.HelpTopic(10); });
  for (int n = 1; n <= 6; ++n) {
    std::string lay = "mnuLay" + std::to_string(n), sla = "mnuSla" + std::to_string(n);
    std::string lay_caption = "LAY&" + std::to_string(n), sla_caption = "SLA&" + std::to_string(n);
    AddItem(layered, lay.c_str(), lay_caption.c_str(), [&e, n] { e.ExampleScreen(LayeredExampleKind(n)); });
    AddItem(slab, sla.c_str(), sla_caption.c_str(), [&e, n] { e.ExampleScreen(SlabExampleKind(n)); });
  }
  // The Help menu has no items: choosing it opens the help topic on the editor.
  QAction* help = menu_bar->addAction("&Help");
  help->setObjectName("mnuHelp");
  connect(help, &QAction::triggered, this, [&e] { e.HelpTopic(2); });

  SetSizeTwipsCentred(9615, 6450);
  editor_.Load();
}

std::string EditorWindow::Text() const { return txtEditor->toPlainText().toStdString(); }

void EditorWindow::SetText(const std::string& text) { txtEditor->setPlainText(QString::fromStdString(text)); }

std::string EditorWindow::SelectedText() const {
  QString selected = txtEditor->textCursor().selectedText();
  selected.replace(QChar::ParagraphSeparator, QChar('\n'));
  selected.replace(QChar::LineSeparator, QChar('\n'));
  return selected.toStdString();
}

void EditorWindow::ReplaceSelection(const std::string& text) {
  txtEditor->textCursor().insertText(QString::fromStdString(text));
}

std::string EditorWindow::Caption() const { return windowTitle().toStdString(); }

void EditorWindow::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void EditorWindow::CloseWindow() {
  closing_ = true;
  close();
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (!closing_ && !editor_.MayClose()) {
    event->ignore();
    return;
  }
  closing_ = true;
  Form::closeEvent(event);
}

}  // namespace pave
