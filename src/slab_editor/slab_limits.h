// The limits of the slab analysis program that a slab data file must keep: the editor refuses to
// save a data set beyond them, so that the program reads and accepts every file it saves.
#pragma once

namespace pave::limit {

inline constexpr int kSlabs = 6;
inline constexpr int kJoints = 7;
inline constexpr int kPeriods = 12;
inline constexpr int kLoadGroups = 12;
inline constexpr int kPeriodGroups = 72;        // NPY x NLG with damage analysis
inline constexpr int kLoadedAreasInAll = 24;    // summed over the load groups
inline constexpr int kCoordinatesInAll = 60;    // x (and y) coordinates summed over the slabs
inline constexpr int kNodes = 420;
inline constexpr int kElements = 360;
inline constexpr int kNodesPerJoint = 15;
inline constexpr int kJointNodesInAll = 80;
inline constexpr int kNodeList = 120;           // node lists and nodal loads of each kind
inline constexpr int kSymmetryList = 50;        // NSX, NSY

}  // namespace pave::limit
