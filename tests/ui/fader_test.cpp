// CEQ_G_2: stepping, clamping and the range markers that limit the thumb.

#include <gtest/gtest.h>

#include <QTest>

#include "controls/ceq_g_2.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

constexpr int kId = 6034;

class FaderTest : public ::testing::Test {
  protected:
    FaderTest() : fader(&owner) {
        fader.SetControlId(kId);
        fader.SetIndex(2);
        fader.setGeometry(20, 20, 82, 410);  // twice the design size
        fader.SetSkin(&owner.skin, 169, 0);
        fader.show();
    }
    QPoint AtValue(int value) const {
        return QPoint(fader.ThumbRect().center().toPoint().x(),
                      static_cast<int>(fader.PositionOf(value)));
    }
    LParam LastNotified() const {
        EXPECT_FALSE(owner.messages.empty());
        if (owner.messages.empty()) return -1;
        EXPECT_EQ(owner.messages.back().message, kId);
        EXPECT_EQ(owner.messages.back().wParam, 2);
        return owner.messages.back().lParam;
    }

    test::RecordingOwner owner;
    CEQ_G_2 fader;
};

struct FaderStepCase {
    int start;
    int wheel;
    int expected;
};

TEST_F(FaderTest, WheelStepsAndNotifiesTheClampedValue) {
    const FaderStepCase cases[] = {{50, +120, 51}, {50, -120, 49}, {100, +120, 100}, {0, -120, 0}};
    for (const auto& c : cases) {
        fader.SetValue(c.start);
        test::Wheel(&fader, c.wheel, AtValue(c.start));
        EXPECT_EQ(fader.Value(), c.expected) << "from " << c.start;
        EXPECT_EQ(LastNotified(), c.expected);
    }
}

TEST_F(FaderTest, CoarseStepsAboveTheThreshold) {
    fader.SetRange(0, 1000);
    fader.SetCoarseThreshold(500);
    fader.SetValue(600);
    QTest::keyClick(&fader, Qt::Key_Up);
    EXPECT_EQ(fader.Value(), 610);
    QTest::keyClick(&fader, Qt::Key_Down);
    EXPECT_EQ(fader.Value(), 600);
    fader.SetValue(400);
    QTest::keyClick(&fader, Qt::Key_Down);
    EXPECT_EQ(fader.Value(), 399);
}

TEST_F(FaderTest, ScaleDividesWhatTheOwnerReads) {
    fader.SetScale(10);
    fader.SetValue(4.56);
    EXPECT_EQ(fader.Value(), 45);
    EXPECT_DOUBLE_EQ(fader.GetValue(), 4.5);
}

TEST_F(FaderTest, DraggingTheThumbFollowsTheTrackUpToTheHighMarker) {
    fader.SetMarkersOn(true);
    fader.SetLowMarker(10);
    fader.SetHighMarker(70);
    fader.SetValue(50);
    QTest::mousePress(&fader, Qt::LeftButton, Qt::NoModifier, AtValue(50));
    QTest::mouseMove(&fader, AtValue(30));
    EXPECT_NEAR(fader.Value(), 30, 1);
    QTest::mouseMove(&fader, AtValue(95));
    EXPECT_EQ(fader.Value(), 70);
    QTest::mouseRelease(&fader, Qt::LeftButton, Qt::NoModifier, AtValue(95));
    EXPECT_EQ(LastNotified(), 70);
}

TEST_F(FaderTest, DraggingTheHighMarkerBelowTheValuePullsTheValueDown) {
    fader.SetMarkersOn(true);
    fader.SetLowMarker(10);
    fader.SetHighMarker(90);
    fader.SetValue(60);
    const QPoint handle = fader.HighMarkerRect().center().toPoint();
    QTest::mousePress(&fader, Qt::LeftButton, Qt::NoModifier, handle);
    QTest::mouseMove(&fader, QPoint(handle.x(), static_cast<int>(fader.PositionOf(40))));
    QTest::mouseRelease(&fader, Qt::LeftButton, Qt::NoModifier,
                        QPoint(handle.x(), static_cast<int>(fader.PositionOf(40))));
    EXPECT_NEAR(fader.HighMarker(), 40, 1);
    EXPECT_EQ(fader.Value(), fader.HighMarker());
    EXPECT_EQ(LastNotified(), fader.Value());
}

TEST_F(FaderTest, TheHighMarkerStaysAboveTheLowMarker) {
    fader.SetMarkersOn(true);
    fader.SetLowMarker(30);
    fader.SetHighMarker(90);
    const QPoint handle = fader.HighMarkerRect().center().toPoint();
    QTest::mousePress(&fader, Qt::LeftButton, Qt::NoModifier, handle);
    QTest::mouseMove(&fader, QPoint(handle.x(), static_cast<int>(fader.PositionOf(5))));
    EXPECT_EQ(fader.HighMarker(), 30);
    QTest::mouseRelease(&fader, Qt::LeftButton, Qt::NoModifier, handle);
}

TEST_F(FaderTest, ClickingAboveOrBelowTheThumbSteps) {
    fader.SetValue(50);
    QTest::mouseClick(&fader, Qt::LeftButton, Qt::NoModifier, AtValue(90));
    EXPECT_EQ(fader.Value(), 51);
    QTest::mouseClick(&fader, Qt::LeftButton, Qt::NoModifier, AtValue(5));
    EXPECT_EQ(fader.Value(), 50);
}

TEST_F(FaderTest, DisabledFaderIgnoresInputAndDrawsTheDimTrack) {
    fader.SetValue(50);
    fader.repaint();
    const QImage enabled = fader.ComposedImage();
    fader.SetInputEnabled(false);
    test::Wheel(&fader, +120, AtValue(50));
    QTest::keyClick(&fader, Qt::Key_Up);
    EXPECT_EQ(fader.Value(), 50);
    EXPECT_TRUE(owner.messages.empty());
    fader.repaint();
    EXPECT_NE(fader.ComposedImage(), enabled);
}

}  // namespace
}  // namespace velto
