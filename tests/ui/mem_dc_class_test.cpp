// CMemDcClass: loading bitmaps and growing when a copy reaches beyond the extent.

#include <gtest/gtest.h>

#include "controls/mem_dc_class.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

TEST(MemDcClassTest, CopyBeyondTheExtentGrowsTheSurfaceGreyFirst) {
    test::App();
    CMemDcClass surface(nullptr, QRect(0, 0, 640, 480));
    surface.Image().fill(Qt::blue);
    CMemDcClass source(nullptr, QRect(0, 0, 100, 100));
    source.Image().fill(Qt::red);
    // Only the top-left 100 x 100 exists in the source; the rest of the target stays as grown.
    surface.CopyFrom(0, 0, 800, 600, source, 0, 0);
    EXPECT_EQ(surface.Extent(), QRect(0, 0, 800, 600));
    EXPECT_EQ(surface.Image().size(), QSize(800, 600));
    EXPECT_EQ(surface.Image().pixelColor(50, 50), QColor(Qt::red));
    EXPECT_EQ(surface.Image().pixel(700, 550), CMemDcClass::kGrowFill);
}

TEST(MemDcClassTest, GrowingKeepsWhatWasAlreadyDrawn) {
    test::App();
    CMemDcClass surface(nullptr, QRect(0, 0, 64, 48));
    surface.Image().fill(Qt::blue);
    CMemDcClass source(nullptr, QRect(0, 0, 10, 10));
    source.Image().fill(Qt::red);
    surface.CopyFrom(60, 0, 70, 10, source, 0, 0);
    EXPECT_EQ(surface.Image().size(), QSize(70, 48));
    EXPECT_EQ(surface.Image().pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(surface.Image().pixelColor(65, 5), QColor(Qt::red));
    EXPECT_EQ(surface.Image().pixel(66, 20), CMemDcClass::kGrowFill);
}

TEST(MemDcClassTest, StretchFromScalesTheSourceRectangle) {
    test::App();
    CMemDcClass source(nullptr, QRect(0, 0, 20, 10));
    source.Image().fill(Qt::green);
    CMemDcClass target(nullptr, QRect(0, 0, 100, 100));
    target.Image().fill(Qt::black);
    target.StretchFrom(0, 0, 80, 40, source, 0, 0, 20, 10);
    EXPECT_EQ(target.Image().pixelColor(79, 39), QColor(Qt::green));
    EXPECT_EQ(target.Image().pixelColor(81, 41), QColor(Qt::black));
}

TEST(MemDcClassTest, LoadBitmapSetsTheExtentToTheBitmap) {
    test::App();
    CMemDcClass skin;
    ASSERT_TRUE(skin.LoadBitmap(134));
    EXPECT_EQ(skin.Extent(), QRect(0, 0, 1204, 703));
    CMemDcClass missing;
    EXPECT_FALSE(missing.LoadBitmap(999));
    EXPECT_FALSE(missing.IsValid());
}

}  // namespace
}  // namespace velto
