// A stand-in analysis program for the front end's tests. The argument picks the run's end:
// "normal ...", "stop ..." or "error ..."; "throw" lets an exception escape.
#include <stdexcept>
#include <string>

#include "platform/gui/analysis_program.h"

namespace {

pave::RunEnd Run(const std::string& argument, pave::AnalysisHost& host) {
  pave::ProgressLog log(host, 2);
  host.SetBusy(true);
  host.SetCaption("FAKE - " + argument);
  log.text = "FILENAME: " + argument + "\r\n";
  log.Display();
  log.text += "step 1\r\n";
  log.Display();
  log.text += "step 2\r\n";
  log.Display();   // the third update starts a new text
  log.text += "step 3\r\n";
  log.Display();
  if (argument == "throw") throw std::runtime_error("fault");
  if (argument.rfind("stop", 0) == 0) {
    host.Message("LIMIT EXCEEDED, SO COMPUTATION STOPS.");
    return pave::RunEnd::InputStop;
  }
  if (argument.rfind("error", 0) == 0) {
    host.Message("File not found or data error");
    return pave::RunEnd::DataError;
  }
  host.Message("Your text output is stored in a file called x.TXT\r\nPlease click the OK button to exit.");
  return pave::RunEnd::Normal;
}

}  // namespace

int main(int argc, char** argv) {
  pave::AnalysisProgram program;
  program.title = "FAKE";
  return pave::RunAnalysisProgram(argc, argv, program, Run);
}
