#include "graphs/layer_graph_file.h"

#include <algorithm>

#include "graphs/graph_reading.h"

namespace pave::graphs {

LayerGraphReader::LayerGraphReader(FreeFormatReader reader) : in_(std::move(reader)) {
  nprob_ = in_.ReadInt16();
}

LayerGraphReader LayerGraphReader::FromFile(const std::string& path) {
  return LayerGraphReader(FreeFormatReader::FromFile(path));
}

bool LayerGraphReader::ReadProblem(LayerGraphProblem& p) {
  FreeFormatReader& in = in_;
  p.title = ReadTitleLine(in);
  const Value first = in.ReadValue();
  if (first.IsText() && first.Text() == kStoppedGraphLine) return false;
  p.matl = WholeInt16(in, first);
  p.ndama = ReadChecked(in, 0, 2, "NDAMA");
  p.npy = ReadChecked(in, 0, kGraphPeriods, "NPY");
  p.nlg = ReadChecked(in, 0, kGraphPeriods, "NLG");
  p.nl = ReadChecked(in, 0, kGraphLayers, "NL");
  // With a damage analysis the depths follow later, with a count of their own.
  p.nz = p.ndama == 0 ? ReadChecked(in, 0, kGraphLayers, "NZ") : in.ReadInt16();
  p.nunit = in.ReadInt16();
  const int nl = p.nl, npy = p.npy, nlg = p.nlg;

  ReadList(in, nl - 1, [&](int i, float v) { p.th[i] = v; });
  ReadList(in, nl, [&](int i, float v) { p.pr[i] = v; });
  if (p.ndama == 0) ReadList(in, p.nz, [&](int i, float v) { p.zc[i] = v; });
  for (int j = 1; j <= npy; ++j) {
    for (int i = 1; i <= nl; ++i) p.e[i][j] = in.ReadSingle();
    if (nl == 0) in.SkipEmptyLine();
  }
  for (int k = 1; k <= nlg; ++k) {
    p.load[k] = in.ReadInt16();
    p.cr[k] = in.ReadSingle();
    p.cp[k] = in.ReadSingle();
    if (p.load[k] == 0) {
      p.nr[k] = std::max<std::int16_t>(in.ReadInt16(), 0);   // the analysis takes a negative count as none
      const int nr = Checked(in, p.nr[k], 0, kGraphRadial, "NR");
      ReadList(in, nr, [&](int i, float v) { p.rc[i][k] = v; });
    } else {
      p.npt[k] = ReadChecked(in, 0, kGraphPoints, "NPT");
      const int npt = p.npt[k];
      p.xw[k] = in.ReadSingle();
      p.yw[k] = in.ReadSingle();
      for (int i = 1; i <= npt; ++i) {
        p.xpt[i][k] = in.ReadSingle();
        p.ypt[i][k] = in.ReadSingle();
      }
    }
  }

  if (p.matl == 2 || p.matl == 4) {
    p.nolay = ReadChecked(in, 0, kGraphNonlinear, "NOLAY");
    const int nolay = p.nolay;
    for (int i = 1; i <= nolay; ++i) {
      p.layno[i] = ReadChecked(in, 1, kGraphLayers, "LAYNO");
      const int l = p.layno[i];
      p.nclay[l] = in.ReadInt16();
    }
    if (nolay == 0) in.SkipEmptyLine();
    ReadList(in, nolay, [&](int i, float v) { p.zcnol[i] = v; });
    p.rcnol = in.ReadSingle();
    p.xptnol = in.ReadSingle();
    p.yptnol = in.ReadSingle();
    p.sld = in.ReadSingle();
    ReadList(in, nl, [&](int i, float v) { p.gam[i] = v; });
    for (int i = 1; i <= nolay; ++i) {
      const int l = p.layno[i];
      p.k2[l] = in.ReadSingle();
      if (p.nclay[l] == 1) {
        p.k3[l] = in.ReadSingle();
        p.k4[l] = in.ReadSingle();
      }
      p.k0[l] = in.ReadSingle();
    }
    for (int j = 1; j <= npy; ++j) {
      for (int i = 1; i <= nolay; ++i) {
        const int l = p.layno[i];
        if (p.nclay[l] == 1) {
          p.emin[l][j] = in.ReadSingle();
          p.emax[l][j] = in.ReadSingle();
        } else {
          p.phi[l][j] = in.ReadSingle();
        }
        p.k1[l][j] = in.ReadSingle();
      }
    }
  }

  if (p.matl == 3 || p.matl == 4) {
    p.dur = in.ReadSingle();
    p.nvl = ReadChecked(in, 0, kGraphNonlinear, "NVL");
    const int nvl = p.nvl;
    for (int i = 1; i <= nvl; ++i) p.lnv[i] = ReadChecked(in, 1, kGraphNonlinear, "LNV");
    if (nvl == 0) in.SkipEmptyLine();
    p.ntyme = std::max<std::int16_t>(in.ReadInt16(), 0);   // the analysis takes a negative count as none
    const int ntyme = Checked(in, p.ntyme, 0, kGraphTimes, "NTYME");
    ReadList(in, ntyme, [&](int t, float v) { p.tyme[t] = v; });
    for (int i = 1; i <= nvl; ++i) {
      const int l = p.lnv[i];
      p.beta[l] = in.ReadSingle();
      p.tempref[l] = in.ReadSingle();
      for (int t = 1; t <= ntyme; ++t) p.creep[l][t] = in.ReadValue();
      if (ntyme == 0) in.SkipEmptyLine();
    }
    for (int j = 1; j <= npy; ++j) ReadList(in, nvl, [&](int i, float v) { p.temp[p.lnv[i]][j] = v; });
  }

  if (p.ndama != 0) {
    p.nlbt = ReadChecked(in, 0, kGraphLayers, "NLBT");
    p.nltc = ReadChecked(in, 0, kGraphLayers, "NLTC");
    const int nlbt = p.nlbt, nltc = p.nltc;
    for (int j = 1; j <= npy; ++j) ReadList(in, nlg, [&](int k, float v) { p.tnlr[j][k] = v; });
    p.nz = ReadChecked(in, 0, kGraphLayers, "NZ");
    ReadList(in, p.nz, [&](int i, float v) { p.zc[i] = v; });
    for (int j = 1; j <= npy; ++j) {
      for (int k = 1; k <= nlg; ++k) {
        const int passes = p.load[k] >= 2 ? 2 : 1;
        for (int pass = 1; pass <= passes; ++pass) {
          float fatigue = 0, deform = 0;
          for (int i = 1; i <= nlbt; ++i) {
            const float v = in.ReadSingle();
            if (i == 1) fatigue = v;
          }
          for (int i = 1; i <= nltc; ++i) {
            const float v = in.ReadSingle();
            if (i == 1) deform = v;
          }
          if (pass == 1) {
            p.drf[j][k] = fatigue;
            p.drp[j][k] = deform;
          } else {
            p.drf[j][k] = fatigue + p.drf[j][k];
            p.drp[j][k] = deform + p.drp[j][k];
          }
        }
      }
    }
    p.sdrf = nlbt != 0 ? in.ReadSingle() : 0.0f;
    p.sdrp = nltc != 0 ? in.ReadSingle() : 0.0f;
    p.dlife = in.ReadSingle();
  }
  return true;
}

}  // namespace pave::graphs
