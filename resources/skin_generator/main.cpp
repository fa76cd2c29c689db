// Draws every skin of the program and writes them, with the resource list that embeds them,
// into the directory given as the only argument.  Run by the build; nothing here is hand-drawn.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <vector>

#include "controls/skin_atlas.h"
#include "resources/skin_generator/backdrop_skins.h"
#include "resources/skin_generator/button_skins.h"
#include "resources/skin_generator/control_skins.h"

namespace {

using velto::skin::KeyLook;
using velto::skin::TabIcon;
using velto::skin::WindowGlyph;

struct SkinFile {
    QString name;
    std::function<QImage()> draw;
};

QString PngName(int id) {
    return QStringLiteral("png_%1.png").arg(id);
}

QImage PngSkin(int id) {
    namespace s = velto::skin;
    switch (id) {
        case 136:
            return s::WindowButtonSkin(WindowGlyph::Close);
        case 137:
            return s::WindowButtonSkin(WindowGlyph::Maximise);
        case 138:
            return s::WindowButtonSkin(WindowGlyph::Hide);
        case s::band_strip::kPng:
            return s::BandStripSkin();
        case s::slider::kPng:
            return s::SliderSkin();
        case s::list::kPagePng:
            return s::ListSkin(136, 19, 119);
        case 146:
            return s::KeySkin(75, 22, KeyLook::Silver);
        case 147:
            return s::KeySkin(85, 17, KeyLook::Led);
        case 157:
            return s::KeySkin(66, 22, KeyLook::Dark);
        case 158:
            return s::TabSkin(TabIcon::Center);
        case 159:
            return s::TabSkin(TabIcon::Echo);
        case 160:
            return s::TabSkin(TabIcon::Reverb);
        case 161:
            return s::TabSkin(TabIcon::Main);
        case 162:
            return s::TabSkin(TabIcon::Mic);
        case 163:
            return s::TabSkin(TabIcon::Music);
        case 164:
            return s::TabSkin(TabIcon::Rear);
        case 165:
            return s::TabSkin(TabIcon::System);
        case 166:
            return s::TabSkin(TabIcon::Sub);
        case s::list::kMainPng:
            return s::ListSkin(129, 22, 118);
        case s::fader::kPng:
            return s::FaderSkin();
        default:
            // Numbers without a fixed user get a general-purpose key.
            return s::KeySkin(100, 24, KeyLook::Dark);
    }
}

std::vector<SkinFile> AllSkins() {
    namespace s = velto::skin;
    std::vector<SkinFile> files;
    files.push_back({QStringLiteral("icon_128.png"), s::AppIconImage});
    files.push_back({QStringLiteral("bmp_132.png"), [] { return s::ProgressSkin(false); }});
    files.push_back({QStringLiteral("bmp_133.png"), [] { return s::ProgressSkin(true); }});
    files.push_back({QStringLiteral("bmp_134.png"), s::MainWindowSkin});
    for (int id = s::kPngFirst; id <= s::kPngLast; ++id) {
        files.push_back({PngName(id), [id] { return PngSkin(id); }});
    }
    return files;
}

bool WriteResourceList(const QDir& dir, const std::vector<SkinFile>& files) {
    QFile qrc(dir.filePath(QStringLiteral("velto_skins.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/skins\">\n";
    for (const auto& file : files)
        out << "    <file>" << file.name << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    const auto files = AllSkins();
    for (const auto& file : files) {
        if (!file.draw().save(dir.filePath(file.name), "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.name));
            return 1;
        }
    }
    return WriteResourceList(dir, files) ? 0 : 1;
}
