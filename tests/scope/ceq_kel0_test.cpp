// CEQ_Kel0: typing, stepping and dragging in the band strip, and its notifications.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <string>

#include "controls/ceq_kel0.h"
#include "scope_input.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

using test::Received;

constexpr int kId = 2027;
constexpr int kIndex = 3;

class EqKel0Test : public testing::Test {
  protected:
    EqKel0Test() : strip(&owner), other(&owner) {
        strip.SetControlId(kId);
        strip.SetIndex(kIndex);
        // Three times the design size.
        strip.setGeometry(20, 20, 153, 630);
        strip.SetSkin(&owner.skin, 141, 2);
        strip.show();
        other.setGeometry(300, 20, 100, 20);
        other.show();
    }

    // Types into a box and leaves it, as a user does.
    void Type(int kind, const QString& text) {
        strip.Box(kind)->setFocus();
        strip.Box(kind)->setText(text);
        other.setFocus();
    }

    QApplication& app = test::App();  // before any widget
    test::RecordingOwner owner;
    CEQ_Kel0 strip;
    QLineEdit other;
};

struct TypedCase {
    int kind;
    const char* typed;
    const char* shown;
    double value;
};

class EqKel0TypingTest : public EqKel0Test, public testing::WithParamInterface<TypedCase> {};

TEST_P(EqKel0TypingTest, LeavingTheBoxNormalisesAndNotifies) {
    const TypedCase& c = GetParam();
    owner.messages.clear();
    Type(c.kind, c.typed);
    EXPECT_EQ(strip.BoxText(c.kind).toStdString(), c.shown);
    EXPECT_DOUBLE_EQ(strip.GetValue(c.kind), c.value);
    ASSERT_FALSE(owner.messages.empty());
    EXPECT_EQ(owner.messages.back(), (Received{kId, kIndex, c.kind}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EqKel0TypingTest,
    testing::Values(TypedCase{1, "1005", "1020", 1020}, TypedCase{1, "5", "10.5", 10.5},
                    TypedCase{1, "30000", "20600", 20600}, TypedCase{1, "abc", "10.5", 10.5},
                    TypedCase{2, "0.41", "0.42", 0.42}, TypedCase{2, "128", "128", 128},
                    TypedCase{0, "15", "12.0", 12.0}, TypedCase{0, "3", "3.0", 3.0},
                    TypedCase{0, "-30", "-24.0", -24.0}));

TEST_F(EqKel0Test, StartsAtZeroDecibelOneKilohertzAndQ040) {
    EXPECT_EQ(strip.BoxText(0), "0.0");
    EXPECT_EQ(strip.BoxText(1), "1000");
    EXPECT_EQ(strip.BoxText(2), "0.40");
    EXPECT_EQ(strip.GetValue(3), 7);
}

TEST_F(EqKel0Test, ArrowKeysStepFrequencyAndGainAndStopAtTheTableEnds) {
    strip.SetValue(1, 20600);
    owner.messages.clear();
    test::Key(&strip, Qt::Key_Right);
    EXPECT_EQ(strip.BoxText(1), "20600");
    strip.SetValue(1, 1);
    test::Key(&strip, Qt::Key_Left);
    EXPECT_EQ(strip.BoxText(1), "10.5");
    test::Key(&strip, Qt::Key_Right);
    EXPECT_EQ(strip.BoxText(1), "19.7");
    test::Key(&strip, Qt::Key_Up);
    EXPECT_EQ(strip.BoxText(0), "0.1");
    EXPECT_EQ(owner.messages,
              (std::vector<Received>{
                  {kId, kIndex, 1}, {kId, kIndex, 1}, {kId, kIndex, 1}, {kId, kIndex, 0}}));
}

TEST_F(EqKel0Test, KeysInsideABoxGoToTheStrip) {
    strip.Box(1)->setFocus();
    test::Key(strip.Box(1), Qt::Key_Right);
    EXPECT_EQ(strip.BoxText(1), "1020");
}

TEST_F(EqKel0Test, WheelStepsTheValueOfTheFocusedBox) {
    strip.SetValue(2, 128);
    strip.Box(2)->setFocus();
    owner.messages.clear();
    test::Wheel(&strip, +120);
    EXPECT_EQ(strip.BoxText(2), "128");
    EXPECT_EQ(owner.messages.back(), (Received{kId, kIndex, 2}));
    test::Wheel(&strip, -120);
    EXPECT_EQ(strip.BoxText(2), "121");

    strip.SetValue(0, -24);  // takes the focus: the wheel now moves the gain
    test::Wheel(&strip, -120);
    EXPECT_EQ(strip.BoxText(0), "-24.0");
    EXPECT_EQ(owner.messages.back(), (Received{kId, kIndex, 0}));
}

TEST_F(EqKel0Test, EnterNormalisesTheFocusedBox) {
    strip.Box(1)->setFocus();
    strip.Box(1)->setText("999");
    owner.messages.clear();
    test::Key(strip.Box(1), Qt::Key_Return);
    EXPECT_EQ(strip.BoxText(1), "1000");
    EXPECT_EQ(owner.messages.back(), (Received{kId, kIndex, 1}));
}

TEST_F(EqKel0Test, TypeButtonsSetTheTypeAndNotify) {
    owner.messages.clear();
    test::Press(&strip, strip.TypeButtonRect(5).center().toPoint());
    EXPECT_EQ(strip.Type(), 5);
    EXPECT_EQ(owner.messages.front(), (Received{kId, kIndex, 3}));
    test::Press(&strip, strip.TypeButtonRect(6).center().toPoint());
    EXPECT_EQ(strip.GetValue(3), 6);
    test::Press(&strip, strip.TypeButtonRect(7).center().toPoint());
    EXPECT_EQ(strip.GetValue(3), 7);
}

TEST_F(EqKel0Test, ThumbDragReachesBothEndsAndTruncatesToTenths) {
    const QPoint thumb = strip.ThumbRect().center().toPoint();
    owner.messages.clear();
    test::Press(&strip, thumb);
    ASSERT_TRUE(strip.IsDragging());
    test::Move(&strip, {thumb.x(), 0});
    EXPECT_EQ(strip.BoxText(0), "12.0");
    test::Move(&strip, {thumb.x(), 629});
    EXPECT_EQ(strip.BoxText(0), "-24.0");
    // One pixel below the 0 dB row: a little under zero, truncated toward zero.
    const int zeroY = static_cast<int>(strip.GainY(0));
    test::Move(&strip, {thumb.x(), zeroY + 1});
    const double top = strip.GainY(12), bottom = strip.GainY(-24);
    const double v = 12 - 36 * (zeroY + 1 - top) / (bottom - top);
    EXPECT_DOUBLE_EQ(strip.Gain(), std::trunc(v * 10) / 10);
    test::Release(&strip, {thumb.x(), zeroY + 1});
    EXPECT_FALSE(strip.IsDragging());
    for (const Received& m : owner.messages)
        EXPECT_EQ(m, (Received{kId, kIndex, 0}));
    EXPECT_EQ(owner.messages.size(), 5u);  // press, three moves, release
}

TEST_F(EqKel0Test, ClickBesideTheThumbSteps) {
    const QRectF thumb = strip.ThumbRect();
    test::Press(&strip, QPoint(thumb.center().x(), thumb.top() - 10));
    EXPECT_EQ(strip.BoxText(0), "0.1");
    test::Press(&strip, QPoint(thumb.center().x(), strip.ThumbRect().bottom() + 10));
    test::Press(&strip, QPoint(thumb.center().x(), strip.ThumbRect().bottom() + 10));
    EXPECT_EQ(strip.BoxText(0), "-0.1");
}

TEST_F(EqKel0Test, ADoubleClickActsAsTwoPressesNotThree) {
    // Through the window system, so the second press arrives as a press and a double click.
    const QRectF thumb = strip.ThumbRect();
    const QPoint above(static_cast<int>(thumb.center().x()), static_cast<int>(thumb.top()) - 10);
    owner.messages.clear();
    QTest::mouseDClick(owner.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                       strip.mapTo(&owner, above));
    EXPECT_EQ(strip.BoxText(0), "0.2");
    EXPECT_EQ(owner.messages.size(), 2u);
}

// Room QLineEdit leaves its text: the contents less its two-pixel side margins and the
// one-pixel cursor.
double TextRoom(QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = 0;
    return box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 2 * 2 -
           1;
}

TEST_F(EqKel0Test, TheHighestFrequencyFitsItsBoxAtTheGallerySize) {
    strip.setGeometry(20, 20, 61, 252);  // 1.2 x the design size, as in the gallery
    strip.SetValue(1, 20600);
    QLineEdit* box = strip.Box(1);
    ASSERT_EQ(box->text(), "20600");
    EXPECT_LE(QFontMetricsF(box->font()).horizontalAdvance(box->text()), TextRoom(box));
    // Every box keeps the same font.
    EXPECT_EQ(strip.Box(0)->font(), box->font());
    EXPECT_EQ(strip.Box(2)->font(), box->font());
}

TEST_F(EqKel0Test, SetValueWhileVisibleTakesTheFocusWithoutNotifying) {
    strip.Box(0)->setFocus();
    owner.messages.clear();
    strip.SetValue(0, 4.5);
    EXPECT_EQ(QApplication::focusWidget(), &strip);
    EXPECT_TRUE(strip.IsFocused());
    EXPECT_EQ(strip.BoxText(0), "4.5");
    // Only the gain box, losing the focus, reports its (already normalised) value.
    for (const Received& m : owner.messages)
        EXPECT_EQ(m, (Received{kId, kIndex, 0}));
    owner.messages.clear();
    strip.SetValue(1, 1005);
    EXPECT_EQ(strip.BoxText(1), "1020");
    strip.SetValue(3, 5);
    EXPECT_EQ(strip.Type(), 5);
    EXPECT_TRUE(owner.messages.empty());
}

}  // namespace
}  // namespace velto
