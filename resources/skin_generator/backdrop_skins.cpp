#include "resources/skin_generator/backdrop_skins.h"

#include <QPainterPath>
#include <QRandomGenerator>

#include "controls/skin_atlas.h"
#include "resources/skin_generator/skin_style.h"

namespace velto::skin {
namespace {

// Fine horizontal streaks give the chassis a brushed-metal finish; fixed seed, same every build.
void Brush(QPainter& p, const QRectF& r, int alpha) {
    QRandomGenerator random(1204703);
    for (int y = static_cast<int>(r.top()); y < r.bottom(); ++y) {
        const int shade = static_cast<int>(random.bounded(2 * alpha + 1)) - alpha;
        p.setPen(shade > 0 ? QColor(255, 255, 255, shade) : QColor(0, 0, 0, -shade));
        p.drawLine(QPointF(r.left(), y + 0.5), QPointF(r.right(), y + 0.5));
    }
}

void Screw(QPainter& p, const QPointF& c) {
    QRadialGradient g(c - QPointF(1, 1), 4);
    g.setColorAt(0, QColor(0x9A, 0xA2, 0xAB));
    g.setColorAt(1, QColor(0x3A, 0x40, 0x47));
    p.setPen(QPen(palette::kEdgeDark, 0.8));
    p.setBrush(g);
    p.drawEllipse(c, 3.2, 3.2);
    p.setPen(QPen(QColor(0x20, 0x24, 0x29), 1));
    p.drawLine(c + QPointF(-2, 1), c + QPointF(2, -1));
}

// A sunken panel with a thin light rim at the bottom edge.
void Recess(QPainter& p, const QRectF& r, const QColor& fill, double radius) {
    p.setPen(QPen(palette::kEdgeDark, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    QColor rim = palette::kEdgeLight;
    rim.setAlpha(70);
    p.setPen(QPen(rim, 1));
    p.drawLine(QPointF(r.left() + radius, r.bottom() + 1),
               QPointF(r.right() - radius, r.bottom() + 1));
}

void Caption(QPainter& p, const QRectF& r, const QString& text, int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(font);
    p.setPen(palette::kTextDim);
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace

QImage MainWindowSkin() {
    const QRectF all(0, 0, 1204, 703);
    QImage image = Canvas(1204, 703);
    QPainter p(&image);
    Prepare(p);
    QLinearGradient chassis(all.topLeft(), all.bottomLeft());
    chassis.setColorAt(0, QColor(0x22, 0x26, 0x2B));
    chassis.setColorAt(1, palette::kCase);
    p.fillRect(all, chassis);
    Brush(p, all, 6);

    // Title strip across the top and the brand plate at the top left.
    p.fillRect(QRectF(0, 0, 1204, 27), QColor(0x10, 0x12, 0x15));
    p.setPen(QPen(QColor(0x3A, 0x40, 0x47), 1));
    p.drawLine(QPointF(282, 27.5), QPointF(1204, 27.5));
    Plate(p, QRectF(6, 4, 266, 50), QColor(0x2E, 0x33, 0x39), QColor(0x1A, 0x1D, 0x21), 6);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kAccent);
    p.drawRoundedRect(QRectF(12, 14, 4, 30), 2, 2);
    Screw(p, QPointF(258, 15));
    Screw(p, QPointF(258, 43));

    // Left column: link status row, page tabs, input selector and mode keys, master faders.
    Recess(p, QRectF(8, 57, 262, 23), QColor(0x12, 0x14, 0x17), 4);
    Recess(p, QRectF(4, 81, 270, 247), QColor(0x15, 0x18, 0x1B), 5);
    Caption(p, QRectF(16, 330, 250, 14), QStringLiteral("INPUT  /  MODE"), 9);
    Recess(p, QRectF(22, 343, 236, 59), QColor(0x15, 0x18, 0x1B), 5);
    Caption(p, QRectF(16, 405, 250, 14), QStringLiteral("MASTER"), 9);
    Recess(p, QRectF(8, 420, 262, 275), QColor(0x13, 0x15, 0x18), 6);
    for (int i = 1; i < 4; ++i) {
        const double x = 18 + 69.5 * i - 7;
        p.setPen(QPen(QColor(0x2A, 0x2F, 0x35), 1));
        p.drawLine(QPointF(x, 428), QPointF(x, 688));
    }

    // The page area: a slate face with a darker bay for the response display.
    const QRectF page(282, 27, 922, 676);
    QLinearGradient face(page.topLeft(), page.bottomLeft());
    face.setColorAt(0, QColor(0x2A, 0x2F, 0x34));
    face.setColorAt(1, QColor(0x1F, 0x23, 0x27));
    p.fillRect(page, face);
    Brush(p, page, 4);
    p.setPen(QPen(palette::kEdgeDark, 2));
    p.drawLine(QPointF(282, 27), QPointF(282, 703));
    Recess(p, QRectF(282 + 15, 27 + 1, 884, 302), QColor(0x0E, 0x10, 0x13), 6);
    QColor rule = palette::kEdgeLight;
    rule.setAlpha(50);
    p.setPen(QPen(rule, 1));
    p.drawLine(QPointF(282 + 12, 27 + 312.5), QPointF(1204 - 12, 27 + 312.5));
    p.drawLine(QPointF(282 + 12, 27 + 450.5), QPointF(1204 - 12, 27 + 450.5));
    Screw(p, QPointF(1196, 35));
    Screw(p, QPointF(1196, 695));
    Screw(p, QPointF(290, 695));
    return image;
}

QImage ProgressSkin(bool full) {
    QImage image = Canvas(kProgressWidth, kProgressHeight);
    QPainter p(&image);
    Prepare(p);
    const QRectF all(0, 0, kProgressWidth, kProgressHeight);
    Plate(p, all, QColor(0x30, 0x35, 0x3B), QColor(0x15, 0x18, 0x1B), 10);
    p.fillRect(QRectF(10, 30, kProgressWidth - 20, 1), QColor(0x3A, 0x40, 0x47));
    const QRectF bar(kProgressBarLeft, 48, kProgressBarLength, 30);
    Well(p, bar, 6);
    if (full) {
        QLinearGradient glow(bar.topLeft(), bar.topRight());
        glow.setColorAt(0, QColor(0x2E, 0x9B, 0xD6));
        glow.setColorAt(1, palette::kFocus.lighter(115));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRoundedRect(bar.adjusted(2, 2, -2, -2), 5, 5);
        QLinearGradient gloss(bar.topLeft(), bar.bottomLeft());
        gloss.setColorAt(0, QColor(255, 255, 255, 110));
        gloss.setColorAt(0.5, QColor(255, 255, 255, 10));
        gloss.setColorAt(1, QColor(0, 0, 0, 40));
        p.setBrush(gloss);
        p.drawRoundedRect(bar.adjusted(2, 2, -2, -2), 5, 5);
    }
    // Segment marks every tenth, like a level meter.
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    for (int i = 1; i < 10; ++i) {
        const double x = bar.left() + bar.width() * i / 10.0;
        p.drawLine(QPointF(x, bar.top() + 3), QPointF(x, bar.bottom() - 3));
    }
    return image;
}

QImage AppIconImage() {
    QImage image = Canvas(256, 256);
    QPainter p(&image);
    Prepare(p);
    Plate(p, QRectF(8, 8, 240, 240), QColor(0x3A, 0x40, 0x47), QColor(0x14, 0x17, 0x1A), 44);
    // Three fader caps at different heights under an EQ curve.
    for (int i = 0; i < 3; ++i) {
        const double x = 72 + i * 56;
        Well(p, QRectF(x - 5, 70, 10, 140), 5);
        const double y = 170 - i * 36 + (i == 2 ? 50 : 0);
        Plate(p, QRectF(x - 20, y - 12, 40, 24), QColor(0xE4, 0xE7, 0xEA), QColor(0x9A, 0xA2, 0xAB),
              6);
        p.setPen(QPen(palette::kAccent, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 13, y), QPointF(x + 13, y));
    }
    QPainterPath curve(QPointF(36, 120));
    curve.cubicTo(QPointF(90, 40), QPointF(150, 190), QPointF(220, 90));
    p.setPen(QPen(palette::kFocus, 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    return image;
}

}  // namespace velto::skin
