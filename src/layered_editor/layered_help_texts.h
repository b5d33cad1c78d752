// The help texts of the layered editor's forms, each paragraph ended by CR LF.
#pragma once

#include <string>

namespace pave {

std::string MainMenuHelp();       // frmPELDRANE
std::string GeneralHelp();        // frmGeneral1
std::string NonlinearMenuHelp();  // frmNonlin
std::string NonlinearGeneralHelp();  // frmGenNon
std::string NonseasonalHelp();    // frmGranular, frmClay
std::string SeasonalChooserHelp();   // frmLayer, code 112
std::string CreepChooserHelp();   // frmLayer, code 118
std::string ViscoMenuHelp();      // frmVisco
std::string ViscoGeneralHelp();   // frmGenvis
std::string DamageHelp();         // frmDamage1

}  // namespace pave
