// CKel_Scope on the offscreen platform: setters as the page uses them, images, painting,
// PaintInto, size changes and the animation.

#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "controls/ckel_scope_images.h"
#include "controls/core/response_tables.h"
#include "scope_input.h"
#include "scope_ui_fixture.h"

namespace velto {
namespace {

using test::ScopeUiTest;

constexpr QRgb kBackground = 0xFFD3D8D5;

// The Music page's "REST" frequencies and a spread of gains, Qs and types.
void LoadSpreadOfBands(CKel_Scope& scope) {
    const double freqs[15] = {19.7,  31.7,   51.1,   82.2,   132.3,  213.0,  342.9,  552.0,
                              888.7, 1430.6, 2303.1, 3707.7, 5968.8, 9608.9, 15468.9};
    for (int i = 0; i < 15; ++i) {
        scope.SetPeqFreq(i, freqs[i]);
        scope.SetPeqGain(i, (i % 5) * 3.5 - 7);
        scope.SetPeqQ(i, 0.7 + 0.4 * (i % 4));
    }
    scope.SetPeqType(0, kLowShelfType);
    scope.SetPeqType(14, kHighShelfType);
    scope.SetXoverFreq(0, 60);
    scope.SetXoverFreq(1, 12000);
    scope.SetXoverType(20);
}

TEST_F(ScopeUiTest, FreshDisplayShowsFlatSumAndCrossoversOff) {
    EXPECT_EQ(scope.ReadoutText(kHpfBand), "F:OFF");
    EXPECT_EQ(scope.ReadoutText(kLpfBand), "F:OFF");
    scope.repaint();
    for (int v : Model().DisplayRow(1))
        ASSERT_EQ(v, 0);
    EXPECT_EQ(scope.LastFrame().pixel(2, 2), kBackground);
}

TEST_F(ScopeUiTest, ReadoutFollowsTheFormats) {
    scope.SetXoverFreq(0, 45.25);
    EXPECT_EQ(scope.ReadoutText(kHpfBand), "F:45.2");  // printf rounding of 45.25
    scope.SetXoverFreq(0, 250);
    EXPECT_EQ(scope.ReadoutText(kHpfBand), "F:250");
    scope.SetPeqFreq(0, 63.7);
    scope.SetPeqQ(0, 2.4);
    scope.SetPeqGain(0, -3.5);
    EXPECT_EQ(scope.ReadoutText(2), "F:63.7 Q:2.40 G:-3.5");
    scope.SetPeqFreq(0, 1000);
    EXPECT_EQ(scope.ReadoutText(2), "F:1000 Q:2.40 G:-3.5");
}

TEST_F(ScopeUiTest, SettersNeverNotifyThePage) {
    LoadSpreadOfBands(scope);
    EXPECT_TRUE(Notices().empty());
    EXPECT_EQ(Model().Selected(), kHpfBand);  // SetXoverType(20) refreshed the HPF last
}

TEST_F(ScopeUiTest, MarkerStripHasSixFramesPerBand) {
    const QImage strip = BuildMarkerStrip(17);
    EXPECT_EQ(strip.size(), QSize(180, 18 * 17));
    // Frame 0 rings in the band colour, frames 1-5 in green.
    const QColor ring0 = strip.pixelColor(9, 18 * 5 + 2);
    const QColor ring1 = strip.pixelColor(18 + 9, 18 * 5 + 3);
    EXPECT_GT(ring0.red(), 200);
    EXPECT_GT(ring1.green(), 150);
    EXPECT_LT(ring1.red(), 120);
    EXPECT_EQ(BuildQHandleImage().size(), QSize(72, 72));
    EXPECT_EQ(BuildEqPassImage().size(), QSize(512, 64));
}

TEST_F(ScopeUiTest, EqPassMarkIsDrawnOnlyWhileTheEqIsOff) {
    LoadSpreadOfBands(scope);
    scope.repaint();
    const QImage on = scope.LastFrame().copy();
    const std::vector<int> sumOn(Model().DisplayRow(1).begin(), Model().DisplayRow(1).end());
    scope.SetEqOn(0);
    EXPECT_EQ(scope.IsEqOn(), 0);
    scope.repaint();
    const QImage off = scope.LastFrame();
    const std::vector<int> sumOff(Model().DisplayRow(1).begin(), Model().DisplayRow(1).end());
    EXPECT_EQ(sumOn, sumOff);
    // The mark sits near the bottom centre of the plot.
    const QRect mark(Model().Geometry().Width() / 2 - 64, Plot().bottom - 70, 448, 64);
    int changed = 0;
    for (int y = mark.top(); y <= mark.bottom(); y += 2) {
        for (int x = mark.left(); x <= mark.right(); x += 2)
            changed += on.pixel(x, y) != off.pixel(x, y);
    }
    EXPECT_GT(changed, 200);
}

TEST_F(ScopeUiTest, PaintIntoCopiesTheFrameToTheDisplaysPlace) {
    LoadSpreadOfBands(scope);
    CMemDcClass target(&owner, QRect(0, 0, 1100, 700));
    target.Image().fill(Qt::black);
    scope.PaintInto(target, 0);
    EXPECT_EQ(target.Image().pixel(10 + 2, 10 + 2), kBackground);
    EXPECT_EQ(target.Image().pixel(5, 5), QColor(Qt::black).rgba());
    EXPECT_EQ(target.Image().copy(10, 10, 1000, 400), scope.LastFrame());
}

TEST_F(ScopeUiTest, SizeChangeKeepsValuesAndMovesMarkers) {
    LoadSpreadOfBands(scope);
    const double gain = scope.GetPeqGain(3);
    const double freq = scope.GetPeqFreq(3);
    scope.resize(1400, 500);
    EXPECT_EQ(Model().Geometry().Width(), 1400 - 48);
    EXPECT_EQ(scope.GetPeqGain(3), gain);
    EXPECT_EQ(scope.GetPeqFreq(3), freq);
    EXPECT_EQ(Model().Band(5).xOffset, Model().Geometry().XFromFreq(freq));
    scope.repaint();
    EXPECT_EQ(scope.LastFrame().size(), QSize(1400, 500));
    EXPECT_FALSE(Model().RecomputeAllPending());
    EXPECT_NE(Model().DisplayRow(1)[Model().Band(5).xOffset], 0);
}

TEST_F(ScopeUiTest, AnimationCyclesFramesOneToFiveAndStops) {
    scope.SetAnimation(1);
    EXPECT_EQ(Model().Selected(), kFirstPeqBand);
    EXPECT_TRUE(scope.AnimationRunning());
    EXPECT_EQ(scope.AnimationFrame(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return scope.AnimationFrame() == 5; }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return scope.AnimationFrame() == 1; }, 3000));
    scope.SetAnimation(0);
    EXPECT_FALSE(scope.AnimationRunning());
    const int frame = scope.AnimationFrame();
    QTest::qWait(250);
    EXPECT_EQ(scope.AnimationFrame(), frame);
}

TEST_F(ScopeUiTest, PictureWithSeventeenBands) {
    LoadSpreadOfBands(scope);
    scope.resize(1200, 420);
    scope.SetPeqGain(6, 9);  // selected: band 8 is highlighted with its Q handles
    scope.repaint();
    const QImage& frame = scope.LastFrame();
    // The selected marker is drawn where its hit rectangle is.
    const QColor marker = frame.pixelColor(Marker(8) + QPoint(-2, 0));
    EXPECT_NE(marker.rgba(), kBackground);
    const QString path = QDir(VELTO_SCOPE_PNG_DIR).filePath("ckel_scope_17_bands.png");
    ASSERT_TRUE(frame.save(path));
}

}  // namespace
}  // namespace velto
