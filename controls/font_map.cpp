#include "controls/font_map.h"

#include <QStringList>
#include <algorithm>

namespace velto {
namespace {

constexpr int kStyleBold = 1;
constexpr int kStyleItalic = 2;
constexpr int kStyleUnderline = 4;
constexpr int kStyleStrikeout = 8;

const QString kCjkFamily = QStringLiteral("WenQuanYi Micro Hei");

}  // namespace

void InstallFontSubstitutions() {
    static const bool installed = [] {
        // Latin faces first where they look closer to the requested one; the CJK face covers
        // every Chinese character either way.
        const QStringList sans{QStringLiteral("DejaVu Sans"), kCjkFamily};
        const QStringList serif{QStringLiteral("DejaVu Serif"), kCjkFamily};
        const QStringList cjk{kCjkFamily, QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(QStringLiteral("微软雅黑"), cjk);
        QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), cjk);
        QFont::insertSubstitutions(QStringLiteral("宋体"), cjk);
        QFont::insertSubstitutions(QStringLiteral("SimSun"), cjk);
        QFont::insertSubstitutions(QStringLiteral("黑体"), cjk);
        QFont::insertSubstitutions(QStringLiteral("SimHei"), cjk);
        QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"), serif);
        return true;
    }();
    (void)installed;
}

QFont MakeFont(const QString& family, double pixelSize, int styleBits) {
    InstallFontSubstitutions();
    QString name = family;
    bool bold = (styleBits & kStyleBold) != 0;
    static const QString kBoldSuffix = QStringLiteral(" Bold");
    if (name.endsWith(kBoldSuffix)) {
        name.chop(kBoldSuffix.size());
        bold = true;
    }
    QFont font(name);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
    font.setBold(bold);
    font.setItalic((styleBits & kStyleItalic) != 0);
    font.setUnderline((styleBits & kStyleUnderline) != 0);
    font.setStrikeOut((styleBits & kStyleStrikeout) != 0);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace velto
