// Small printing helpers of the slab report: wrapped number lists, node tables and node-number checks.
#pragma once

#include <functional>
#include <string>

#include "common/line_writer.h"
#include "common/number_format.h"
#include "slab_analysis/slab_run.h"

namespace pave::slab {

// A wrapped list: before each number the counter grows by 1 + the length of the number without its
// trailing blank; past the limit a line end is written and the counter restarts at 0.
class WrappedList {
 public:
  WrappedList(LineWriter& w, int start, int limit) : w_(w), count_(start), limit_(limit) {}
  template <class T>
  void Add(T v) {
    count_ += static_cast<int>(Str(v).size()) + 1;
    if (count_ > limit_) {
      w_.End();
      count_ = 0;
    }
    w_.Num(v);
  }

 private:
  LineWriter& w_;
  int count_;
  int limit_;
};

// A table of one value per node, five pairs to a line: the node number in `nodeWidth` characters by
// `nodeMask`, the value in ten characters by `valueMask`.
void NodeValues(LineWriter& w, int nnode, int nodeWidth, const char* nodeMask, const char* valueMask,
                const std::function<float(int)>& value);

// Refuses a node number outside 1..NNODE with a message naming the record and the value.
void CheckNode(SlabRun& r, long node, const std::string& record);

// Text of a number in a message: leading blank or "-", no trailing blank.
inline std::string MsgNum(double v) { return Str(v); }

}  // namespace pave::slab
