// The editors' windows that the grid windows reach: the owners of the status labels they mark and
// the auxiliary forms of the nonseasonal table.
#pragma once

namespace pave::editor_window {
inline constexpr const char* kPeldrane = "frmPELDRANE";
inline constexpr const char* kNonlin = "frmNonlin";
inline constexpr const char* kLayerChooser = "frmLayer";
inline constexpr const char* kVisco = "frmVisco";
inline constexpr const char* kDamage1 = "frmDamage1";
inline constexpr const char* kGranular = "frmGranular";
inline constexpr const char* kClay = "frmClay";
inline constexpr const char* kCorvista = "frmCORVISTA";
inline constexpr const char* kSlabData = "frmSlabData";
inline constexpr const char* kSlabChooser = "frmSlabs";
inline constexpr const char* kOptional = "frmOptional";
inline constexpr const char* kDamage = "frmDamage";
}  // namespace pave::editor_window
