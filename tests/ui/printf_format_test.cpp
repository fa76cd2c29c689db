// FormatNumber: printf formats from the text tables applied to one number, safely.

#include <gtest/gtest.h>

#include "controls/printf_format.h"

namespace velto {
namespace {

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(PrintfFormatTest, AppliesOneNumericConversion) {
    const FormatCase cases[] = {
        {"Read Device Data:%5.0f %%", 49.95, "Read Device Data:   50 %"},
        {" %3.0f%%", 7, "   7%"},
        {"Threshold:   %3ddBu", -20.7, "Threshold:   -20dBu"},
        {"HPF Freq:   %4.1fHz", 19.7, "HPF Freq:   19.7Hz"},
        {"欢迎使用!", 12, "欢迎使用!"},
        {"%+.2e", 1234.5, "+1.23e+03"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.expected))
            << c.format;
    }
}

TEST(PrintfFormatTest, UnsafeFormatsAreShownAsTheyStand) {
    const char* const unsafe[] = {"%s", "%n", "%f %f", "%*d", "%ld", "100%", "%5"};
    for (const char* format : unsafe) {
        EXPECT_EQ(FormatNumber(QString::fromLatin1(format), 3), QString::fromLatin1(format))
            << format;
    }
}

}  // namespace
}  // namespace velto
