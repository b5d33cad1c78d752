// The help texts of the slab editor's forms, each paragraph ended by CR LF.
#pragma once

#include <string>

namespace pave {

std::string SlabMainMenuHelp();   // frmCORVISTA
std::string SlabGeneralHelp();    // frmGeneral
std::string CurlingHelp();        // frmCurling
std::string SlabDataHelp();       // frmSlabData
std::string SlabChooserHelp(bool x);   // frmSlabs, X (206) or Y (207) coordinates
std::string OptionalHelp();       // frmOptional
std::string SolidHelp();          // frmSolid
std::string DowelHelp();          // frmDowel
std::string SlabDamageHelp();     // frmDamage

}  // namespace pave
