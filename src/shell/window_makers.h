// Which class makes each window kind of ROVANTE. Each subsystem installs the makers of its windows
// when the program starts; a window is then loaded by its kind.
#pragma once

#include <functional>
#include <string>

#include "platform/window_registry.h"

namespace pave {

// Window kinds opened from the main window and the text editor.
namespace kind {
inline constexpr const char* kMain = "frmROVANTE";
inline constexpr const char* kEditor = "frmEditor";
inline constexpr const char* kLayeredEditor = "frmPELDRANE";
inline constexpr const char* kSlabEditor = "frmCORVISTA";
inline constexpr const char* kLayerGraph = "frmTOLMER";
inline constexpr const char* kSlabGraph = "frmVANSEK";
inline constexpr const char* kContourGraph = "frmCONTOUR";
inline constexpr const char* kHelp = "frmHelp1";
inline constexpr const char* kMohr = "frmMohr";
// Period selector and grid forms, opened by both input editors.
inline constexpr const char* kPeriod = "frmPeriod";
inline constexpr const char* kGridSingle = "frmspreadb";   // single-level and auxiliary tables
inline constexpr const char* kGridMain = "frmSpread1";     // main tables 107, 111, 224
inline constexpr const char* kGridMulti = "frmSpread2";    // multi-column tables
inline constexpr const char* kGridSlabLayer = "frmSpread3";  // slab-layer tables 205, 208
inline constexpr const char* kGridMainSlab = "frmSpreada";  // main tables 209, 210, 221, 223
}  // namespace kind

// "frmLay1" .. "frmLay6", "frmSla1" .. "frmSla6".
std::string LayeredExampleKind(int n);
std::string SlabExampleKind(int n);

using WindowMaker = std::function<Window*()>;

void SetWindowMaker(const std::string& kind, WindowMaker maker);
bool HasWindowMaker(const std::string& kind);
void ClearWindowMakers();   // also the second-opening handlers and the opening check

// What a window does when LoadWindow finds it already loaded (a second opening, which does not run
// its load step again): for example tell the user that it is busy with another table.
void SetSecondOpening(const std::string& kind, std::function<void(Window&)> handler);

// What is asked before a window that is not loaded is loaded: false, after the user was told why,
// when it may not open beside the windows open now (the grids install the rule that two windows
// never work on the same entries of a data set at once).
void SetOpeningCheck(std::function<bool(const std::string& kind)> check);

// Loads the window of `kind` through the platform's registry with its maker: returns the loaded
// window (already loaded: the same one, its load step not run again), or null when it has no maker,
// the opening check refused it or its load step unloaded it.
Window* LoadWindow(const std::string& kind);

// Ends the program (the main window's Exit, an editor without a file name). The program installs
// what ending means; tests record it.
void SetProgramEnd(std::function<void()> end);
void EndProgram();

}  // namespace pave
