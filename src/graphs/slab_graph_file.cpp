#include "graphs/slab_graph_file.h"

#include "common/run_outputs.h"
#include "graphs/graph_reading.h"

namespace pave::graphs {

SlabGraphReader::SlabGraphReader(FreeFormatReader reader) : in_(std::move(reader)) {
  nprob_ = in_.ReadInt16();
}

SlabGraphReader SlabGraphReader::FromFile(const std::string& path) {
  return SlabGraphReader(FreeFormatReader::FromFile(path));
}

bool SlabGraphReader::ReadProblemHead(SlabGraphProblem& p) {
  FreeFormatReader& in = in_;
  p.title = ReadTitleLine(in);
  const Value first = in.ReadValue();
  if (first.IsText() && first.Text() == kStoppedGraphLine) return false;
  p.nfound = WholeInt16(in, first);
  p.ndama = in.ReadInt16();
  p.npy = ReadChecked(in, 0, p.ndama != 0 ? kGraphSlabGroups : kGraphSlabPeriods, "NPY");
  p.nlg = ReadChecked(in, 0, kGraphSlabGroups, "NLG");
  p.nslab = ReadChecked(in, 0, kGraphSlabs, "NSLAB");
  p.njoint = in.ReadInt16();
  for (int s = 1; s <= p.nslab; ++s) {
    p.nx[s] = ReadChecked(in, 0, kGraphSlabCoords, "NX");
    p.ny[s] = ReadChecked(in, 0, kGraphSlabCoords, "NY");
    for (int side = 1; side <= 4; ++side) p.jono[side][s] = in.ReadInt16();
  }
  p.nlayer = ReadChecked(in, 0, kGraphSlabLayers, "NLAYER");
  p.nsx = in.ReadInt16();
  p.nsy = in.ReadInt16();
  p.nunit = in.ReadInt16();
  for (int s = 1; s <= p.nslab; ++s) {
    ReadList(in, p.nx[s], [&](int i, float v) { p.x[i][s] = v; });
    ReadList(in, p.ny[s], [&](int j, float v) { p.y[j][s] = v; });
  }
  for (int l = 1; l <= p.nlayer; ++l) {
    p.t[l] = in.ReadSingle();
    p.pr[l] = in.ReadSingle();
    p.ym[l] = in.ReadSingle();
  }
  for (int g = 1; g <= p.nlg; ++g) p.nudl[g] = ReadChecked(in, 0, kGraphSlabAreas, "NUDL");
  p.ncnf = ReadChecked(in, 0, kGraphNodalLoads, "NCNF");
  p.ncmx = ReadChecked(in, 0, kGraphNodalLoads, "NCMX");
  p.ncmy = ReadChecked(in, 0, kGraphNodalLoads, "NCMY");
  p.outmode = in.ReadInt16();
  p.nodes_to[0] = 0;
  for (int s = 1; s <= p.nslab; ++s) p.nodes_to[s] = p.nodes_to[s - 1] + p.nx[s] * p.ny[s];
  return true;
}

void SlabGraphReader::ReadProblemRest(SlabGraphProblem& p) {
  FreeFormatReader& in = in_;
  for (int g = 1; g <= p.nlg; ++g) {
    for (int a = 1; a <= p.nudl[g]; ++a) {
      LoadedArea& area = p.areas[a][g];
      area.ls = in.ReadInt16();
      area.xl1 = in.ReadSingle();
      area.xl2 = in.ReadSingle();
      area.yl1 = in.ReadSingle();
      area.yl2 = in.ReadSingle();
      area.qq = in.ReadSingle();
    }
  }
  auto pairs = [&](int n, SlabRow<NodalLoad, kGraphNodalLoads>& list) {
    for (int j = 1; j <= n; ++j) {
      list[j].node = in.ReadInt16();
      list[j].value = in.ReadSingle();
    }
  };
  pairs(p.ncnf, p.forces);
  pairs(p.ncmx, p.moments_x);
  pairs(p.ncmy, p.moments_y);
  ReadList(in, p.npy, [&](int i, float v) { p.fsaf[i] = v; });
  switch (p.nfound) {
    case 0: p.submod = in.ReadSingle(); break;
    case 1:
      p.yms = in.ReadSingle();
      p.prs = in.ReadSingle();
      break;
    case 2: {
      p.nl = ReadChecked(in, 1, kGraphFoundationLayers, "NL");
      const int nl = p.nl;
      ReadList(in, nl - 1, [&](int i, float v) { p.th[i] = v; });
      ReadList(in, nl, [&](int i, float v) { p.e[i] = v; });
      ReadList(in, nl, [&](int i, float v) { p.prbf[i] = v; });
      break;
    }
    default: break;
  }
  if (p.ndama != 0) {
    for (int per = 1; per <= p.npy; ++per) ReadList(in, p.nlg, [&](int g, float v) { p.tnlr[per][g] = v; });
  }
}

void SlabGraphReader::ReadPage(const SlabGraphProblem& p, SlabGraphPage& page) {
  FreeFormatReader& in = in_;
  if (p.outmode != 2) {
    page.nprint = ReadChecked(in, 0, kGraphNodeEntries, "NPRINT");
    page.ls1 = ReadChecked(in, 1, p.nslab, "LS(1)");
    for (int i = 1; i <= page.nprint; ++i) {
      for (int l = 1; l <= p.nlayer; ++l) {
        page.res_x[i][l] = in.ReadSingle();
        page.res_y[i][l] = in.ReadSingle();
      }
    }
  }
  for (int l = 1; l <= p.nlayer; ++l) {
    page.smax_node[l] = ReadWhole32(in);
    page.smax[l] = in.ReadSingle();
    page.nodeoff[l] = in.ReadInt16();
    if (p.outmode != 2) {
      LayerExtremes& e = page.extremes[l];
      e.node_max_x = in.ReadInt16();
      e.max_x = in.ReadSingle();
      e.node_min_x = in.ReadInt16();
      e.min_x = in.ReadSingle();
      e.node_max_y = in.ReadInt16();
      e.max_y = in.ReadSingle();
      e.node_min_y = in.ReadInt16();
      e.min_y = in.ReadSingle();
    }
  }
  if (p.ndama != 0) {
    for (int l = 1; l <= p.nlayer; ++l) page.ci[l] = in.ReadSingle();
  }
}

}  // namespace pave::graphs
