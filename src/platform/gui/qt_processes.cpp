#include <QProcess>
#include <QStringList>

#include <cstdlib>

#include "platform/gui/qt_services.h"

namespace pave {
namespace {

bool StartIn(const QString& command, const QStringList& arguments, const QString& directory) {
  if (command.isEmpty()) return false;
  return QProcess::startDetached(command, arguments, directory);
}

}  // namespace

bool QtProcesses::Start(const std::string& program, const std::string& argument) {
  QStringList arguments;
  if (!argument.empty()) arguments << QString::fromStdString(argument);
  return StartIn(QString::fromStdString(program), arguments, QString());
}

bool QtProcesses::OpenTerminal(const std::string& directory) {
  QString dir = QString::fromStdString(directory);
  if (StartIn("x-terminal-emulator", {}, dir)) return true;
  const char* terminal = std::getenv("TERMINAL");
  if (!terminal || !*terminal) return false;
  // $TERMINAL may carry options of its own ("xterm -fa Mono").
  QStringList parts = QProcess::splitCommand(QString::fromLocal8Bit(terminal));
  if (parts.isEmpty()) return false;
  QString command = parts.takeFirst();
  return StartIn(command, parts, dir);
}

}  // namespace pave
