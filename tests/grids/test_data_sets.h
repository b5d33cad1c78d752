// Data sets of both editors for the grid tests: every array the grids read or write, under the
// editors' names, with the editors' bounds and entry kinds.
#pragma once

#include <cstdint>
#include <memory>

#include "common/entry_array.h"
#include "common/fixed_table.h"
#include "common/value.h"

namespace pave::testing {

struct LayeredTestSets {
  FixedTable<float, 5, 13> General;
  FixedTable<Value, 5, 19> ZC;
  FixedTable<std::int16_t, 5, 18> INT;
  FixedTable<Value, 5, 12, 19> E;
  FixedTable<Value, 5, 12, 6> Load;
  FixedTable<Value, 5, 12, 25, 2> Points;
  FixedTable<Value, 5, 12, 25> RC;
  FixedTable<float, 5, 12> RELAX;
  FixedTable<Value, 5, 7> NonlinGeneral;
  FixedTable<Value, 5, 12, 3> Nonseasonal;
  FixedTable<Value, 5, 12, 2> Granular;
  FixedTable<Value, 5, 12, 4> Clay;
  FixedTable<Value, 5, 12, 12, 3> Seasonal;
  FixedTable<Value, 5, 19, 3> Layer;
  FixedTable<Value, 5, 3> ViscoGeneral;
  FixedTable<Value, 5, 12, 3> ViscoLayer;
  FixedTable<Value, 5, 15> TYME;
  FixedTable<float, 5, 12, 15> CREEP;
  FixedTable<Value, 5, 12, 12> TEMP;
  FixedTable<Value, 5, 19, 4> Bottom;
  FixedTable<float, 5, 19, 3> Top;
  FixedTable<float, 5, 12, 12> TNLR;
  ArrayDirectory dir;

  LayeredTestSets() {
    dir.Add("gLayeredGeneral", General);
    dir.Add("gLayeredZC", ZC);
    dir.Add("gLayeredINT", INT);
    dir.Add("gLayeredE", E);
    dir.Add("gLayeredLoad", Load);
    dir.Add("gLayeredPoints", Points);
    dir.Add("gLayeredRC", RC);
    dir.Add("gLayeredRELAX", RELAX);
    dir.Add("gLayeredNonlinGeneral", NonlinGeneral);
    dir.Add("gLayeredNonseasonal", Nonseasonal);
    dir.Add("gLayeredGranular", Granular);
    dir.Add("gLayeredClay", Clay);
    dir.Add("gLayeredSeasonal", Seasonal);
    dir.Add("gLayeredLayer", Layer);
    dir.Add("gLayeredViscoGeneral", ViscoGeneral);
    dir.Add("gLayeredViscoLayer", ViscoLayer);
    dir.Add("gLayeredTYME", TYME);
    dir.Add("gLayeredCREEP", CREEP);
    dir.Add("gLayeredTEMP", TEMP);
    dir.Add("gLayeredBottom", Bottom);
    dir.Add("gLayeredTop", Top);
    dir.Add("gLayeredTNLR", TNLR);
  }
};

struct SlabTestSets {
  FixedTable<std::int16_t, 2, 19> General;
  FixedTable<Value, 2, 10> Curling;
  FixedTable<std::int16_t, 2, 6, 6> Arrangement;
  FixedTable<float, 2, 6, 25> X;
  FixedTable<float, 2, 6, 25> Y;
  FixedTable<float, 2, 2, 4> LayerProps;
  FixedTable<float, 2, 2, 3> Fatigue;
  FixedTable<Value, 2, 120, 2> AddT1;
  FixedTable<Value, 2, 120, 2> AddT2;
  FixedTable<std::int16_t, 2, 12> NUDL;
  FixedTable<std::int16_t, 2, 3> RaftCounts;
  FixedTable<Value, 2, 12, 24, 6> LoadAreas;
  FixedTable<double, 2, 120, 2, 3> NodalLoads;
  FixedTable<std::int16_t, 2, 120> NODNC;
  FixedTable<std::int16_t, 2, 120> NP;
  FixedTable<std::int16_t, 2, 50> NODSX;
  FixedTable<std::int16_t, 2, 50> NODSY;
  FixedTable<Value, 2, 120, 2> Gaps;
  FixedTable<float, 2, 12> FSAF;
  FixedTable<Value, 2, 2> Liquid;
  FixedTable<Value, 2, 120, 2> AddSubmod;
  FixedTable<Value, 2, 2> Layered;
  FixedTable<Value, 2, 6, 3> FoundLayers;
  FixedTable<Value, 2, 7, 8> Joints;
  FixedTable<Value, 2, 7, 15> BARNO;
  FixedTable<Value, 2, 12, 12> TNLR;
  ArrayDirectory dir;

  SlabTestSets() {
    dir.Add("gSlabGeneral", General);
    dir.Add("gSlabCurling", Curling);
    dir.Add("gSlabArrangement", Arrangement);
    dir.Add("gSlabX", X);
    dir.Add("gSlabY", Y);
    dir.Add("gSlabLayerProps", LayerProps);
    dir.Add("gSlabFatigue", Fatigue);
    dir.Add("gSlabAddT1", AddT1);
    dir.Add("gSlabAddT2", AddT2);
    dir.Add("gSlabNUDL", NUDL);
    dir.Add("gSlabRaftCounts", RaftCounts);
    dir.Add("gSlabLoadAreas", LoadAreas);
    dir.Add("gSlabNodalLoads", NodalLoads);
    dir.Add("gSlabNODNC", NODNC);
    dir.Add("gSlabNP", NP);
    dir.Add("gSlabNODSX", NODSX);
    dir.Add("gSlabNODSY", NODSY);
    dir.Add("gSlabGaps", Gaps);
    dir.Add("gSlabFSAF", FSAF);
    dir.Add("gSlabLiquid", Liquid);
    dir.Add("gSlabAddSubmod", AddSubmod);
    dir.Add("gSlabLayered", Layered);
    dir.Add("gSlabFoundLayers", FoundLayers);
    dir.Add("gSlabJoints", Joints);
    dir.Add("gSlabBARNO", BARNO);
    dir.Add("gSlabTNLR", TNLR);
  }
};

}  // namespace pave::testing
