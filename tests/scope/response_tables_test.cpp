#include <gtest/gtest.h>

#include <algorithm>

#include "controls/core/response_tables.h"

namespace velto {
namespace {

TEST(ResponseTables, StepTablesAscendAndEndWithTheirSentinels) {
    EXPECT_TRUE(std::is_sorted(kFreqSteps.begin(), kFreqSteps.end()));
    EXPECT_TRUE(std::is_sorted(kQSteps.begin(), kQSteps.end()));
    EXPECT_EQ(kFreqSteps[0], 19.0);
    EXPECT_EQ(kFreqSteps[kFreqStepCount - 1], 20600.0);
    EXPECT_EQ(kFreqSteps[kFreqStepCount], 20600.0);
    EXPECT_EQ(kFreqSteps[kFreqStepCount + 1], 20600.0);
    EXPECT_EQ(kQSteps[100], 128.0);
    EXPECT_EQ(kQSteps[101], 128.0);
}

TEST(ResponseTables, GridTableGivesTheAxisRangeAndEndsWithAZeroEntry) {
    EXPECT_EQ(kGridTable[0].freq, kAxisFreqMin);
    EXPECT_EQ(kGridTable[1].freq, kAxisFreqMax);
    int lines = 0;
    while (kGridTable[kFirstGridLine + lines].freq != 0)
        ++lines;
    EXPECT_EQ(lines, 28);
    EXPECT_STREQ(kGridTable[kFirstGridLine].label, "20");
    EXPECT_STREQ(kGridTable[kFirstGridLine + lines - 1].label, "20KHz ");
}

struct SnapCase {
    double in;
    double out;
};

class SnapFreqTest : public testing::TestWithParam<SnapCase> {};

TEST_P(SnapFreqTest, TakesTheFirstStepNotBelow) {
    EXPECT_EQ(SnapFreq(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Cases, SnapFreqTest,
                         testing::Values(SnapCase{5, 19}, SnapCase{19, 19}, SnapCase{19.01, 19.7},
                                         SnapCase{1000, 1000}, SnapCase{1000.4, 1020},
                                         SnapCase{91.95, 94}, SnapCase{20599, 20600},
                                         SnapCase{30000, 20600}));

TEST(SnapFreq, IntegerModeRoundsToWholeHertz) {
    EXPECT_EQ(SnapFreq(1000.4, true), 1000.0);
    EXPECT_EQ(SnapFreq(1000.5, true), 1001.0);
}

class SnapQTest : public testing::TestWithParam<SnapCase> {};

TEST_P(SnapQTest, TakesTheFirstStepNotBelow) {
    EXPECT_EQ(SnapQ(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Cases, SnapQTest,
                         testing::Values(SnapCase{0.1, 0.4}, SnapCase{0.4, 0.4},
                                         SnapCase{0.41, 0.42}, SnapCase{1.27, 1.3},
                                         SnapCase{12.1, 12.7}, SnapCase{127, 128},
                                         SnapCase{500, 128}));

}  // namespace
}  // namespace velto
