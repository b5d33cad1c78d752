// The fixed texts of the help window and of the example screens against their layout: line count,
// longest line, indents, the lines and phrases that stand as quoted, and the empty lines. One row a
// text; every text's lines end with CR LF, the last one included.
#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "help/example_screens.h"
#include "help/help_topics.h"
#include "support/file_text.h"

namespace pave::testing {
namespace {

struct TextLayout {
  const char* name = "";              // test name
  std::string (*text)() = nullptr;    // the text as its window builds it
  int line_count = 0;                 // 0: not fixed
  int max_length = 79;                // longest line allowed
  int run_on_lines = 0;               // lines that run on past max_length (a text box wraps them)
  std::vector<int> indents = {};      // leading blanks a line may have; empty: any
  std::vector<std::string> lines = {};    // whole lines, in this order
  std::vector<std::string> starts = {};   // beginnings of lines, in this order
  std::vector<std::string> phrases = {};  // each within one line, in this order
  int empty_count = -1;               // number of empty lines; -1: not fixed
  std::vector<int> empty_lines = {};  // numbers (from 1) of the empty lines, when fixed
  std::optional<std::string> last_line = std::nullopt;
};
void PrintTo(const TextLayout& c, std::ostream* os) { *os << c.name; }


std::string Topic(int code) { return HelpTopicText(code); }
std::string Screen(std::string_view kind) { return ExampleScreenText(*FindExampleScreen(kind)); }

// The paragraph beginnings of an example screen's comments "(1)" to "(n)", with their indent.
std::vector<std::string> Comments(int count, const std::string& indent = "     ") {
  std::vector<std::string> out;
  for (int i = 1; i <= count; ++i) out.push_back(indent + "(" + std::to_string(i) + ") ");
  return out;
}
std::vector<std::string> Then(std::vector<std::string> first, const std::vector<std::string>& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

const std::vector<TextLayout>& Layouts() {
  static const std::vector<TextLayout> layouts = {
      {.name = "Topic1",
       .text = [] { return Topic(1); },
       .line_count = 192,
       .max_length = 78,
       .indents = {0, 3, 4},
       .lines = {"(1)  Taskbar", "(2) Data Path", "(3)  Filename", "(4)  Command Buttons", "(5)  HELP",
                 "(6)  EDITOR", "(7)  DOS and EXIT", "(8)  PELDRANE or CORVISTA", "(9)  MORVELIN or BRUNTOLA",
                 "   Below the BRUNTOLA button is a button called BRUNTOLA LARGE RAM which can",
                 "(10)  TOLMER or VANSEK"},
       .starts = {"    ", "    ", "(11)  Contour:"},
       .phrases = {"now called ROVANTE", "Mohr's Coulomb", "'Main Screen'", "'Help: Main Screen'",
                   "\"C:\\ROVANTE\\\"", "\"DATAPATH\"", "\"Untitled.DAT\"", "\"SLAB CONTOUR\"",
                   "There are 12 command buttons on the Main Screen.", "Print memu above the textbox",
                   "because they share the same form.", "'Input past end of file'", "\"Data Files(*.DAT)\"",
                   "1,600,000", "100,000", "'Want to print on the printer?'"},
       .empty_count = 11,
       .last_line = "can be plotted only when NPY =1, NLG = 1, and NPRINT = 0."},
      {.name = "Topic2",
       .text = [] { return Topic(2); },
       .line_count = 48,
       .max_length = 78,
       .indents = {0, 4},
       .starts = {"    (1)  File:", "    ", "    (2)  Edit:", "    (3)  Input Parameters:",
                  "    (4)  Output Parameters:", "    (5)  Data File:", "    (6)  Examples:"},
       .phrases = {"57", "'Do you want to save the file?'", "'Yes', 'No' and 'Cancel'", "'PrintForm'",
                   "'PrintText'"},
       .empty_count = 6,
       .last_line = ""},
      {.name = "Topic3",
       .text = [] { return Topic(3); },
       .line_count = 160,
       .max_length = 78,
       .indents = {0, 4},
       .lines = {"0.4, then K1 = 10,000 x (6.895)^(1 - 0.4) = 31,860 kPa."},
       .starts = {
                 "    BETA(12) - ", "    CP(12) - ", "    CR(12) - ", "    CREEP(12,15) - ", "    DEL - ",
                 "    DELNOL - ", "    DUR - ", "    E(19,12) - ", "    EMAX(12,12) - ",
                 "    EMIN(12,12) - ", "    FT(5,19) - ", "    GAM(19) - ", "    ICL - ", "    INT(18) - ",
                 "    ITENOL - ", "    K0(12) - ", "    K1(12,12) - ", "    K2(12) - ", "    K3(12) - ",
                 "    K4(12) - ", "    LAYNO(12) - ", "    LNBT(19) - ", "    LNTC(19) - ", "    LNV(12) - ",
                 "    LOAD(12) - ", "    MATL - ", "    NCLAY(12) - ", "    NDAMA - ", "    NBOND - ",
                 "    NL - ", "    NLBT - ", "    NLG - ", "    NLTC - ", "    NOLAY - ", "    NPROB - ",
                 "    NPT(12) - ", "    NPY - ", "    NR(12) - ", "    NSTD - ", "    NTYME - ",
                 "    NUNIT - ", "    NVL - ", "    NZ - ", "    PHI(12,12) - ", "    PR(19) - ",
                 "    RC(12,25) - ", "    RCNOL - ", "    RELAX(12) - ", "    SLD - ", "    TEMP(12,12) - ",
                 "    TEMREF(12) - ", "    TH(18) - ", "    TITLE - ", "    TNLR(12,12) - ",
                 "    TYME(15) - ", "    XPT(25) - ", "    XPTNOL - ", "    XW(12) - ", "    YPT(25) - ",
                 "    YPTNOL - ", "    YW(12) - ", "    ZC(19) - ", "    ZCNOL(12) - "},
       .phrases = {"For ease of references", "NUNIT", "kN/m^2 or kPa", "kN/m^3"},
       .empty_count = 1},
      {.name = "Topic4",
       .text = [] { return Topic(4); },
       .line_count = 203,
       .max_length = 79,
       .indents = {0, 4},
       .starts = {
                 "    BARNO(15,7) - ", "    BD(7) - ", "    BS(7) - ", "    CT - ", "    DEL - ",
                 "    E(6) - ", "    FF(120) - ", "    FMAX - ", "    FMX(120) - ", "    FMY(120) - ",
                 "    FSAF(12) - ", "    F1(2) - ", "    F2(2) - ", "    GAMA(2) - ", "    GAP(120) - ",
                 "    GDC(7) - ", "    INPUT - ", "    JONO(4,6) - ", "    LS(24,12) - ", "    MAXIC - ",
                 "    MDPO - ", "    NAS - ", "    NAT1 - ", "    NAT2 - ", "    NBOND - ", "    NCNF - ",
                 "    NCYCLE - ", "    NDAMA - ", "    NFOUND - ", "    NG(120) - ", "    NGAP - ",
                 "    NJOINT - ", "    NL - ", "    NLAYER - ", "    NLG - ", "    NN(120) - ",
                 "    NNAJ(7) - ", "    NNCK - ", "    NNMX - ", "    NNMY - ", "    NNX(120) - ",
                 "    NNY(120) - ", "    NODNC(120) - ", "    NODSX(50) - ", "    NODSY(50) - ",
                 "    NOTCON - ", "    NP(120) - ", "    NPRINT - ", "    NPROB - ", "    NPY - ",
                 "    NSLAB - ", "    NS(120) - ", "    NSX - ", "    NSY - ", "    NT1(120) - ",
                 "    NT2(120) - ", "    NTEMP - ", "    NUDL(12) - ", "    NUNIT - ", "    NWT - ",
                 "    NX(6) - ", "    NY(6) - ", "    PMR(2) - ", "    PR(2) - ", "    PRBF(6) - ",
                 "    PRS - ", "    PRSB - ", "    QQ(24,12) - ", "    SCKV(7) - ", "    SPCON(3,7) - ",
                 "    SUBMOD - ", "    SUBMOD(120) - ", "    T(2) - ", "    T1(120) - ", "    T2(120) - ",
                 "    TEMP - ", "    TH(5) - ", "    TITLE - ", "    TNLR(12,12) - ", "    WJ(7) - ",
                 "    X(15,6) - ", "    XL1(24,12) and XL2(24,12) - ", "    Y(15,6) - ",
                 "    YL1(24,12) and YL2(24,12) - ", "    YM(2) - ", "    YMS - ", "    YMSB - "},
       .phrases = {"For ease of references", "NUNIT", "kN/m^2 or kPa", "kN/m^3"},
       .empty_count = 1},
      {.name = "Topic5",
       .text = [] { return Topic(5); },
       .max_length = 79,
       .indents = {0, 5},
       .lines = {"SINGLE WHEEL VERSUS MULTIPLE WHEELS", "EXAMPLES:"},
       .phrases = {"a file with an extension .TXT.", "RC", "ZC", "XPT", "YPT", "NSTD", "LAYERS", "IC", "ICL",
                   "(NDAMA = 1)", "(NDAMA = 2)", "DEL", "ICL", "0.0001"},
       .empty_count = 3},
      {.name = "Topic6",
       .text = [] { return Topic(6); },
       .max_length = 79,
       .indents = {0, 4, 5},
       .lines = {"REGULAR OUTPUT", "MORE DETAILED OUTPUT", "EXAMPLES:"},
       .starts = {
                 "    BEARS - ", "    CI - ", "    CURL - ", "    DF - ", "    F - ", "    FAJ1 - ",
                 "    FAJ2 - ", "    FAJPD - ", "    FOSUM - ", "    GAP - ", "    IC - ", "    MAJOR - ",
                 "    MAX.SHEAR - ", "    MINOR - ", "    MOMENT X - ", "    MOMENT Y - ", "    NB - ",
                 "    SHEARS - ", "    SMAX - ", "    SPCON - ", "    STRESS X - ", "    STRESS Y - ",
                 "    STRESS XY - ", "    SUBR - ", "    SUBSUM - ", "    SUMCI - ", "    XO - ",
                 "    YO - ", "    INITEN - ", "    INITNP - ", "    ISEN - ", "    ISNN - ",
                 "    LASTEN - ", "    LASTNP - ", "    LFEN - ", "    LFNN - ", "    NDTY - ", "    NE - ",
                 "    NPOP - ", "    NPSM - ", "    NPSM3 - ", "    NTSM - ", "    NTSM3 - ",
                 "    ROTAT.X - ", "    ROTAT.Y - ", "    SUBD - ", "    SUMP - ", "    XDA - ", "    XN - ",
                 "    YDA - ", "    YN - "},
       .phrases = {".TXT", "MDPO = 0", "SLA1.DAT", "SLA5.DAT", "SLA1SI.DAT", "SLA5SI.DAT", "(MDPO = 0)",
                   "(MDPO = 1)"},
       .empty_count = 4,
       .last_line = "is specified for the SI files. You may want to run both and see the difference."},
      {.name = "Topic7",
       .text = [] { return Topic(7); },
       .max_length = 77,
       .indents = {0, 1, 2, 5, 8},
       .lines = {
                 "  (1)   1 line  NPROB",
                 "  (2)   1 line TITLE",
                 "  (3)   1 line MATL,NDAMA,NPY,NLG",
                 "  (4)   1 line DEL",
                 "  (5)   1 line NL,NZ,ICL,NSTD,NUNIT",
                 "  (6)   1 line (TH(I),I=1,NL - 1)",
                 "  (7)   1 line (PR(I),I=1,NL)",
                 " *(8)   1 line (ZC(I),I=1,NZ)",
                 "        Skip if NDAMA = 1 or 2.",
                 "  (9)   1 line NBOND",
                 "*(10)   1 line (INT(I),I=1,NL - 1)",
                 "        Skip if NBOND = 1.",
                 " (11)   NPY lines E(I,J),I=1,NL)",
                 " (12)   Do steps (13) to (21) for each load.",
                 " (13)   1 line LOAD(J)",
                 " (14)   1 line CR(J),CP(J)",
                 " (15)   If LOAD(J) > 0, go to (19)",
                 " (16)   1 line NR(J)",
                 " (17)   1 line (RC(I,1,J),I=NR)",
                 " (18)   go to (21)",
                 " (19)   1 line NPT(J)",
                 " (20)   1 line XW(J),YW(J),(XPT(I),YPT(I),I=1,NPT)",
                 " (21)   Go to (13) NLG times, one for each load",
                 " (22)   If MATL = 1, go to (45)",
                 " (23)   If MATL = 2 or 4, go to (25)",
                 " (24)   If MATL = 3, go to (36)",
                 " (25)   1 line NOLAY,ITENOL",
                 " (26)   1 line (LAYNO(I),NCLAY(LAYNO(I)),I=1,NOLAY)",
                 " (27)   1 line (ZCNOL(I),I=1,NOLAY)",
                 " (28)   1 line RCNOL,XCNOL,YCNOL,SLD,DELNOL",
                 " (29)   1 line (RELAX(I),I=1,NPY)",
                 " (30)   1 line (GAM(I),I=1,NL)",
                 "        If NCLAY(LAYNO(I)) = 0 or 2, i.e. the layer is granular, then",
                 "        1 line K2(LAYNO(I)),K0(LAYNO(I))",
                 "        If NCLAY(LAYNO(I)) = 1, or the layer is clay, then",
                 "        1 line K2(LAYNO(I)),K3(LAYNO(I)),K4(LAYNO(I)),K0(LAYNO(I))",
                 " (32)   Do steps (33) to (34) for each period.",
                 "        If NCLAY(LAYNO(I)) = 0 or 2, i.e. the layer is granular, then",
                 "        1 line PHI(LAYNO(I),J),K1(LAYNO(I),J)",
                 "        If NCLAY(LAYNO(I)) = 1, or the layer is clay",
                 "        1 line EMIN(LAYNO(I),J),EMAX(LAYNO(I),J),K1(LAYNO(I),J)",
                 " (34)   Go to (33) NPY times, one for each period",
                 " (35)   If MATL = 2, go to (45)",
                 " (36)   1 line DUR",
                 "        DUR = 0 for stationary load.",
                 " (37)   1 line NVL,(LNV(I),I=1,NVL)",
                 " (38)   1 line NTYME",
                 " (39)   1 line (TYME(J),J=1,NTYME)",
                 " (40)   Do steps (41) to (43) for each viscoelastic layer.",
                 " (41)   1 line BETA(LNV(I)),TEMPREF(LNV(I))",
                 " (42)   1 line (CREEP(LNV(I),J,1),J=1,NTYME)",
                 " (43)   Go to (41) NVL times, one for each viscolastic layer",
                 " (44)   NPY lines (TEMP(LNV(I)),I=1,NVL)",
                 " (45)   If NDAMA = 0, go to (52)",
                 " (46)   1 line NLBT,NLTC",
                 "*(47)   1 line (LNBT(I),I=1,NLBT)",
                 "        Skip if NLBT = 0.",
                 "*(48)   1 line (LNTC(I),I=1,NLTC)",
                 "        Skip if NLTC = 0.",
                 " (49)   NPY lines (TNLR(I,J),J=1,NLG)",
                 "*(50)   NLBT lines FT(1,I),FT(2,I),FT(3,I)",
                 "        Skip if NLBT = 0.",
                 "*(51)   NLTC lines FT(4,I),FT(5,I)",
                 "        Skip if NLTC = 0.",
                 " (52)    Go to (2) NPROB times"},
       .phrases = {"PELDRANE", "Each line must end with an identifier."},
       .empty_count = 1,
       .last_line = " (52)    Go to (2) NPROB times"},
      {.name = "Topic8",
       .text = [] { return Topic(8); },
       .max_length = 77,
       .indents = {0, 1, 2, 5, 8},
       .lines = {
                 "  (1)   1 line  NPROB",
                 "  (2)   1 line TITLE",
                 "  (3)   1 line NFOUND,NDAMA,NPY,NLG",
                 "  (4)   1 line NSLAB,NJOINT",
                 "  (5)   NSLAB lines NX(I),NY(I),(JONO(J,I),J=1,4)",
                 "  (6)   1 line NLAYER,NNCK,NOTCON,NGAP,NPRINT,INPUT,NBOND,NTEMP,NWT,",
                 "        NCYCLE,NAT1,NAT2,NSX,NSY,MDPO,NUNIT",
                 "  (7)   1 line TEMP,GAMA(1),GAMA(2),PMR(1),PMR(2),CT,DEL,FMAX",
                 "  (8)   1 line F1(1),F1(2),F2(1),F2(2)",
                 "  (9)   NSLAB lines (X(J,I),J=1,NX(I)),(Y(J,I),J=1,NY(I))",
                 " (10)   1 line (T(I),PR(I),YM(I),I=1,NLAYER)",
                 "*(11)   NLAYER lines (NT(J),T(I,NT(J)),J=1,NAT(I))",
                 "        Skip layer I if NAT(I) = 0",
                 " (12)   1 line (NUDL(I),I=1,NLG)",
                 " (13)   1 line NCNF",
                 " (14)   1 line NNMX,NNMY",
                 "*(15)   NUDL(J) lines LS(I,J),XL1(I,J),XL2(I,J),YL1(I,J),YL2(I,J),QQ(I,J)",
                 "        Skip if NUDL(J) = 0.",
                 "*(16)   1 line (NN(I),FF(NN(I)),I=1,NCNF)",
                 "        Skip if NCNF = 0.",
                 "        1 line (NNX(I),FMX(I),I=1,NNMX)",
                 "        Skip if NNMX = 0.",
                 "        1 line (NNY(I),FMY(I),I=1,NNMY)",
                 "        Skip if NNMY = 0.",
                 "*(17)   1 line (NODNC(I),I=1,NOTCON)",
                 "        SKIP IF NOTCON = 0.",
                 "*(18)   1 Line (NP(I),I=1,NPRINT)",
                 "        SKIP IF NPRINT = 0.",
                 "*(19)   1 line (NODSX(I),I=1,NSX)",
                 "        SKIP IF NSX = 0.",
                 "*(20)   1 line (NODXY(I),I=1,NSY)",
                 "        SKIP IF NSY = 0.",
                 "*(21)   1 Line (NG(I),CURL(NG(I)),I=1,NGAP)",
                 "        SKIP IF NGAP = 0.",
                 " (22)   1 Line (FSAF(I),I=1,NPY)",
                 " (23)   If FOUND = 1 OR 2, go to (27)",
                 " (24)   1 Line NAS,SUBMOD",
                 "*(25)   1 line (NS(I),SUBMOD(NS(I)),I=1,NAS)",
                 "        SKIP IF NAS = 0.",
                 " (26)   Go to (34)",
                 " (27)   If NFOUND =2 go to (30)",
                 " (28)   1 line YMS,PRS",
                 " (29)   Go to (34)",
                 " (30)   1 line NL,MAXIC",
                 " (31)   1 Line (TH(I),I=1,NL-1)",
                 " (32)   1 Line (E(I),I=1,NL)",
                 " (33)   1 Line (PRBF(I),I=1,NL)",
                 "*(34)   1 Line YMSB,PRSB",
                 "        SKIP IF NSLAB = 1.",
                 "*(35)   NJOINT Lines SPCON1(I),SPCON2(I),SCKV(I),BD(I),BS(I),WJ(I)GDC(I),",
                 "        NNAJ(I)",
                 "        SKIP IF NJOINT = 0.",
                 "*(36)   NJOINT Lines (BARNO(J,I),J=1,NNAJ(I))",
                 "        SKIP IF NSLAB = 1 or NNAJ(I) = 0.",
                 "*(37)   NPY lines (TNLR(I,J),J=1,NLG)",
                 "        SKIP IF NDAMA = 0.",
                 " (38)   Go to (2) NPROB times"},
       .phrases = {"CORVISTA", "Each line must end with an identifier."},
       .empty_count = 1,
       .last_line = " (38)   Go to (2) NPROB times"},
      {.name = "Topic9",
       .text = [] { return Topic(9); },
       .max_length = 75,
       .indents = {0, 5},
       .lines = {"The purpose of these examples is to illustrate the capabilities of MORVELIN"},
       .phrases = {"NSTD = 1", "NSTD = 9", "NSTD = 5", "LAY1.DAT", "LAY6.DAT", "LAY1SI.DAT", "LAY6SI.DAT",
                   "(NDAMA = 1)", "(NDAMA = 2)", "You may want to run both and see the difference."},
       .empty_count = 0},
      {.name = "Topic10",
       .text = [] { return Topic(10); },
       .max_length = 75,
       .indents = {0, 5},
       .phrases = {"NPRINT = 0", "MDPO", "(MDPO = 0)", "(MDPO = 1)", "SLA1.DAT", "SLA6.DAT", "SLA1SI.DAT",
                   "SLA6SI.DAT", "(NDAMA = 1)", "(NDAMA = 2)", "You may want to run both and see the difference.",
                   "4,000,000 psi (27.6 GPa)", "0.15", "VANSEK", "CONTOUR"},
       .empty_count = 0},
      // The thirteen example screens: the title line(s) and one empty line (none on frmMohr), then
      // paragraphs whose first line is indented; lines of at most 77 characters.
      {.name = "Lay1",
       .text = [] { return Screen("frmLay1"); },
       .line_count = 18,
       .max_length = 77,
       .indents = {0, 5},
       .lines = {"Example 1: Linear Elastic Three-layer System under Dual-Tandem Tires",
                 "     The results obtained by MORVELIN shows that the maximum surface"},
       .starts = {"     The figure above shows", "     The results obtained by MORVELIN"},
       .phrases = {"4.52 in. (115 mm)", "70 psi (483 kPa)", "0.02036", "point 2", "0.02030", "point 3", "0.01820", "point 6"},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Lay2",
       .text = [] { return Screen("frmLay2"); },
       .line_count = 41,
       .max_length = 77,
       .indents = {0, 5},
       .lines = {"Example 2: Nonlinear Elastic Two-layer System under a Circular Load",
                 "     The results obtained by MORVELIN show a verical deflection of 0.05505"},
       .starts = Then({"     The figure above shows", "     The results"}, Comments(4)),
       .phrases = {"the top of subgrade.  Some comments on file LAY2.TXT:", "or use 12.0001 as recommended."},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Lay3",
       .text = [] { return Screen("frmLay3"); },
       .line_count = 36,
       .max_length = 77,
       .indents = {0, 5},
       .lines = {"Example 3: Viscoelatic Two-layer System under stationary Circular Load"},
       .starts = Then({"     The figure above shows", "     The results"}, Comments(3)),
       .phrases = {"compliances as tabulated above.", "353.9 psi (2.440 MPa)", "514.1 psi (3.545 MPa)", "Some comments on file LAY3.TXT:"},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Lay4",
       .text = [] { return Screen("frmLay4"); },
       .line_count = 30,
       .max_length = 77,
       .indents = {0, 4, 5},
       .lines = {"Example 4: Viscoelastic Three-layer System with 4 Periods and 1 Load Group",
                 "     A run of MORVELIN shows that the design life is 11.83 years and is"},
       .starts = Then({"     The figure above shows", "     A run of MORVELIN"}, Comments(4, "    ")),
       .phrases = {"as indicated by the brown x in the figure", "Some comments on file LAY4.TXT:"},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Lay5",
       .text = [] { return Screen("frmLay5"); },
       .line_count = 32,
       .max_length = 77,
       .indents = {0, 4, 5},
       .lines = {"Example 5: Linear Elsatic Two-layer System with 1 Period and 3 Load Groups",
                 "     A run by MORVELIN shows that the design life is 171.49 years and is"},
       .starts = Then({"     The figure above shows", "     A run by MORVELIN"}, Comments(4, "    ")),
       .phrases = {"indicated by the red dots in the figure", "Some coments on file LAY5.TXT:",
                   "This sum is shown on the TOLMER but not in the text file."},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Lay6",
       .text = [] { return Screen("frmLay6"); },
       .line_count = 30,
       .max_length = 77,
       .indents = {0, 5},
       .lines = {"Example 6: N. Elastic and Viscoelastic with 2 Periods and 2 Load Groups",
                 "     A run of MORVELIN shows that the design life is 30.48 years and"},
       .starts = Then({"     The figure above shows", "     A run of MORVELIN"}, Comments(3)),
       .phrases = {"as shown in the figure", "Some comments on file LAY6.TXT:"},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Sla1",
       .text = [] { return Screen("frmSla1"); },
       .line_count = 66,
       .max_length = 77,
       .indents = {0, 5, 11},
       .lines = {"Example 1: Curling of Slab with Full Contact: (a) Liquid Foundation and (b)",
                 "           Solid Foundation", "     Some comments on file SLA1.TXT:"},
       .starts = Then({"     The figure above shows", "     ", "     ", "     ", "     Some comments"}, Comments(5)),
       .phrases = {"238 psi", "214 psi", "237.6 psi", "216.2 psi", "237.0 psi", "204.3 psi", "19,692 lb", "346 pci"},
       .empty_count = 1,
       .empty_lines = {3}},
      {.name = "Sla2",
       .text = [] { return Screen("frmSla2"); },
       .line_count = 46,
       .max_length = 77,
       .indents = {0, 5, 12},
       .lines = {"Example 2:  Curling of Slab with Partial Contact: (a) Liquid Foundation",
                 "            and (b) Solid Foundation", "Some comment on file SLA2.TXT:"},
       .starts = Then({"     This example is the same as Example 1", "     "}, Comments(6)),
       .phrases = {"12.5 x 6 x (8/12) x 150 = 7500 lb", "7500.0 lb", "7497.5 lb", "7489.7 lb"},
       .empty_count = 1,
       .empty_lines = {3}},
      {.name = "Sla3",
       .text = [] { return Screen("frmSla3"); },
       .line_count = 35,
       .max_length = 77,
       .indents = {0, 5},
       .lines = {"Example 3:  Two Slabs on Solid Foundation with Full Contact"},
       .starts = Then({"     The above figure shows", "     "}, Comments(4)),
       .phrases = {"Some comments on file SLA3.TXT:"},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Sla4",
       .text = [] { return Screen("frmSla4"); },
       .line_count = 41,
       .max_length = 77,
       .indents = {0, 5},
       .lines = {"Example 4:  Damage Analysis with Two Periods and Three Load Groups"},
       .starts = Then({"     The figure above shows", "     "}, Comments(5)),
       .phrases = {"0.057502", "17.39 years", "Some comments on file SLA4.TXT:", "264.117 psi"},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Sla5",
       .text = [] { return Screen("frmSla5"); },
       .line_count = 61,
       .max_length = 77,
       .indents = {0, 5},
       .lines = {"Example 5: Four Slabs on Layer Foundation with Partial Contact", "SLA5.TXT:"},
       .starts = Then({"     The figure above shows", "     1. ", "     2. ", "     3. ", "     "}, Comments(4)),
       .phrases = {"Some comments on file", "217.5 psi", "138.9 psi", "-0.06642 in.", "-0.01642 in."},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Sla6",
       .text = [] { return Screen("frmSla6"); },
       .line_count = 60,
       .max_length = 77,
       .indents = {0, 4},
       .lines = {"Example 6: Raft on Solid Foundation with Retaining Walls on three sides",
                 "    For the benefit of those who are not familiar with BRUNTOLA, the",
                 "following brief review of raft is in order:"},
       .starts = {"    The figure above shows", "    ", "    For the benefit", "    In contrast", "    As with"},
       .phrases = {"15,000/(12x10) = 125 psi", "90,000x30 = 2,700,000 in.-lb", "90,000x60 = 5,400,000 in.-lb",
                   "90,000x10 = 900,000 in.-lb", "90,000x(20+55)/2 = 3,375,000 in.-lb",
                   "90,000x27.5 = 2,475,000 in.-lb", "90,000x55 = 4,950,000 in.-lb", "-1,198 psi"},
       .empty_count = 1,
       .empty_lines = {2}},
      {.name = "Mohr",
       .text = [] { return Screen("frmMohr"); },
       .line_count = 66,
       .max_length = 77,
       .run_on_lines = 2,
       .indents = {0, 4, 5},
       .lines = {"    The figure above shows the failure envelopes for granular materials",
                 "     This case of stress adjustment in MORVELIN is much simpler than that"},
       .starts = {"    The figure above", "    Most granular", "     This case", "     By the figure",
                  "     The case of PHI = 90", "     To avoid"},
       .phrases = {"This procedure is called method 1.  A PHI between 0 and 90", "(method 2)."},
       .empty_count = 0},
  };
  return layouts;
}

int LeadingBlanks(const std::string& line) {
  int n = 0;
  while (n < static_cast<int>(line.size()) && line[static_cast<std::size_t>(n)] == ' ') ++n;
  return n;
}

class TextLayoutTest : public ::testing::TestWithParam<TextLayout> {};

TEST_P(TextLayoutTest, LinesEndInCrLf) {
  const std::string text = GetParam().text();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "line feed without carriage return at " << i;
    }
    if (text[i] == '\r') {
      ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "carriage return alone at " << i;
    }
    ASSERT_NE(text[i], '\t') << "tab at " << i;
  }
}

TEST_P(TextLayoutTest, LineCountLengthAndIndents) {
  const TextLayout& layout = GetParam();
  const std::vector<std::string> lines = TextLines(layout.text());
  if (layout.line_count > 0) {
    EXPECT_EQ(static_cast<int>(lines.size()), layout.line_count);
  }
  std::vector<int> empty;
  int run_on = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int number = static_cast<int>(i) + 1;
    if (static_cast<int>(line.size()) > layout.max_length) {
      ++run_on;
      EXPECT_LE(run_on, layout.run_on_lines) << "line " << number << ": " << line;
    }
    if (line.empty()) {
      empty.push_back(number);
      continue;
    }
    EXPECT_NE(line.back(), ' ') << "trailing blank on line " << number << ": " << line;
    if (!layout.indents.empty()) {
      int blanks = LeadingBlanks(line);
      EXPECT_NE(std::find(layout.indents.begin(), layout.indents.end(), blanks), layout.indents.end())
          << "line " << number << " begins with " << blanks << " blanks: " << line;
    }
  }
  EXPECT_EQ(run_on, layout.run_on_lines);
  if (layout.empty_count >= 0) {
    EXPECT_EQ(static_cast<int>(empty.size()), layout.empty_count);
  }
  if (!layout.empty_lines.empty()) {
    EXPECT_EQ(empty, layout.empty_lines);
  }
  if (layout.last_line) {
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), *layout.last_line);
  }
}

// Each quoted line, line beginning and phrase is found after the one before it.
TEST_P(TextLayoutTest, QuotedLinesAndPhrasesStandInOrder) {
  const TextLayout& layout = GetParam();
  const std::vector<std::string> lines = TextLines(layout.text());
  auto find_in_order = [&](const std::vector<std::string>& wanted, auto matches, const char* what) {
    std::size_t at = 0;
    for (const std::string& w : wanted) {
      std::size_t i = at;
      while (i < lines.size() && !matches(lines[i], w)) ++i;
      EXPECT_LT(i, lines.size()) << what << " not found after line " << at + 1 << ": \"" << w << "\"";
      if (i < lines.size()) at = i + 1;
    }
  };
  find_in_order(layout.lines, [](const std::string& l, const std::string& w) { return l == w; }, "line");
  find_in_order(layout.starts, [](const std::string& l, const std::string& w) { return l.rfind(w, 0) == 0; },
                "line beginning");
  // A phrase may repeat, so a phrase may stand on the same line as the one before it.
  std::size_t at = 0;
  for (const std::string& w : layout.phrases) {
    std::size_t i = at;
    while (i < lines.size() && lines[i].find(w) == std::string::npos) ++i;
    EXPECT_LT(i, lines.size()) << "phrase not found from line " << at + 1 << ": \"" << w << "\"";
    if (i < lines.size()) at = i;
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, TextLayoutTest, ::testing::ValuesIn(Layouts()),
                         [](const ::testing::TestParamInfo<TextLayout>& info) { return info.param.name; });

}  // namespace
}  // namespace pave::testing
