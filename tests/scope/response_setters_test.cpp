#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "controls/core/response_model.h"
#include "controls/core/response_tables.h"
#include "scope_model_fixture.h"

namespace velto {
namespace {

using ResponseSetters = test::ScopeModelTest;

struct SetterCase {
    std::string name;
    std::function<void(ResponseModel&)> set;
    std::function<double(const ResponseModel&)> get;
    double expected;
};

class SetterClampTest : public test::ScopeModelTest,
                        public testing::WithParamInterface<SetterCase> {};

TEST_P(SetterClampTest, ClampsAndSnaps) {
    GetParam().set(model);
    EXPECT_DOUBLE_EQ(GetParam().get(model), GetParam().expected);
}

double PeqFreq(const ResponseModel& m) {
    return m.GetPeqFreq(1);
}
double PeqQ(const ResponseModel& m) {
    return m.GetPeqQ(1);
}
double PeqGainTenths(const ResponseModel& m) {
    return m.Band(3).gain;
}
double HpfFreq(const ResponseModel& m) {
    return m.GetXoverFreq(0);
}
double LpfFreq(const ResponseModel& m) {
    return m.GetXoverFreq(1);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SetterClampTest,
    testing::Values(
        SetterCase{"FreqSnapsUp", [](ResponseModel& m) { m.SetPeqFreq(1, 1000.4); }, PeqFreq, 1020},
        SetterCase{"FreqBelowPeqMin", [](ResponseModel& m) { m.SetPeqFreq(1, 5); }, PeqFreq, 19.7},
        SetterCase{"FreqAboveMax", [](ResponseModel& m) { m.SetPeqFreq(1, 30000); }, PeqFreq,
                   20600},
        SetterCase{"QBelow", [](ResponseModel& m) { m.SetPeqQ(1, 0.1); }, PeqQ, 0.4},
        SetterCase{"QSnaps", [](ResponseModel& m) { m.SetPeqQ(1, 1.27); }, PeqQ, 1.3},
        SetterCase{"QAbove", [](ResponseModel& m) { m.SetPeqQ(1, 500); }, PeqQ, 128},
        SetterCase{"GainAbove", [](ResponseModel& m) { m.SetPeqGain(1, 20); }, PeqGainTenths, 120},
        SetterCase{"GainBelow", [](ResponseModel& m) { m.SetPeqGain(1, -30); }, PeqGainTenths,
                   -240},
        SetterCase{"GainTruncates", [](ResponseModel& m) { m.SetPeqGain(1, 3.17); }, PeqGainTenths,
                   31},
        SetterCase{"GainNegativeTruncatesTowardZero",
                   [](ResponseModel& m) { m.SetPeqGain(1, -3.17); }, PeqGainTenths, -31},
        SetterCase{"XoverUnsnapped", [](ResponseModel& m) { m.SetXoverFreq(0, 1000.4); }, HpfFreq,
                   1000.4},
        SetterCase{"XoverClampedToLimit", [](ResponseModel& m) { m.SetXoverFreq(1, 25000); },
                   LpfFreq, 20600},
        SetterCase{"XoverIndexTwoIgnored", [](ResponseModel& m) { m.SetXoverFreq(2, 500); },
                   HpfFreq, 19}),
    [](const testing::TestParamInfo<SetterCase>& p) { return p.param.name; });

TEST_F(ResponseSetters, GainMovesTheMarkerByItsShareOfThePlot) {
    model.SetPeqGain(0, 6);
    EXPECT_EQ(model.Band(2).yOffset, -static_cast<int>(60.0 * H() / 360));
    EXPECT_DOUBLE_EQ(model.GetPeqGain(0), 6.0);
    model.SetPeqGain(0, -24);
    EXPECT_EQ(model.Band(2).yOffset, static_cast<int>(240.0 * H() / 360));
}

TEST_F(ResponseSetters, FreqMovesTheMarkerToItsColumn) {
    model.SetPeqFreq(2, 1000);
    EXPECT_EQ(model.Band(4).xOffset,
              static_cast<int>(std::log10(1000 / 19.0) / std::log10(20600 / 19.0) * W()));
}

TEST_F(ResponseSetters, NegativePeqIndexAddressesTheFirstBand) {
    model.SetPeqFreq(-3, 500);
    EXPECT_EQ(model.GetPeqFreq(0), 500);
}

TEST_F(ResponseSetters, IndexesBeyondTheBandSetAreIgnored) {
    EXPECT_FALSE(model.SetPeqFreq(15, 500));
    EXPECT_FALSE(model.SetPeqGain(15, 5));
    EXPECT_FALSE(model.SetPeqQ(-1, 5));
    EXPECT_FALSE(model.SetPeqType(99, 5));
    EXPECT_EQ(model.GetPeqFreq(15), 0.0);
}

TEST_F(ResponseSetters, UserQReplacesOutOfRangeValuesAndSwitchesTheType) {
    model.SetXoverUserQ(0, 20);
    EXPECT_DOUBLE_EQ(model.Band(kHpfBand).q, 0.4);
    EXPECT_EQ(model.HpfType(), 32);
    model.SetXoverUserQ(1, 10);
    EXPECT_DOUBLE_EQ(model.Band(kLpfBand).q, 1.0);
    EXPECT_EQ(model.LpfType(), 33);
    model.SetXoverUserQ(2, 3);
    EXPECT_DOUBLE_EQ(model.Band(kHpfBand).q, 0.4);
    EXPECT_EQ(model.HpfType(), 36);
    model.SetXoverUserQ(3, 15);
    EXPECT_DOUBLE_EQ(model.Band(kLpfBand).q, 1.5);
    EXPECT_EQ(model.LpfType(), 37);
    model.SetXoverUserQ(5, 12);  // not a type code: Q only
    EXPECT_DOUBLE_EQ(model.Band(kLpfBand).q, 1.2);
    EXPECT_EQ(model.LpfType(), 37);
}

TEST_F(ResponseSetters, XoverTypeRefusesCodesOutsideTheLists) {
    for (unsigned code : {0u, 7u, 32u, 34u, 39u, 70u, 1000u}) {
        EXPECT_FALSE(model.SetXoverType(code)) << code;
    }
    EXPECT_EQ(model.HpfType(), 8);
    EXPECT_EQ(model.LpfType(), 9);
    EXPECT_TRUE(model.SetXoverType(21));
    EXPECT_EQ(model.LpfType(), 21);
    EXPECT_EQ(model.Selected(), kLpfBand);
    EXPECT_TRUE(model.SetXoverType(64));
    EXPECT_EQ(model.HpfType(), 64);
    EXPECT_EQ(model.Selected(), kHpfBand);
}

TEST_F(ResponseSetters, SetterSelectsTheBandAndShowsItsValues) {
    ASSERT_TRUE(model.SetPeqGain(6, 3));
    EXPECT_EQ(model.Selected(), 8);
    EXPECT_EQ(model.Readout(), 8);
    EXPECT_EQ(model.DisplayRow(0)[model.Band(8).xOffset],
              static_cast<int>(model.Band(8).curve[model.Band(8).xOffset]));
    EXPECT_NE(model.DisplayRow(0)[model.Band(8).xOffset], 0);
}

TEST_F(ResponseSetters, WhileDraggingValuesAreStoredWithoutRefresh) {
    model.SetDragged(1);
    EXPECT_FALSE(model.SetPeqGain(6, 3));
    EXPECT_EQ(model.Band(8).gain, 30);
    EXPECT_EQ(model.Selected(), 0);
    for (double v : model.Band(8).curve)
        ASSERT_EQ(v, 0.0);
}

TEST_F(ResponseSetters, InitPlacesMarkersEvenlyAndSwitchesCrossoversOff) {
    const int spacing = 1000 / 19;
    for (int b = 0; b < model.BandCount(); ++b) {
        EXPECT_EQ(model.Band(b).xOffset, b * spacing + 50);
        EXPECT_EQ(model.Band(b).yOffset, 0);
        EXPECT_DOUBLE_EQ(model.Band(b).q, 1.5);
        EXPECT_EQ(model.Band(b).gain, 0);
        EXPECT_TRUE(model.Band(b).shown);
    }
    EXPECT_EQ(model.GetPeqFreq(0), SnapFreq(model.Geometry().FreqFromX(2 * spacing + 50)));
    EXPECT_EQ(model.GetXoverFreq(0), 19);
    EXPECT_EQ(model.GetXoverFreq(1), 20600);
    EXPECT_TRUE(model.RecomputeAllPending());
}

TEST_F(ResponseSetters, ResizeScalesGainsAndRepositionsFrequencies) {
    model.SetPeqGain(0, -12);
    model.SetPeqFreq(0, 1000);
    model.RecalcAllIfNeeded();
    const int oldY = model.Band(2).yOffset;
    const double ratio = (800.0 - 28) / H();
    model.Resize({0, 0, 1600, 800});
    EXPECT_EQ(model.Band(2).yOffset, static_cast<int>(oldY * ratio));
    EXPECT_EQ(model.Band(2).xOffset, model.Geometry().XFromFreq(1000));
    EXPECT_EQ(model.Band(kHpfBand).xOffset, 0);
    EXPECT_EQ(static_cast<int>(model.DisplayRow(1).size()), 1600 - 48);
    EXPECT_TRUE(model.RecomputeAllPending());
    model.RecalcAllIfNeeded();
    EXPECT_FALSE(model.RecomputeAllPending());
    // A 12 dB cut sits a third of the new plot height below the zero line.
    EXPECT_NEAR(model.DisplayRow(1)[model.Band(2).xOffset], 120.0 * H() / 360, 3);
}

TEST_F(ResponseSetters, RecomputingAllKeepsTheSelectedBandInRowZero) {
    model.SetPeqGain(14, -6);
    model.SetPeqGain(6, 9);
    model.Resize({0, 0, 1200, 420});
    model.RecalcAllIfNeeded();
    ASSERT_EQ(model.Selected(), 8);
    for (int i = 0; i < W(); ++i) {
        ASSERT_EQ(model.DisplayRow(0)[i], static_cast<int>(model.Band(8).curve[i])) << i;
    }
}

TEST(ResponseGeometry, PlotSitsInsideTheClientMargins) {
    const PlotGeometry g({0, 0, 1000, 400});
    EXPECT_EQ(g.Plot().left, 30);
    EXPECT_EQ(g.Plot().top, 10);
    EXPECT_EQ(g.Plot().right, 982);
    EXPECT_EQ(g.Plot().bottom, 382);
    EXPECT_EQ(g.ZeroLine(), static_cast<int>(120.0 * 372 / 360 + 10));
    EXPECT_EQ(g.XFromFreq(19), 0);
    EXPECT_EQ(g.XFromFreq(20600), 952);
    EXPECT_NEAR(g.FreqFromX(952), 20600, 1e-9);
}

}  // namespace
}  // namespace velto
