// The identifiers that end the records of the slab data file.
#pragma once

namespace pave::rec {

inline constexpr const char* k1 = " (1) NPROB";
inline constexpr const char* k3 = " (3) NFOUND NDAMA NPY NLG";
inline constexpr const char* k4 = " (4) NSLAB NJOINT";
inline constexpr const char* k5 = " (5) NX NY JONO1 JONO2 JONO3 JONO4";
inline constexpr const char* k6 =
    "(6) NLAYER NNCK NOTCON NGAP NPRINT INPUT NBOND NTEMP NWT NCYCLE NAT1 NAT2 NSX NSY MDPO NUNIT UL TC CL";
inline constexpr const char* k7 = " (7) TEMP GAMA(1) GAMA(2) PMR(1) PMR(2) CT DEL FMAX";
inline constexpr const char* k8 = " (8) F1(1) F1(2) F2(1) F2(2)";
inline constexpr const char* k9 = " (9) X's and then Y's";
inline constexpr const char* k10 = " (10) T PR YM";
inline constexpr const char* k11 = " (11) NT T";
inline constexpr const char* k12 = " (12) NUDL";
inline constexpr const char* k13 = " (13) NCNF";
inline constexpr const char* k14 = " (14) NNMX NNMY";
inline constexpr const char* k15 = " (15) LS XL1 XL2 YL1 YL2 QQ";
inline constexpr const char* k16[] = {"", " (16) NN FF", " (16) NNX FMX", " (16) NNY FMY"};
inline constexpr const char* k17 = " (17) NODNC";
inline constexpr const char* k18 = " (18) NP";
inline constexpr const char* k19 = " (19) NODSX";
inline constexpr const char* k20 = " (20) NODSY";
inline constexpr const char* k21 = " (21) NG CURL";
inline constexpr const char* k22 = " (22) FSAF";
inline constexpr const char* k24 = " (24) NAS SUBMOD";
inline constexpr const char* k25 = " (25) NS SUBMOD";
inline constexpr const char* k28 = " (28) YMS PRS";
inline constexpr const char* k30 = " (30) NL MAXIC";
inline constexpr const char* k31 = " (31) TH";
inline constexpr const char* k32 = " (32) E";
inline constexpr const char* k33 = " (33) PRBF";
inline constexpr const char* k34 = " (34) YMSB PRSB";
inline constexpr const char* k35 = " (35) SPCON1 SPCON2 SCKV BD BS WJ GDC NNAJ";
inline constexpr const char* k36 = " (36) BARNO";
inline constexpr const char* k37 = " (37) TNLR";

}  // namespace pave::rec
