#include <QFileDialog>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QStringList>
#include <QTreeView>

#include <algorithm>
#include <vector>

#include "platform/gui/qt_services.h"

namespace pave {
namespace {

// "Data Files (*.DAT)" with patterns {"*.DAT"} becomes "Data Files (*.DAT)"; "*.*" becomes "*",
// since names without a dot are files too here. The dialog matches patterns regardless of case.
QString QtFilter(const FileFilter& entry) {
  QString description = QString::fromStdString(entry.description).trimmed();
  int open = description.lastIndexOf('(');
  if (open > 0 && description.endsWith(')')) description = description.left(open).trimmed();
  QStringList patterns;
  for (const std::string& pattern : entry.patterns) {
    patterns << (pattern == "*.*" ? QString("*") : QString::fromStdString(pattern));
  }
  if (patterns.isEmpty()) patterns << "*";
  return description + " (" + patterns.join(' ') + ")";
}

// The list shows every column whole: the dialog opens wide enough, the name takes what the size,
// type and date leave, and those three are as wide as their texts.
void WidenColumns(QFileDialog& dialog) {
  dialog.setViewMode(QFileDialog::Detail);
  dialog.resize(std::max(dialog.width(), 840), std::max(dialog.height(), 480));
  auto* list = dialog.findChild<QTreeView*>("treeView");
  if (!list) return;
  QHeaderView* header = list->header();
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(60);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column) header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

}  // namespace

std::optional<FileChoice> QtFileDialog::Show(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (!request.title.empty()) dialog.setWindowTitle(QString::fromStdString(request.title));
  if (request.mode == FileDialogMode::SaveAs) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);   // the caller asks (see FileDialog::Show)
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);

  QStringList filters;
  std::vector<QStringList> patterns;
  for (const FileFilter& entry : ParseFileFilter(request.filter)) {
    filters << QtFilter(entry);
    QStringList listed;
    for (const std::string& pattern : entry.patterns) listed << QString::fromStdString(pattern);
    patterns.push_back(listed);
  }
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    int index = request.filter_index >= 1 && request.filter_index <= filters.size()
                    ? request.filter_index
                    : 1;
    dialog.selectNameFilter(filters[index - 1]);
  }
  // Opening, a name left in the name box that the newly chosen filter does not list is cleared:
  // the file opened is one the list shows, or one the user types.
  if (request.mode == FileDialogMode::Open) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
      const qsizetype chosen = filters.indexOf(filter);
      auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
      if (chosen < 0 || !name || name->text().isEmpty()) return;
      const QStringList& listed = patterns[static_cast<std::size_t>(chosen)];
      if (listed.contains("*.*") || QDir::match(listed, name->text())) return;
      // The file stays selected in the list until the filter hides it, and a selection fills the
      // name box again: it goes first.
      for (auto* view : dialog.findChildren<QAbstractItemView*>()) {
        if (view->selectionModel()) view->selectionModel()->clearSelection();
      }
      name->clear();
    });
  }

  QFileInfo preset(QString::fromStdString(request.file_name));
  dialog.setDirectory(request.file_name.find('/') != std::string::npos ? preset.absolutePath()
                                                                       : QDir::currentPath());
  if (!request.file_name.empty()) dialog.selectFile(preset.fileName());

  WidenColumns(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;

  FileChoice choice;
  choice.file_name = QFileInfo(chosen.first()).absoluteFilePath().toStdString();
  int selected = filters.indexOf(dialog.selectedNameFilter());
  choice.filter_index = selected >= 0 ? selected + 1 : request.filter_index;
  AdoptDirectoryOf(choice.file_name);
  return choice;
}

}  // namespace pave
