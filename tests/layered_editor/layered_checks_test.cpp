// The value checks of the layered data sets before a save: every example passes; a value that the
// analysis program refuses is named with its data set and value, and the save is refused.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "common/free_format_reader.h"
#include "layered_editor/layered_checks.h"
#include "layered_editor/layered_data_set.h"
#include "layered_editor/layered_reader.h"
#include "shell/program_state.h"
#include "support/file_text.h"

namespace pave {
namespace {

void ReadExample(const std::string& name) {
  ResetProgramState();
  LayeredDefaults();
  FreeFormatReader in(testing::ExampleText(name));
  ReadLayeredFile(in, {});
}

// A subgrade 12 m deep over bedrock is as real in centimetres as in inches.
TEST(LayeredValueChecks, ADeepSubgradeIsTakenInEitherUnits) {
  ReadExample("LAY1SI");
  gLayeredLayer(1, 2, 1) = Value(1200);
  EXPECT_EQ(LayeredValueRefusal(), std::nullopt);
  ReadExample("LAY1");
  gLayeredLayer(1, 2, 1) = Value(472.44);
  EXPECT_EQ(LayeredValueRefusal(), std::nullopt);
}

TEST(LayeredValueChecks, EveryExamplePasses) {
  for (const char* name : {"LAY1", "LAY1SI", "LAY2", "LAY2SI", "LAY3", "LAY3SI", "LAY4", "LAY4SI", "LAY5", "LAY5SI",
                           "LAY6", "LAY6SI"}) {
    ReadExample(name);
    EXPECT_EQ(LayeredValueRefusal(), std::nullopt) << name;
  }
}

struct Case {
  const char* name;
  const char* example;
  std::function<void()> change;
  const char* message;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class LayeredValueRefusalTest : public ::testing::TestWithParam<Case> {};

TEST_P(LayeredValueRefusalTest, NamesTheDataSetTheItemAndTheValue) {
  ReadExample(GetParam().example);
  GetParam().change();
  EXPECT_EQ(LayeredValueRefusal(), std::optional<std::string>(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayeredValueRefusalTest,
    ::testing::Values(
        Case{"ToleranceZero", "LAY1", [] { gLayeredGeneral(1, gen::DEL) = 0; },
             "Data Set 1: DEL is 0, which should be greater than 0."},
        Case{"ToleranceNegative", "LAY1", [] { gLayeredGeneral(1, gen::DEL) = -1; },
             "Data Set 1: DEL is -1, which should be greater than 0."},
        Case{"CycleLimitNegative", "LAY1", [] { gLayeredGeneral(1, gen::ICL) = -80; },
             "Data Set 1: ICL is -80, which should be at least 1."},
        Case{"ThicknessNegative", "LAY1", [] { gLayeredLayer(1, 2, 1) = Value(-8); },
             "Data Set 1: TH of layer 2 is -8, which should be greater than 0."},
        Case{"PoissonAboveHalf", "LAY1", [] { gLayeredLayer(1, 3, 2) = Value(0.6); },
             "Data Set 1: PR of layer 3 is .6, which should be from 0 to 0.5."},
        Case{"DepthNegative", "LAY1", [] { gLayeredZC(1, 2) = Value(-6); },
             "Data Set 1: ZC of point 2 is -6, which should not be negative."},
        Case{"ElasticModulusZero", "LAY1", [] { gLayeredE(1, 1, 3) = Value(0); },
             "Data Set 1: E of layer 3 of period 1 is 0, which should be greater than 0."},
        Case{"InterfaceCodeTwo", "LAY1", [] {
               gLayeredGeneral(1, gen::NBOND) = 0;
               gLayeredINT(1, 1) = 1;
               gLayeredINT(1, 2) = 2;
             },
             "Data Set 1: INT of interface 2 is 2, which should be 0 or 1."},
        Case{"ContactRadiusNegative", "LAY1", [] { gLayeredLoad(1, 1, ld::CR) = Value(-4.52); },
             "Data Set 1: CR of load group 1 is -4.52, which should be greater than 0."},
        Case{"IterationLimitZero", "LAY2", [] { gLayeredNonlinGeneral(1, nlg::ITENOL) = Value(0); },
             "Data Set 1: ITENOL is 0, which should be at least 1."},
        Case{"NonlinearToleranceZero", "LAY2", [] { gLayeredNonlinGeneral(1, nlg::DELNOL) = Value(0); },
             "Data Set 1: DELNOL is 0, which should be greater than 0."},
        Case{"RepetitionsNegative", "LAY5", [] { gLayeredTNLR(1, 1, 2) = -5; },
             "Data Set 1: TNLR of load group 2 of period 1 is -5, which should not be negative."},
        // The ranges of the analysis program: what single precision carries and a report column holds.
        Case{"ModulusDenormal", "LAY1", [] { gLayeredE(1, 1, 2) = Value(1e-45); },
             "Data Set 1: E of layer 2 of period 1 is 1E-45 psi, which should be from 1 to 1E+10 psi."},
        Case{"ViscoelasticModulusDenormal", "LAY4", [] { gLayeredE(1, 1, 1) = Value(1e-45); },
             "Data Set 1: E of layer 1 of period 1 is 1E-45 psi, which should be 0 or from 1 to 1E+10 psi."},
        Case{"ThicknessDenormal", "LAY3", [] { gLayeredLayer(1, 1, 1) = Value(1e-45); },
             "Data Set 1: TH of layer 1 is 1E-45 in., which should be from .001 to 1000 in."},
        Case{"DepthBeyondColumn", "LAY2", [] { gLayeredZC(1, 2) = Value(1e11); },
             "Data Set 1: ZC of point 2 is 100000000000 in., which should be from 0 to 1000 in."},
        Case{"PressureHuge", "LAY5", [] { gLayeredLoad(1, 1, ld::CP) = Value(1e30); },
             "Data Set 1: CP of load group 1 is 1E+30 psi, which should be from -10000 to 10000 psi."},
        Case{"PointFarAway", "LAY1", [] { gLayeredPoints(1, 1, 1, 1) = Value(1e5); },
             "Data Set 1: XPT of point 1 of load group 1 is 100000 in., which should be from -1000 to 1000 in."},
        Case{"CreepTimeNegative", "LAY4", [] { gLayeredTYME(1, 1) = Value(-1); },
             "Data Set 1: TYME 1 is -1 sec, which should be from .000001 to 1E+10 sec."},
        Case{"ComplianceHuge", "LAY3", [] { gLayeredCREEP(1, 2, 7) = 3.4e38f; },
             "Data Set 1: CREEP 7 of viscoelastic layer 2 is 3.4E+38 1/psi, which should be from 1E-10 to 1 1/psi."},
        // Only a viscoelastic layer takes its modulus from its creep compliances: every other layer
        // has its modulus in every period, a period added later too.
        Case{"ModulusZeroOfALayerNotViscoelastic", "LAY4", [] { gLayeredE(1, 3, 2) = Value(0); },
             "Data Set 1: E of layer 2 of period 3 is 0, which should be greater than 0 for a layer that is not "
             "viscoelastic."},
        Case{"PeriodAddedWithoutItsModuli", "LAY4", [] { gLayeredGeneral(1, gen::NPY) = 5; },
             "Data Set 1: E of layer 2 of period 5 is 0, which should be greater than 0 for a layer that is not "
             "viscoelastic."},
        Case{"NonlinearLayerModulusZero", "LAY2", [] { gLayeredE(1, 1, 3) = Value(0); },
             "Data Set 1: E of layer 3 of period 1 is 0, which should be greater than 0 for a layer that is not "
             "viscoelastic."},
        Case{"NoViscoelasticLayerUnderAViscoelasticMatl", "LAY3", [] { gLayeredViscoGeneral(1, vsg::NVL) = Value(0); },
             "Data Set 1: NVL is 0, which should be at least 1 while MATL is 3 (set NVL in Viscoelastic\\General, or "
             "MATL in General if no layer is viscoelastic)."},
        // A damage analysis has no default traffic.
        Case{"LoadGroupAddedWithoutTraffic", "LAY6", [] {
               gLayeredGeneral(1, gen::NLG) = 3;
               for (int k = 1; k <= 6; ++k) gLayeredLoad(1, 3, k) = gLayeredLoad(1, 2, k);
               for (int p = 1; p <= 3; ++p)
                 for (int k = 1; k <= 2; ++k) gLayeredPoints(1, 3, p, k) = gLayeredPoints(1, 2, p, k);
             },
             "Data Set 1: TNLR of load group 3 of period 1 is 0, which should be entered for the damage analysis: the "
             "repetitions of every load group in every period."},
        // The physical ranges of the moving load and of the nonlinear layers' modulus points.
        Case{"LoadDurationNegative", "LAY4", [] { gLayeredViscoGeneral(1, vsg::DUR) = Value(-0.1); },
             "Data Set 1: DUR is -.1 sec, which should be 0 or from .001 to 100 sec."},
        Case{"LoadSpreadNegative", "LAY6", [] { gLayeredNonlinGeneral(1, nlg::SLD) = Value(-3); },
             "Data Set 1: SLD is -3, which should be from 0 to 10."},
        Case{"ModulusPointRadiusNegativeSi", "LAY6SI", [] { gLayeredNonlinGeneral(1, nlg::RCNOL) = Value(-5); },
             "Data Set 1: RCNOL is -5 cm, which should be from 0 to 2540 cm."},
        Case{"IterationLimitFraction", "LAY2", [] { gLayeredNonlinGeneral(1, nlg::ITENOL) = Value(2.5); },
             "Data Set 1: ITENOL is 2.5, which should be a whole number."},
        Case{"IterationLimitBeyondTheAnalysis", "LAY2", [] { gLayeredNonlinGeneral(1, nlg::ITENOL) = Value(50); },
             "Data Set 1: ITENOL is 50, which should be from 1 to 20."},
        // A number typed into a grid is held as its text, and checked as the number it spells.
        Case{"ThicknessTyped", "LAY1", [] { gLayeredLayer(1, 1, 1) = Value("-5"); },
             "Data Set 1: TH of layer 1 is -5, which should be greater than 0."},
        Case{"PoissonTypedAsShown", "LAY1", [] { gLayeredLayer(1, 1, 2) = Value(" .7"); },
             "Data Set 1: PR of layer 1 is .7, which should be from 0 to 0.5."},
        Case{"ModulusTyped", "LAY1", [] { gLayeredE(1, 1, 1) = Value("-740000"); },
             "Data Set 1: E of layer 1 of period 1 is -740000, which should be greater than 0."},
        Case{"DepthTyped", "LAY1", [] { gLayeredZC(1, 3) = Value("-6"); },
             "Data Set 1: ZC of point 3 is -6, which should not be negative."},
        Case{"RadialPointTypedUnderATypedSingleWheel", "LAY2", [] {
               gLayeredLoad(1, 1, ld::LOAD) = Value("0");
               gLayeredRC(1, 1, 1) = Value("-3");
             },
             "Data Set 1: RC of point 1 of load group 1 is -3, which should not be negative."},
        Case{"DepthTypedBeyondColumn", "LAY2", [] { gLayeredZC(1, 2) = Value("1E11"); },
             "Data Set 1: ZC of point 2 is 100000000000 in., which should be from 0 to 1000 in."},
        // SI data sets meet the same physical ranges, in their own units.
        Case{"ThicknessBeyondSi", "LAY1SI", [] { gLayeredLayer(1, 2, 1) = Value(2541); },
             "Data Set 1: TH of layer 2 is 2541 cm, which should be from .00254 to 2540 cm."},
        Case{"ModulusBeyondSi", "LAY1SI", [] { gLayeredE(1, 1, 1) = Value(7e10); },
             "Data Set 1: E of layer 1 of period 1 is 70000000000 kPa, which should be from 6.89476 to 6.89476E+10 kPa."},
        Case{"ToleranceHuge", "LAY3SI", [] { gLayeredGeneral(1, gen::DEL) = 1e38f; },
             "Data Set 1: DEL is 1E+38, which should be from .000001 to .1."},
        Case{"NonlinearDepthAboveTheSurfaceSi", "LAY2SI", [] { gLayeredNonseasonal(1, 1, 2) = Value(-1); },
             "Data Set 1: ZCNOL of nonlinear layer 1 is -1 cm, which should be from 0 to 2540 cm."},
        // Temperatures, nonlinear constants, traffic and damage coefficients no pavement has.
        Case{"TemperatureHuge", "LAY3", [] { gLayeredTEMP(1, 1, 1) = Value(1e38); },
             "Data Set 1: TEMP of viscoelastic layer 1 of period 1 is 1E+38 F, which should be from -76 to 212 F."},
        Case{"ReferenceTemperatureBeyondSi", "LAY4SI", [] { gLayeredViscoLayer(1, 1, 3) = Value(100.1); },
             "Data Set 1: TEMPREF of viscoelastic layer 1 is 100.1 C, which should be from -60 to 100 C."},
        Case{"GranularEarthPressure", "LAY2", [] { gLayeredGranular(1, 1, 2) = Value(11); },
             "Data Set 1: K0 of nonlinear layer 1 is 11, which should be from 0 to 10."},
        Case{"ClaySlopeNegative", "LAY2", [] { gLayeredClay(1, 7, 2) = Value(-1); },
             "Data Set 1: K3 of nonlinear layer 7 is -1, which should be from 0 to 100000."},
        Case{"ClayGreatestModulusZeroSi", "LAY2SI", [] { gLayeredSeasonal(1, 7, 1, 2) = Value(0); },
             "Data Set 1: EMAX of nonlinear layer 7 of period 1 is 0 kPa, which should be from 6.89476 to 6.89476E+10 "
             "kPa."},
        Case{"RepetitionsHuge", "LAY5", [] { gLayeredTNLR(1, 1, 2) = 1e38f; },
             "Data Set 1: TNLR of load group 2 of period 1 is 1E+38, which should be from 0 to 1E+10."},
        Case{"DeformationCoefficientZero", "LAY5", [] { gLayeredTop(1, 1, 2) = 0; },
             "Data Set 1: FT4 of top compression layer 1 is 0, which should be from 1E-20 to 1."}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pave
