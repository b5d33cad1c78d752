// The window kinds of the slab editor's forms, under the names the grids and the period selector
// use to mark their status labels.
#pragma once

namespace pave::kind {
// frmCORVISTA (the main menu) is kind::kSlabEditor of shell/window_makers.h.
inline constexpr const char* kSlabGeneral = "frmGeneral";
inline constexpr const char* kCurling = "frmCurling";
inline constexpr const char* kSlabData = "frmSlabData";
inline constexpr const char* kSlabChooser = "frmSlabs";
inline constexpr const char* kOptional = "frmOptional";
inline constexpr const char* kSolid = "frmSolid";
inline constexpr const char* kDowel = "frmDowel";
inline constexpr const char* kSlabDamage = "frmDamage";
}  // namespace pave::kind
