// Ckel_CStatic: alignment flags, fill colour and the shown flag.

#include <gtest/gtest.h>

#include "controls/ckel_cstatic.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

// The bounding box of the pixels that differ from the background colour.
QRect InkBox(const QImage& image, QColor background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class LabelTest : public ::testing::Test {
  protected:
    LabelTest() : label(&owner) {
        label.setGeometry(50, 50, 200, 60);
        label.SetSkin(&owner.skin, 0, 0);
        label.SetFont(20, QStringLiteral("微软雅黑"), 0xFFFFFFFF, 0x50000025);
        label.show();
    }
    test::RecordingOwner owner;
    Ckel_CStatic label;
    const QColor background{0x2A, 0x2F, 0x34};
};

TEST_F(LabelTest, CentringFlagsCentreOneLineBothWays) {
    label.SetText(QStringLiteral("增益 Gain"));
    const QRect ink = InkBox(label.ComposedImage(), background);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_NEAR(ink.center().y(), 30, 4);
}

TEST_F(LabelTest, DefaultFlagsPutTheTextTopLeft) {
    label.SetFont(20, QStringLiteral("微软雅黑"), 0xFFFFFFFF, 0);
    label.SetText(QStringLiteral("Gain"));
    const QRect ink = InkBox(label.ComposedImage(), background);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.left(), 5);
    EXPECT_LT(ink.top(), 10);
}

TEST_F(LabelTest, FillsOnlyWithAnOpaqueBackgroundColour) {
    label.SetSkin(&owner.skin, 0x00FAFAFA, 0);
    label.SetText(QString());
    EXPECT_EQ(label.ComposedImage().pixelColor(5, 5), background);
    label.SetSkin(&owner.skin, 0xFF102030, 0);
    label.SetText(QString());
    EXPECT_EQ(label.ComposedImage().pixelColor(5, 5), QColor(0x10, 0x20, 0x30));
}

TEST_F(LabelTest, HiddenLabelShowsOnlyTheBackground) {
    label.SetShown(false);
    label.SetText(QStringLiteral("Gain"));
    EXPECT_TRUE(InkBox(label.ComposedImage(), background).isEmpty());
}

TEST_F(LabelTest, ChineseTextIsDrawnWithRealGlyphs) {
    // A missing font shows the same box for every character; real glyphs differ.
    label.SetFont(24, QStringLiteral("宋体"), 0xFFFFFFFF, 0x25);
    label.SetText(QStringLiteral("一"));
    const QRect one = InkBox(label.ComposedImage(), background);
    label.SetText(QStringLiteral("口"));
    const QRect mouth = InkBox(label.ComposedImage(), background);
    ASSERT_FALSE(one.isEmpty());
    EXPECT_LT(one.height() * 3, mouth.height());
}

}  // namespace
}  // namespace velto
