#include <gtest/gtest.h>

#include <string>

#include "controls/core/eq_band_values.h"

namespace velto {
namespace {

struct TextCase {
    EqValueKind kind;
    std::string typed;
    int step;
    std::string shown;
};

class EqBoxTextTest : public testing::TestWithParam<TextCase> {};

// What a box shows after the editor normalises (step 0) or steps a typed text.
TEST_P(EqBoxTextTest, ShowsTheNormalisedValue) {
    const TextCase& c = GetParam();
    EXPECT_EQ(FormatEqValue(c.kind, ParseAndStep(c.kind, c.typed, c.step)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, EqBoxTextTest,
                         testing::Values(TextCase{EqValueKind::Freq, "1005", 0, "1020"},
                                         TextCase{EqValueKind::Freq, "5", 0, "10.5"},
                                         TextCase{EqValueKind::Freq, "30000", 0, "20600"},
                                         TextCase{EqValueKind::Freq, "20600", 1, "20600"},
                                         TextCase{EqValueKind::Freq, "10.5", -1, "10.5"},
                                         TextCase{EqValueKind::Freq, "1000", 1, "1020"},
                                         TextCase{EqValueKind::Freq, "1000", -1, "981"},
                                         TextCase{EqValueKind::Freq, "19.7", 0, "19.7"},
                                         TextCase{EqValueKind::Freq, "letters", 0, "10.5"},
                                         TextCase{EqValueKind::Q, "0.41", 0, "0.42"},
                                         TextCase{EqValueKind::Q, "128", 1, "128"},
                                         TextCase{EqValueKind::Q, "0.4", -1, "0.40"},
                                         TextCase{EqValueKind::Q, "12", 1, "12.7"},
                                         TextCase{EqValueKind::Q, "x", 0, "0.40"},
                                         TextCase{EqValueKind::Gain, "15", 0, "12.0"},
                                         TextCase{EqValueKind::Gain, "3", 0, "3.0"},
                                         TextCase{EqValueKind::Gain, "-24.0", -1, "-24.0"},
                                         TextCase{EqValueKind::Gain, "1.2", 1, "1.3"},
                                         TextCase{EqValueKind::Gain, " +2.5dB", 0, "2.5"},
                                         TextCase{EqValueKind::Gain, "inf", 0, "0.0"},
                                         TextCase{EqValueKind::Gain, "-nan", 0, "0.0"},
                                         TextCase{EqValueKind::Gain, "1e400", 0, "0.0"}));

struct FormatCase {
    EqValueKind kind;
    double value;
    std::string text;
};

class EqFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(EqFormatTest, FitsTheBox) {
    EXPECT_EQ(FormatEqValue(GetParam().kind, GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, EqFormatTest,
                         testing::Values(FormatCase{EqValueKind::Q, 128, "128"},
                                         FormatCase{EqValueKind::Q, 0.4, "0.40"},
                                         FormatCase{EqValueKind::Q, 12.7, "12.7"},
                                         FormatCase{EqValueKind::Q, 1.06, "1.06"},
                                         FormatCase{EqValueKind::Freq, 1000, "1000"},
                                         FormatCase{EqValueKind::Freq, 19.7, "19.7"},
                                         FormatCase{EqValueKind::Freq, 10100, "10100"},
                                         FormatCase{EqValueKind::Gain, -0.5, "-0.5"}));

TEST(EqLookup, PicksTheFirstEntryNotBelowAndPinsTheEnds) {
    EXPECT_EQ(LookupFreq(1), 10.5);
    EXPECT_EQ(LookupFreq(19.0), 19.7);  // 19 is not in the editor's table
    EXPECT_EQ(LookupFreq(1000), 1000);
    EXPECT_EQ(LookupFreq(1e9), 20600);
    EXPECT_EQ(LookupQ(0.01), 0.4);
    EXPECT_EQ(LookupQ(1.27), 1.3);
    EXPECT_EQ(LookupQ(999), 128);
}

}  // namespace
}  // namespace velto
