#include <gtest/gtest.h>

#include "controls/core/response_edit.h"
#include "controls/core/response_tables.h"
#include "scope_model_fixture.h"

namespace velto {
namespace {

class ResponseEditTest : public test::ScopeModelTest {
  protected:
    // A press on band b's marker as the widget does it.
    void Grab(int b) {
        model.SetDragged(b + 1);
        model.SetSelected(b);
    }
    const IntRect& Plot() const { return model.Geometry().Plot(); }
};

TEST_F(ResponseEditTest, NoticesNameTheBand) {
    EXPECT_EQ(NoticeForBand(kHpfBand).wParam, 1);
    EXPECT_EQ(NoticeForBand(kLpfBand).wParam, 2);
    EXPECT_EQ(NoticeForBand(7).wParam, 0);
    EXPECT_EQ(NoticeForBand(7).lParam, 5);
    EXPECT_EQ(NoticeForBand(kHpfBand).lParam, 0);
}

TEST_F(ResponseEditTest, OverlappingMarkersPickTheLowerBand) {
    model.SetXoverFreq(kHpfBand, 1000);
    model.SetXoverFreq(kLpfBand, 1000);
    model.SetPeqFreq(0, 1000);
    const int x = MarkerX(model, 2);
    const int y = MarkerY(model, 2);
    EXPECT_EQ(MarkerAt(model, x, y), kHpfBand);
    model.MutableBand(kHpfBand).shown = false;
    EXPECT_EQ(MarkerAt(model, x, y), kLpfBand);
    model.SetXoverFreq(kLpfBand, 20000);
    EXPECT_EQ(MarkerAt(model, x, y), 2);
    EXPECT_EQ(MarkerAt(model, x + 9, y), -1);  // right edge is outside
    EXPECT_EQ(MarkerAt(model, x - 9, y - 9), 2);
}

TEST_F(ResponseEditTest, PeqDraggedToThePlotEdgesReachesTheAxisEnds) {
    Grab(4);
    ASSERT_TRUE(DragMarkerTo(model, 400, Plot().top));
    EXPECT_EQ(model.Band(4).gain, 120);
    EXPECT_DOUBLE_EQ(model.GetPeqGain(2), 12.0);
    ASSERT_TRUE(DragMarkerTo(model, 400, Plot().top - 50));
    EXPECT_EQ(model.Band(4).gain, 120);
    ASSERT_TRUE(DragMarkerTo(model, 400, Plot().bottom));
    EXPECT_DOUBLE_EQ(model.GetPeqGain(2), -24.0);
    ASSERT_TRUE(DragMarkerTo(model, 400, Plot().bottom + 80));
    EXPECT_EQ(model.Band(4).gain, -240);
}

TEST_F(ResponseEditTest, DragGainRoundsHalfUpThenTruncatesTowardZero) {
    Grab(4);
    const int z = model.Geometry().ZeroLine();
    const double zx = model.Geometry().ZeroLineExact();
    for (int dy : {-37, -1, 1, 10, 50, 211}) {
        DragMarkerTo(model, 400, z + dy);
        const int v = static_cast<int>(z + dy - zx);
        EXPECT_EQ(model.Band(4).yOffset, v);
        EXPECT_EQ(model.Band(4).gain, static_cast<int>(-v * 360.0 / (H() - 1) + 0.5)) << dy;
    }
}

TEST_F(ResponseEditTest, DragSnapsTheFrequencyAndRecalculates) {
    Grab(4);
    const int mx = Plot().left + 500;
    DragMarkerTo(model, mx, model.Geometry().ZeroLine() - 40);
    EXPECT_EQ(model.Band(4).xOffset, 500);
    EXPECT_EQ(model.Band(4).freq, SnapFreq(model.Geometry().FreqFromX(500)));
    EXPECT_LT(model.DisplayRow(0)[500], 0);
    FinishMarkerDrag(model);
    EXPECT_FALSE(model.Dragging());
    EXPECT_EQ(model.Band(4).xOffset, model.Geometry().XFromFreq(model.Band(4).freq));
}

TEST_F(ResponseEditTest, CrossoverDragKeepsItOnTheZeroLineWithinItsLimits) {
    ScopeLimits limits;
    limits.hpfMax = 303;
    model.SetLimits(limits);
    Grab(kHpfBand);
    DragMarkerTo(model, Plot().left + 800, Plot().top);
    EXPECT_EQ(model.Band(kHpfBand).yOffset, 0);
    EXPECT_EQ(model.Band(kHpfBand).gain, 0);
    EXPECT_EQ(model.Band(kHpfBand).freq, 303);
    EXPECT_EQ(model.Band(kHpfBand).xOffset, model.Geometry().XFromFreq(303));
}

TEST_F(ResponseEditTest, PeqDraggedLeftOfItsMinimumStaysAtTheMinimum) {
    Grab(3);
    DragMarkerTo(model, 0, model.Geometry().ZeroLine());
    EXPECT_EQ(model.Band(3).freq, 19.7);
    EXPECT_EQ(model.Band(3).xOffset, model.Geometry().XFromFreq(19.7));
}

TEST_F(ResponseEditTest, DraggedBandOutsideTheSetChangesNothing) {
    model.SetDragged(model.BandCount() + 1);
    const ScopeBand before = model.Band(0);
    EXPECT_FALSE(DragMarkerTo(model, 300, 40));
    EXPECT_EQ(model.Band(0).xOffset, before.xOffset);
}

TEST(ResponseEditOptions, ShelfBoostAndVerticalOnlyDragsAreHonoured) {
    ScopeOptions options;
    options.shelfBoostByDrag = false;
    options.peqDragVerticalOnly = true;
    ResponseModel model({}, options);
    ASSERT_TRUE(model.InitBands(5, {0, 0, 800, 300}));
    model.SetPeqType(0, kHighShelfType);
    const int x = model.Band(2).xOffset;
    model.SetDragged(3);
    model.SetSelected(2);
    DragMarkerTo(model, 700, model.Geometry().Plot().top);
    EXPECT_EQ(model.Band(2).xOffset, x);
    EXPECT_EQ(model.Band(2).yOffset, 0);
    EXPECT_EQ(model.Band(2).gain, 0);
}

TEST_F(ResponseEditTest, HandleDistanceFollowsTheWholePartOfQ) {
    EXPECT_EQ(HandleDistance(0.4), 118);
    EXPECT_EQ(HandleDistance(0.99), 118);
    EXPECT_EQ(HandleDistance(1.0), 103);
    EXPECT_EQ(HandleDistance(1.9), 103);
    EXPECT_EQ(HandleDistance(2.0), 91);  // first step >= 2 is index 28
    EXPECT_EQ(HandleDistance(128), 19);  // index 100
}

TEST_F(ResponseEditTest, HandleRectsSitBesideTheSelectedMarker) {
    model.SetPeqFreq(0, 1000);
    model.SetPeqQ(0, 1.5);
    const IntRect left = HandleRect(model, HandleSide::Left);
    const IntRect right = HandleRect(model, HandleSide::Right);
    EXPECT_EQ(left.left, MarkerX(model, 2) - 103 - 9);
    EXPECT_EQ(right.right, MarkerX(model, 2) + 103 + 9);
    EXPECT_EQ(left.top, MarkerY(model, 2) - 9);
}

TEST_F(ResponseEditTest, HandlePositionsMapOntoTheQTable) {
    EXPECT_EQ(QFromHandle(HandleSide::Left, 300, 300), 128.0);       // c = 101
    EXPECT_EQ(QFromHandle(HandleSide::Left, 300, 200), kQSteps[0]);  // 101 - 101
    EXPECT_EQ(QFromHandle(HandleSide::Left, 300, 100), kQSteps[0]);  // clamped at 0
    EXPECT_EQ(QFromHandle(HandleSide::Left, 300, 250), kQSteps[50]);
    EXPECT_EQ(QFromHandle(HandleSide::Right, 300, 336), 128.0);
    EXPECT_EQ(QFromHandle(HandleSide::Right, 300, 386), kQSteps[50]);
    EXPECT_EQ(QFromHandle(HandleSide::Right, 300, 900), kQSteps[0]);
}

TEST_F(ResponseEditTest, WheelStepsTheHpfThroughTheTable) {
    model.SetSelected(kHpfBand);
    EXPECT_EQ(StepSelectedBand(model, true), kHpfBand);
    EXPECT_EQ(model.GetXoverFreq(0), 19.0);  // index 0: nothing lower
    StepSelectedBand(model, false);
    EXPECT_EQ(model.GetXoverFreq(0), 19.7);
    EXPECT_EQ(model.Band(kHpfBand).xOffset, model.Geometry().XFromFreq(19.7));
    model.SetXoverFreq(kHpfBand, 20600);
    StepSelectedBand(model, false);
    EXPECT_EQ(model.GetXoverFreq(0), 20600);
    StepSelectedBand(model, true);
    EXPECT_EQ(model.GetXoverFreq(0), 20200);
}

TEST_F(ResponseEditTest, WheelUsesTheTableFromAnUnsnappedFrequency) {
    model.SetXoverFreq(kLpfBand, 1000.4);
    StepSelectedBand(model, true);
    EXPECT_EQ(model.GetXoverFreq(1), 1000);
    model.SetXoverFreq(kLpfBand, 1000.4);
    StepSelectedBand(model, false);
    EXPECT_EQ(model.GetXoverFreq(1), 1040);
}

TEST_F(ResponseEditTest, WheelIgnoresTheHpfMaximumAndTheCurveSwitchesOff) {
    ScopeLimits limits;
    limits.hpfMax = 303;
    model.SetLimits(limits);
    model.SetXoverFreq(kHpfBand, 303);
    EXPECT_FALSE(model.CrossoverOff(kHpfBand));
    StepSelectedBand(model, false);
    EXPECT_EQ(model.GetXoverFreq(0), 309);
    EXPECT_TRUE(model.CrossoverOff(kHpfBand));
    EXPECT_EQ(model.Readout(), kHpfBand);
}

TEST_F(ResponseEditTest, WheelStepsPeqGainByATenthAndClamps) {
    model.SetPeqGain(1, 11.9);
    EXPECT_EQ(StepSelectedBand(model, true), 3);
    EXPECT_EQ(model.Band(3).gain, 120);
    StepSelectedBand(model, true);
    EXPECT_EQ(model.Band(3).gain, 120);
    StepSelectedBand(model, false);
    EXPECT_EQ(model.Band(3).gain, 119);
}

TEST(ScopePopupTest, OpensHoversAndCloses) {
    ScopePopup popup;
    EXPECT_FALSE(popup.IsOpen());
    popup.OpenAt(100, 50);
    EXPECT_EQ(popup.State(), ScopePopup::kCopyHot);
    EXPECT_EQ(popup.PasteRect().top, 70);
    popup.Hover(110, 75);
    EXPECT_EQ(popup.State(), ScopePopup::kPasteHot);
    popup.Hover(104, 94);  // outside the items, inside the 5 px slack
    EXPECT_EQ(popup.State(), ScopePopup::kPasteHot);
    popup.Hover(100, 96);
    EXPECT_FALSE(popup.IsOpen());
    popup.OpenAt(100, 50);
    EXPECT_EQ(popup.Press(10, 10), ScopePopup::kNoItem);
    EXPECT_TRUE(popup.IsOpen());
    EXPECT_EQ(popup.Press(120, 71), ScopePopup::kPasteItem);
    EXPECT_FALSE(popup.IsOpen());
}

}  // namespace
}  // namespace velto
