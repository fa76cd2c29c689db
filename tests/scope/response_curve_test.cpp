#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "controls/core/response_model.h"
#include "reference_response.h"
#include "scope_model_fixture.h"

namespace velto {
namespace {

using test::RefCrossover;
using test::RefFreqAtX;
using test::RefPeaking;
using test::RefPixels;
using test::RefSection;
using test::RefShelf;
using test::RefXOfFreq;

class ResponseCurveTest : public test::ScopeModelTest {
  protected:
    // Compares a band's cached curve with the reference at a spread of columns.
    void ExpectCurve(int b, const RefSection& s, int multiplier) {
        const std::vector<int> columns = {0,       1,           W() / 7, W() / 3,
                                          W() / 2, 2 * W() / 3, W() - 1, model.Band(b).xOffset};
        for (int i : columns) {
            const long double ref = RefPixels(s, multiplier, RefFreqAtX(i, W()), H());
            EXPECT_NEAR(model.Band(b).curve[i], static_cast<double>(ref),
                        1e-3 + 1e-6 * std::fabs(static_cast<double>(ref)))
                << "column " << i;
        }
    }

    long double MarkerFreq(double hz) const { return RefFreqAtX(RefXOfFreq(hz, W()), W()); }

    // The gain the curve uses: the marker's y offset read back in whole tenths of a dB.
    long double MarkerGainDb(double db) const {
        const int y = -static_cast<int>(db * 10 * H() / 360.0);
        const long double d = std::trunc(y / ((H() - 1) / 360.0L));
        return -d / 10;
    }
};

struct PeqCase {
    int type;
    double hz;  // a frequency step, so the marker sits where the reference puts it
    double db;
    double q;     // a Q step, so no snapping is involved
    double refQ;  // the Q the formulas use
};

class PeqCurveTest : public ResponseCurveTest, public testing::WithParamInterface<PeqCase> {};

TEST_P(PeqCurveTest, MatchesTheCookbookSection) {
    const PeqCase c = GetParam();
    model.SetPeqType(3, c.type);
    model.SetPeqFreq(3, c.hz);
    model.SetPeqQ(3, c.q);
    model.SetPeqGain(3, c.db);
    const long double f0 = MarkerFreq(c.hz);
    const long double g = MarkerGainDb(c.db);
    RefSection s;
    if (c.type == kHighShelfType || c.type == kLowShelfType) {
        s = RefShelf(c.type == kHighShelfType, f0, g, c.refQ);
    } else {
        s = RefPeaking(f0, g, c.refQ);
    }
    ExpectCurve(5, s, 20);
}

INSTANTIATE_TEST_SUITE_P(Settings, PeqCurveTest,
                         testing::Values(PeqCase{0, 1000, 6, 2.0, 2.0},
                                         PeqCase{7, 80.3, -12.5, 0.4, 0.4},
                                         PeqCase{0, 15100, 12, 20, 20},
                                         PeqCase{0, 19.7, -24, 128, 128},
                                         PeqCase{kHighShelfType, 5040, 6, 0.71, 0.71},
                                         PeqCase{kLowShelfType, 101, -9, 1.0, 1.0},
                                         PeqCase{kHighShelfType, 2000, -3, 5.0, 2.0},
                                         PeqCase{kLowShelfType, 303, 12, 12.0, 2.0}));

TEST_F(ResponseCurveTest, PeakAtTheMarkerReachesTheMarkerGain) {
    model.SetPeqFreq(0, 1000);
    model.SetPeqGain(0, 12);
    const ScopeBand& band = model.Band(2);
    // +12 dB is the plot top, a third of the plot height above the zero line.
    EXPECT_NEAR(band.curve[band.xOffset], -H() / 3.0, 0.02 * H() / 3.0);
}

struct XoverCase {
    unsigned code;
    double hz;
    bool highPass;
    long double q;
    int multiplier;
};

class XoverCurveTest : public ResponseCurveTest, public testing::WithParamInterface<XoverCase> {};

TEST_P(XoverCurveTest, MatchesTheSecondOrderSectionRaisedToItsPower) {
    const XoverCase c = GetParam();
    model.SetXoverType(c.code);
    const int k = c.highPass ? kHpfBand : kLpfBand;
    model.SetXoverFreq(k, c.hz);
    ExpectCurve(k, RefCrossover(c.highPass, MarkerFreq(c.hz), c.q), c.multiplier);
}

const long double kButterworthQ = 1 / std::sqrt(2.0L);
const long double kBesselQ = 1 / std::sqrt(3.0L);

INSTANTIATE_TEST_SUITE_P(Codes, XoverCurveTest,
                         testing::Values(XoverCase{8, 200, true, kButterworthQ, 20},
                                         XoverCase{9, 5000, false, kButterworthQ, 20},
                                         XoverCase{16, 100, true, kBesselQ, 30},
                                         XoverCase{25, 8000, false, kButterworthQ, 40},
                                         XoverCase{26, 60, true, kButterworthQ, 80},
                                         XoverCase{41, 12000, false, kButterworthQ, 10},
                                         XoverCase{50, 303, true, kButterworthQ, 50},
                                         XoverCase{55, 2000, false, kBesselQ, 60},
                                         XoverCase{58, 40, true, kButterworthQ, 70}));

struct UserQCase {
    int code;
    double v;
    bool highPass;
    long double q;
    int multiplier;
};

class UserQCurveTest : public ResponseCurveTest, public testing::WithParamInterface<UserQCase> {};

TEST_P(UserQCurveTest, UsesTheFiltersOwnQ) {
    const UserQCase c = GetParam();
    model.SetXoverUserQ(c.code, c.v);
    const int k = c.highPass ? kHpfBand : kLpfBand;
    model.SetXoverFreq(k, 1000);
    ExpectCurve(k, RefCrossover(c.highPass, MarkerFreq(1000), c.q), c.multiplier);
}

INSTANTIATE_TEST_SUITE_P(Codes, UserQCurveTest,
                         testing::Values(UserQCase{0, 7, true, 0.7L, 20},
                                         UserQCase{1, 15, false, 1.5L, 20},
                                         UserQCase{2, 4, true, 0.4L, 40},
                                         UserQCase{3, 12, false, 1.2L, 40}));

TEST_F(ResponseCurveTest, FortyEightDbButterworthIsExactlyFourTimesTwelveDb) {
    model.SetXoverFreq(kHpfBand, 150);
    const std::vector<double> twelve = model.Band(kHpfBand).curve;
    model.SetXoverType(26);
    const std::vector<double>& fortyEight = model.Band(kHpfBand).curve;
    ASSERT_EQ(fortyEight.size(), twelve.size());
    EXPECT_NE(twelve[0], 0.0);
    for (size_t i = 0; i < twelve.size(); ++i)
        EXPECT_EQ(fortyEight[i], 4 * twelve[i]) << i;
}

TEST_F(ResponseCurveTest, ShelfQAboveTwoDrawsAsQTwo) {
    for (int type : {kHighShelfType, kLowShelfType}) {
        model.SetPeqType(0, type);
        model.SetPeqFreq(0, 800);
        model.SetPeqGain(0, 9);
        model.SetPeqQ(0, 2);
        const std::vector<double> q2 = model.Band(2).curve;
        model.SetPeqQ(0, 5);
        EXPECT_EQ(model.Band(2).curve, q2) << "type " << type;
        model.SetPeqQ(0, 1);
        EXPECT_NE(model.Band(2).curve, q2) << "type " << type;
    }
}

TEST_F(ResponseCurveTest, FreshBandSetIsFlat) {
    model.RecalcAllIfNeeded();
    for (int b = 0; b < model.BandCount(); ++b)
        EXPECT_TRUE(Flat(b)) << b;
    for (int v : model.DisplayRow(1))
        ASSERT_EQ(v, 0);
    EXPECT_TRUE(model.CrossoverOff(kHpfBand));
    EXPECT_TRUE(model.CrossoverOff(kLpfBand));
}

struct OffCase {
    int band;
    double hz;
    bool flat;
};

class CrossoverOffTest : public ResponseCurveTest, public testing::WithParamInterface<OffCase> {};

TEST_P(CrossoverOffTest, SwitchesOffOutsideItsRange) {
    ScopeLimits limits;
    limits.hpfMax = 303;
    limits.lpfMin = 5990;
    model.SetLimits(limits);
    const OffCase c = GetParam();
    model.MutableBand(c.band).freq = c.hz;
    model.MutableBand(c.band).xOffset = model.Geometry().XFromFreq(c.hz);
    model.RecalcBand(c.band);
    EXPECT_EQ(Flat(c.band), c.flat);
}

INSTANTIATE_TEST_SUITE_P(Limits, CrossoverOffTest,
                         testing::Values(OffCase{kHpfBand, 19.0, true},
                                         OffCase{kHpfBand, 19.7, false},
                                         OffCase{kHpfBand, 303, false},  // at its maximum: on
                                         OffCase{kHpfBand, 309, true},
                                         OffCase{kLpfBand, 19.0, true},
                                         OffCase{kLpfBand, 20200, false},
                                         OffCase{kLpfBand, 20600, true}));  // at its maximum: off

TEST_F(ResponseCurveTest, FlatTypeCodesDrawNothing) {
    model.SetXoverFreq(kHpfBand, 200);
    ASSERT_FALSE(Flat(kHpfBand));
    model.SetXoverType(64);
    EXPECT_EQ(model.HpfType(), 64);
    EXPECT_TRUE(Flat(kHpfBand));
}

TEST_F(ResponseCurveTest, DisplayRowsAreTheTruncatedBandAndSum) {
    model.SetXoverFreq(kHpfBand, 100);
    model.SetXoverFreq(kLpfBand, 9000);
    model.SetPeqGain(4, -7);
    model.SetPeqGain(0, 5.5);
    model.SetPeqFreq(0, 3000);
    for (int i = 0; i < W(); ++i) {
        double sum = 0;
        for (int b = 0; b < model.BandCount(); ++b)
            sum += model.Band(b).curve[i];
        ASSERT_EQ(model.DisplayRow(1)[i], static_cast<int>(sum)) << i;
        ASSERT_EQ(model.DisplayRow(0)[i], static_cast<int>(model.Band(2).curve[i])) << i;
    }
}

TEST_F(ResponseCurveTest, HiddenBandsStayOutOfTheSum) {
    model.SetPeqGain(0, 6);
    model.MutableBand(2).shown = false;
    model.RecalcBand(3);
    for (int v : model.DisplayRow(1))
        ASSERT_EQ(v, 0);
}

}  // namespace
}  // namespace velto
