// The window kinds of the layered editor's forms, under the names the grids and selectors use to
// mark their status labels and to reopen the nonlinear layer forms.
#pragma once

namespace pave::kind {
// frmPELDRANE (the main menu) is kind::kLayeredEditor of shell/window_makers.h.
inline constexpr const char* kLayeredGeneral = "frmGeneral1";
inline constexpr const char* kNonlinearMenu = "frmNonlin";
inline constexpr const char* kNonlinearGeneral = "frmGenNon";
inline constexpr const char* kGranular = "frmGranular";
inline constexpr const char* kClay = "frmClay";
inline constexpr const char* kLayerChooser = "frmLayer";
inline constexpr const char* kViscoMenu = "frmVisco";
inline constexpr const char* kViscoGeneral = "frmGenvis";
inline constexpr const char* kLayeredDamage = "frmDamage1";
}  // namespace pave::kind
