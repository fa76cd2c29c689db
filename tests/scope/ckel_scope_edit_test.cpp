// Editing the response display with the mouse, the wheel and the keys, and the notifications
// the page receives.

#include <gtest/gtest.h>

#include <QApplication>

#include "controls/core/response_tables.h"
#include "scope_input.h"
#include "scope_ui_fixture.h"

namespace velto {

namespace {

using test::Key;
using test::Move;
using test::Press;
using test::Received;
using test::Release;
using test::ScopeUiTest;
using test::Wheel;

constexpr int kId = test::kScopeId;

TEST_F(ScopeUiTest, PeqMarkerDraggedToThePlotEdgesGivesTheAxisEnds) {
    scope.SetPeqFreq(1, 1000);
    const QPoint start = Marker(3);
    Press(&scope, start);
    Move(&scope, {start.x(), Plot().top});
    EXPECT_DOUBLE_EQ(scope.GetPeqGain(1), 12.0);
    Move(&scope, {start.x(), Plot().bottom});
    EXPECT_DOUBLE_EQ(scope.GetPeqGain(1), -24.0);
    Release(&scope, {start.x(), Plot().bottom});
    EXPECT_DOUBLE_EQ(scope.GetPeqGain(1), -24.0);
}

TEST_F(ScopeUiTest, DragNotifiesAtThePressAndEveryMoveButNotAtTheRelease) {
    scope.SetPeqFreq(4, 500);
    const QPoint start = Marker(6);
    Press(&scope, start);
    EXPECT_EQ(Notices(), (std::vector<Received>{{kId, 0, 4}}));
    for (int dx = 10; dx <= 50; dx += 10)
        Move(&scope, start + QPoint(dx, -dx));
    EXPECT_EQ(Notices().size(), 6u);
    for (const Received& m : Notices())
        EXPECT_EQ(m, (Received{kId, 0, 4}));
    Release(&scope, start + QPoint(50, -50));
    EXPECT_EQ(Notices().size(), 6u);
    // The released marker jumps to the column of its snapped frequency.
    const ScopeBand& band = Model().Band(6);
    EXPECT_EQ(band.xOffset, Model().Geometry().XFromFreq(band.freq));
    EXPECT_FALSE(Model().Dragging());
    EXPECT_EQ(band.freq, SnapFreq(Model().Geometry().FreqFromX(start.x() + 50 - Plot().left)));
}

TEST_F(ScopeUiTest, PageSeesTheNewValuesWhenNotified) {
    // A page reads the getters inside its handler; the values must already be there.
    class ReadingOwner : public test::RecordingOwner {
      public:
        CKel_Scope* scope = nullptr;
        std::vector<double> gains;

      protected:
        LResult OnMessage(int message, WParam wParam, LParam lParam) override {
            if (message == kId && wParam == 0) gains.push_back(scope->GetPeqGain(lParam));
            return RecordingOwner::OnMessage(message, wParam, lParam);
        }
    } page;
    CKel_Scope display(&page);
    display.SetControlId(kId);
    display.setGeometry(0, 0, 800, 300);
    display.InitBands(8);
    display.show();
    page.scope = &display;
    display.SetPeqFreq(0, 1000);
    const QPoint at(MarkerX(display.Model(), 2), MarkerY(display.Model(), 2));
    Press(&display, at);
    Move(&display, {at.x(), display.Model().Geometry().Plot().top});
    ASSERT_EQ(page.gains.size(), 2u);
    EXPECT_EQ(page.gains[0], 0.0);
    EXPECT_EQ(page.gains[1], 12.0);
}

TEST_F(ScopeUiTest, OverlappingMarkersPickTheLowerBand) {
    scope.SetPeqFreq(3, 1000);
    scope.SetPeqFreq(7, 1000);
    scope.SetPeqFreq(1, 1000);
    Press(&scope, Marker(5));
    EXPECT_EQ(Model().Selected(), 3);
    EXPECT_EQ(Notices().back(), (Received{kId, 0, 1}));
    Release(&scope, Marker(5));
}

TEST_F(ScopeUiTest, CrossoverDragStaysOnTheZeroLine) {
    scope.SetXoverFreq(1, 8000);
    const QPoint start = Marker(kLpfBand);
    Press(&scope, start);
    Move(&scope, start + QPoint(-40, -100));
    EXPECT_EQ(Model().Band(kLpfBand).yOffset, 0);
    EXPECT_EQ(Notices().back(), (Received{kId, 2, 0}));
    EXPECT_LT(scope.GetXoverFreq(1), 8000);
    Release(&scope, start + QPoint(-40, -100));
}

TEST_F(ScopeUiTest, WheelStepsTheHpfThroughTheTable) {
    scope.SetXoverFreq(0, 19);
    Click(Marker(kHpfBand));
    ASSERT_EQ(Model().Selected(), kHpfBand);
    owner.messages.clear();
    Wheel(&scope, +120);
    EXPECT_EQ(scope.GetXoverFreq(0), 19.0);
    Wheel(&scope, -120);
    EXPECT_EQ(scope.GetXoverFreq(0), 19.7);
    EXPECT_EQ(Notices(), (std::vector<Received>{{kId, 1, 0}, {kId, 1, 0}}));
    scope.SetXoverFreq(0, 20600);  // clamped to the HPF maximum 303
    EXPECT_EQ(scope.GetXoverFreq(0), 303);
    Wheel(&scope, -120);
    EXPECT_EQ(scope.GetXoverFreq(0), 309);  // the wheel does not apply the page's limits
    EXPECT_EQ(scope.ReadoutText(kHpfBand), "F:309");
}

TEST_F(ScopeUiTest, WheelDownAtTheTopOfTheTableStays) {
    scope.SetXoverFreq(1, 20600);
    Wheel(&scope, -120);
    EXPECT_EQ(scope.GetXoverFreq(1), 20600);
    EXPECT_EQ(Notices().back(), (Received{kId, 2, 0}));
}

TEST_F(ScopeUiTest, WheelOnAPeqBandAtTheTopStillNotifies) {
    scope.SetPeqGain(2, 12);
    Wheel(&scope, +120);
    EXPECT_EQ(Model().Band(4).gain, 120);
    EXPECT_EQ(Notices(), (std::vector<Received>{{kId, 0, 2}}));
}

TEST_F(ScopeUiTest, ArrowKeysStepOnlyOnceTheDisplayHasTheFocus) {
    scope.SetPeqGain(0, 0);
    if (QWidget* focus = QApplication::focusWidget()) Key(focus, Qt::Key_Up);
    EXPECT_EQ(Model().Band(2).gain, 0);
    Click(Marker(2));
    ASSERT_EQ(QApplication::focusWidget(), &scope);
    owner.messages.clear();
    Key(QApplication::focusWidget(), Qt::Key_Up);
    Key(QApplication::focusWidget(), Qt::Key_Up);
    Key(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(Model().Band(2).gain, 1);
    EXPECT_EQ(Notices().size(), 3u);
}

TEST_F(ScopeUiTest, QHandleDragSetsQAndNotifiesOnEveryMoveAndAtTheRelease) {
    scope.SetPeqFreq(5, 1000);
    scope.SetPeqGain(5, 9);  // lifts the handles clear of the other markers on the zero line
    scope.SetPeqQ(5, 1.5);
    const int b = 7;
    const IntRect right = HandleRect(Model(), HandleSide::Right);
    const QPoint grip((right.left + right.right) / 2, (right.top + right.bottom) / 2);
    owner.messages.clear();
    Press(&scope, grip);
    EXPECT_TRUE(scope.RightHandleHeld());
    EXPECT_TRUE(Notices().empty());
    Move(&scope, grip + QPoint(30, 0));
    const int p = Model().Band(b).xOffset;
    EXPECT_EQ(scope.GetPeqQ(5), QFromHandle(HandleSide::Right, p, grip.x() + 30));
    Move(&scope, grip + QPoint(-20, 0));
    EXPECT_EQ(scope.GetPeqQ(5), QFromHandle(HandleSide::Right, p, grip.x() - 20));
    Release(&scope, grip + QPoint(-25, 0));
    EXPECT_EQ(scope.GetPeqQ(5), QFromHandle(HandleSide::Right, p, grip.x() - 25));
    EXPECT_FALSE(scope.RightHandleHeld());
    EXPECT_EQ(Notices(), (std::vector<Received>(3, Received{kId, 0, 5})));
}

TEST_F(ScopeUiTest, HoverChoosesTheReadoutBand) {
    scope.SetPeqFreq(9, 4000);
    scope.SetPeqGain(0, 3);
    Move(&scope, Marker(11), Qt::NoButton);
    EXPECT_EQ(Model().Readout(), 11);
    EXPECT_EQ(Model().Selected(), 2);
    EXPECT_TRUE(Notices().empty());
}

TEST_F(ScopeUiTest, CopyPastePopupNeedsTheEnable) {
    Press(&scope, {300, 200}, Qt::RightButton);
    Release(&scope, {300, 200}, Qt::RightButton);
    EXPECT_FALSE(scope.Popup().IsOpen());

    scope.SetCopyPasteEnabled(1);
    Release(&scope, {300, 200}, Qt::RightButton);
    ASSERT_TRUE(scope.Popup().IsOpen());
    EXPECT_EQ(scope.Popup().State(), ScopePopup::kCopyHot);
    Move(&scope, {310, 225}, Qt::NoButton);
    EXPECT_EQ(scope.Popup().State(), ScopePopup::kPasteHot);
    scope.repaint();
    EXPECT_EQ(scope.LastFrame().pixel(302, 222), 0xFFFFFF32u);
    EXPECT_EQ(scope.LastFrame().pixel(302, 202), 0xFFFFFFFFu);
    owner.messages.clear();
    Press(&scope, {310, 225});
    EXPECT_FALSE(scope.Popup().IsOpen());
    EXPECT_EQ(Notices(), (std::vector<Received>{{kId, 4, 0}}));

    Release(&scope, {100, 100}, Qt::RightButton);
    Press(&scope, {105, 105});
    EXPECT_EQ(Notices().back(), (Received{kId, 3, 0}));
    Release(&scope, {500, 300}, Qt::RightButton);
    Move(&scope, {500, 360}, Qt::NoButton);
    EXPECT_FALSE(scope.Popup().IsOpen());
}

TEST_F(ScopeUiTest, SettersDuringADragStoreWithoutMovingTheSelection) {
    scope.SetPeqFreq(2, 700);
    Press(&scope, Marker(4));
    scope.SetPeqGain(6, 4);
    EXPECT_EQ(Model().Band(8).gain, 40);
    EXPECT_EQ(Model().Selected(), 4);
    Release(&scope, Marker(4));
}

}  // namespace
}  // namespace velto
