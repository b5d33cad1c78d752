// The arrays of the editors' data sets as other parts of ROVANTE see them: each array has a name
// ("gLayeredZC"), an entry kind and fixed bounds, and its entries are reached by the data set and
// the further indexes. The grids name the arrays a table reads and writes and find them here, so
// their catalogue of tables is data and the editors keep their arrays to themselves.
#pragma once

#include <cstdint>
#include <cstddef>
#include <map>
#include <memory>
#include <type_traits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/fixed_table.h"
#include "common/value.h"

namespace pave {

enum class EntryKind {
  Single,   // single-precision number
  Integer,  // 16-bit integer
  Double,   // double-precision number
  Variant,  // a Value: empty, a number or a text
  Text,     // a text
};

class EntryArray {
 public:
  virtual ~EntryArray() = default;

  const std::string& name() const { return name_; }
  EntryKind kind() const { return kind_; }
  // The number of indexes after the data set, and the upper bound of each (index 0 .. bound; the
  // data set is index 0 of `bounds`).
  int rank() const { return static_cast<int>(bounds_.size()) - 1; }
  const std::vector<int>& bounds() const { return bounds_; }
  int sets() const { return bounds_.front(); }

  // The entry as a Value: numbers for the numeric kinds, what is held for variants and texts.
  // Indexes outside the bounds throw TableIndexError.
  virtual Value Get(int set, std::span<const long> index) const = 0;
  // Stores a Value: numeric kinds take its number (Value::Number), 16-bit integers rounded to the
  // nearest whole number, a half to the even neighbour; a variant takes the value as it is; a text
  // entry takes Value::Text. False, with the entry unchanged, when a number does not fit the kind
  // (a 16-bit integer outside -32768..32767, a single-precision value beyond its range, NaN).
  virtual bool Put(int set, std::span<const long> index, const Value& value) = 0;

  // Stores a grid cell's text: a variant or text entry takes the text unchanged (blanks and an
  // empty text included); a numeric entry takes the number the text spells (blanks around it
  // allowed) and keeps its value, returning false, when the text is not wholly a number or the
  // number does not fit.
  bool PutCellText(int set, std::span<const long> index, const std::string& text);

  // What the array holds at one moment (every entry, index 0 included), to tell later which entries
  // changed since.
  class Copy {
   public:
    virtual ~Copy() = default;
  };
  // The entries that differ from a copy, with their values then and now.
  class Changes {
   public:
    virtual ~Changes() = default;
    virtual bool empty() const = 0;
    // Puts each entry back as the copy held it, unless it was changed again since.
    virtual void Undo() = 0;
    // The array's name and the place of each changed entry: the data set, then the further indexes.
    virtual const std::string& array() const = 0;
    virtual std::vector<std::vector<long>> Places() const = 0;
  };
  virtual std::unique_ptr<Copy> Keep() const = 0;
  // `kept` must be a copy this array made.
  virtual std::unique_ptr<Changes> ChangesSince(const Copy& kept) = 0;

  // Convenience forms with the indexes as arguments.
  template <typename... I>
  Value operator()(int set, I... i) const {
    const long index[] = {static_cast<long>(i)..., 0};
    return Get(set, std::span<const long>(index, sizeof...(I)));
  }

 protected:
  EntryArray(std::string name, EntryKind kind, std::vector<int> bounds)
      : name_(std::move(name)), kind_(kind), bounds_(std::move(bounds)) {}

 private:
  std::string name_;
  EntryKind kind_;
  std::vector<int> bounds_;
};

// Number conversions of the entry kinds; false when the number does not fit.
bool ToSingle(double number, float& out);
// The size beyond which ToSingle refuses a number, as the messages state it.
inline constexpr const char* kSingleLimitText = "3.4E+38";
bool ToInteger16(double number, std::int16_t& out);   // rounds a half to the even neighbour

template <typename T>
constexpr EntryKind EntryKindOf() {
  if constexpr (std::is_same_v<T, float>) return EntryKind::Single;
  else if constexpr (std::is_same_v<T, std::int16_t>) return EntryKind::Integer;
  else if constexpr (std::is_same_v<T, double>) return EntryKind::Double;
  else if constexpr (std::is_same_v<T, Value>) return EntryKind::Variant;
  else {
    static_assert(std::is_same_v<T, std::string>, "entries are float, int16, double, Value or text");
    return EntryKind::Text;
  }
}

// An EntryArray over a fixed table whose first index is the data set.
template <typename T, int... Bounds>
class TableEntries final : public EntryArray {
 public:
  using Table = FixedTable<T, Bounds...>;
  TableEntries(std::string name, Table& table)
      : EntryArray(std::move(name), EntryKindOf<T>(), {Bounds...}), table_(table) {}

  Value Get(int set, std::span<const long> index) const override {
    const T& entry = table_.At(Index(set, index));
    if constexpr (std::is_same_v<T, Value>) return entry;
    else if constexpr (std::is_same_v<T, std::string>) return Value(entry);
    else return Value(static_cast<double>(entry));
  }

  bool Put(int set, std::span<const long> index, const Value& value) override {
    T& entry = table_.At(Index(set, index));
    if constexpr (std::is_same_v<T, Value>) {
      entry = value;
    } else if constexpr (std::is_same_v<T, std::string>) {
      entry = value.Text();
    } else if constexpr (std::is_same_v<T, float>) {
      float f;
      if (!ToSingle(value.Number(), f)) return false;
      entry = f;
    } else if constexpr (std::is_same_v<T, std::int16_t>) {
      std::int16_t n;
      if (!ToInteger16(value.Number(), n)) return false;
      entry = n;
    } else {
      const double d = value.Number();
      if (d != d) return false;
      entry = d;
    }
    return true;
  }

  std::unique_ptr<Copy> Keep() const override { return std::make_unique<Kept>(table_); }

  std::unique_ptr<Changes> ChangesSince(const Copy& kept) override {
    const Table& before = static_cast<const Kept&>(kept).table;
    auto changes = std::make_unique<Changed>(table_, name());
    for (std::size_t i = 0; i < Table::kSize; ++i) {
      if (!(before.data()[i] == table_.data()[i])) changes->entries.push_back({i, before.data()[i], table_.data()[i]});
    }
    return changes;
  }

 private:
  struct Kept final : Copy {
    explicit Kept(const Table& t) : table(t) {}
    Table table;
  };
  struct Changed final : Changes {
    Changed(Table& t, const std::string& n) : table(t), name(n) {}
    struct Entry {
      std::size_t place;
      T before, after;
    };
    bool empty() const override { return entries.empty(); }
    void Undo() override {
      for (const Entry& e : entries) {
        T& entry = table.data()[e.place];
        if (entry == e.after) entry = e.before;
      }
    }
    const std::string& array() const override { return name; }
    std::vector<std::vector<long>> Places() const override {
      constexpr std::array<int, sizeof...(Bounds)> bounds{Bounds...};
      std::vector<std::vector<long>> places;
      for (const Entry& e : entries) {
        std::vector<long> index(bounds.size());
        std::size_t rest = e.place;
        for (std::size_t d = bounds.size(); d-- > 0;) {
          const std::size_t extent = static_cast<std::size_t>(bounds[d]) + 1;
          index[d] = static_cast<long>(rest % extent);
          rest /= extent;
        }
        places.push_back(std::move(index));
      }
      return places;
    }
    Table& table;
    std::string name;
    std::vector<Entry> entries;
  };

  static std::array<long, sizeof...(Bounds)> Index(int set, std::span<const long> index) {
    if (index.size() + 1 != sizeof...(Bounds)) {
      throw TableIndexError("array takes " + std::to_string(sizeof...(Bounds) - 1) + " indexes after the data set");
    }
    std::array<long, sizeof...(Bounds)> at{};
    at[0] = set;
    for (std::size_t d = 0; d < index.size(); ++d) at[d + 1] = index[d];
    return at;
  }
  Table& table_;
};

// The named arrays of one editor (or of both): filled once by the editor's data set.
class ArrayDirectory {
 public:
  ArrayDirectory() = default;
  ArrayDirectory(const ArrayDirectory&) = delete;
  ArrayDirectory& operator=(const ArrayDirectory&) = delete;

  template <typename T, int... Bounds>
  void Add(std::string name, FixedTable<T, Bounds...>& table) {
    auto entries = std::make_unique<TableEntries<T, Bounds...>>(name, table);
    arrays_[std::move(name)] = std::move(entries);
  }
  // The array of that name, or null.
  EntryArray* Find(std::string_view name) const;
  // The array of that name; throws std::out_of_range when there is none.
  EntryArray& operator[](std::string_view name) const;
  std::vector<std::string> Names() const;

 private:
  std::map<std::string, std::unique_ptr<EntryArray>, std::less<>> arrays_;
};

}  // namespace pave
