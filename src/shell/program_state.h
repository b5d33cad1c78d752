// The program-wide state of ROVANTE: everything that passes between its windows besides the
// windows' own boxes and labels. Every variable exists once for the run and starts empty (0 for
// numbers, "" for texts, an empty Value). The data-set arrays of the two input editors are kept with
// their editors.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/line_writer.h"
#include "common/value.h"
#include "shell/path_list.h"

namespace pave {

// Hand-over between windows.
inline std::string gDataFile;   // data file handed to the window being opened
inline Value gScreenCode;       // code read by the help window, the selectors and the grids
inline std::string gCrLf;       // always CR LF once a window has set it
inline Value gHelpText;         // work area for a window's help or description text
inline PathList gPathList;      // remembered data directories, place 1 the current one

// Owned by the main window, read by the other windows and the command lines.
inline std::string gDataPath;   // current data directory, normally ending in "/"
inline std::string gCurntPath;  // program directory, ending in "/"

// Input editors.
inline Value gFileLoaded;
inline Value gNewFile;
inline Value gEditFileName;
inline Value gLayeredSet;
inline Value gSlabSet;
inline Value gLayeredNPROB;
inline Value gSlabNPROB;
inline Value gCurrentLayer;
inline Value gCurrentSlab;
inline Value gCurrentPeriod;
inline Value gLayeredReadError;
inline Value gSlabReadError;
inline Value gLayeredGeneralVisits;
inline Value gSlabGeneralVisits;
inline std::int16_t gArrangementVisits = 0;
inline std::int16_t gClayDefaults = 0;

// Grid windows.
inline std::int16_t gGridCols = 0;
inline Value gGridLines;
inline std::int16_t gGridRows = 0;
inline Value gMainCols;
inline Value gMainLines;
inline Value gMainRows;
inline Value gMainTopLine;
inline Value gOwnerLine;
inline std::array<std::array<float, 51>, 51> gMainValues{};       // 0..50 by 0..50
inline std::array<std::array<Value, 10>, 202> gLineBuffer{};       // 1..201 by 1..9

// Work variable of the contour window (1 = X, 2 = Y).
inline std::int16_t gContourDir = 0;

// Puts every program-wide variable back to its empty start (for a fresh run within one process,
// as the tests need).
void ResetProgramState();

}  // namespace pave
