// The gallery's EQ section keeps the display and the band strips in step both ways.

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "controls/gallery/eq_gallery_window.h"
#include "scope_input.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

class EqGalleryTest : public testing::Test {
  protected:
    EqGalleryTest() {
        window.show();
        QApplication::setActiveWindow(&window);  // focus moves only inside the active window
        (void)QTest::qWaitForWindowActive(&window);
    }

    QApplication& app = test::App();  // before any widget
    EqGalleryWindow window;
};

TEST_F(EqGalleryTest, StartsWithEditorsAndDisplayInStep) {
    for (int k = 0; k < EqGalleryWindow::kBands; ++k) {
        EXPECT_EQ(window.Scope().GetPeqFreq(k), window.Editor(k).GetValue(1)) << k;
        EXPECT_EQ(window.Scope().GetPeqGain(k), window.Editor(k).GetValue(0)) << k;
        EXPECT_EQ(window.Scope().GetPeqQ(k), window.Editor(k).GetValue(2)) << k;
        EXPECT_EQ(window.Scope().GetPeqType(k), window.Editor(k).GetValue(3)) << k;
    }
}

TEST_F(EqGalleryTest, DraggingAMarkerMovesItsStrip) {
    CKel_Scope& scope = window.Scope();
    const ResponseModel& model = scope.Model();
    const QPoint start(MarkerX(model, 9), MarkerY(model, 9));
    test::Press(&scope, start);
    test::Move(&scope, {start.x() + 40, model.Geometry().Plot().top});
    test::Release(&scope, {start.x() + 40, model.Geometry().Plot().top});
    EXPECT_EQ(window.Editor(7).BoxText(0), "12.0");
    EXPECT_EQ(window.Editor(7).GetValue(1), scope.GetPeqFreq(7));
}

TEST_F(EqGalleryTest, TypingIntoAStripMovesTheDisplay) {
    QLineEdit* box = window.Editor(4).Box(1);
    box->setFocus();
    box->setText("1005");
    window.Editor(9).setFocus();
    EXPECT_EQ(window.Scope().GetPeqFreq(4), 1020);
    test::Key(&window.Editor(9), Qt::Key_Up);
    EXPECT_DOUBLE_EQ(window.Scope().GetPeqGain(9), window.Editor(9).GetValue(0));
}

TEST_F(EqGalleryTest, Picture) {
    ASSERT_TRUE(window.Render().save(QDir(VELTO_SCOPE_PNG_DIR).filePath("eq_gallery.png")));
}

}  // namespace
}  // namespace velto
