#include "slab_editor/slab_file_reader.h"

#include <cmath>

#include "common/number_format.h"
#include "shell/program_state.h"
#include "shell/record_reader.h"
#include "slab_editor/slab_data_set.h"
#include "slab_editor/slab_records.h"

namespace pave {

namespace {

class SlabFileReading {
 public:
  explicit SlabFileReading(RecordReader& in) : in_(in) {}

  // Reads data set s; false when the record (9) check fails.
  bool DataSet(int s, SlabLayout& layout);
  // The record now read: its number (for gSlabRecordsRead) and its identifier (for messages).
  void Record(int n, const char* identifier, const std::string& which = "");
  int set() const { return set_; }
  int record() const { return record_; }

 private:
  // A list count: 0 or less is an empty list; otherwise a whole number up to the list's capacity.
  int Count(const char* name, double value, int high) {
    return value <= 0 && std::floor(value) == value ? 0 : in_.CheckCount(name, value, 0, high);
  }

  RecordReader& in_;
  int set_ = 0;
  int record_ = 1;
};

void SlabFileReading::Record(int n, const char* identifier, const std::string& which) {
  if (set_ > 0) gSlabRecordsRead(set_) = static_cast<std::int16_t>(record_);
  record_ = n;
  std::string name = identifier;
  name.erase(0, name.find_first_not_of(' '));
  in_.Record(name + which);
}

bool SlabFileReading::DataSet(int s, SlabLayout& layout) {
  set_ = s;
  record_ = 1;
  in_.DataSet(s);
  RecordReader& r = in_;
  auto& G = gSlabGeneral;
  const auto I = [&r] { return r.ReadInt16(); };
  const auto S = [&r] { return r.ReadSingle(); };
  // Value entries take numbers only: a text would run to the end of its line and take the
  // record's identifier with it.
  const auto V = [&r] { return r.ReadNumberValue(); };
  const auto ident = [&r] { r.ReadIdentifier(); };

  Record(2, "(2) TITLE");
  gSlabTITLE(s) = r.ReadTitle();
  Record(3, rec::k3);
  for (int k : {gen::kNFOUND, gen::kNDAMA, gen::kNPY, gen::kNLG}) G(s, k) = I();
  ident();
  Record(4, rec::k4);
  G(s, gen::kNSLAB) = I();
  G(s, gen::kNJOINT) = I();
  const std::string id4 = r.ReadIdentifier();
  const bool dos = id4.size() < 7;
  layout = dos ? SlabLayout::OldDos : SlabLayout::Current;

  Record(5, rec::k5);
  const int nslab = Count("NSLAB", G(s, gen::kNSLAB), slab_cap::kSlabs);
  for (int slab = 1; slab <= nslab; ++slab) {
    Record(5, rec::k5, " of slab" + Str(slab));
    for (int k = 1; k <= 6; ++k) gSlabArrangement(s, slab, k) = I();
    ident();
  }
  Record(6, rec::k6);
  G(s, gen::kNLAYER) = I();
  G(s, gen::kNNCK) = I();
  gSlabCurling(s, curl::kNOTCON) = V();
  gSlabCurling(s, curl::kNGAP) = V();
  G(s, gen::kNPRINT) = I();
  gSlabCurling(s, curl::kINPUT) = V();
  G(s, gen::kNBOND) = I();
  gSlabCurling(s, curl::kNTEMP) = V();
  gSlabCurling(s, curl::kNWT) = V();
  gSlabCurling(s, curl::kNCYCLE) = V();
  for (int k : {gen::kNAT1, gen::kNAT2, gen::kNSX, gen::kNSY, gen::kMDPO}) G(s, k) = I();
  bool flags = false;
  if (dos) {
    ident();
  } else {
    G(s, gen::kNUNIT) = I();
    gSlabUL(s) = r.ReadValue();
    if (gSlabUL(s).Text().size() < 4) {
      gSlabTC(s) = I();
      gSlabCL(s) = V();
      ident();
      flags = true;
    } else {
      layout = SlabLayout::NoFlags;   // UL took the identifier
    }
  }
  if (flags && !gSlabUL(s).IsNumber()) r.Fail("UL \"" + gSlabUL(s).Text() + "\" is not a number");
  if (!flags) {
    if (dos) G(s, gen::kNUNIT) = 0;
    gSlabUL(s) = 1;
    gSlabTC(s) = 2;
    gSlabCL(s) = 2;
  }
  Record(7, rec::k7);
  gSlabCurling(s, curl::kTEMP) = V();
  gSlabLayerProps(s, 1, 4) = S();
  gSlabLayerProps(s, 2, 4) = S();
  gSlabFatigue(s, 1, 1) = S();
  gSlabFatigue(s, 2, 1) = S();
  for (int k : {curl::kCT, curl::kDEL, curl::kFMAX}) gSlabCurling(s, k) = V();
  ident();
  Record(8, rec::k8);
  for (int k : {2, 3})
    for (int L : {1, 2}) gSlabFatigue(s, L, k) = S();
  ident();
  std::string last_ident = "(8)";   // with no slab, the identifier read last is that of record (8)
  for (int slab = 1; slab <= nslab; ++slab) {
    Record(9, rec::k9, " of slab" + Str(slab));
    const int nx = Count("NX", gSlabArrangement(s, slab, 1), slab_cap::kCoordinates);
    const int ny = Count("NY", gSlabArrangement(s, slab, 2), slab_cap::kCoordinates);
    for (int n = 1; n <= nx; ++n) gSlabX(s, slab, n) = S();
    for (int n = 1; n <= ny; ++n) gSlabY(s, slab, n) = S();
    last_ident = r.ReadIdentifier();
  }
  if (last_ident.compare(0, 3, "(9)") != 0) return false;

  Record(10, rec::k10);
  for (int L = 1; L <= Count("NLAYER", G(s, gen::kNLAYER), slab_cap::kSlabLayers); ++L)
    for (int k = 1; k <= 3; ++k) gSlabLayerProps(s, L, k) = S();
  ident();
  for (int L : {1, 2}) {
    Record(11, rec::k11, " of slab layer" + Str(L));
    auto& table = L == 1 ? gSlabAddT1 : gSlabAddT2;
    const int n = Count(L == 1 ? "NAT1" : "NAT2", G(s, L == 1 ? gen::kNAT1 : gen::kNAT2), slab_cap::kNodeList);
    for (int i = 1; i <= n; ++i)
      for (int f = 1; f <= 2; ++f) table(s, i, f) = V();
    if (n >= 1) ident();
  }
  Record(12, rec::k12);
  const int nlg = Count("NLG", G(s, gen::kNLG), slab_cap::kLoadGroups);
  for (int g = 1; g <= nlg; ++g) gSlabNUDL(s, g) = I();
  ident();
  Record(13, rec::k13);
  if (dos) {
    // The old layout holds one raft count per load group, and unit weights per cubic inch.
    if (nlg > 3) r.Fail("the old layout holds no more than 3 counts here, but NLG is" + Str(nlg));
    for (int g = 1; g <= nlg; ++g) gSlabRaftCounts(s, g) = I();
    ident();
    for (int L : {1, 2}) gSlabLayerProps(s, L, 4) = gSlabLayerProps(s, L, 4) * 1728;
  } else {
    gSlabRaftCounts(s, 1) = I();
    ident();
    Record(14, rec::k14);
    gSlabRaftCounts(s, 2) = I();
    gSlabRaftCounts(s, 3) = I();
    ident();
  }
  for (int g = 1; g <= nlg; ++g) {
    const int nudl = Count("NUDL", gSlabNUDL(s, g), slab_cap::kAreasPerGroup);
    for (int a = 1; a <= nudl; ++a) {
      Record(15, rec::k15, " of load group" + Str(g) + ", area" + Str(a));
      for (int k = 1; k <= 6; ++k) gSlabLoadAreas(s, g, a, k) = V();
      ident();
    }
  }
  static const char* const counts[] = {"", "NCNF", "NNMX", "NNMY"};
  for (int kind = 1; kind <= (dos ? 1 : 3); ++kind) {
    Record(16, rec::k16[kind]);
    const int n = Count(counts[kind], gSlabRaftCounts(s, kind), slab_cap::kNodeList);
    for (int i = 1; i <= n; ++i)
      for (int f = 1; f <= 2; ++f) gSlabNodalLoads(s, i, f, kind) = r.ReadNumber();
    if (n >= 1) ident();
  }
  const auto nodeList = [&](int record, const char* identifier, const char* name, double count, auto& table,
                            int high) {
    Record(record, identifier);
    const int n = Count(name, count, high);
    for (int i = 1; i <= n; ++i) table(s, i) = I();
    if (n >= 1) ident();
  };
  nodeList(17, rec::k17, "NOTCON", gSlabCurling(s, curl::kNOTCON).Number(), gSlabNODNC, slab_cap::kNodeList);
  nodeList(18, rec::k18, "NPRINT", G(s, gen::kNPRINT), gSlabNP, slab_cap::kNodeList);
  nodeList(19, rec::k19, "NSX", G(s, gen::kNSX), gSlabNODSX, slab_cap::kSymmetryList);
  nodeList(20, rec::k20, "NSY", G(s, gen::kNSY), gSlabNODSY, slab_cap::kSymmetryList);
  Record(21, rec::k21);
  const int ngap = Count("NGAP", gSlabCurling(s, curl::kNGAP).Number(), slab_cap::kNodeList);
  for (int i = 1; i <= ngap; ++i)
    for (int f = 1; f <= 2; ++f) gSlabGaps(s, i, f) = V();
  if (ngap >= 1) ident();
  Record(22, rec::k22);
  const int npy = Count("NPY", G(s, gen::kNPY), slab_cap::kPeriods);
  for (int p = 1; p <= npy; ++p) gSlabFSAF(s, p) = S();
  if (npy >= 1) ident();
  const int nfound = G(s, gen::kNFOUND);
  if (nfound == 2) {
    Record(30, rec::k30);
    gSlabLayered(s, 2) = V();
    gSlabLayered(s, 1) = V();
    ident();
    const int nl = Count("NL", gSlabLayered(s, 2).Number(), slab_cap::kFoundationLayers);
    Record(31, rec::k31);
    for (int L = 1; L <= nl - 1; ++L) gSlabFoundLayers(s, L, 1) = V();
    if (nl - 1 >= 1) ident();
    for (int k : {2, 3}) {
      Record(30 + k, k == 2 ? rec::k32 : rec::k33);
      for (int L = 1; L <= nl; ++L) gSlabFoundLayers(s, L, k) = V();
      if (nl >= 1) ident();
    }
  } else if (nfound == 1) {
    Record(28, rec::k28);
    gSlabSolid(s, 1) = V();
    gSlabSolid(s, 2) = V();
    ident();
  } else {
    Record(24, rec::k24);
    gSlabLiquid(s, 2) = V();
    gSlabLiquid(s, 1) = V();
    ident();
    Record(25, rec::k25);
    const int nas = Count("NAS", gSlabLiquid(s, 2).Number(), slab_cap::kNodeList);
    for (int i = 1; i <= nas; ++i)
      for (int f = 1; f <= 2; ++f) gSlabAddSubmod(s, i, f) = V();
    if (nas >= 1) ident();
  }
  if (nslab > 1) {
    Record(34, rec::k34);
    gSlabDowel(s, 1) = V();
    gSlabDowel(s, 2) = V();
    ident();
  }
  const int njoint = Count("NJOINT", G(s, gen::kNJOINT), slab_cap::kJoints);
  for (int j = 1; j <= njoint; ++j) {
    Record(35, rec::k35, " of joint" + Str(j));
    for (int k = 1; k <= 8; ++k) gSlabJoints(s, j, k) = V();
    ident();
  }
  for (int j = 1; j <= njoint; ++j) {
    Record(36, rec::k36, " of joint" + Str(j));
    const int nnaj = Count("NNAJ", gSlabJoints(s, j, 8).Number(), slab_cap::kJointNodes);
    for (int n = 1; n <= nnaj; ++n) gSlabBARNO(s, j, n) = V();
    if (nnaj >= 1) ident();
  }
  if (G(s, gen::kNDAMA) != 0) {
    // One record per period; with no load group it is the identifier alone.
    for (int p = 1; p <= npy; ++p) {
      Record(37, rec::k37, " of period" + Str(p));
      for (int g = 1; g <= nlg; ++g) gSlabTNLR(s, p, g) = V();
      ident();
    }
  }
  Record(38, "");
  gSlabRecordsRead(s) = 38;   // the whole data set
  return true;
}

}  // namespace

SlabFileRead ReadSlabFile(FreeFormatReader& in, const std::function<void()>& nprob_read) {
  SlabFileRead read;
  RecordReader r(in);
  SlabFileReading reading(r);
  gSlabRecordsRead.Fill(0);
  try {
    r.Record("(1) NPROB");
    gSlabNPROB = r.ReadNumberValue();
    r.ReadIdentifier();
    if (nprob_read) nprob_read();
    const int nprob = r.CheckCount("NPROB", gSlabNPROB.Number(), 1, kSlabSets);
    for (int s = 1; s <= nprob; ++s) {
      if (!reading.DataSet(s, read.layouts[static_cast<std::size_t>(s)])) throw FileRejected(kWrongFileMessage);
      read.sets = s;
    }
  } catch (const RecordReadError&) {
    // A file that cannot be read as far as the first data set's slab records is no slab data file.
    if (reading.set() <= 1 && reading.record() <= 4) throw FileRejected(kWrongFileMessage);
    throw;
  }
  return read;
}

SlabReadResult ReadSlabData(const std::string& content) {
  SlabReadResult result;
  try {
    FreeFormatReader in(content);
    result.read = ReadSlabFile(in);
    result.outcome = SlabReadResult::Outcome::Read;
  } catch (const FileRejected& e) {
    result.outcome = SlabReadResult::Outcome::WrongFile;
    result.reason = e.what();
  } catch (const RecordReadError& e) {
    result.outcome = SlabReadResult::Outcome::Failed;
    result.reason = e.what();
  }
  return result;
}

}  // namespace pave
