#include "grids/line_moves.h"

namespace pave {

namespace {

// A new period starts with the first relaxation factor the iteration takes, and with the default
// temperatures its temperature table shows.
constexpr HeldEntry kPeriodEntries[] = {
    Entry("gLayeredE", kLine, kEach),
    Entry("gLayeredSeasonal", kEach, kLine, kEach),
    {Entry("gLayeredRELAX", kLine), 0.5},
    {Entry("gLayeredTEMP", kLine, kEach), 0, true},
    Entry("gLayeredTNLR", kLine, kEach),
};
constexpr HeldEntry kLoadGroupEntries[] = {
    Entry("gLayeredLoad", kLine, kEach), Entry("gLayeredRC", kLine, kEach),
    Entry("gLayeredPoints", kLine, kEach, kEach), Entry("gLayeredTNLR", kEach, kLine),
};
constexpr HeldEntry kNonlinearEntries[] = {
    Entry("gLayeredNonseasonal", kLine, kEach), Entry("gLayeredGranular", kLine, kEach),
    Entry("gLayeredClay", kLine, kEach), Entry("gLayeredSeasonal", kLine, kEach, kEach),
};
constexpr HeldEntry kViscoEntries[] = {
    Entry("gLayeredViscoLayer", kLine, kEach), Entry("gLayeredCREEP", kLine, kEach),
    {Entry("gLayeredTEMP", kEach, kLine), 0, true},
};
constexpr HeldEntry kTimeEntries[] = {Entry("gLayeredTYME", kLine), Entry("gLayeredCREEP", kEach, kLine)};

// Every index of one line of `ref`, the line's place (`line_at`) left 0.
std::vector<std::vector<long>> LineIndexes(const EntryRef& ref, const std::vector<int>& bounds, int& line_at) {
  std::vector<std::vector<long>> combos{{}};
  for (int d = 0; d < ref.rank; ++d) {
    const Ix& ix = ref.index[static_cast<std::size_t>(d)];
    std::vector<std::vector<long>> next;
    for (const auto& c : combos) {
      if (ix.slot == Slot::Line || ix.slot == Slot::Fixed) {
        auto e = c;
        e.push_back(ix.slot == Slot::Line ? 0 : ix.value);
        next.push_back(std::move(e));
        continue;
      }
      for (int k = 1; k <= bounds[static_cast<std::size_t>(d) + 1]; ++k) {
        auto e = c;
        e.push_back(k);
        next.push_back(std::move(e));
      }
    }
    if (ix.slot == Slot::Line) line_at = d;
    combos = std::move(next);
  }
  return combos;
}

}  // namespace

std::span<const HeldEntry> EntriesHeldFor(LineIndex index) {
  switch (index) {
    case LineIndex::Period: return kPeriodEntries;
    case LineIndex::LoadGroup: return kLoadGroupEntries;
    case LineIndex::NonlinearSequence: return kNonlinearEntries;
    case LineIndex::ViscoSequence: return kViscoEntries;
    case LineIndex::Time: return kTimeEntries;
    case LineIndex::None: break;
  }
  return {};
}

LineMoves::LineMoves(const TableContext& context, std::span<const HeldEntry> held, int capacity)
    : capacity_(capacity) {
  for (const HeldEntry& h : held) {
    const EntryRef& ref = h.ref;
    if (ref.empty()) continue;
    const EntryArray& array = context.Array(ref.array);
    Slice s;
    s.ref = ref;
    s.fresh = h.empty ? Value() : Value(h.fresh);
    s.index = LineIndexes(ref, array.bounds(), s.line_at);
    s.values.resize(static_cast<std::size_t>(capacity_) + 2);
    for (int line = 1; line <= capacity_; ++line) {
      auto& values = s.values[static_cast<std::size_t>(line)];
      for (auto index : s.index) {
        index[static_cast<std::size_t>(s.line_at)] = line;
        values.push_back(array.Get(context.set(), index));
      }
    }
    slices_.push_back(std::move(s));
  }
}

void LineMoves::Insert(int at, int lines) {
  if (at < 1 || lines > capacity_) return;
  for (Slice& s : slices_) {
    for (int line = lines; line > at; --line) {
      s.values[static_cast<std::size_t>(line)] = s.values[static_cast<std::size_t>(line) - 1];
    }
    for (Value& v : s.values[static_cast<std::size_t>(at)]) v = s.fresh;
  }
  dirty_ = true;
}

void LineMoves::Delete(int at, int lines) {
  if (at < 1 || lines >= capacity_) return;
  for (Slice& s : slices_) {
    for (int line = at; line <= lines; ++line) {
      s.values[static_cast<std::size_t>(line)] = s.values[static_cast<std::size_t>(line) + 1];
    }
  }
  dirty_ = true;
}

void LineMoves::Commit(const TableContext& context) {
  if (!dirty_) return;
  for (const Slice& s : slices_) {
    EntryArray& array = context.Array(s.ref.array);
    for (int line = 1; line <= capacity_; ++line) {
      const auto& values = s.values[static_cast<std::size_t>(line)];
      for (std::size_t k = 0; k < s.index.size(); ++k) {
        auto index = s.index[k];
        index[static_cast<std::size_t>(s.line_at)] = line;
        array.Put(context.set(), index, values[k]);
      }
    }
  }
  dirty_ = false;
}

}  // namespace pave
