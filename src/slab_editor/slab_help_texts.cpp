#include "slab_editor/slab_help_texts.h"

#include "common/line_writer.h"

namespace pave {

std::string SlabMainMenuHelp() {
  return CrLfLines({
      "    (1)  This is the Main Menu of CORVISTA for creating and editing data file.  This menu appears when the CORVISTA button on the Main Screen of ROVANTE is clicked.  The data is divided into groups and can be found by clicking the appropriate menu.  Always start from the left menu to the right because data entered in the left menu may affect the rows and columns of the forms in the right menu.  For example, NLAYER in General and NWT in Curling decide the form of Slab\\Properties, which shows PR and YM of one layer by default, and two layers with the unit weight GAMA when NLAYER = 2 and NWT = 1.",
      "    (2)  Below each menu is a label showing 'input' in red or 'default' in blue.  The red label indicates that you must click the menu to supply some of the data, while the blue label implies that the default values have been provided so, if you want to use the defaults, there is no need to click the menu.",
      "    (3)  For a longer description of each menu, you can point the arrow to the corresponding label below the menu.  Except for the 'file' label, you can also click the label, instead of the menu, to obtain the data entry form.",
      "    (4)  Below the menus and labels are the following buttons:",
      "",
      "Data Set = Data Set 1 is active automatically.  Click Data Set 2 only if there is a second set of data.",
      "Save = Click 'Save' for an old file with no change of filename.",
      "Save As = Click 'Save As' to rename the new 'Untitled' file or change the name of an old file.",
      "Exit = Click 'Exit' after the file has been saved by clicking 'Save' or 'Save As'.",
      "",
      "    Below the two data set buttons are labels with 'Yes' in red and 'No' in blue.  The red yes label indicates that the data set exists, while the blue no label indicates that it does not.  If a blue data set is clicked, it will be changed to Yes in red and all the data in Data Set 1 will be copied into it.  The reason for copying from Data Set 1 is to avoid the repeated input of data because the two sets must be related, otherwise they would not be run at the same time.",
      "    (5)  To set up a new data file, click 'File' and 'New' and the filename 'Untitled' will appear on the label beneath 'File'.  You can now proceed to input the necessary data.",
      "    (6)  To edit an existing file, click 'File' and 'Old'.  A dialog box showing a list of data files will appear, with the filename on the Main Screen of ROVANTE as default.  Click 'Open' for that file, or click another file in the list and then Open.  After the file is opened, the label under 'File' shows its name.  After a file is entered, you cannot enter another file unless the first file exits from CORVISTA.",
      "    (7)  The maximum number of data sets is limited to 2.  Once Data Set 2 is clicked, NPROB will be 2 and cannot be reduced to 1 unless NPROB is changed in the saved file with the text editor.",
      "    (8)  After entering the 'General' menu and changing some of the defaults, some labels with blue 'default' may change to red 'input', indicating that you are not using the defaults and these menus must be entered.  For example, if you change NDAMA from 0 to 1 or 2, the label under the 'Damage' menu will change from blue 'default' to red 'input'.",
      "    (9)  After completing the data entry for a given menu, the label will show 'done'.  If a form has an auxiliary screen, as indicated by the red letters 'Double click .......' on top of the screen, the auxiliary form must be entered in order for 'done' to appear.",
      "    (10) Click the 'Save' or 'Save As' button before exit.  The former saves the file with no change of name, the latter in a different name: a dialog box with a default filename will appear, and the name you type will show on the Main Screen of ROVANTE, ready to run BRUNTOLA.  After the file is saved, a message showing its filename will appear.",
      "    (11) Click the 'Exit' button after you have completed and saved the data file.  If you forget to save the file before exit, the message 'You have not save the file.  Do you want to save the file?' will be shown.  Click 'Yes' to save the file, 'No' to abandon the changes, or 'Cancel' to make some more changes.",
      "    (12) If you forget to enter a menu, a diagnostic message will appear when you click the 'Save', 'Save As' or 'Exit' button.  Simply click the menu indicated and fill in the data needed.  This diagnosis only applies to the missing data in data set 1.",
  });
}

std::string SlabGeneralHelp() {
  return CrLfLines({
      "    (1)  This form appears when General is clicked on the Main Menu of CORVISTA.  Click this text box if you want to read on with the PgDn key.  The default values describe a single slab of one layer on a liquid foundation without damage analysis.  If there is more than one slab, the right NSLAB and NJOINT must be entered, as indicated in red.  NPRINT, also in red, is 0 by default, which computes and prints the stresses at every node of the loaded slab; this is seldom needed for pavements, but the contour plots of stresses in a slab or of moments in a raft need NPRINT = 0.  Any default can be overridden by typing.  Use the Tab key to move from one box to the next, or click a box first, which has the advantage that the default need not be deleted.",
      "    (2)  TITLE: any title or comment on one line, at most 68 characters including spaces.  Use the Del key to erase typing errors; no further characters can be added after the 68th.  No comma may be used.  Use colon or semicolon instead.",
      "    (3)  NFOUND: 0 for a liquid (Winkler) foundation, 1 for a solid foundation, 2 for a layer foundation.",
      "    (4)  NDAMA: 0 for no damage analysis, 1 for a damage analysis by the PCA fatigue criteria, 2 by user specified fatigue coefficients.  The damage analysis applies only to edge loading of a single slab with a y axis of symmetry, as shown in Example SLA4.",
      "    (5)  NPY: the number of periods per year for damage analysis, at most 12.",
      "    (6)  NLG: the number of load groups for damage analysis, at most 12, each with its own wheel loads and configuration.  With temperature curling alone and no loads, NLG stays 1 and is never 0.",
      "    (7)  NLAYER: the slab may have 1 or 2 layers of concrete, either bonded or unbonded.",
      "    (8)  NBOND: 1 when the two slab layers are bonded, 0 for one layer or two unbonded layers.",
      "    (9)  NSLAB: the number of slabs, at most 6.",
      "    (10) NJOINT: the number of joints, at most 7.",
      "    (11) NNCK: the node used to check convergence when the stiffness matrix is too large and the equations are solved by iterations; it is best under or near the heaviest load.  It also checks that the deflection is reasonable, so it must be given even when there are no iterations.",
      "    (12) NPRINT: 0 prints the stresses at every node of the loaded slab (with loads on several slabs, only of the slab with the lowest number).  Otherwise only the nodes near the loads are recommended, except for a raft or a slab whose contours are wanted.  A damage analysis needs three edge points, one under each axle, such as nodes 1, 19 and 37 in Example SLA4.",
      "    (13) NSX: the number of nodes on the x axis of symmetry, at most 50; 0 when the x axis is not an axis of symmetry, 1 when the axis of symmetry lies along a joint.",
      "    (14) NSY: the number of nodes on the y axis of symmetry, at most 50; 0 when the y axis is not an axis of symmetry, 1 when the axis of symmetry lies along a joint.",
      "    (15) MDPO: 1 for a more detailed printout, 0 for none.  0 is recommended; the more detailed printout serves debugging.",
      "    (16) NAT1: the number of nodes of slab layer 1, at most 120, whose thickness differs from the normal one and is given node by node; 0 when the thickness of layer 1 is uniform.",
      "    (17) NAT2: the number of nodes of slab layer 2, at most 120, whose thickness differs from the normal one and is given node by node; 0 when the thickness of layer 2 is uniform.",
      "    (19) The three pairs of option buttons for UL, TC and CL are not used by BRUNTOLA; they only decide whether other screens show 'input' or 'default'.  The defaults, marked by the black dots, are with uniform load (UL = 1), without temperature curling (TC = 2) and without concentrated load (CL = 2).  Click the other button to change them.",
      "    (18) NUNIT: 1 for SI units, 0 for English units.",
      "    (20) On completion, click OK to return to the Main Menu of CORVISTA.",
  });
}

std::string CurlingHelp() {
  return CrLfLines({
      "    (1)  This form appears when 'Curling' is clicked on the Main Menu of CORVISTA.  Any default can be overridden by typing.  Use the Tab key to move from one box to the next, or click a box first, which has the advantage that the default need not be deleted.  To read on with the PgDn key instead of the scroll bar, click this text box.",
      "    (2)  NOTCON: the total number of nodes assumed initially not in contact, at most 120.  With NCYCLE = 1 they never come into contact; with NCYCLE > 1 they may or may not, depending on the results.",
      "    (3)  NGAP: the total number of nodes with a gap between slab and foundation, at most 120; 0 when there is no gap or when NCYCLE = 1.",
      "    (4)  INPUT: whether gaps or precompressions are input: 1 yes, 0 no.  It is always 0 for data set 1, and 1 only for data set 2 when it continues data set 1 to check the contact.",
      "    (5)  NTEMP: 0 without and 1 with temperature curling.",
      "    (6)  NWT: 0 when the weight of the slab is not considered (full contact), 1 when it is (partial contact).",
      "    (7)  NCYCLE: the maximum number of iteration cycles for checking the contact with the subgrade: 1 for full contact or when no iterations are required, 10 for partial contact or when iterations are required.",
      "    (8)  TEMP: the temperature at the bottom minus the temperature at the top of the slab.  A positive value curls the slab upward, a negative one downward.  It is in F for English and in C for SI units.",
      "    (9)  CT: the default coefficient of thermal expansion is suggested.",
      "    (10) DEL: the tolerance for solving the equations by iterations.  It must be given even though the direct Gauss elimination does not use it, in case the storage limits call the iterative method.",
      "    (11) FMAX: the maximum allowable vertical displacement at the node NNCK of the General form.  A larger displacement stops the analysis; one cause is a stiffness matrix too large for the iterative method, which then needs the large-storage program LARGE.  A larger value, say 10 in. (25.4 cm), suits a raft foundation.",
      "    (12) On completion, click OK to return to the Main Menu of CORVISTA.",
      "",
      "SOME COMMENTS ON ANALYSIS OF CONTACT",
      "",
      "The combinations of INPUT, NCYCLE, NOTCON and NWT for four cases of contact are:",
      "",
      "Case 1.  Full contact, as Westergaard assumed: INPUT = 0, NCYCLE = 1, NOTCON = 0 and NWT = 0.  No iterations are needed.",
      "",
      "Case 2.  Full contact at some nodes and no contact at others because of very large gaps: INPUT = 0, NCYCLE = 1, NOTCON = the number of nodes not in contact and NWT = 0.  No iterations are needed.",
      "",
      "Case 3.  Partial contact under wheel loads, in two steps.  First the gaps and precompressions under the weight, curling and gaps are found with INPUT = 0, NCYCLE = 10, NOTCON = 0 and NWT = 1.  Then the wheel loads are applied with INPUT = 1, NCYCLE = 10 and NWT = 0, where the nodes with gaps after the first step are assumed not in contact, so NOTCON of the second step equals their number.",
      "",
      "Case 4.  No gap and no curling: one approximate step with INPUT = 0, NCYCLE = 10 and NWT = 1 gives the stresses and deflections of the weight and the wheel loads together.  The maximum stress may serve design, because the stress due to the weight is 0 on a liquid foundation and very small on a solid or layer foundation, but the deflection may not, because the deflection due to the weight is significant.",
      "",
      "The slab and the foundation are in contact where the reactive force between them is compressive and not in contact where it is tensile.  On a liquid foundation the reaction at a node depends on the deflection of that node alone; on a solid or layer foundation it depends on all the deflections, so the reactive force must be evaluated.",
  });
}

std::string SlabDataHelp() {
  return CrLfLines({
      "    This form appears when the 'Slab' menu on the Main Menu of CORVISTA is click.  Below each menu is a label with 'input' in red, meaning that there are no defaults and the menu must be clicked to supply data.  Resting the pointer on a label gives a longer description of its menu.  After each data entry form the label will show 'done'.  After all the forms of this screen have been completed, click OK to return to the Main Menu of CORVISTA.",
  });
}

std::string SlabChooserHelp(bool x) {
  if (x) {
    return CrLfLines({
        "    (1)  This form appears when the 'X-coordinate' menu of the Slab Information is clicked.  The number of slabs on the form equals NSLAB in the General menu.  The six buttons show that at most six slabs may be used; only the slabs in use carry their number.",
        "    (2)  The label below a slab button shows 'input' in red: there are no defaults and the X coordinates must be entered.  After they are entered, 'input' changes to 'done'.",
        "    (3)  Click the Slab1 button to enter the X coordinates of slab 1, and so on.  When all slabs show 'done', click OK to return to the Slab Information.",
    });
  }
  return CrLfLines({
      "    (1)  This form appears when the 'Y-coordinate' menu of the Slab Information is clicked.  The number of slabs on the form equals NSLAB in the General menu.  The six buttons show that at most six slabs may be used; only the slabs in use carry their number.",
      "    (2)  The label below a slab button shows 'input' in red: there are no defaults and the Y coordinates must be entered.  After they are entered, 'input' changes to 'done'.",
      "    (3)  Click the Slab1 button to enter the Y coordinates of slab 1, and so on.  When all slabs show 'done', click OK to return to the Slab Information.",
  });
}

std::string OptionalHelp() {
  return CrLfLines({
      "    This form appears when the 'Optional' menu on the Main Menu of CORVISTA is clicked.  Below each menu is a label with 'default' in blue or 'input' in red.  The defaults assume that NAT1, NAT2, NOTCON, NSX, NSY and NGAP are all 0.  When they are changed on the General or the Curling form, the corresponding label changes to 'input' in red by itself, meaning that more input is required.  Resting the pointer on a label gives a longer description of its menu.  'Dowel' need only be clicked to change its defaults.  After each data entry form the label will show 'done'.  After all the forms of this screen have been completed, click OK to return to the Main Menu of CORVISTA.",
  });
}

std::string SolidHelp() {
  return CrLfLines({
      "    (1)  This form appears when NFOUND = 1 and 'Foundation' is clicked on the Main Menu of CORVISTA.  There are only two entries.",
      "    (2)  Delete the default with the Del key and type the value of YMS.  Use the Tab key or click the next box to move on to PRS.",
      "    (3)  after completion, click OK to return to the Main Menu of CORVISTA",
  });
}

std::string DowelHelp() {
  return CrLfLines({
      "    (1)  This form appears when 'Dowel' is clicked on the Other Optional Information.  There are only two entries, each with a default, so the form need not be opened when the defaults are used.",
      "    (2)  To change the default YMSB, press the Del key repeatedly or click the box and type the value.",
      "    (3)  Use the Tab key or click the next box to move on to PRSB.",
      "    (4)  After completion, click OK to return to the Other Optional Information, and the label under 'Dowel' will change to 'done'.",
  });
}

std::string SlabDamageHelp() {
  return CrLfLines({
      "    (1)  For a longer description of each menu, rest the pointer on the label below the menu.",
      "    (2)  Below each menu is a label with 'input' in red, so the menu must be clicked to supply data.  After each data entry form the label will show 'done'.  After all the forms of this screen have been completed, click OK to return to the Main Menu of CORVISTA.",
      "    (3)  The damage analysis is based on the fatigue cracking of concrete due to the edge stress at the midspan of a slab, so only one slab with a y axis of symmetry is needed (NSLAB = 1 and NSY = NY).  A year may be divided into at most 12 periods, each with its own foundation seasonal adjustment factor (FSAF).  With NDAMA = 1 the allowable number of load repetitions is found from the PCA criteria, with NDAMA = 2 from a user specified fatigue criterion.  A cracking index, like the damage ratio, the predicted over the allowable number of repetitions, is found for each load group in each period and summed; the reciprocal of the sum is the design life in years.",
      "    (4)  For tandem axles the edge stresses at two points are found, one under an axle and one between the two axles.  The stress under the axle gives the primary cracking index, the difference between the two stresses the secondary one, and their sum is the total cracking index.  For tridem axles the secondary index is multiplied by 2 for the additional axle.",
      "    (5)  With NDAMA = 2 the slab should be divided into finite elements like those of Example SLA4, and the stresses at three points (NPRINT = 3), nodes 1, 19 and 37, are computed and compared to tell single, tandem and tridem axles apart.  When NPRINT is not 3 or NSY is 0, a message box tells the necessary change.",
      "    (6)  With NDAMA = 1 the PCA criteria allow an unlimited number of repetitions below a stress ratio of 0.45.  The stress ratio of the secondary index is always below 0.45, so the secondary index of multiple axles is always 0 and one passage of a tandem or tridem axle counts as one repetition.  This is not so with NDAMA = 2, although the secondary index is usually small.  Symmetry and NPRINT = 3 are not required for NDAMA = 1, but the element division of Example SLA4 with NPRINT = 3 finds the maximum edge stress most efficiently and is recommended.",
  });
}

}  // namespace pave
