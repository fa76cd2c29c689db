#include "resources/skin_generator/button_skins.h"

#include <QPainterPath>
#include <functional>

#include "controls/skin_atlas.h"
#include "resources/skin_generator/skin_style.h"

namespace velto::skin {
namespace {

using FaceFn = std::function<void(QPainter&, const QRectF&, bool selected)>;

// Lays out the four frames; the overlays only tint, so the state underneath stays visible.
QImage FourFrames(int width, int height, double radius, const FaceFn& face) {
    const int fw = width * kSkinDensity;
    const int fh = height * kSkinDensity;
    QImage image = Canvas(fw * button::kFrames, fh);
    QPainter painter(&image);
    Prepare(painter);
    const QRectF frame(0, 0, fw, fh);
    face(painter, frame, false);
    face(painter, frame.translated(fw, 0), true);

    const QRectF hover = frame.translated(2 * fw, 0).adjusted(1, 1, -1, -1);
    QColor wash = QColor(255, 255, 255, 34);
    painter.setPen(Qt::NoPen);
    painter.setBrush(wash);
    painter.drawRoundedRect(hover, radius, radius);
    Glow(painter, hover, palette::kFocus, radius);

    const QRectF disabled = frame.translated(3 * fw, 0).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(14, 16, 19, 160));
    painter.drawRoundedRect(disabled, radius, radius);
    return image;
}

void DarkFace(QPainter& painter, const QRectF& r, bool selected, double radius) {
    if (selected) {
        Plate(painter, r, QColor(0x4A, 0x51, 0x59), QColor(0x2C, 0x31, 0x37), radius);
        // An amber strip along the bottom edge marks the engaged key.
        QRectF strip(r.left() + radius, r.bottom() - r.height() * 0.16 - 1, r.width() - 2 * radius,
                     r.height() * 0.12);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette::kAccent);
        painter.drawRoundedRect(strip, strip.height() / 2, strip.height() / 2);
        Glow(painter, r.adjusted(1, 1, -1, -1), palette::kAccent, radius);
    } else {
        Plate(painter, r, QColor(0x3A, 0x40, 0x47), QColor(0x22, 0x26, 0x2B), radius);
    }
}

void SilverFace(QPainter& painter, const QRectF& r, bool selected, double radius) {
    if (selected) {
        Plate(painter, r, palette::kAccent.lighter(125), palette::kAccent.darker(115), radius);
    } else {
        Plate(painter, r, QColor(0xE4, 0xE7, 0xEA), QColor(0xA9, 0xB0, 0xB7), radius);
    }
}

void LedFace(QPainter& painter, const QRectF& r, bool selected, double radius) {
    Plate(painter, r, QColor(0x33, 0x39, 0x40), QColor(0x1E, 0x22, 0x27), radius);
    const double led = r.height() * 0.17;
    Led(painter, QPointF(r.left() + r.height() * 0.45, r.center().y()), led, palette::kLedGreen,
        selected);
}

void DrawGlyph(QPainter& painter, const QRectF& r, WindowGlyph glyph, const QColor& colour) {
    const double d = r.width() * 0.22;
    const QPointF c = r.center();
    painter.setPen(QPen(colour, r.width() * 0.09, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    switch (glyph) {
        case WindowGlyph::Hide:
            painter.drawLine(QPointF(c.x() - d, c.y() + d * 0.6),
                             QPointF(c.x() + d, c.y() + d * 0.6));
            break;
        case WindowGlyph::Maximise:
            painter.drawRect(QRectF(c.x() - d, c.y() - d, 2 * d, 2 * d));
            break;
        case WindowGlyph::Close:
            painter.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
            painter.drawLine(QPointF(c.x() + d, c.y() - d), QPointF(c.x() - d, c.y() + d));
            break;
    }
}

// Small line icons for the page tabs, drawn in a square.
void DrawTabIcon(QPainter& painter, const QRectF& box, TabIcon icon, const QColor& colour) {
    const double u = box.width() / 12.0;
    const QPointF o = box.topLeft();
    auto P = [&](double x, double y) { return o + QPointF(x * u, y * u); };
    painter.setPen(QPen(colour, 1.1 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (icon) {
        case TabIcon::Music: {
            painter.drawLine(P(4.5, 9), P(4.5, 2.5));
            painter.drawLine(P(4.5, 2.5), P(10, 1.5));
            painter.drawLine(P(10, 1.5), P(10, 8));
            painter.setBrush(colour);
            painter.drawEllipse(P(3.2, 9.2), 1.4 * u, 1.1 * u);
            painter.drawEllipse(P(8.7, 8.2), 1.4 * u, 1.1 * u);
            break;
        }
        case TabIcon::Mic:
            painter.drawRoundedRect(QRectF(P(4.2, 1), P(7.8, 7.2)), 1.8 * u, 1.8 * u);
            painter.drawArc(QRectF(P(2.6, 3.5), P(9.4, 9)), 180 * 16, 180 * 16);
            painter.drawLine(P(6, 9), P(6, 11));
            break;
        case TabIcon::Echo:
            for (int i = 0; i < 3; ++i) {
                QColor c = colour;
                c.setAlphaF(1.0 - i * 0.3);
                painter.setPen(QPen(c, 1.1 * u, Qt::SolidLine, Qt::RoundCap));
                painter.drawArc(QRectF(P(1 + i * 2.2, 3), P(5 + i * 2.2, 9)), -60 * 16, 120 * 16);
            }
            break;
        case TabIcon::Reverb: {
            QPainterPath wave(P(1, 6));
            for (int i = 0; i < 5; ++i) {
                const double amp = 4.0 - i * 0.75;
                wave.quadTo(P(1.5 + i * 2.2, 6 - amp), P(2.1 + i * 2.2, 6));
                wave.quadTo(P(2.6 + i * 2.2, 6 + amp), P(3.2 + i * 2.2, 6));
            }
            painter.drawPath(wave);
            break;
        }
        case TabIcon::Main:
        case TabIcon::Center:
        case TabIcon::Rear: {
            // A speaker cone; the variants add their own mark.
            QPainterPath cone(P(2, 4.5));
            cone.lineTo(P(4.5, 4.5));
            cone.lineTo(P(7.5, 2));
            cone.lineTo(P(7.5, 10));
            cone.lineTo(P(4.5, 7.5));
            cone.lineTo(P(2, 7.5));
            cone.closeSubpath();
            painter.drawPath(cone);
            if (icon == TabIcon::Main) {
                painter.drawArc(QRectF(P(6.5, 3.5), P(10, 8.5)), -50 * 16, 100 * 16);
                painter.drawArc(QRectF(P(6.5, 1.8), P(11.8, 10.2)), -50 * 16, 100 * 16);
            } else if (icon == TabIcon::Center) {
                painter.setBrush(colour);
                painter.drawEllipse(P(10, 6), 0.9 * u, 0.9 * u);
            } else {
                painter.drawLine(P(9, 4), P(11, 6));
                painter.drawLine(P(11, 6), P(9, 8));
            }
            break;
        }
        case TabIcon::Sub:
            painter.drawEllipse(P(6, 6), 4.6 * u, 4.6 * u);
            painter.drawEllipse(P(6, 6), 2.4 * u, 2.4 * u);
            painter.setBrush(colour);
            painter.drawEllipse(P(6, 6), 0.8 * u, 0.8 * u);
            break;
        case TabIcon::System:
            for (int i = 0; i < 3; ++i) {
                const double y = 2.5 + i * 3.5;
                painter.drawLine(P(1.5, y), P(10.5, y));
                painter.setBrush(colour);
                const double knob = (i == 1) ? 3.5 : (i == 0 ? 8 : 5.5);
                painter.drawEllipse(P(knob, y), 1.2 * u, 1.2 * u);
                painter.setBrush(Qt::NoBrush);
            }
            break;
    }
}

}  // namespace

QImage WindowButtonSkin(WindowGlyph glyph) {
    return FourFrames(16, 16, 6, [glyph](QPainter& p, const QRectF& r, bool selected) {
        const bool close = glyph == WindowGlyph::Close;
        Plate(p, r.adjusted(1, 1, -1, -1), QColor(0x3A, 0x40, 0x47),
              close && selected ? QColor(0x8A, 0x22, 0x22) : QColor(0x20, 0x24, 0x29), 6);
        DrawGlyph(p, r, glyph, close ? QColor(0xFF, 0x8A, 0x80) : palette::kText);
    });
}

QImage KeySkin(int width, int height, KeyLook look) {
    const double radius = std::min(width, height) * kSkinDensity * 0.22;
    return FourFrames(width, height, radius, [look, radius](QPainter& p, const QRectF& r, bool s) {
        switch (look) {
            case KeyLook::Dark:
                DarkFace(p, r, s, radius);
                break;
            case KeyLook::Silver:
                SilverFace(p, r, s, radius);
                break;
            case KeyLook::Led:
                LedFace(p, r, s, radius);
                break;
        }
    });
}

QImage TabSkin(TabIcon icon) {
    return FourFrames(278, 26, 4, [icon](QPainter& p, const QRectF& r, bool selected) {
        const QRectF body = r.adjusted(10, 3, -6, -3);
        if (selected) {
            Plate(p, body, QColor(0x47, 0x4F, 0x58), QColor(0x30, 0x36, 0x3D), 4);
            p.setPen(Qt::NoPen);
            p.setBrush(palette::kAccent);
            p.drawRoundedRect(QRectF(r.left() + 2, body.top() + 4, 6, body.height() - 8), 3, 3);
        } else {
            Plate(p, body, QColor(0x2C, 0x31, 0x37), QColor(0x1F, 0x23, 0x28), 4);
        }
        const double side = body.height() * 0.62;
        const QRectF box(body.left() + body.height() * 0.45, body.center().y() - side / 2, side,
                         side);
        DrawTabIcon(p, box, icon, selected ? palette::kAccent : palette::kTextDim);
    });
}

}  // namespace velto::skin
