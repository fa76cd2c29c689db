// CGDI_Button: toggles, push buttons, hover and the disabled state.

#include <gtest/gtest.h>

#include <QTest>

#include "controls/cgdi_button.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

constexpr int kId = 5036;

class ButtonTest : public ::testing::Test {
  protected:
    ButtonTest() : button(&owner) {
        button.SetControlId(kId);
        button.SetIndex(2);
        button.setGeometry(100, 100, 150, 44);
        button.SetSkin(&owner.skin, 146);
        button.SetStyle(12, QStringLiteral("微软雅黑"), 0xFA000000, 0x25, 0xFF0A0A0A);
        button.SetWindowText(QStringLiteral("REST"));
        button.show();
    }
    void Click() {
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(75, 22));
        owner.DrainPosted();
        // Keep clicks apart so that no two of them make a double click.
        QTest::qWait(QApplication::doubleClickInterval() + 20);
    }

    test::RecordingOwner owner;
    CGDI_Button button;
};

TEST_F(ButtonTest, ToggleFlipsBetweenOneAndTwoOnEveryClick) {
    button.SetState(1);
    Click();
    EXPECT_EQ(button.GetState(), 2);
    Click();
    EXPECT_EQ(button.GetState(), 1);
    EXPECT_EQ(owner.messages, (std::vector<test::Received>{{kId, 2, 2}, {kId, 2, 2}}));
}

TEST_F(ButtonTest, PushButtonStaysZeroAndStillNotifies) {
    Click();
    EXPECT_EQ(button.GetState(), 0);
    EXPECT_EQ(owner.messages, (std::vector<test::Received>{{kId, 2, 2}}));
}

TEST_F(ButtonTest, TheNotificationIsPostedNotSent) {
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(75, 22));
    EXPECT_TRUE(owner.messages.empty());
    owner.DrainPosted();
    EXPECT_EQ(owner.messages.size(), 1u);
}

TEST_F(ButtonTest, DisabledButtonShowsTheDisabledFrameAndIgnoresClicks) {
    button.SetState(1);
    button.repaint();
    const QImage enabledLook = button.ComposedImage();
    button.SetEnabled(false);
    Click();
    EXPECT_EQ(button.GetState(), 1);
    EXPECT_TRUE(owner.messages.empty());
    button.repaint();
    // The disabled overlay darkens the face.
    const QPoint middle(10, 22);
    EXPECT_LT(button.ComposedImage().pixelColor(middle).lightness(),
              enabledLook.pixelColor(middle).lightness());
}

TEST_F(ButtonTest, HoverComesWithThePointerAndGoesWhenItLeaves) {
    QTest::mouseMove(&button, QPoint(75, 22));
    EXPECT_TRUE(button.IsHovered());
    button.repaint();
    const QImage hovered = button.ComposedImage();
    QTest::mouseMove(&owner, QPoint(500, 400));
    EXPECT_FALSE(button.IsHovered());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    button.repaint();
    EXPECT_NE(button.ComposedImage(), hovered);
}

TEST_F(ButtonTest, CaptionColourFollowsTheState) {
    button.SetStyle(12, QStringLiteral("微软雅黑"), 0xFFFF0000, 0x25, 0xFF0000FF);
    auto count = [&](auto predicate) {
        button.repaint();
        const QImage& image = button.ComposedImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                n += predicate(image.pixelColor(x, y));
        }
        return n;
    };
    auto reddish = [](QColor c) { return c.red() > 180 && c.blue() < 80 && c.green() < 80; };
    auto bluish = [](QColor c) { return c.blue() > 180 && c.red() < 80 && c.green() < 80; };
    button.SetState(1);
    EXPECT_GT(count(reddish), 10);
    button.SetState(2);
    EXPECT_GT(count(bluish), 10);
}

}  // namespace
}  // namespace velto
