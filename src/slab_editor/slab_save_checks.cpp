#include "slab_editor/slab_save_checks.h"

#include <cmath>
#include <limits>

#include "common/data_set_title.h"
#include "common/number_format.h"
#include "common/numeric_value.h"
#include "common/value_ranges.h"
#include "shell/program_state.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_limits.h"

namespace pave {

std::vector<std::string> ErrCheckMessages() {
  constexpr int s = 1;
  const auto G = [](int k) { return gSlabGeneral(s, k); };
  std::vector<std::string> shown;
  const char* first = nullptr;
  if (gSlabArrangement(s, 1, 1) == 0 || gSlabArrangement(s, 1, 2) == 0)
    first = "You forgot to enter NX or NY by clicking Slab\\Arrangement menu.";
  else if (gSlabLayerProps(s, 1, 1) == 0)
    first = "You forgot to enter slab thickness (T) by clicking Slab\\Properties menu.";
  else if (G(gen::kNJOINT) != 0 && gSlabJoints(s, 1, 1).Number() == 0 && gSlabJoints(s, 1, 4).Number() == 0)
    first = "You forgot to enter the Joint Information by clicking the Joint menu.";
  else if (G(gen::kNPRINT) != 0 && gSlabNP(s, 1) == 0)
    first = "You forgot to enter the nodal numbers for printout (NP) by clicking Optional\\Node Printout menu.";
  else if (G(gen::kNSX) != 0 && gSlabNODSX(s, 1) == 0)
    first = "You forgot to enter the nodal numbers on x axis of symmetry (NODSX) by clicking Optional\\Node X SYMMETRY "
            "menu.";
  else if (G(gen::kNSY) != 0 && gSlabNODSY(s, 1) == 0)
    first = "You forgot to enter the nodal numbers on y axis of symmetry (NODSY) by clicking Optional\\Node Y SYMMETRY "
            "menu.";
  else if (gSlabCurling(s, curl::kNOTCON).Number() != 0 && gSlabNODNC(s, 1) == 0)
    first = "You forgot to enter the nodal numbers not in contact (NODNC) by clicking Optional\\Node Not Contact menu";
  else if (gSlabCurling(s, curl::kNGAP).Number() != 0 && gSlabGaps(s, 1, 1).Number() == 0)
    first = "You forgot to enter the amount of gaps (GAP) by clicking Optional\\Gaps menu";
  else if (G(gen::kNAT1) != 0 && gSlabAddT1(s, 1, 1).Number() == 0)
    first = "You forgot to enter the additional thicknesses (T1) by clicking Optional\\Add.T.Layer1 menu.";
  else if (G(gen::kNAT2) != 0 && gSlabAddT2(s, 1, 1).Number() == 0)
    first = "You forgot to enter the additional thicknesses (T2) by clicking Optional\\Add.T.Layer2 menu.";
  if (first) return {first};
  if (gSlabRaftCounts(s, 1) != 0 || gSlabRaftCounts(s, 2) != 0 || gSlabRaftCounts(s, 3) != 0) {
    if (G(gen::kNDAMA) != 0)
      shown.push_back(
          "Raft foundation doesn't need damage analysis, please change NDAMA to 0 by clicking the General menu.");
    if (G(gen::kNPY) != 1)
      shown.push_back("Raft foundation limits only to one period, please change NPY to 1 by clicking the General menu.");
    if (G(gen::kNLG) != 1)
      shown.push_back(
          "Raft foundation limits only to one load group, please change NLG to 1 by clicking the General menu.");
  }
  return shown;
}

namespace {

// A refusal: thrown by the checks of one data set, caught by AnalysisRefusal.
struct Refusal {
  std::string message;
};

// The menus through which each kind of item is entered, for the messages.
namespace menu {
constexpr const char* kGeneral = "the General menu";
constexpr const char* kCurling = "the Curling menu";
constexpr const char* kArrangement = "Slab\\Arrangement menu";
constexpr const char* kXcoord = "Slab\\X-coordinate menu";
constexpr const char* kYcoord = "Slab\\Y-coordinate menu";
constexpr const char* kProperties = "Slab\\Properties menu";
constexpr const char* kUniform = "the Uniform menu";
constexpr const char* kRaft = "the Raft menu";
constexpr const char* kFoundation = "the Foundation menu";
constexpr const char* kAdjust = "the Adjust menu";
constexpr const char* kJoint = "the Joint menu";
constexpr const char* kDamage = "the Damage menu";
constexpr const char* kDowel = "Optional\\Dowel menu";
constexpr const char* kNat1 = "Optional\\Add.T.Layer1 menu";
constexpr const char* kNat2 = "Optional\\Add.T.Layer2 menu";
constexpr const char* kNotcon = "Optional\\Node Not Contact menu";
constexpr const char* kNprint = "Optional\\Node Printout menu";
constexpr const char* kNsx = "Optional\\Node X SYMMETRY menu";
constexpr const char* kNsy = "Optional\\Node Y SYMMETRY menu";
constexpr const char* kGaps = "Optional\\Gaps menu";
}  // namespace menu

// How the analysis program reads a value.
enum class Read { Number, Single, Integer };


class DataSetCheck {
 public:
  explicit DataSetCheck(int s) : s_(s) {}
  void Run();

 private:
  std::string Prefix() const { return "Data Set " + std::to_string(s_) + ": "; }
  [[noreturn]] void Refuse(const std::string& text, const char* where) const {
    throw Refusal{Prefix() + text + (where ? std::string(" Please correct it by clicking ") + where + "." : "")};
  }
  [[noreturn]] void Limit(const std::string& what, double n, int limit, const char* where) const {
    Refuse(what + " is " + BareStr(n) + ", which is greater than the limit of " + std::to_string(limit) + ".", where);
  }
  // A count within 0..limit (or lower..limit).
  void Count(const std::string& item, double n, int limit, const char* where, int lower = 0) const {
    if (!std::isfinite(n) || n != std::floor(n)) Refuse(item + " = " + BareStr(n) + " is not a whole number.", where);
    if (n < lower)
      Refuse(item + " is " + BareStr(n) + ", which is less than " + std::to_string(lower) + ".", where);
    if (n > limit) Limit(item, n, limit, where);
  }
  // A value the program reads as a number: it must hold one (or a text that spells one, as a
  // number typed into a grid is held, blanks around it allowed) of the kind read.
  double Value(const pave::Value& v, const std::string& item, const char* where, Read read = Read::Single) const {
    if (v.IsEmpty() || (v.IsText() && v.Text().find_first_not_of(' ') == std::string::npos))
      Refuse(item + " has no value.", where);
    const std::optional<double> number = v.AsNumber();
    if (!number) Refuse(item + " = \"" + v.Text() + "\" is not a number.", where);
    const double n = *number;
    if (!std::isfinite(n)) Refuse(item + " is not a number.", where);
    if (read == Read::Single && std::fabs(n) > std::numeric_limits<float>::max())
      Refuse(item + " = " + BareStr(n) + " is beyond the range of the program's numbers.", where);
    if (read == Read::Integer && (std::nearbyint(n) < -32768 || std::nearbyint(n) > 32767))
      Refuse(item + " = " + BareStr(n) + " is beyond the range of -32768 to 32767.", where);
    return n;
  }
  int Whole(const pave::Value& v, const std::string& item, const char* where, int lower, int upper) const {
    const double n = Value(v, item, where, Read::Number);
    Count(item, n, upper, where, lower);
    return static_cast<int>(n);
  }
  // A node number: the program reads it as a whole number and takes only the nodes of the problem.
  void Node(double node, const std::string& item, const char* where) const {
    const double n = std::nearbyint(node);
    if (n < 1 || n > nnode_)
      Refuse(item + " is node " + BareStr(n) + ", which is not one of the nodes 1 to " + std::to_string(nnode_) + ".", where);
  }
  void NodeValue(const pave::Value& v, const std::string& item, const char* where) const {
    Node(Value(v, item, where, Read::Integer), item, where);
  }
  // A value with no physical or counting sense: a size or modulus not above 0, a Poisson's ratio
  // outside 0 to 0.5, a negative count or amount.
  template <class T>
  void Positive(T v, const std::string& item, const char* where) const {
    if (!(v > 0)) Refuse(item + " is " + BareStr(v) + ", which should be greater than 0.", where);
  }
  template <class T>
  void NotNegative(T v, const std::string& item, const char* where) const {
    if (!(v >= 0)) Refuse(item + " is " + BareStr(v) + ", which should not be negative.", where);
  }
  template <class T>
  void Poisson(T v, const std::string& item, const char* where) const {
    if (!(v >= 0 && v <= 0.5)) Refuse(item + " is " + BareStr(v) + ", which should be from 0 to 0.5.", where);
  }
  // A value outside the range of its kind, as the analysis program refuses it.
  template <class T>
  void Within(T v, const std::string& item, const ValueRange& r, const char* where) const {
    const bool si = G(gen::kNUNIT) != 0;
    const std::string unit = UnitName(r, si, false);
    if (!r.Holds(static_cast<double>(v), si)) {
      const std::string rule = RangeRule(r, si, false);
      Refuse(item + " is " + BareStr(v) + (unit.empty() ? "" : " " + unit) + ", which should be " + rule +
                 (rule.back() == '.' ? "" : "."),
             where);
    }
  }
  void ZeroOrOne(double v, const std::string& item, const char* where) const {
    if (v != 0 && v != 1) Refuse(item + " should be 0 or 1.", where);
  }

  void Title() const;
  void General();
  void Slabs();
  void Joints() const;
  void Lists() const;
  void Loads() const;
  void Foundation() const;
  void Damage() const;

  int G(int k) const { return gSlabGeneral(s_, k); }
  const pave::Value& C(int k) const { return gSlabCurling(s_, k); }

  int s_;
  int nslab_ = 0, njoint_ = 0, nlg_ = 0, npy_ = 0, nlayer_ = 0, nnode_ = 0;
};

void DataSetCheck::Title() const {
  const std::string& title = gSlabTITLE(s_);
  if (title.find(',') != std::string::npos)
    Refuse("No comma should be used in TITLE. Use colon or semicolon instead.", menu::kGeneral);
  if (BeginsWithQuote(title))
    Refuse("TITLE should not begin with a double quote.", menu::kGeneral);
}

void DataSetCheck::General() {
  if (G(gen::kNFOUND) < 0 || G(gen::kNFOUND) > 2) Refuse("NFOUND should be 0, 1 or 2.", menu::kGeneral);
  if (G(gen::kNUNIT) != 0 && G(gen::kNUNIT) != 1) Refuse("NUNIT should be 0 or 1.", menu::kGeneral);
  if (G(gen::kNDAMA) < 0 || G(gen::kNDAMA) > 3) Refuse("NDAMA should be 0, 1, 2 or 3.", menu::kGeneral);
  ZeroOrOne(G(gen::kNBOND), "NBOND", menu::kGeneral);
  ZeroOrOne(G(gen::kMDPO), "MDPO", menu::kGeneral);
  Count("NPY", G(gen::kNPY), limit::kPeriods, menu::kGeneral, 1);
  Count("NLG", G(gen::kNLG), limit::kLoadGroups, menu::kGeneral);
  Count("NLAYER", G(gen::kNLAYER), 2, menu::kGeneral, 1);
  Count("NSLAB", G(gen::kNSLAB), limit::kSlabs, menu::kGeneral, 1);
  Count("NJOINT", G(gen::kNJOINT), limit::kJoints, menu::kGeneral);
  npy_ = G(gen::kNPY);
  nlg_ = G(gen::kNLG);
  nlayer_ = G(gen::kNLAYER);
  nslab_ = G(gen::kNSLAB);
  njoint_ = G(gen::kNJOINT);
  if (nslab_ == 1 && njoint_ != 0) Refuse("When NSLAB = 1, NJOINT should always be 0.", menu::kGeneral);
  if (nlayer_ == 1 && G(gen::kNAT2) != 0) Refuse("When NLAYER = 1, NAT2 should always be 0.", menu::kGeneral);
  Count("NPRINT", G(gen::kNPRINT), limit::kNodeList, menu::kGeneral);
  Count("NSX", G(gen::kNSX), limit::kSymmetryList, menu::kGeneral);
  Count("NSY", G(gen::kNSY), limit::kSymmetryList, menu::kGeneral);
  Count("NAT1", G(gen::kNAT1), limit::kNodeList, menu::kGeneral);
  Count("NAT2", G(gen::kNAT2), limit::kNodeList, menu::kGeneral);
  for (const pave::Value* flag : {&gSlabUL(s_), &gSlabCL(s_)})
    if (!flag->IsNumber() || flag->Text().size() >= 4)
      Refuse("UL, TC and CL should be 1 or 2.", menu::kGeneral);
  Whole(C(curl::kNOTCON), "NOTCON", menu::kCurling, 0, limit::kNodeList);
  Whole(C(curl::kNGAP), "NGAP", menu::kCurling, 0, limit::kNodeList);
  for (auto [k, item] : {std::pair{curl::kINPUT, "INPUT"}, {curl::kNTEMP, "NTEMP"}, {curl::kNWT, "NWT"}})
    Value(C(k), item, menu::kCurling, Read::Number);
  ZeroOrOne(C(curl::kINPUT).Number(), "INPUT", menu::kCurling);
  Whole(C(curl::kNCYCLE), "NCYCLE", menu::kCurling, 0, 32767);
  Value(C(curl::kTEMP), "TEMP", menu::kCurling);
  for (auto [k, item] : {std::pair{curl::kCT, "CT"}, {curl::kDEL, "DEL"}, {curl::kFMAX, "FMAX"}})
    Value(C(k), item, menu::kCurling, Read::Number);
  Positive(C(curl::kDEL).Number(), "DEL", menu::kCurling);
  Within(C(curl::kDEL).Number(), "DEL", range::kTolerance, menu::kCurling);
  NotNegative(C(curl::kFMAX).Number(), "FMAX", menu::kCurling);
  Within(C(curl::kFMAX).Number(), "FMAX", range::kLength, menu::kCurling);
  if (C(curl::kNTEMP).Number() != 0) {
    Within(C(curl::kTEMP).Number(), "TEMP", range::kTemperatureDifference, menu::kCurling);
    Within(C(curl::kCT).Number(), "CT", range::kThermalExpansion, menu::kCurling);
  }
  if (C(curl::kNCYCLE).Number() != 1 && (npy_ != 1 || nlg_ != 1))
    Refuse("When NCYCLE is not 1, NPY and NLG should both be 1.", menu::kGeneral);
  if (G(gen::kNDAMA) == 2 && G(gen::kNPRINT) != 3)
    Refuse("When NDAMA = 2, NPRINT must be equal to 3.", menu::kGeneral);
}

void DataSetCheck::Slabs() {
  int xs = 0, ys = 0;
  long nodes = 0, elements = 0;
  for (int slab = 1; slab <= nslab_; ++slab) {
    const int nx = gSlabArrangement(s_, slab, 1), ny = gSlabArrangement(s_, slab, 2);
    const std::string which = " of slab " + std::to_string(slab);
    Count("NX" + which, nx, slab_cap::kCoordinates, menu::kArrangement, 2);
    Count("NY" + which, ny, slab_cap::kCoordinates, menu::kArrangement, 2);
    for (int k = 3; k <= 6; ++k)
      if (gSlabArrangement(s_, slab, k) < 0 || gSlabArrangement(s_, slab, k) > njoint_)
        Refuse("JONO" + std::to_string(k - 2) + which + " is " + std::to_string(gSlabArrangement(s_, slab, k)) +
                   ", which is not a joint 0 to " + std::to_string(njoint_) + ".",
               menu::kArrangement);
    for (int n = 1; n <= nx; ++n)
      Within(gSlabX(s_, slab, n), "x coordinate " + std::to_string(n) + which, range::kSlabCoordinate, menu::kXcoord);
    for (int n = 1; n <= ny; ++n)
      Within(gSlabY(s_, slab, n), "y coordinate " + std::to_string(n) + which, range::kSlabCoordinate, menu::kYcoord);
    for (int n = 1; n < nx; ++n)
      if (!(gSlabX(s_, slab, n + 1) > gSlabX(s_, slab, n)))
        Refuse("the x coordinates" + which + " do not increase from node to node.", menu::kXcoord);
    for (int n = 1; n < ny; ++n)
      if (!(gSlabY(s_, slab, n + 1) > gSlabY(s_, slab, n)))
        Refuse("the y coordinates" + which + " do not increase from node to node.", menu::kYcoord);
    xs += nx;
    ys += ny;
    nodes += static_cast<long>(nx) * ny;
    elements += static_cast<long>(nx - 1) * (ny - 1);
  }
  if (xs > limit::kCoordinatesInAll)
    Limit("the total number of x coordinates", xs, limit::kCoordinatesInAll, menu::kArrangement);
  if (ys > limit::kCoordinatesInAll)
    Limit("the total number of y coordinates", ys, limit::kCoordinatesInAll, menu::kArrangement);
  if (nodes > limit::kNodes) Limit("the total number of nodes", static_cast<double>(nodes), limit::kNodes, menu::kArrangement);
  if (elements > limit::kElements)
    Limit("the total number of elements", static_cast<double>(elements), limit::kElements, menu::kArrangement);
  nnode_ = static_cast<int>(nodes);
  // A slab layer without thickness or stiffness leaves the stiffness matrix singular.
  for (int L = 1; L <= nlayer_; ++L) {
    const std::string layer = " of slab layer " + std::to_string(L);
    if (gSlabLayerProps(s_, L, 1) == 0) Refuse("T" + layer + " should not be 0.", menu::kProperties);
    if (gSlabLayerProps(s_, L, 3) == 0) Refuse("YM" + layer + " should not be 0.", menu::kProperties);
    Positive(gSlabLayerProps(s_, L, 1), "T" + layer, menu::kProperties);
    Within(gSlabLayerProps(s_, L, 1), "T" + layer, range::kThickness, menu::kProperties);
    Poisson(gSlabLayerProps(s_, L, 2), "PR" + layer, menu::kProperties);
    Positive(gSlabLayerProps(s_, L, 3), "YM" + layer, menu::kProperties);
    Within(gSlabLayerProps(s_, L, 3), "YM" + layer, range::kModulus, menu::kProperties);
    if (C(curl::kNWT).Number() != 0) {
      NotNegative(gSlabLayerProps(s_, L, 4), "GAMA" + layer, menu::kProperties);
      Within(gSlabLayerProps(s_, L, 4), "GAMA" + layer, range::kUnitWeight, menu::kProperties);
    }
  }
  // Elements of slab 1 more oblong than 5 to 1 are refused by the program.
  const int nx1 = gSlabArrangement(s_, 1, 1), ny1 = gSlabArrangement(s_, 1, 2);
  for (int i = 1; i < nx1; ++i)
    for (int j = 1; j < ny1; ++j) {
      const float dx = gSlabX(s_, 1, i + 1) - gSlabX(s_, 1, i);
      const float dy = gSlabY(s_, 1, j + 1) - gSlabY(s_, 1, j);
      const float ratio = static_cast<float>(static_cast<double>(dx) / dy);
      if (!(ratio >= 0.2f && ratio <= 5.0f))
        Refuse("some elements of slab 1 are too oblong, with an aspect ratio greater than 5.", menu::kXcoord);
    }
}

void DataSetCheck::Joints() const {
  int named[slab_cap::kJoints + 1] = {};
  int second_slab[slab_cap::kJoints + 1] = {}, side[slab_cap::kJoints + 1] = {};
  for (int slab = 1; slab <= nslab_; ++slab)
    for (int k = 1; k <= 4; ++k) {
      const int j = gSlabArrangement(s_, slab, k + 2);
      if (j == 0) continue;
      if (++named[j] == 2) {
        second_slab[j] = slab;
        side[j] = k;
      }
    }
  int total = 0;
  bool dowels = false;
  for (int j = 1; j <= njoint_; ++j) {
    const std::string joint = "joint " + std::to_string(j);
    if (named[j] != 2)
      Refuse(joint + " is named by " + std::to_string(named[j]) + " slab sides; each joint is shared by two.",
             menu::kArrangement);
    if (side[j] != 1 && side[j] != 3)
      Refuse(joint + " lies at the right or top side of its higher-numbered slab. Number the slabs from left to "
                     "right and from bottom to top.",
             menu::kArrangement);
    const int nodes = side[j] > 1 ? gSlabArrangement(s_, second_slab[j], 1) : gSlabArrangement(s_, second_slab[j], 2);
    if (nodes > limit::kNodesPerJoint)
      Limit("the number of nodes on " + joint, nodes, limit::kNodesPerJoint, menu::kArrangement);
    total += nodes;
    double v[8] = {};
    for (int k = 1; k <= 7; ++k) {
      static const char* const names[] = {"", "SPCON1", "SPCON2", "SCKV", "BD", "BS", "WJ", "GDC"};
      v[k] = Value(gSlabJoints(s_, j, k), std::string(names[k]) + " of " + joint, menu::kJoint);
    }
    const int nnaj = Whole(gSlabJoints(s_, j, 8), "NNAJ of " + joint, menu::kJoint, 0, slab_cap::kJointNodes);
    if (nnaj != 0 && nnaj != nodes)
      Refuse("NNAJ of " + joint + " is " + std::to_string(nnaj) + " but the joint has " + std::to_string(nodes) +
                 " nodes; the number of dowel bars must be given at every node of the joint (or NNAJ = 0).",
             menu::kJoint);
    NotNegative(v[1], "SPCON1 of " + joint, menu::kJoint);
    NotNegative(v[2], "SPCON2 of " + joint, menu::kJoint);
    Within(v[1], "SPCON1 of " + joint, range::kShearSpring, menu::kJoint);
    Within(v[2], "SPCON2 of " + joint, range::kMomentSpring, menu::kJoint);
    if (v[1] == 0) {
      // The shear spring comes from the dowels.
      dowels = true;
      Positive(v[3], "SCKV of " + joint, menu::kJoint);
      Within(v[3], "SCKV of " + joint, range::kDowelSupport, menu::kJoint);
      Positive(v[4], "BD of " + joint, menu::kJoint);
      Within(v[4], "BD of " + joint, range::kThickness, menu::kJoint);
      if (nnaj == 0) {
        Positive(v[5], "BS of " + joint, menu::kJoint);
        Within(v[5], "BS of " + joint, range::kThickness, menu::kJoint);
      }
      NotNegative(v[6], "WJ of " + joint, menu::kJoint);
    } else {
      // A spring joint only shows its dowel values: each may be 0, none beyond what a joint has.
      Within(v[3], "SCKV of " + joint, range::kDowelSupportOrNone, menu::kJoint);
      Within(v[4], "BD of " + joint, range::kLength, menu::kJoint);
      Within(v[5], "BS of " + joint, range::kLength, menu::kJoint);
    }
    Within(v[6], "WJ of " + joint, range::kLength, menu::kJoint);
    // The gap acts on a shear spring as it does on dowels.
    NotNegative(v[7], "GDC of " + joint, menu::kJoint);
    Within(v[7], "GDC of " + joint, range::kLength, menu::kJoint);
    for (int n = 1; n <= nnaj; ++n)
      NotNegative(Value(gSlabBARNO(s_, j, n), "BARNO " + std::to_string(n) + " of " + joint, menu::kJoint),
                  "BARNO " + std::to_string(n) + " of " + joint, menu::kJoint);
  }
  if (total > limit::kJointNodesInAll)
    Limit("the total number of nodes on all joints", total, limit::kJointNodesInAll, menu::kArrangement);
  if (nslab_ > 1) {
    const double ymsb = Value(gSlabDowel(s_, 1), "YMSB", menu::kDowel);
    const double prsb = Value(gSlabDowel(s_, 2), "PRSB", menu::kDowel);
    if (dowels) {
      Positive(ymsb, "YMSB", menu::kDowel);
      Within(ymsb, "YMSB", range::kModulus, menu::kDowel);
      Poisson(prsb, "PRSB", menu::kDowel);
    }
  }
}

void DataSetCheck::Lists() const {
  Node(G(gen::kNNCK), "NNCK", menu::kGeneral);
  for (int L : {1, 2}) {
    const int n = G(L == 1 ? gen::kNAT1 : gen::kNAT2);
    auto& table = L == 1 ? gSlabAddT1 : gSlabAddT2;
    const char* where = L == 1 ? menu::kNat1 : menu::kNat2;
    for (int i = 1; i <= n; ++i) {
      const std::string entry = " of additional thickness " + std::to_string(i) + " of slab layer " + std::to_string(L);
      NodeValue(table(s_, i, 1), "NT" + entry, where);
      const double t = Value(table(s_, i, 2), "T" + entry, where);
      Positive(t, "T" + entry, where);
      Within(t, "T" + entry, range::kThickness, where);
    }
  }
  const auto nodes = [this](auto& table, int n, const char* item, const char* where) {
    for (int i = 1; i <= n; ++i) Node(table(s_, i), std::string(item) + " " + std::to_string(i), where);
  };
  nodes(gSlabNODNC, static_cast<int>(C(curl::kNOTCON).Number()), "NODNC", menu::kNotcon);
  nodes(gSlabNP, G(gen::kNPRINT), "NP", menu::kNprint);
  nodes(gSlabNODSX, G(gen::kNSX), "NODSX", menu::kNsx);
  nodes(gSlabNODSY, G(gen::kNSY), "NODSY", menu::kNsy);
  for (int i = 1; i <= static_cast<int>(C(curl::kNGAP).Number()); ++i) {
    NodeValue(gSlabGaps(s_, i, 1), "NG of gap " + std::to_string(i), menu::kGaps);
    Within(Value(gSlabGaps(s_, i, 2), "CURL of gap " + std::to_string(i), menu::kGaps), "CURL of gap " + std::to_string(i),
           range::kGap, menu::kGaps);
  }
  for (int p = 1; p <= npy_; ++p) {
    if (!std::isfinite(gSlabFSAF(s_, p))) Refuse("FSAF of period " + std::to_string(p) + " is not a number.", menu::kAdjust);
    Positive(gSlabFSAF(s_, p), "FSAF of period " + std::to_string(p), menu::kAdjust);
    Within(gSlabFSAF(s_, p), "FSAF of period " + std::to_string(p), range::kFactor, menu::kAdjust);
  }
}

void DataSetCheck::Loads() const {
  int areas = 0;
  for (int g = 1; g <= nlg_; ++g) {
    const int nudl = gSlabNUDL(s_, g);
    Count("NUDL of load group " + std::to_string(g), nudl, slab_cap::kAreasPerGroup, menu::kUniform);
    areas += nudl;
  }
  if (areas > limit::kLoadedAreasInAll)
    Limit("the total number of loaded areas (NUDL)", areas, limit::kLoadedAreasInAll, menu::kUniform);
  for (int g = 1; g <= nlg_; ++g)
    for (int a = 1; a <= gSlabNUDL(s_, g); ++a) {
      const std::string area = " of loaded area " + std::to_string(a) + " of load group " + std::to_string(g);
      const int ls = static_cast<int>(std::nearbyint(Value(gSlabLoadAreas(s_, g, a, 1), "LS" + area, menu::kUniform, Read::Integer)));
      if (ls < 1 || ls > nslab_)
        Refuse("LS" + area + " is " + std::to_string(ls) + ", which is not a slab 1 to " + std::to_string(nslab_) + ".",
               menu::kUniform);
      static const char* const names[] = {"", "LS", "XL1", "XL2", "YL1", "YL2", "QQ"};
      float v[7] = {};
      for (int k = 2; k <= 6; ++k)
        v[k] = static_cast<float>(Value(gSlabLoadAreas(s_, g, a, k), names[k] + area, menu::kUniform));
      Within(v[6], "QQ" + area, range::kPressure, menu::kUniform);
      const int nx = gSlabArrangement(s_, ls, 1), ny = gSlabArrangement(s_, ls, 2);
      const float x0 = gSlabX(s_, ls, 1), x1 = gSlabX(s_, ls, nx), y0 = gSlabY(s_, ls, 1), y1 = gSlabY(s_, ls, ny);
      if (!(v[2] >= x0 && v[2] < v[3] && v[3] <= x1 && v[4] >= y0 && v[4] < v[5] && v[5] <= y1))
        Refuse("loaded area " + std::to_string(a) + " of load group " + std::to_string(g) + " (x from " + BareStr(v[2]) +
                   " to " + BareStr(v[3]) + ", y from " + BareStr(v[4]) + " to " + BareStr(v[5]) +
                   ") does not lie within slab " + std::to_string(ls) + ".",
               menu::kUniform);
    }
  static const char* const counts[] = {"", "NCNF", "NNMX", "NNMY"};
  static const char* const nodes[] = {"", "NN", "NNX", "NNY"};
  static const char* const values[] = {"", "FF", "FMX", "FMY"};
  for (int kind = 1; kind <= 3; ++kind) {
    const int n = gSlabRaftCounts(s_, kind);
    Count(counts[kind], n, limit::kNodeList, menu::kRaft);
    for (int i = 1; i <= n; ++i) {
      const std::string entry = " " + std::to_string(i);
      Value(gSlabNodalLoads(s_, i, 1, kind), std::string(nodes[kind]) + entry, menu::kRaft, Read::Integer);
      Node(gSlabNodalLoads(s_, i, 1, kind), std::string(nodes[kind]) + entry, menu::kRaft);
      Within(Value(gSlabNodalLoads(s_, i, 2, kind), std::string(values[kind]) + entry, menu::kRaft),
             std::string(values[kind]) + entry, kind == 1 ? range::kNodalForce : range::kNodalMoment, menu::kRaft);
    }
  }
}

void DataSetCheck::Foundation() const {
  const int nfound = G(gen::kNFOUND);
  if (nfound == 2) {
    const int nl = Whole(gSlabLayered(s_, 2), "NL", menu::kFoundation, 1, slab_cap::kFoundationLayers);
    if (Value(gSlabLayered(s_, 1), "MAXIC", menu::kFoundation, Read::Integer) < 1)
      Refuse("MAXIC is " + BareStr(gSlabLayered(s_, 1).Number()) + ", which should be at least 1.", menu::kFoundation);
    for (int L = 1; L <= nl; ++L) {
      const std::string layer = " of foundation layer " + std::to_string(L);
      if (L < nl) {
        Positive(Value(gSlabFoundLayers(s_, L, 1), "TH" + layer, menu::kFoundation), "TH" + layer, menu::kFoundation);
        Within(gSlabFoundLayers(s_, L, 1).Number(), "TH" + layer, range::kThickness, menu::kFoundation);
      }
      if (Value(gSlabFoundLayers(s_, L, 2), "E" + layer, menu::kFoundation) == 0)
        Refuse("E" + layer + " should not be 0.", menu::kFoundation);
      Positive(gSlabFoundLayers(s_, L, 2).Number(), "E" + layer, menu::kFoundation);
      Within(gSlabFoundLayers(s_, L, 2).Number(), "E" + layer, range::kModulus, menu::kFoundation);
      Poisson(Value(gSlabFoundLayers(s_, L, 3), "PRBF" + layer, menu::kFoundation), "PRBF" + layer, menu::kFoundation);
    }
  } else if (nfound == 1) {
    if (Value(gSlabSolid(s_, 1), "YMS", menu::kFoundation, Read::Number) == 0)
      Refuse("YMS should not be 0.", menu::kFoundation);
    Positive(gSlabSolid(s_, 1).Number(), "YMS", menu::kFoundation);
    Within(gSlabSolid(s_, 1).Number(), "YMS", range::kModulus, menu::kFoundation);
    Poisson(Value(gSlabSolid(s_, 2), "PRS", menu::kFoundation), "PRS", menu::kFoundation);
  } else {
    const int nas = Whole(gSlabLiquid(s_, 2), "NAS", menu::kFoundation, 0, limit::kNodeList);
    NotNegative(Value(gSlabLiquid(s_, 1), "SUBMOD", menu::kFoundation), "SUBMOD", menu::kFoundation);
    Within(gSlabLiquid(s_, 1).Number(), "SUBMOD", range::kSubgradeModulus, menu::kFoundation);
    for (int i = 1; i <= nas; ++i) {
      NodeValue(gSlabAddSubmod(s_, i, 1), "NS " + std::to_string(i), menu::kFoundation);
      NotNegative(Value(gSlabAddSubmod(s_, i, 2), "SUBMOD " + std::to_string(i), menu::kFoundation),
               "SUBMOD " + std::to_string(i), menu::kFoundation);
      Within(gSlabAddSubmod(s_, i, 2).Number(), "SUBMOD " + std::to_string(i), range::kSubgradeModulus, menu::kFoundation);
    }
  }
}

void DataSetCheck::Damage() const {
  if (G(gen::kNDAMA) == 0) return;
  if (npy_ * nlg_ > limit::kPeriodGroups)
    Limit("NPY x NLG, the number of load groups over all periods,", npy_ * nlg_, limit::kPeriodGroups, menu::kGeneral);
  for (int p = 1; p <= npy_; ++p)
    for (int g = 1; g <= nlg_; ++g)
      NotNegative(Value(gSlabTNLR(s_, p, g), "TNLR of load group " + std::to_string(g) + " in period " + std::to_string(p),
                        menu::kDamage),
                  "TNLR of load group " + std::to_string(g) + " in period " + std::to_string(p), menu::kDamage);
  // The fatigue steps divide the stresses by the modulus of rupture.
  for (int L = 1; L <= nlayer_; ++L)
  {
    Positive(gSlabFatigue(s_, L, 1), "PMR of slab layer " + std::to_string(L), menu::kDamage);
    Within(gSlabFatigue(s_, L, 1), "PMR of slab layer " + std::to_string(L), range::kStrength, menu::kDamage);
  }
}

void DataSetCheck::Run() {
  Title();
  General();
  Slabs();
  Joints();
  Lists();
  Loads();
  Foundation();
  Damage();
}

}  // namespace

std::optional<std::string> AnalysisRefusal() {
  const double nprob = gSlabNPROB.Number();
  if (!gSlabNPROB.IsNumber() || (nprob != 1 && nprob != 2)) return "NPROB should be 1 or 2.";
  try {
    for (int s = 1; s <= static_cast<int>(nprob); ++s) DataSetCheck(s).Run();
  } catch (const Refusal& r) {
    return r.message;
  }
  return std::nullopt;
}

}  // namespace pave
