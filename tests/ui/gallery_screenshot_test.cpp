// Renders the control gallery to gallery.png in the build tree (for a person to judge the
// look) and checks that every section actually drew something.

#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "controls/gallery/gallery_window.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

// Number of distinct colours in a region: a blank or failed drawing has very few.
size_t Colours(const QImage& image, const QRect& region) {
    std::set<QRgb> seen;
    for (int y = region.top(); y <= region.bottom(); y += 2) {
        for (int x = region.left(); x <= region.right(); x += 2)
            seen.insert(image.pixel(x, y));
    }
    return seen.size();
}

TEST(GalleryScreenshotTest, RendersEverySectionAndSavesThePicture) {
    test::App();
    GalleryWindow gallery;
    const QImage shot = gallery.Render();
    ASSERT_EQ(shot.size(), QSize(1240, 800));
    const QString path = QStringLiteral(VELTO_SCREENSHOT_DIR "/gallery.png");
    ASSERT_TRUE(shot.save(path, "PNG"));
    EXPECT_EQ(QImage(path).size(), shot.size());

    const QRect sections[] = {
        {30, 82, 776, 180},    // sliders
        {30, 312, 776, 160},   // buttons
        {30, 520, 370, 90},    // labels
        {438, 520, 370, 90},   // lists
        {30, 660, 776, 120},   // progress windows
        {850, 82, 360, 260},   // tabs
        {850, 394, 360, 380},  // faders
    };
    for (const QRect& section : sections)
        EXPECT_GT(Colours(shot, section), 40u) << section.x() << "," << section.y();
}

}  // namespace
}  // namespace velto
