#include "platform/scripted_services.h"

#include <cmath>

#include "platform/recording_surface.h"

namespace pave {

bool ScriptedPrinter::Record(Call call) {
  std::size_t number = calls.size();
  calls.push_back(std::move(call));
  return failing_calls.count(number) == 0;
}

bool ScriptedPrinter::SetFontName(const std::string& name) {
  Call call(Op::FontName);
  call.text = name;
  return Record(call) && !refuse_fonts;
}

bool ScriptedPrinter::SetFontSize(double points) {
  Call call(Op::FontSize);
  call.size = points;
  if (!Record(call) || refuse_fonts) return false;
  points_ = points;
  return true;
}

bool ScriptedPrinter::SetFontBold(bool bold) {
  Call call(Op::FontBold);
  call.bold = bold;
  return Record(call) && !refuse_fonts;
}

bool ScriptedPrinter::PrintLine(const std::string& text, int column) {
  Call call(Op::Line);
  call.text = text;
  call.column = column;
  if (!Record(call)) return false;
  std::string line = column > 1 ? std::string(static_cast<std::size_t>(column - 1), ' ') : "";
  open_document.push_back(line + text);
  return true;
}

int ScriptedPrinter::LineColumns() {
  if (line_points <= 0 || points_ <= 0) return 0;
  return static_cast<int>(std::floor(line_points / (0.6 * points_) + 1e-9));
}

bool ScriptedPrinter::EndDocument() {
  if (!Record(Call(Op::EndDocument))) return false;
  if (!open_document.empty()) documents.push_back(std::move(open_document));
  open_document.clear();
  return true;
}

bool ScriptedPrinter::PrintPage(const PrintablePage& page) {
  Call call(Op::Page);
  call.width = page.WidthTwips();
  call.height = page.HeightTwips();
  call.orientation = page.Orientation();
  if (!Record(call) || call.width <= 0 || call.height <= 0) return false;
  RecordingSurface surface(call.width, call.height);
  page.Draw(surface);
  pages.push_back({call.width, call.height, call.orientation, surface.Drawing()});
  const bool turned = call.orientation == PageOrientation::Landscape;
  documents.push_back({std::string(turned ? "[landscape page " : "[page ") + std::to_string(call.width) + "x" +
                       std::to_string(call.height) + "]"});
  return true;
}

void ScriptedPrinter::SetDataDirectory(const std::string& directory) {
  Call call(Op::DataDirectory);
  call.text = directory;
  Record(call);
}

void ScriptedPrinter::BeginCommand(const std::string& what) {
  if (command_depth_++ == 0) {
    command_start_ = documents.size();
    command_name_ = what;
  }
}

void ScriptedPrinter::EndCommand() {
  if (command_depth_ > 0 && --command_depth_ == 0) {
    commands.push_back(static_cast<int>(documents.size() - command_start_));
    command_names.push_back(command_name_);
  }
}

}  // namespace pave
