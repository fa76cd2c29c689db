// CJinDuTiao and its link port: the revealed bar, the texts and calls from another thread.

#include <gtest/gtest.h>

#include <QTest>
#include <thread>

#include "controls/cjindutiao.h"
#include "controls/progress_window_port.h"
#include "controls/skin_resources.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

class ProgressWindowTest : public ::testing::Test {
  protected:
    ProgressWindowTest() : window(&owner) { window.SetTotal(923); }
    // True where the picture shows the full bar's pixel rather than the empty one.
    bool ShowsFullBar(int x) const {
        const int y = 63;
        return window.Picture().pixel(x, y) == full.pixel(x, y) &&
               window.Picture().pixel(x, y) != empty.pixel(x, y);
    }
    test::RecordingOwner owner;
    CJinDuTiao window;
    const QImage empty =
        LoadBitmapResource(132).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage full =
        LoadBitmapResource(133).convertToFormat(QImage::Format_ARGB32_Premultiplied);
};

struct RevealCase {
    int n;
    int revealed;
};

TEST_F(ProgressWindowTest, RevealsTheFullBarInProportion) {
    const RevealCase cases[] = {{0, 27}, {923, 516}, {18, 36}, {461, 271}, {2000, 516}, {-5, 27}};
    for (const auto& c : cases) {
        window.SetProgress(c.n);
        EXPECT_EQ(window.RevealedWidth(), c.revealed) << "n " << c.n;
    }
}

TEST_F(ProgressWindowTest, PictureShowsTheFullBarUpToTheRevealedWidth) {
    window.SetProgress(461);
    EXPECT_TRUE(ShowsFullBar(100));
    EXPECT_TRUE(ShowsFullBar(260));
    EXPECT_FALSE(ShowsFullBar(300));
    window.SetProgress(923);
    EXPECT_TRUE(ShowsFullBar(500));
}

TEST_F(ProgressWindowTest, TextIsTheFormatAppliedToThePercentage) {
    window.SetTexts(QStringLiteral("Read Device Data:%5.0f %%"), QStringLiteral("Call"), 461);
    EXPECT_EQ(window.Text(), QStringLiteral("Read Device Data:   50 %"));
    EXPECT_EQ(window.Title(), QStringLiteral("Call"));
}

TEST_F(ProgressWindowTest, ZeroTotalDoesNotDivideByZero) {
    window.SetTotal(0);
    window.SetTexts(QStringLiteral("%3.0f"), QString(), 10);
    EXPECT_EQ(window.RevealedWidth(), 27);
    EXPECT_EQ(window.Text(), QStringLiteral("  0"));
}

TEST_F(ProgressWindowTest, ClosingClearsTheTextsAndTheProgress) {
    window.SetTexts(QStringLiteral("%3.0f"), QStringLiteral("Call"), 500);
    window.show();
    window.close();
    EXPECT_EQ(window.Progress(), 0);
    EXPECT_TRUE(window.Title().isEmpty());
    EXPECT_TRUE(window.Text().isEmpty());
}

TEST_F(ProgressWindowTest, LinkThreadCallsArriveInOrderOnTheInterfaceThread) {
    UiProgressWindow port(window);
    std::thread link([&] {
        port.SetMaximum(923);
        port.SetCaption("Update Display Data:%5.0f %%");
        port.Show();
        for (int n = 0; n <= 923; n += 18)
            port.SetPosition(n);
        port.SetPosition(923);
    });
    link.join();
    // Nothing has touched the window yet; the queued calls run here.
    EXPECT_EQ(window.Progress(), 0);
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.RevealedWidth(), 516);
    EXPECT_EQ(window.Text(), QStringLiteral("Update Display Data:  100 %"));
    port.Hide();  // from the interface thread: at once
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace velto
