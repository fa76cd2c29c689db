// velto-gallery [--screenshot FILE]: shows the controls; with --screenshot renders them
// offscreen into a PNG and exits.

#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstring>

#include "controls/font_map.h"
#include "controls/gallery/eq_gallery_window.h"
#include "controls/gallery/gallery_window.h"
#include "controls/skin_resources.h"

int main(int argc, char** argv) {
    const char* screenshot = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
    }
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    velto::InstallFontSubstitutions();
    velto::GalleryWindow gallery;
    gallery.setWindowIcon(velto::AppIcon());
    velto::EqGalleryWindow eqGallery;
    eqGallery.setWindowIcon(velto::AppIcon());
    if (screenshot) {
        // The EQ section goes next to the gallery picture as "<name>-eq.png".
        QString eqPath = QString::fromLocal8Bit(screenshot);
        eqPath.insert(eqPath.endsWith(QStringLiteral(".png")) ? eqPath.size() - 4 : eqPath.size(),
                      QStringLiteral("-eq"));
        if (!gallery.Render().save(QString::fromLocal8Bit(screenshot), "PNG") ||
            !eqGallery.Render().save(eqPath, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", screenshot);
            return 1;
        }
        return 0;
    }
    gallery.show();
    eqGallery.show();
    return app.exec();
}
