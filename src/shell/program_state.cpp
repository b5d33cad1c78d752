#include "shell/program_state.h"

namespace pave {

void ResetProgramState() {
  gDataFile.clear();
  gScreenCode = Value();
  gCrLf.clear();
  gHelpText = Value();
  gPathList = PathList();
  gDataPath.clear();
  gCurntPath.clear();
  for (Value* v : {&gFileLoaded, &gNewFile, &gEditFileName, &gLayeredSet, &gSlabSet, &gLayeredNPROB,
                   &gSlabNPROB, &gCurrentLayer, &gCurrentSlab, &gCurrentPeriod, &gLayeredReadError,
                   &gSlabReadError, &gLayeredGeneralVisits, &gSlabGeneralVisits, &gGridLines,
                   &gMainCols, &gMainLines, &gMainRows, &gMainTopLine, &gOwnerLine}) {
    *v = Value();
  }
  gArrangementVisits = 0;
  gClayDefaults = 0;
  gGridCols = 0;
  gGridRows = 0;
  for (auto& row : gMainValues) row.fill(0.0f);
  for (auto& row : gLineBuffer) row.fill(Value());
  gContourDir = 0;
}

}  // namespace pave
