// CEA_Kel2: value rules (snapping, stepping, dual mode) and input (drag, clicks, wheel, keys).

#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "controls/cea_kel2.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

using test::Received;

constexpr int kId = 3030;
constexpr int kIndex = 7;

class SliderTest : public ::testing::Test {
  protected:
    SliderTest() : slider(&owner) {
        slider.SetControlId(kId);
        slider.SetIndex(kIndex);
        slider.SetFullHeightLayout(true);
        // Four times the design size: track from x 40 to 636, so the middle and the quarter
        // fall on whole pixels.
        slider.setGeometry(10, 10, 680, 132);
        slider.SetSkin(&owner.skin, 142, 0);
        slider.show();
    }
    QPoint ThumbCentre() const { return slider.ThumbRect().center().toPoint(); }
    QPoint TrackPoint(double fraction) const {
        const double x = slider.TrackLeft() + (slider.TrackRight() - slider.TrackLeft()) * fraction;
        return QPoint(static_cast<int>(x), ThumbCentre().y());
    }
    std::vector<LParam> Notified() const {
        std::vector<LParam> values;
        for (const auto& m : owner.messages) {
            EXPECT_EQ(m.message, kId);
            EXPECT_EQ(m.wParam, kIndex);
            values.push_back(m.lParam);
        }
        return values;
    }

    test::RecordingOwner owner;
    CEA_Kel2 slider;
};

struct SnapCase {
    float threshold;
    double x;
    double expected;
};

TEST_F(SliderTest, SnapsWholeAboveTheFineThresholdAndToTenthsBelow) {
    const SnapCase cases[] = {
        {50, 12.34, 12.3}, {50, -3, 0},   {0, 12.34, 12}, {50, 50.4, 50},
        {50, 49.96, 50.0}, {0, 150, 100}, {0, 99.5, 100}, {50, 0.04, 0.0},
    };
    for (const auto& c : cases) {
        slider.SetFineThreshold(c.threshold);
        EXPECT_NEAR(slider.Snap(c.x), c.expected, 1e-9)
            << "threshold " << c.threshold << " x " << c.x;
    }
}

struct StepCase {
    float threshold;
    double start;
    int wheel;
    double expected;
};

TEST_F(SliderTest, WheelStepsWholeOrTenthAndNotifiesTheTruncatedValue) {
    const StepCase cases[] = {
        {50, 49.9, +120, 50.0}, {50, 50, +120, 51},  {50, 50, -120, 49.9}, {50, 51, -120, 50},
        {0, 0, -120, 0},        {0, 100, +120, 100}, {0, 10, 0, 10},       {0, 7.6, +120, 9},
    };
    for (const auto& c : cases) {
        owner.messages.clear();
        slider.SetFineThreshold(c.threshold);
        slider.SetValue(c.start);
        test::Wheel(&slider, c.wheel, ThumbCentre());
        EXPECT_NEAR(slider.Value(), c.expected, 1e-9) << "from " << c.start << " wheel " << c.wheel;
        EXPECT_EQ(Notified(), std::vector<LParam>{static_cast<LParam>(std::trunc(c.expected))});
    }
}

TEST_F(SliderTest, DraggingTheThumbSnapsToWholeOrFineValues) {
    slider.SetFineThreshold(50);
    slider.SetValue(0);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, ThumbCentre());
    EXPECT_TRUE(slider.IsDragging());
    QTest::mouseMove(&slider, TrackPoint(0.5));
    EXPECT_NEAR(slider.Value(), 50, 1e-9);
    QTest::mouseMove(&slider, TrackPoint(0.25));
    EXPECT_NEAR(slider.Value(), 25.0, 1e-9);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, TrackPoint(0.25));
    EXPECT_FALSE(slider.IsDragging());
    // Press, two moves and the release each notify.
    EXPECT_EQ(Notified(), (std::vector<LParam>{0, 50, 25, 25}));
}

TEST_F(SliderTest, ClickingBesideTheThumbStepsTowardsTheClick) {
    slider.SetValue(40);
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, TrackPoint(0.8));
    EXPECT_EQ(slider.Value(), 41);
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, TrackPoint(0.1));
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, TrackPoint(0.1));
    EXPECT_EQ(slider.Value(), 39);
    EXPECT_EQ(Notified(), (std::vector<LParam>{41, 40, 39}));
}

TEST_F(SliderTest, ADoubleClickBesideTheThumbStepsTwice) {
    slider.SetValue(40);
    // Through the window system: the second press arrives only as the double click.
    QTest::mouseDClick(owner.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                       slider.mapTo(&owner, TrackPoint(0.8)));
    EXPECT_EQ(slider.Value(), 42);
    EXPECT_EQ(Notified(), (std::vector<LParam>{41, 42}));
}

TEST_F(SliderTest, DualModeSplitsOffTheToggleAndReportsWithoutIt) {
    slider.SetDualMode(true);
    slider.SetValue(512);
    EXPECT_TRUE(slider.ToggleOn());
    EXPECT_EQ(slider.Value(), 12);
    EXPECT_EQ(slider.GetValue(), 512);

    test::Wheel(&slider, +120, ThumbCentre());
    EXPECT_EQ(Notified(), std::vector<LParam>{13});
    EXPECT_EQ(slider.GetValue(), 513);

    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier,
                      slider.ToggleRect().center().toPoint());
    EXPECT_FALSE(slider.ToggleOn());
    EXPECT_EQ(slider.GetValue(), 13);

    slider.SetValue(499);
    EXPECT_FALSE(slider.ToggleOn());
    EXPECT_EQ(slider.GetValue(), 499);
}

TEST_F(SliderTest, LeftAndRightStepWhileUpAndDownDoNothing) {
    slider.SetValue(20);
    QTest::keyClick(&slider, Qt::Key_Up);
    QTest::keyClick(&slider, Qt::Key_Down);
    EXPECT_EQ(slider.Value(), 20);
    EXPECT_TRUE(owner.messages.empty());
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(slider.Value(), 21);
    EXPECT_EQ(Notified(), (std::vector<LParam>{21, 22, 21}));
}

TEST_F(SliderTest, SetValueOnAVisibleSliderTakesTheKeyboardFocus) {
    owner.setFocus();
    ASSERT_FALSE(slider.hasFocus());
    slider.SetValue(30);
    EXPECT_TRUE(slider.hasFocus());
    EXPECT_TRUE(slider.IsFocused());

    CEA_Kel2 hidden(&owner);
    hidden.SetSkin(&owner.skin, 142, 0);
    hidden.hide();
    hidden.SetValue(30);
    EXPECT_FALSE(hidden.hasFocus());
    EXPECT_TRUE(slider.hasFocus());
}

TEST_F(SliderTest, HiddenOrDisabledSliderIgnoresInput) {
    slider.SetValue(20);
    slider.SetInputEnabled(false);
    test::Wheel(&slider, +120, ThumbCentre());
    QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, TrackPoint(0.8));
    QTest::keyClick(&slider, Qt::Key_Right);
    slider.SetInputEnabled(true);
    slider.SetShown(false);
    test::Wheel(&slider, +120, ThumbCentre());
    EXPECT_EQ(slider.Value(), 20);
    EXPECT_TRUE(owner.messages.empty());
}

TEST_F(SliderTest, TrackGlowsMoreStronglyAsTheValueRises) {
    const QPoint middle = TrackPoint(0.5);
    slider.SetValue(0);
    slider.repaint();
    const QColor low = slider.ComposedImage().pixelColor(middle.x(), middle.y());
    slider.SetValue(100);
    slider.repaint();
    const QColor high = slider.ComposedImage().pixelColor(middle.x(), middle.y());
    // Yellow sits at the middle of the gradient: red and green rise together.
    EXPECT_GT(high.red(), low.red() + 100);
    EXPECT_GT(high.green(), low.green() + 100);
}

TEST_F(SliderTest, FormatRebuildsTheTextFromTheValue) {
    slider.SetFormat(QStringLiteral("Delay:%5.1fms"));
    slider.SetValue(12.5);
    slider.repaint();
    EXPECT_EQ(slider.Text(), QStringLiteral("Delay: 12.5ms"));
}

}  // namespace
}  // namespace velto
