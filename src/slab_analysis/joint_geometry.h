// The line of node pairs along a joint between two slabs.
#pragma once

namespace pave {

// The joint lies at side KSIDE of its higher-numbered slab: 1 left (the joint runs along y),
// 3 bottom (along x). Sides 2 and 4 (the higher-numbered slab to the left of or below the other)
// are not supported: the numbering counts their joint nodes one way and the springs another.
inline bool JointSideSupported(int KSIDE) { return KSIDE == 1 || KSIDE == 3; }

struct JointLine {
  int pairs = 0;         // node pairs along the joint
  int step1 = 1;         // node step along side 1 (the lower-numbered slab)
  int step2 = 1;         // node step along side 2
  int momentDegree = 3;  // the rotation coupled across the joint: 3 along y, 2 along x
  bool alongY = true;
};

// NY1, NY2 the node counts in y of the slabs on sides 1 and 2, NX2 the count in x of side 2.
inline JointLine JointLineOf(int KSIDE, int NY1, int NY2, int NX2) {
  JointLine j;
  if (KSIDE <= 2) {
    j.pairs = NY2;
  } else {
    j.alongY = false;
    j.pairs = NX2;
    j.step1 = NY1;
    j.step2 = NY2;
    j.momentDegree = 2;
  }
  return j;
}

}  // namespace pave
