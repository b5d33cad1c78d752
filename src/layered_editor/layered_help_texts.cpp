#include "layered_editor/layered_help_texts.h"

#include "common/line_writer.h"

namespace pave {

std::string MainMenuHelp() {
  return CrLfLines({
      "    (1)  This is the Main Menu of PELDRANE for creating and editing data file.  This menu appears when the PELDRANE button on the Main Screen of ROVANTE is clicked.  The data is divided into groups and can be found by clicking the appropriate menu.  Always start from the left menu to the right because data entered in the left menu may affect the type of form to be used in the right menu.  When you finish reading this page, you can use the scrollbar or the PgDn key to read down the page.",
      "    (2)  Below each menu is a label showing 'input' in red or 'default' in blue.  The red label indicates that you must click the menu to supply some of the data, while the blue label implies that the default values have been provided so, if you want to use the defaults, there is no need to click the menu.  Of course, you can always click the menu to see what the defaults are and make the necessary changes, if desired. Note that some color codes are changed from blue to red, and vice versa, if the corresponding input parameters in General Information are changed.",
      "    (3)  For a longer description of each menu, you can point the arrow to the corresponding label below the menu.  Except for the 'file' label, you can also click the label, instead of the menu, to obtain the data entry form.",
      "    (4)  Below the menus and labels are the following buttons:",
      "",
      "Data Set = Data Set 1 is active automatically.  Click Data Set 2 to 5 if there are 2 to 5 sets of data.  If a                 data set is No in blue, you should not click it unless you want to create a new data set.",
      "Save = Click 'Save' for an old file with no change of filename.",
      "Save As = Click 'Save As' to rename the new 'Untitled' file or change the name of an old file.",
      "Exit = Click 'Exit' after the file has been saved by clicking 'Save' or 'Save As'.",
      "",
      "    Below the five data set buttons are labels with 'Yes' in red and 'No' in blue.  The red yes label indicates that the data set exists or must be provided by the user, while the blue no label indicates that no data set exits.  For a new file, the label under Data Sets 2 to 5 are always No in blue.  If these Data Set buttons are clicked, it will be changed to Yes in red and all the data in Data Set 1 will be copied into these new sets.  For an existing file, the label under data sets 2 to 5 may be blue or red depending on NPROB specified in the data file.  If a blue Data Set is clicked, it will be changed to Yes in red and all the data in Data Set 1 will be copied into these new sets.  The reason for copying from Data Set 1 is to avoid the repeated input of data for each data set because these sets must be related, otherwise they would not be run at the same time.  For example, to find the effect of pavement thickness, several data sets can be run at the same time, each with a different thickness while all other data remain the same.",
      "    (5)  To set up a new data file, disregard the filename in the Filename box on the Main Screen of ROVANTE and click the PELDRANE button, so this Main Menu of PELDRANE will appear.  Then click 'File' and 'New' and the filename 'Untitled' will appear on the label beneath 'File'.  You can now proceed to input the necessary data.",
      "    (6)  To edit an existing file, you can click the filename in the drop-down list box to highlight it in the Filename box on the Main Screen.  After clicking the PELDRANE button and then 'File' and 'Old', a dialog box showing a list of data files will appear.  The filename on the Main Screen of ROVANTE is shown as default.  If this default file is the one you want to edit, click the 'Open' button. If you want to use a different file to edit, click the file name in the list and then Open.  After the file is opened, the 'Input' on the label will be changed to this filename, indicating that the file has been entered.  This filename will also appear in the Filename box on the Main Screen.  Consequently, for an existing file you can ignore the name in the Filename box on the Main Screen and click the 'File' and 'Old' buttons to select the file you want.  In fact, it is much easier to find the filename in the Open Dialog box than in the Filename box on the Main Screen because the files that have been used most recently are listed first in the dialog box.  After a file is entered, you cannot enter another file unless the first file exits from PELDRANE.",
      "    (7)  The number of problems to be solved depends on the number of data sets.  The maximum number of data sets is limited to 5.  For a new file, always proceed from data set 1 to data set 5 by clicking the option button.  The active data set is indicated by a black dot in the option button.  The number of problems (NPROB) or data sets is governed by the highest data set number.  For example, once Data Set 5 is clicked, NPROB will be 5 and cannot be reduced to any other number unless the NPROB in the data file is changed.  This can be accomplished by saving the file, exiting from PELDRANE, and clicking the EDITOR button on the Main Screen to make the change.",
      "    (8)  After entering the 'General' menu and changing some of the defaults, some labels with blue 'default' may change to red 'input', indicating that you are not using the defaults and these menus must be entered. For example, the default for NDAMA is 0 for no damage analysis.  If you change NDAMA to 1 in the 'General' menu, the label under the 'Damage' menu will change automatically from blue 'default' to red 'input', indicating that you must enter the 'Damage' menu.  These reminders are very helpful when you are creating a new file.  When editing an old file, some red 'input' may change to blue 'default' indicating that no input is required.",
      "    (9)  After completing the data entry for a given menu, the 'input' on the label will be changed to 'done'. Attention to this change during the creation of a new file will help avoid the missing of necessary data.  If a form has an auxiliary screen, as indicated by the red letters 'Double click ........' on top of the screen, it is necessary to enter the auxiliary form in order for 'done' to appear.  If the original 'input' or 'default' still remains, missing to enter the auxiliary form is indicated.",
      "    (10) Click the 'Save' or 'Save As' button before exit.  The former is to save the file with no change of name, while the latter is to save the file in a different name.  When 'Save As' is clicked, a dialog box with a default filename will appear.  You can override the default by typing in the new filename, which will show automatically on the main screen of ROVANTE and be used directly to run MORVELIN.  After clicking 'Save', a message box showing the filename to be saved will appear.",
      "    (11) Click the 'Exit' button after you have completed and saved the data file. If you forget to save the file before exit, a message 'You have not save the file.  Do you want to save the file?' will be shown.  If you want to save the file, click 'yes' and the file will be saved.  If you click 'No', the file is not saved and the edited portion is abandoned.  If you want to make some more changes and don't want to exit, click 'Cancel'.",
      "    (12)  If you forget to enter a menu, a diagnostic message will appear when you click the 'Save', 'Save As' or 'Exit' button.  Simply click the menu indicated and fill in the data needed.  This diagnosis only applies to the missing data in data set 1.  If the same mistake occurs in data set 2, you should click the other Data Set button and make the same correction.",
  });
}

std::string GeneralHelp() {
  return CrLfLines({
      "    (1)  This form appears when General is clicked on the Main Menu of PELDRANE.  Any default value shown can be overridden by typing a new one.  Use the Tab key to move from one box to the next, or click a box: clicking a box first has the advantage that the default need not be deleted before typing.  Use the scroll bar or the PgDn key to read the rest of this help.",
      "    (2)  TITLE: any title or comment on one line, at most 68 characters including spaces.  Use the Del key to erase typing errors; no further characters can be added after the 68th.  No comma may be used in the title.  Use colon or semicolon instead.",
      "    (3)  MATL: 1 when all layers are linear elastic; 2 when some layers are nonlinear elastic and the rest linear; 3 when some layers are viscoelastic and the rest linear; 4 when some layers are nonlinear, some viscoelastic and the rest linear.",
      "    (4)  NDAMA: 0 for no damage analysis, 1 for a damage analysis with a summary printout, 2 for a damage analysis with a more detailed printout, which is not recommended when there are many periods or load groups.",
      "    (5)  NPY: the number of periods in a year, at most 12.  Periods may also be used to compare the effect of different layer moduli without a damage analysis.",
      "    (6)  NLG: the number of load groups, at most 12, each with its own wheel loads and configuration.  It is not the number of wheels in a group.",
      "    (7)  DEL: the tolerance of the numerical integration; the default 0.001 means an accuracy of 0.1%.",
      "    (8)  NL: the number of layers, at most 19.  The default of 3 is shown in red because it will usually be changed.",
      "    (9)  NZ: the number of Z coordinates at which responses are computed.  It may be left 0 when NDAMA = 1, because the layers of the damage analysis then decide the depths.",
      "    (10) ICL: the maximum number of cycles of numerical integration; 80 is suggested.  The number of cycles shown during the run must stay below ICL, or the results have not converged to the tolerance DEL.",
      "    (11) NSTD: 1 for the vertical displacement only, 5 for the displacement and four stresses, 9 for the displacement, four stresses and four strains.  A damage analysis needs 9.",
      "    (12) NBOND: 1 when all layer interfaces are bonded, as is usual; 0 when some interfaces are unbonded or frictionless.",
      "    (13) NLBT: the number of layers whose damage is based on the tensile strain at the bottom of an asphalt layer.",
      "    (14) NLTC: the number of layers whose damage is based on the vertical compressive strain at the top of the subgrade or another unbonded layer.",
      "    (15) NUNIT: 1 for SI units, 0 for English units.",
      "    (16) On completion, click OK to return to the Main Menu of PELDRANE.",
  });
}

std::string NonlinearMenuHelp() {
  return CrLfLines({
      "    (1)  This form appears when Nonlinear is clicked on the Main Menu of PELDRANE.  If the subgrade is a nonlinear clay, you decide whether the suggested values of K1, K2, K3, K4, EMIN and EMAX for the four types of subgrade are used.  For a new file they are suggested, as shown by the dot in 'Use default input for clay'.  Choose 'Do not use default input for clay' to keep what you entered before, so that the seasonal input screen does not replace it again.  For an existing file the dot is set on 'Do not use default input for clay' automatically.  If you always take the suggested values, you can ignore the two buttons.",
      "    (2)  For a longer description of each menu, point the arrow at the label below the menu.",
      "    (3)  A red 'input' label means that the menu must be clicked to supply data; the blue label under Relaxation means that defaults are provided.",
      "    (4)  'done' is shown after each form has been completed.  Click OK to return to the Main Menu of PELDRANE.",
      "    (5)  The moduli of the nonlinear layers are first assumed and then iterated until they converge, usually within 10 iterations.  A relaxation factor of 0.5 is used by default; use 0.25 or 0.125 when the moduli diverge.  Raise ITENOL when 15 iterations do not reach the accuracy wanted.",
      "    (6)  The best results are obtained by subdividing a granular layer into layers 2 in. (50 mm) thick with PHI = 0.  Under a thick asphalt layer a single layer with PHI = 40 may do.  The stress points lie at the mid-height of each layer.",
  });
}

std::string NonlinearGeneralHelp() {
  return CrLfLines({
      "    (1)  This form appears when General is clicked on the Nonlinear Layers Menu and has seven entries.  The stress point is the point in each nonlinear layer at which the modulus is computed.",
      "    (2)  The default NOLAY of 1 is shown in red; NOLAY is limited to 12.  Use the Tab key or click a box to move between the entries.",
      "    (3)  Always use the defaults of 15 for ITENOL and 0.01 for DELNOL: convergence to 1% is expected within 10 iterations.  Use a larger ITENOL if the run stops at 15 iterations, and a relaxation factor of 0.25 instead of 0.5 if it does not converge.",
      "    (4)  For one loaded area, put the stress point under the centre with RCNOL = 0 and SLD = 0 for maximum responses, or use RCNOL = a (the radius of the loaded area) and SLD = 0.5 for average responses such as a deflection basin, the load spreading downward at a slope of 0.5 from the edge.  For several wheels, use a point between the centres of two duals with XPTNOL = 0, YPTNOL = YW/2 and SLD = 0.",
      "    (5)  XPTNOL and YPTNOL serve only for two duals, YW being their centre-to-centre spacing.  For tandem and tridem axles only the load of one axle is used to compute the moduli, and all axles afterwards.",
      "    (6)  After completion, click OK to return to the Nonlinear Layers Menu.",
  });
}

std::string NonseasonalHelp() {
  return CrLfLines({
      "    (1)  This auxiliary form appears by itself when the layer type is typed on the main grid and, for an existing file, on a double click anywhere on the layer's line.",
      "    (2)  Default values are provided.  To replace one, click its box and type the new value.",
      "    (3)  after completion, click OK to return to the main form.",
  });
}

std::string SeasonalChooserHelp() {
  return CrLfLines({
      "    (1)  This form appears when Seasonal is clicked on the Nonlinear Layers Menu.  The number of layers shown equals NOLAY of the nonlinear general information.  The 12 buttons mean that at most 12 layers may be used; only the layers actually specified are marked with their sequence and layer number.",
      "    (2)  The label under a layer button shows 'input' in red: there are no defaults and data must be entered for each layer.  After the entry it turns to 'done'.",
      "    (3)  Click a layer button to enter its data.  The first, underlined number on a button is the sequence number from 1 to NOLAY.  When all layers show 'done', click OK to return to the Nonlinear Layers Menu.",
  });
}

std::string CreepChooserHelp() {
  return CrLfLines({
      "    (1)  This form appears when Creep is clicked on the Viscoelastic Layers Menu.  The number of layers shown equals NVL of the viscoelastic general information.  The 12 buttons mean that at most 12 layers may be used; only the layers actually specified are marked with their sequence and layer number.",
      "    (2)  The label under a layer button shows 'input' in red: there are no defaults and data must be entered for each layer.  After the entry it turns to 'done'.",
      "    (3)  Click a layer button to enter its data.  When all layers show 'done', click OK to return to the Viscoelastic Layers Menu.",
  });
}

std::string ViscoMenuHelp() {
  return CrLfLines({
      "    Point the arrow at the label below a menu to see a longer description of the menu.",
      "    The red 'input' labels mark menus that must be clicked; the blue label under Time marks defaults, which you can see and change by clicking the menu.  'done' is shown after each form has been completed; OK returns to the Main Menu of PELDRANE.",
      "    For viscoelastic layers the creep compliance, the reciprocal of the elastic modulus, is given at a number of times.  For stationary loads the elastic solution with the inverted compliances serves as the viscoelastic solution.",
      "    For moving loads the compliances are expressed as a Dirichlet series by collocation, so that Boltzmann's superposition principle applies.  This also gives the compliances at any temperature from those at one temperature, so only the compliances of each layer at a reference temperature are needed.  With the defaults you mainly provide the creep compliances of each layer at 11 time durations.",
  });
}

std::string ViscoGeneralHelp() {
  return CrLfLines({
      "    (1)  This form appears when General is clicked on the Viscoelastic Layers Menu.",
      "    (2)  The defaults of DUR and NTYME serve moving loads.  For stationary loads set DUR to 0; NTYME may then be any value.  For moving loads NTYME is the number of times at which creep compliances are given, for stationary loads also the times at which results are wanted.  The default NVL of 1 is shown in red; at most 12 may be used.",
      "    (3)  after completion, click OK to return to the Viscoelastic Layers Menu.",
  });
}

std::string DamageHelp() {
  return CrLfLines({
      "    Point the arrow at the label below a menu to see a longer description of the menu.",
      "    The red 'input' labels mark menus that must be clicked; 'done' is shown after each form has been completed.  OK returns to the Main Menu of PELDRANE.",
      "    The damage analysis uses two criteria: fatigue cracking, based on the tensile strain at the bottom of the asphalt layer, and permanent deformation, based on the compressive strain on the subgrade.  The coefficients of the Asphalt Institute are the defaults; strains being dimensionless, they serve English and SI units alike.  A year has at most 12 periods, in which the moduli, K1 and the creep compliances may differ.  The damage ratio of a load in a period is the predicted over the allowable number of repetitions; the ratios are summed, the reciprocal of the sum is the design life in years, and the shorter of the fatigue and the deformation lives controls.",
      "    For tandem axles the strain under one axle gives the primary damage ratio and the differential strain between the point under an axle and the point between the axles gives the secondary ratio; their sum is the total.  Tridem axles are treated likewise, with the secondary ratio multiplied by 2.",
      "    NDAMA defaults to 0.  With 1 a summary of the critical strains, allowable repetitions and damage ratio of each load group in each period is printed; with 2 also the complete tables of displacements, stresses and strains.",
  });
}

}  // namespace pave
