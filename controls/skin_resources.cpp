#include "controls/skin_resources.h"

#include <QString>

// The generated resource file is linked from a static library; naming its initialiser here
// keeps the linker from dropping it.
static void InitSkinResources() {
    Q_INIT_RESOURCE(velto_skins);
}

namespace velto {
namespace {

QImage LoadSkinFile(const QString& name) {
    static const bool initialised = [] {
        InitSkinResources();
        return true;
    }();
    (void)initialised;
    return QImage(QStringLiteral(":/skins/") + name);
}

}  // namespace

QImage LoadPngResource(int id) {
    return LoadSkinFile(QStringLiteral("png_%1.png").arg(id));
}

QImage LoadBitmapResource(int id) {
    return LoadSkinFile(QStringLiteral("bmp_%1.png").arg(id));
}

QIcon AppIcon() {
    return QIcon(QPixmap::fromImage(LoadSkinFile(QStringLiteral("icon_128.png"))));
}

}  // namespace velto
