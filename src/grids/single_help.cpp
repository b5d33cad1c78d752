// Help texts of the single-level and auxiliary tables.
#include <string>
#include <vector>

#include "grids/grid_window.h"
#include "grids/single_catalogue.h"

namespace pave {

namespace {
using Paragraphs = std::vector<std::string>;

const std::string kGridUse =
    " A dotted rectangle marks the active cell; move it with the arrow keys or by clicking the cell "
    "wanted. When you type, the cell turns into a three-dimensional box; press the Enter key (or the "
    "up or down arrow key) to make the entry effective. Clicking another cell also ends the entry, and "
    "the typed data stay in the cell where they were typed; pressing Enter first is the safe habit.";

std::string Typing() {
  return "After typing the data in a cell, press the Enter key or the down arrow key to move to the next "
         "cell and make the entry effective.";
}

std::string TypingAuxiliary() {
  return "After typing the data in a cell, press the Enter key or an arrow key to make the entry effective.";
}

std::string Delete(const std::string& count, const std::string& owner) {
  return "To delete a line, click anywhere on the line to make it active and then press <Ctrl>-<Del>. " +
         count + " in " + owner + " is reduced by 1 automatically.";
}

std::string Add(const std::string& count, const std::string& owner) {
  return "To add a line above a given line, click a cell of that line to make it active and then press "
         "<Ctrl>-<Ins>. A blank line is added above it and " + count + " increases by 1 automatically. To "
         "add a line after the last line, increase " + count + " in " + owner + " by 1 instead; a blank "
         "line then appears as the last line. In all other cases always use <Ctrl>-<Ins> to insert a "
         "line, so that no line has to be typed again.";
}

std::string Return(const std::string& caller) {
  return "After completing this form, click OK to return to " + caller + ".";
}

std::string ReturnOptional(const std::string& menu) {
  return Return("the Other Optional Information") + " The label under the '" + menu +
         "' menu then changes to 'done'.";
}

Paragraphs OptionalList(const std::string& menu, const std::string& count, const std::string& count_owner,
                        Paragraphs parameters) {
  Paragraphs p{"This form appears when the '" + menu + "' menu on the Other Optional Information is "
               "clicked. The number of lines equals " + count + " as specified in the " + count_owner + "."};
  for (std::string& s : parameters) p.push_back(std::move(s));
  p.push_back(Typing());
  p.push_back(Delete(count, "the " + count_owner));
  p.push_back(Add(count, "the " + count_owner));
  p.push_back(ReturnOptional(menu));
  return p;
}

Paragraphs RaftList(const std::string& count, Paragraphs parameters) {
  Paragraphs p{"This form appears automatically when the number for " + count + " is typed on the main "
               "form. For an existing file, it can be entered by double clicking " + count +
               " on the main form."};
  for (std::string& s : parameters) p.push_back(std::move(s));
  p.push_back(TypingAuxiliary());
  p.push_back(Delete(count, "the main form"));
  p.push_back(Add(count, "the main form"));
  p.push_back("After completing this form, click OK to return to the main form.");
  return p;
}

Paragraphs Paragraphs103() {
  return {"This form appears when the 'Zcoord' menu on the main menu of PELDRANE is clicked. The number of "
          "lines equals NZ as specified in the 'General' menu." + kGridUse,
          "ZC (vertical distance, or z coordinate, of each response point). If a point lies exactly on an "
          "interface, the results are those at the bottom of the upper layer. To obtain the results at the "
          "top of the lower layer, use a z coordinate slightly larger, say 0.0001 larger.",
          Typing(), Delete("NZ", "the 'General' menu"), Add("NZ", "the 'General' menu"),
          Return("the main menu of PELDRANE")};
}

Paragraphs ForSingle(const SingleLayout& l) {
  switch (l.kind) {
    case 103:
      return Paragraphs103();
    case 105:
      return {"This form appears when the 'Interface' menu on the main menu of PELDRANE is clicked. The "
              "number of lines equals NL - 1, the number of interfaces between the NL layers given in the "
              "'General' menu.",
              "INT (condition of each interface): 1 for bonded and 0 for frictionless.",
              "After typing the data in a cell, press the Enter key to make it effective. After the last "
              "cell, be sure to press the Enter key.",
              "You cannot delete or add a line on this form.", Return("the main menu of PELDRANE")};
    case 106:
      return {"This form appears when a period button on the Layer Modulus of Each Period form is "
              "clicked. The number of lines equals NL, the number of layers, as specified in the "
              "'General' menu.",
              "E (elastic modulus of each layer). For a nonlinear layer, this is the assumed modulus for "
              "the first iteration. The modulus may be typed in exponential form, such as 1.234E5. For a "
              "viscoelastic layer, type 0 or any value.",
              Typing(), Delete("NL", "the 'General' menu"), Add("NL", "the 'General' menu"),
              Return("the Layer Modulus of Each Period form")};
    case 107:
      if (l.variant == SingleVariant::Radial) {
        return {"This form appears automatically when NR of a load is typed on the main form. It also "
                "appears when the line of the load group is double clicked on the main form. The number "
                "of lines equals NR.",
                "RC (radial distances of the points to be analyzed).", Typing(),
                Delete("NR", "the main form"), Add("NR", "the main form"), Return("the main form")};
      }
      return {"This form appears automatically when NPT of a load is typed on the main form. It also "
              "appears when the line of the load group is double clicked on the main form. The number of "
              "lines equals NPT.",
              "XPT (x coordinates of the points to be analyzed).",
              "YPT (y coordinates of the points to be analyzed).", Typing(),
              Delete("NPT", "the main form"), Add("NPT", "the main form"), Return("the main form")};
    case 110:
      return {"This form appears when the 'Relaxation' menu on the Nonlinear Layers menu is clicked. The "
              "number of lines equals NPY, the number of periods, as specified in the 'General' menu.",
              "RELAX (relaxation factor for the nonlinear analysis), which ensures the convergence of the "
              "elastic modulus. A value of 0.5 is suggested as the default. If the results of a period "
              "diverge, use a smaller factor, usually one half of the initial value, say 0.25. A weak "
              "foundation usually causes the moduli to diverge.",
              Typing(), Delete("NPY", "the 'General' menu"), Add("NPY", "the 'General' menu"),
              Return("the Nonlinear Layers menu")};
    case 112:
      if (l.variant == SingleVariant::ClayType) {
        return {"This form appears when the option 'Use the default input for clay' is on and the button "
                "of a clay layer is clicked. The number of lines equals NPY, the number of periods.",
                "CLAY Type, a temporary parameter that assigns the default input of four types of clay: 1 "
                "for very soft, 2 for soft, 3 for medium and 4 for stiff clay. After a type is typed for "
                "each period and OK is clicked, the default values appear on the Seasonal Input Parameters "
                "screen, where they can still be changed."};
      }
      return {"This form appears when the button of a granular layer on the Seasonal Input Parameters of "
              "Each Layer form is clicked. The number of lines equals NPY, the number of periods.",
              "PHI (angle of internal friction). PHI = 0 or 90 allows no tension. For PHI between 0 and 90, "
              "the horizontal stresses are adjusted by the Mohr envelope: the smaller the PHI, the greater "
              "the horizontal stresses and the elastic modulus. For PHI greater than 90, no adjustment is "
              "made and PHI is used as EMIN. When a granular layer is divided into 2-in. (50 mm) layers, "
              "PHI = 0 may be used; under a thick asphalt layer, a single layer with PHI = 40 may be used.",
              "K1 (nonlinear coefficient of granular layer).", Typing(),
              Delete("NPY", "the 'General' menu"), Add("NPY", "the 'General' menu"),
              Return("the Seasonal Input Parameters of Each Layer form")};
    case 116:
      return {"This form appears when the 'Duration' menu on the Viscoelastic Layers menu is clicked. The "
              "number of lines equals NTYME as specified in the Viscoelastic General Information.",
              "TYME (times at which the creep compliances are specified). For a moving load, use the 11 "
              "default times from 0.001 to 100 sec whenever possible, so that the creep compliances can "
              "be converted accurately from one temperature to another. For a stationary load without "
              "temperature conversion, any durations may be used.",
              Typing(), Delete("NTYME", "the Viscoelastic General Information"),
              Add("NTYME", "the Viscoelastic General Information"), Return("the Viscoelastic Layers menu")};
    case 118:
      return {"This form appears when a layer button on the Creep Compliances of Each Layer form is "
              "clicked. The number of lines equals NTYME. TYME, shown at the left, is the time at which "
              "each creep compliance is needed, as specified in the 'Duration' menu.",
              "CREEP (creep compliances of the viscoelastic layer at the reference temperature). "
              "Exponential forms, such as 1.325e-5, may be used.",
              Typing(), Delete("NTYME", "the Viscoelastic General Information"),
              Add("NTYME", "the Viscoelastic General Information"),
              Return("the Creep Compliances of Each Layer form")};
    case 119:
      return {"This form appears when a period button on the Layer Temperature of Each Period form is "
              "clicked. The number of lines equals NVL, the number of viscoelastic layers, as specified in "
              "the Viscoelastic General Information.",
              "TEMP (pavement temperature of each viscoelastic layer).", Typing(),
              Delete("NVL", "the Viscoelastic General Information"),
              Add("NVL", "the Viscoelastic General Information"),
              Return("the Layer Temperature of Each Period form")};
    case 123:
    case 225:
      return {"This form appears when a period button on the Load Repetitions of Each Period form is "
              "clicked. The number of lines equals NLG, the number of load groups, as specified in the "
              "'General' menu.",
              "TNLR (total number of load repetitions for each load group during each period).", Typing(),
              Delete("NLG", "the 'General' menu"), Add("NLG", "the 'General' menu"),
              Return("the Load Repetitions of Each Period form")};
    case 206:
    case 207: {
      const std::string axis = l.kind == 206 ? "X" : "Y";
      const std::string count = l.kind == 206 ? "NX" : "NY";
      Paragraphs p{"This form appears when a slab button on the " + axis + " Coordinates of Each Slab form "
                   "is clicked. The number of lines equals " + count + " of the slab as specified in the "
                   "'Arrange' menu."};
      if (l.kind == 206) p.front() += kGridUse;
      p.push_back(l.kind == 206 ? "X (local x coordinates of each slab), starting from 0 and increasing from "
                                  "left to right."
                                : "Y (local y coordinates of each slab), starting from 0 and increasing from "
                                  "bottom to top.");
      p.push_back(Typing());
      p.push_back(Delete(count, "the 'Arrange' menu"));
      p.push_back(Add(count, "the 'Arrange' menu"));
      p.push_back(Return("the " + axis + " Coordinates of Each Slab form"));
      return p;
    }
    case 210:
      if (l.variant == SingleVariant::Forces) {
        return RaftList("NCNF", {"NN (node at which a concentrated load is applied).",
                                 "FF (concentrated force applied at the given node): Downward positive."});
      }
      if (l.variant == SingleVariant::MomentsX) {
        return RaftList("NNMX", {"NNX (node at which a concentrated moment in the x direction is applied).",
                                 "FMX (concentrated moment in the x direction, which is the moment about "
                                 "the y axis). Its sign follows the right-hand rule."});
      }
      return RaftList("NNMY", {"NNY (node at which a concentrated moment in the y direction is applied).",
                               "FMY (concentrated moment in the y direction, which is the moment about the "
                               "x axis). Its sign follows the right-hand rule."});
    case 212:
    case 213: {
      const std::string n = l.kind == 212 ? "1" : "2";
      return OptionalList("Add.T.Layer" + n, "NAT" + n, "'General' menu",
                          {"NT" + n + " (node at which slab layer " + n + " has a thickness different from its "
                           "normal thickness).",
                           "T" + n + " (thickness of slab layer " + n + " at that node)."});
    }
    case 214:
      return OptionalList("Node not Contact", "NOTCON", "'Curling' menu",
                          {"NODNC (node at which the slab and the subgrade are assumed not in contact). In "
                           "the analysis, the reactive forces are initially assumed to be 0."});
    case 215:
      return OptionalList("Node Printout", "NPRINT", "'General' menu",
                          {"NP (node at which the stresses are computed and printed). For a damage analysis "
                           "with NPRINT = 3, the three nodes are computed automatically when the finite "
                           "element mesh is like that of example screen Sla4; the stresses at these nodes "
                           "decide whether the axle loading is single, tandem or tridem."});
    case 216:
      return OptionalList("Node X Symmetry", "NSX", "'General' menu",
                          {"NODSX (node on the x axis of symmetry). If the axis of symmetry lies along a "
                           "joint, any one node on the joint may be used."});
    case 217:
      return OptionalList("Node Y Symmetry", "NSY", "'General' menu",
                          {"NODSY (node on the y axis of symmetry). If the axis of symmetry lies along a "
                           "joint, any one node on the joint may be used."});
    case 218:
      return OptionalList("Gaps", "NGAP", "'Curling' menu",
                          {"NG (node at which a gap between the slab and the foundation is given).",
                           "Gap (the gap between the slab and the foundation at that node)."});
    case 220:
      return {"This form appears when the 'Adjust' menu on the main menu of CORVISTA is clicked. The "
              "number of lines equals NPY, the number of periods.",
              "FSAF (foundation seasonal adjustment factor): 1 for no adjustment. The stiffness of the "
              "foundation is multiplied by FSAF, so a larger FSAF means a stronger foundation.",
              Delete("NPY", "the 'General' menu"), Add("NPY", "the 'General' menu"),
              Return("the main menu of CORVISTA")};
    case 221:
      return {"This form appears automatically when NAS is typed on the main form. For an existing file, "
              "it can be entered by double clicking the main form.",
              "NS (node whose subgrade modulus differs from the one given on the main form).",
              "SUBMOD (subgrade modulus at that node).", TypingAuxiliary(),
              Delete("NAS", "the main form"), Add("NAS", "the main form"),
              "After completing this form, click OK to return to the main form."};
    case 224:
      return {"This form appears automatically when NNAJ of a joint is typed on the main form, or when "
              "the line of the joint is double clicked anywhere. It models the dowel bars more "
              "accurately. For the slab stresses in BRUNTOLA, NNAJ = 0 suffices: the dowel bars are then "
              "taken as evenly spread, and BRUNTOLA computes BARNO at each node as L/(BS), where L is the "
              "effective width of the node (between the midpoints on both sides of an interior node, or to "
              "the midpoint on one side of an end node) and BS is the dowel spacing; a BARNO is assumed "
              "even at the end nodes, which have no dowels.",
              "BARNO (number of dowel bars at each node of the joint). With one dowel bar at each interior "
              "node and none at the end nodes, the defaults 1 and 0 apply, with 0 at both ends. A 0 in the "
              "middle means that NNAJ is wrong. The defaults do not fit when the nodes are not in line "
              "with the dowel bars, and with an unequal division along the joint NNAJ should be 0. In most "
              "cases, NNAJ is assumed 0 so you don't have to enter this form.",
              TypingAuxiliary(), Delete("NNAJ", "the main form"), Add("NNAJ", "the main form"),
              "After completing this form, click OK to return to the main form."};
    default:
      return {};
  }
}
}  // namespace

std::string SingleHelp(const SingleLayout& layout) { return HelpText(ForSingle(layout)); }

}  // namespace pave
