#include "slab_editor/slab_file_reader.h"

#include <cmath>
#include <functional>

#include "common/fixed_table.h"
#include "common/free_format_reader.h"
#include "common/number_format.h"
#include "shell/program_state.h"
#include "slab_editor/slab_data_set.h"

namespace pave {

namespace {

// The reading position for messages: the data set and the record being read.
struct Place {
  int set = 0;
  int record = 1;
};

class SlabFileReading {
 public:
  SlabFileReading(FreeFormatReader& in, Place& place) : in_(in), place_(place) {}

  // Reads data set s; false when the record (9) check fails.
  bool DataSet(int s, SlabLayout& layout);

 private:
  void Record(int n) {
    if (n > 1) gSlabRecordsRead(place_.set) = static_cast<std::int16_t>(place_.record);
    place_.record = n;
  }
  // A list count held in a value entry: a whole number up to the list's capacity; 0 or less
  // means an empty list.
  int Count(const Value& v, const char* name, int capacity) {
    const double n = v.Number();
    if (!std::isfinite(n) || n != std::floor(n))
      throw DataError(std::string(name) + " =" + Str(n) + " is not a whole number");
    if (n > capacity) throw DataError(std::string(name) + " =" + Str(n) + " is greater than " + std::to_string(capacity));
    return n > 0 ? static_cast<int>(n) : 0;
  }
  int Count(int n, const char* name, int capacity) {
    if (n > capacity) throw DataError(std::string(name) + " =" + Str(n) + " is greater than " + std::to_string(capacity));
    return n > 0 ? n : 0;
  }

  FreeFormatReader& in_;
  Place& place_;
};

bool SlabFileReading::DataSet(int s, SlabLayout& layout) {
  const auto I = [this] { return in_.ReadInt16(); };
  const auto S = [this] { return in_.ReadSingle(); };
  const auto V = [this] { return in_.ReadValue(); };
  const auto ident = [this] { in_.SkipIdentifier(); };
  auto& G = gSlabGeneral;

  Record(2);
  gSlabTITLE(s) = in_.ReadText();
  Record(3);
  for (int k : {gen::kNFOUND, gen::kNDAMA, gen::kNPY, gen::kNLG}) G(s, k) = I();
  ident();
  Record(4);
  G(s, gen::kNSLAB) = I();
  G(s, gen::kNJOINT) = I();
  const std::string id4 = in_.ReadText();
  const bool dos = id4.size() < 7;
  layout = dos ? SlabLayout::OldDos : SlabLayout::Current;

  Record(5);
  const int nslab = Count(G(s, gen::kNSLAB), "NSLAB", slab_cap::kSlabs);
  for (int slab = 1; slab <= nslab; ++slab) {
    for (int k = 1; k <= 6; ++k) gSlabArrangement(s, slab, k) = I();
    ident();
  }
  Record(6);
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
    gSlabUL(s) = V();
    if (gSlabUL(s).Text().size() < 4) {
      gSlabTC(s) = I();
      gSlabCL(s) = V();
      ident();
      flags = true;
    } else {
      layout = SlabLayout::NoFlags;   // UL took the identifier
    }
  }
  if (!flags) {
    if (dos) G(s, gen::kNUNIT) = 0;
    gSlabUL(s) = 1;
    gSlabTC(s) = 2;
    gSlabCL(s) = 2;
  }
  Record(7);
  gSlabCurling(s, curl::kTEMP) = V();
  gSlabLayerProps(s, 1, 4) = S();
  gSlabLayerProps(s, 2, 4) = S();
  gSlabFatigue(s, 1, 1) = S();
  gSlabFatigue(s, 2, 1) = S();
  for (int k : {curl::kCT, curl::kDEL, curl::kFMAX}) gSlabCurling(s, k) = V();
  ident();
  Record(8);
  for (int k : {2, 3})
    for (int L : {1, 2}) gSlabFatigue(s, L, k) = S();
  ident();
  Record(9);
  std::string last_ident = id4;
  for (int slab = 1; slab <= nslab; ++slab) {
    for (int n = 1; n <= gSlabArrangement(s, slab, 1); ++n) gSlabX(s, slab, n) = S();
    for (int n = 1; n <= gSlabArrangement(s, slab, 2); ++n) gSlabY(s, slab, n) = S();
    last_ident = in_.ReadText();
  }
  if (nslab == 0) last_ident = "(8)";   // the identifier read last was that of record (8)
  if (last_ident.compare(0, 3, "(9)") != 0) return false;

  Record(10);
  for (int L = 1; L <= Count(G(s, gen::kNLAYER), "NLAYER", slab_cap::kSlabLayers); ++L)
    for (int k = 1; k <= 3; ++k) gSlabLayerProps(s, L, k) = S();
  ident();
  Record(11);
  for (auto* table : {&gSlabAddT1, &gSlabAddT2}) {
    const bool first = table == &gSlabAddT1;
    const int n = Count(G(s, first ? gen::kNAT1 : gen::kNAT2), first ? "NAT1" : "NAT2", slab_cap::kNodeList);
    for (int i = 1; i <= n; ++i)
      for (int f = 1; f <= 2; ++f) (*table)(s, i, f) = V();
    if (n >= 1) ident();
  }
  Record(12);
  const int nlg = Count(G(s, gen::kNLG), "NLG", slab_cap::kLoadGroups);
  for (int g = 1; g <= nlg; ++g) gSlabNUDL(s, g) = I();
  ident();
  if (dos) {
    Record(13);
    for (int g = 1; g <= nlg; ++g) gSlabRaftCounts(s, g) = I();
    ident();
    for (int L : {1, 2}) gSlabLayerProps(s, L, 4) = gSlabLayerProps(s, L, 4) * 1728;
  } else {
    Record(13);
    gSlabRaftCounts(s, 1) = I();
    ident();
    Record(14);
    gSlabRaftCounts(s, 2) = I();
    gSlabRaftCounts(s, 3) = I();
    ident();
  }
  Record(15);
  for (int g = 1; g <= nlg; ++g) {
    for (int a = 1; a <= Count(gSlabNUDL(s, g), "NUDL", slab_cap::kAreasPerGroup); ++a) {
      for (int k = 1; k <= 6; ++k) gSlabLoadAreas(s, g, a, k) = V();
      ident();
    }
  }
  Record(16);
  for (int kind = 1; kind <= (dos ? 1 : 3); ++kind) {
    static const char* const names[] = {"", "NCNF", "NNMX", "NNMY"};
    const int n = Count(gSlabRaftCounts(s, kind), names[kind], slab_cap::kNodeList);
    for (int i = 1; i <= n; ++i)
      for (int f = 1; f <= 2; ++f) gSlabNodalLoads(s, i, f, kind) = in_.ReadNumber();
    if (n >= 1) ident();
  }
  const auto nodeList = [&](auto& table, int n) {
    for (int i = 1; i <= n; ++i) table(s, i) = I();
    if (n >= 1) ident();
  };
  Record(17);
  nodeList(gSlabNODNC, Count(gSlabCurling(s, curl::kNOTCON), "NOTCON", slab_cap::kNodeList));
  Record(18);
  nodeList(gSlabNP, Count(G(s, gen::kNPRINT), "NPRINT", slab_cap::kNodeList));
  Record(19);
  nodeList(gSlabNODSX, Count(G(s, gen::kNSX), "NSX", slab_cap::kSymmetryList));
  Record(20);
  nodeList(gSlabNODSY, Count(G(s, gen::kNSY), "NSY", slab_cap::kSymmetryList));
  Record(21);
  const int ngap = Count(gSlabCurling(s, curl::kNGAP), "NGAP", slab_cap::kNodeList);
  for (int i = 1; i <= ngap; ++i)
    for (int f = 1; f <= 2; ++f) gSlabGaps(s, i, f) = V();
  if (ngap >= 1) ident();
  Record(22);
  const int npy = Count(G(s, gen::kNPY), "NPY", slab_cap::kPeriods);
  for (int p = 1; p <= npy; ++p) gSlabFSAF(s, p) = S();
  if (npy >= 1) ident();
  const int nfound = G(s, gen::kNFOUND);
  if (nfound == 2) {
    Record(30);
    gSlabLayered(s, 2) = V();
    gSlabLayered(s, 1) = V();
    ident();
    const int nl = Count(gSlabLayered(s, 2), "NL", slab_cap::kFoundationLayers);
    Record(31);
    for (int L = 1; L <= nl - 1; ++L) gSlabFoundLayers(s, L, 1) = V();
    if (nl - 1 >= 1) ident();
    for (int k : {2, 3}) {
      Record(30 + k);
      for (int L = 1; L <= nl; ++L) gSlabFoundLayers(s, L, k) = V();
      if (nl >= 1) ident();
    }
  } else if (nfound == 1) {
    Record(28);
    gSlabSolid(s, 1) = V();
    gSlabSolid(s, 2) = V();
    ident();
  } else {
    Record(24);
    gSlabLiquid(s, 2) = V();
    gSlabLiquid(s, 1) = V();
    ident();
    Record(25);
    const int nas = Count(gSlabLiquid(s, 2), "NAS", slab_cap::kNodeList);
    for (int i = 1; i <= nas; ++i)
      for (int f = 1; f <= 2; ++f) gSlabAddSubmod(s, i, f) = V();
    if (nas >= 1) ident();
  }
  if (nslab > 1) {
    Record(34);
    gSlabDowel(s, 1) = V();
    gSlabDowel(s, 2) = V();
    ident();
  }
  Record(35);
  const int njoint = Count(G(s, gen::kNJOINT), "NJOINT", slab_cap::kJoints);
  for (int j = 1; j <= njoint; ++j) {
    for (int k = 1; k <= 8; ++k) gSlabJoints(s, j, k) = V();
    ident();
  }
  Record(36);
  for (int j = 1; j <= njoint; ++j) {
    const int nnaj = Count(gSlabJoints(s, j, 8), "NNAJ", slab_cap::kJointNodes);
    for (int n = 1; n <= nnaj; ++n) gSlabBARNO(s, j, n) = V();
    if (nnaj >= 1) ident();
  }
  if (G(s, gen::kNDAMA) != 0) {
    Record(37);
    for (int p = 1; p <= npy; ++p) {
      for (int g = 1; g <= nlg; ++g) gSlabTNLR(s, p, g) = V();
      ident();
    }
  }
  Record(38);
  gSlabRecordsRead(s) = 38;   // the whole data set
  return true;
}

SlabReadResult Read(const std::function<FreeFormatReader()>& open) {
  SlabReadResult result;
  Place place;
  gSlabRecordsRead.Fill(0);
  bool opened = false;
  try {
    FreeFormatReader in = open();
    opened = true;
    gSlabNPROB = in.ReadValue();
    result.nprob_read = true;
    in.SkipIdentifier();
    const double nprob = gSlabNPROB.Number();
    if (nprob != 1 && nprob != 2) throw DataError("NPROB =" + Str(nprob) + " is not 1 or 2");
    SlabFileReading reading(in, place);
    for (int s = 1; s <= static_cast<int>(nprob); ++s) {
      place = Place{s, 1};
      if (!reading.DataSet(s, result.layouts[static_cast<std::size_t>(s)])) {
        result.outcome = SlabReadResult::Outcome::WrongFile;
        return result;
      }
      ++result.sets_read;
    }
    result.outcome = SlabReadResult::Outcome::Read;
  } catch (const std::exception& e) {
    // DataError (no such file, a value that cannot be read, the end of the file) or
    // TableIndexError (a count beyond its table). A file that fails before the first data set's
    // slab records is no slab data file (a layered data file fails at its record (4)).
    result.reason = e.what();
    if (!result.nprob_read && !opened)
      result.outcome = SlabReadResult::Outcome::NotOpened;
    else if (place.set <= 1 && place.record <= 4)
      result.outcome = SlabReadResult::Outcome::WrongFile;
    else
      result.outcome = SlabReadResult::Outcome::Failed;
    if (result.nprob_read)
      result.reason = (place.set == 0 ? std::string("record (1)")
                                      : "data set " + std::to_string(place.set) + ", record (" +
                                            std::to_string(place.record) + ")") +
                      ": " + result.reason;
  }
  return result;
}

}  // namespace

SlabReadResult ReadSlabData(const std::string& content) {
  return Read([&content] { return FreeFormatReader(content); });
}

SlabReadResult ReadSlabFile(const std::string& path) {
  return Read([&path] { return FreeFormatReader::FromFile(path); });
}

}  // namespace pave
