#include "platform/gui/qt_grid.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/gui/form.h"
#include "platform/platform.h"
#include "platform/twips.h"

namespace pave {

namespace {
constexpr int kRowHeightTwips = 255;

QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

int VirtualKeyCode(const QKeyEvent& event) {
  const int k = event.key();
  const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return keypad ? 96 + (k - Qt::Key_0) : 48 + (k - Qt::Key_0);
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return 65 + (k - Qt::Key_A);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return 112 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Backspace: return key::kBack;
    case Qt::Key_Tab: case Qt::Key_Backtab: return key::kTab;
    case Qt::Key_Return: case Qt::Key_Enter: return key::kReturn;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return key::kEscape;
    case Qt::Key_Space: return key::kSpace;
    case Qt::Key_PageUp: return key::kPageUp;
    case Qt::Key_PageDown: return key::kPageDown;
    case Qt::Key_End: return key::kEnd;
    case Qt::Key_Home: return key::kHome;
    case Qt::Key_Left: return key::kLeft;
    case Qt::Key_Up: return key::kUp;
    case Qt::Key_Right: return key::kRight;
    case Qt::Key_Down: return key::kDown;
    case Qt::Key_Insert: return key::kInsert;
    case Qt::Key_Delete: return key::kDelete;
    case Qt::Key_Period: return keypad ? 110 : 190;
    case Qt::Key_Minus: return keypad ? 109 : 189;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Comma: return 188;
    default: return 0;
  }
}

int ShiftState(const QKeyEvent& event) {
  const Qt::KeyboardModifiers m = event.modifiers();
  return ((m & Qt::ShiftModifier) ? key::kShift : 0) | ((m & Qt::ControlModifier) ? key::kCtrl : 0) |
         ((m & Qt::AltModifier) ? key::kAlt : 0);
}

bool IsKeyChord(const QKeyEvent& event) {
  return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

int TypedCharacter(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Delete: case Qt::Key_Insert: return 0;
    default: break;
  }
  if (IsKeyChord(event)) return 0;
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  const char16_t c = text.at(0).unicode();
  if (c == 0x7F) return 0;
  return c < 256 ? static_cast<int>(c) : 0;
}

QtGrid::QtGrid(QWidget* parent) : QTableWidget(parent) {
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(TwipsToPixels(kRowHeightTwips));
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(1);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setCornerButtonEnabled(false);
  setFocusPolicy(Qt::StrongFocus);
}

QTableWidgetItem* QtGrid::ItemAt(int table_row, int col) {
  QTableWidgetItem* it = item(table_row, col);
  if (!it) {
    it = new QTableWidgetItem();
    if (col == 0) {
      it->setFlags(Qt::ItemIsEnabled);
      it->setBackground(palette().button());
      it->setForeground(palette().buttonText());
    } else {
      it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    setItem(table_row, col, it);
  }
  return it;
}

void QtGrid::SetRows(int rows) {
  const int old = rowCount();
  setRowCount(std::max(rows - 1, 0));
  for (int r = old; r < rowCount(); ++r) {
    if (columnCount() > 0) ItemAt(r, 0);
  }
}

void QtGrid::SetCols(int cols) {
  const int old = columnCount();
  setColumnCount(std::max(cols, 0));
  for (int c = old; c < columnCount(); ++c) {
    if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, new QTableWidgetItem());
  }
  if (old == 0 && columnCount() > 0) {
    for (int r = 0; r < rowCount(); ++r) ItemAt(r, 0);
  }
}

std::string QtGrid::Text(int row, int col) const {
  if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) return {};
  const QTableWidgetItem* it = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
  return it ? it->text().toStdString() : std::string();
}

void QtGrid::SetText(int row, int col, const std::string& text) {
  if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) return;
  if (row == 0) {
    QTableWidgetItem* header = horizontalHeaderItem(col);
    if (!header) {
      header = new QTableWidgetItem();
      setHorizontalHeaderItem(col, header);
    }
    header->setText(Q(text));
    return;
  }
  QTableWidgetItem* cell = ItemAt(row - 1, col);
  const QString shown = Q(text);
  cell->setText(shown);
  // A column is widened rather than cut its cell's text ("XXXXXXXXX" in a column of 1000 twips).
  // Measuring a cell the way the view draws it is slow next to setting its text, and a table sets
  // every cell at each line insertion: a cell is measured only when a generous estimate of its
  // width does not fit the column.
  if (NeededWidthAtMost(shown) <= columnWidth(col)) return;
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const int wanted = itemDelegate()->sizeHint(option, indexFromItem(cell)).width();
  if (columnWidth(col) < wanted) setColumnWidth(col, wanted);
}

int QtGrid::NeededWidthAtMost(const QString& text) {
  if (advances_.empty()) {
    // The advance of each printable ASCII character in the cells' font, and what the view adds
    // around a text: the style's focus-frame margins, with room for kerning and rounding.
    const QFontMetricsF metrics(font());
    advances_.assign(128, 0.0);
    for (int c = 32; c < 127; ++c) advances_[static_cast<std::size_t>(c)] = metrics.horizontalAdvance(QChar(c));
    const int frame = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    text_allowance_ = 2 * frame + 4;
  }
  qreal width = text_allowance_;
  for (const QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c < 32 || c >= 127) return std::numeric_limits<int>::max();   // measured as drawn
    width += advances_[c];
  }
  return static_cast<int>(std::ceil(width * 1.05));
}

void QtGrid::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) advances_.clear();
  QTableWidget::changeEvent(event);
}

int QtGrid::ColWidth(int col) const {
  if (col < 0 || col >= Cols()) return 0;
  return PixelsToTwips(columnWidth(col));
}

void QtGrid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= Cols()) return;
  setColumnWidth(col, TwipsToPixels(twips));
}

void QtGrid::FitHeaders() {
  const QFontMetrics metrics(horizontalHeader()->font());
  for (int c = 0; c < Cols(); ++c) {
    const QTableWidgetItem* header = horizontalHeaderItem(c);
    if (!header) continue;
    const int wanted = metrics.horizontalAdvance(header->text()) + 8;
    if (columnWidth(c) < wanted) setColumnWidth(c, wanted);
  }
}

int QtGrid::Row() const { return currentRow() >= 0 ? currentRow() + 1 : 0; }

int QtGrid::Col() const { return currentColumn() >= 0 ? currentColumn() : col_; }

void QtGrid::MoveTo(int row, int col) {
  col = std::clamp(col, 1, std::max(Cols() - 1, 1));
  col_ = col;
  if (row < 1 || row > rowCount() || col >= Cols()) {
    if (currentIndex().isValid()) {
      if (events_) events_->GridLeaveCell();
      moving_ = true;
      setCurrentIndex(QModelIndex());
      moving_ = false;
    }
    return;
  }
  if (Row() == row && Col() == col) return;
  if (events_) events_->GridLeaveCell();
  moving_ = true;
  setCurrentCell(row - 1, col);
  moving_ = false;
  scrollTo(model()->index(row - 1, col), QAbstractItemView::EnsureVisible);
}

void QtGrid::SetRow(int row) { MoveTo(row, Col()); }
void QtGrid::SetCol(int col) { MoveTo(Row(), col); }

int QtGrid::TopRow() const {
  const int r = rowAt(0);
  return r >= 0 ? r + 1 : 1;
}

void QtGrid::SetTopRow(int row) {
  verticalScrollBar()->setValue(std::max(row - 1, 0));
}

QRect QtGrid::CurrentRect() const {
  const QModelIndex index = currentIndex();
  if (!index.isValid()) return {};
  QRect r = visualRect(index);
  r.moveTopLeft(viewport()->mapTo(this, r.topLeft()));
  return r;
}

QRect QtGrid::CellRect(int row, int col) const {
  if (row < 1 || row > rowCount() || col < 0 || col >= Cols()) return {};
  QRect r = visualRect(model()->index(row - 1, col));
  r.moveTopLeft(viewport()->mapTo(this, r.topLeft()));
  return r;
}

int QtGrid::CellLeft() const { return PixelsToTwips(CurrentRect().left()); }
int QtGrid::CellTop() const { return PixelsToTwips(CurrentRect().top()); }
int QtGrid::CellWidth() const { return PixelsToTwips(CurrentRect().width()); }
int QtGrid::CellHeight() const { return PixelsToTwips(CurrentRect().height()); }

void QtGrid::SetFocus() {
  if (hasFocus()) return;
  setFocus(Qt::OtherFocusReason);
}

void QtGrid::focusInEvent(QFocusEvent* event) {
  QTableWidget::focusInEvent(event);
  if (events_) events_->GridGotFocus();
}

void QtGrid::keyPressEvent(QKeyEvent* event) {
  const int code = VirtualKeyCode(*event);
  const int shift = ShiftState(*event);
  if (events_) events_->GridKeyDown(code, shift);
  const int c = TypedCharacter(*event);
  if (c != 0) {
    if (events_) events_->GridKeyPress(c);
    event->accept();
    return;
  }
  // The grid's own navigation; Insert and Delete belong to the window.
  switch (event->key()) {
    case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Left: case Qt::Key_Right:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
      QTableWidget::keyPressEvent(event);
      break;
    default:
      event->accept();
      break;
  }
}

void QtGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index.column() == 0) {   // the fixed column never becomes current
    setFocus(Qt::MouseFocusReason);
    event->accept();
    return;
  }
  QTableWidget::mousePressEvent(event);
}

void QtGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index.column() > 0 && index != currentIndex()) {
    MoveTo(index.row() + 1, index.column());
  }
  event->accept();
  if (events_) events_->GridDblClick();
}

void QtGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (!moving_ && previous.isValid() && current != previous && events_) events_->GridLeaveCell();
  if (current.isValid()) col_ = current.column();
  QTableWidget::currentChanged(current, previous);
}

QModelIndex QtGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  QModelIndex index = QTableWidget::moveCursor(action, modifiers);
  if (index.isValid() && index.column() == 0 && columnCount() > 1) index = model()->index(index.row(), 1);
  return index;
}

QtCellEditor::QtCellEditor(QLineEdit& box) : box_(box) { box_.installEventFilter(this); }

bool QtCellEditor::Visible() const { return !box_.isHidden(); }

void QtCellEditor::SetVisible(bool visible) {
  box_.setVisible(visible);
  if (visible) box_.raise();
}

std::string QtCellEditor::Text() const { return box_.text().toStdString(); }

void QtCellEditor::SetText(const std::string& text) { box_.setText(Q(text)); }

int QtCellEditor::Caret() const { return box_.cursorPosition(); }

void QtCellEditor::SetCaret(int position) {
  box_.setCursorPosition(std::clamp(position, 0, static_cast<int>(box_.text().size())));
}

void QtCellEditor::Place(int left, int top, int width, int height) {
  PlaceTwips(box_, left, top, width, height);
}

void QtCellEditor::SetFocus() { box_.setFocus(Qt::OtherFocusReason); }

void QtCellEditor::Paste() { PasteLine(platform().clipboard().GetText()); }

void QtCellEditor::PasteLine(const std::string& text) {
  const std::string line = text.substr(0, text.find_first_of("\r\n"));
  if (line.empty() || box_.isReadOnly()) return;
  box_.insert(Q(line));
}

QMenu* QtCellEditor::ContextMenu() {
  // The box's own menu gives its actions no names to find the Paste by: the editor makes the menu.
  auto* menu = new QMenu(&box_);
  const bool editable = !box_.isReadOnly(), selected = box_.hasSelectedText();
  auto add = [&](const QString& text, const char* name, bool enabled, auto action) {
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    item->setEnabled(enabled);
    connect(item, &QAction::triggered, this, action);
  };
  add(QLineEdit::tr("&Undo"), "edit-undo", editable && box_.isUndoAvailable(), [this] { box_.undo(); });
  add(QLineEdit::tr("&Redo"), "edit-redo", editable && box_.isRedoAvailable(), [this] { box_.redo(); });
  menu->addSeparator();
  add(QLineEdit::tr("Cu&t"), "edit-cut", editable && selected, [this] { box_.cut(); });
  add(QLineEdit::tr("&Copy"), "edit-copy", selected, [this] { box_.copy(); });
  add(QLineEdit::tr("&Paste"), "edit-paste", editable && !platform().clipboard().GetText().empty(),
      [this] { Paste(); });
  add(QLineEdit::tr("Delete"), "edit-delete", editable && selected, [this] { box_.del(); });
  menu->addSeparator();
  add(QLineEdit::tr("Select All"), "select-all", !box_.text().isEmpty(), [this] { box_.selectAll(); });
  return menu;
}

bool QtCellEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &box_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ContextMenu: {
      QMenu* menu = ContextMenu();
      menu->setAttribute(Qt::WA_DeleteOnClose);
      menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
    case QEvent::MouseButtonRelease: {
      // The middle button pastes the X selection: its first line, as every paste into a cell.
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()) break;
      box_.deselect();
      PasteLine(QGuiApplication::clipboard()->text(QClipboard::Selection).toStdString());
      return true;
    }
    case QEvent::KeyPress: {
      if (!events_) break;
      auto* key_event = static_cast<QKeyEvent*>(event);
      events_->EditorKeyDown(VirtualKeyCode(*key_event), ShiftState(*key_event));
      if (box_.isHidden()) return true;   // the handler ended the edit
      int c = TypedCharacter(*key_event);
      if (c != 0) {
        events_->EditorKeyPress(c);
        if (c == 0 || box_.isHidden()) return true;   // swallowed, or the edit ended
      }
      if (key_event->matches(QKeySequence::Paste)) {
        Paste();
        return true;
      }
      // A chord that would put its character into the box (Alt+7) types nothing; the box's own
      // commands (Ctrl+C, Ctrl+Z and the like) carry no printable character and still work.
      if (IsKeyChord(*key_event) && !key_event->text().isEmpty() && key_event->text().at(0).isPrint()) return true;
      return false;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace pave
