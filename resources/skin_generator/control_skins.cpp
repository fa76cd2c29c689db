#include "resources/skin_generator/control_skins.h"

#include <QFont>
#include <QPainterPath>

#include "controls/skin_atlas.h"
#include "resources/skin_generator/skin_style.h"

namespace velto::skin {
namespace {

constexpr double D = kSkinDensity;

QRectF Rect(const AtlasRect& a) {
    return QRectF(a.x, a.y, a.w, a.h);
}

// A metal cap with a centre line; `accent` colours the line and the rim when focused.
void Cap(QPainter& p, const QRectF& r, bool vertical, bool focused) {
    Plate(p, r.adjusted(1, 1, -1, -1), QColor(0x8E, 0x97, 0xA1), QColor(0x3E, 0x45, 0x4D),
          r.width() * 0.18);
    // Grip ridges across the cap.
    QColor ridge(0, 0, 0, 70);
    p.setPen(QPen(ridge, 1));
    for (int i = -2; i <= 2; ++i) {
        if (i == 0) continue;
        if (vertical) {
            const double y = r.center().y() + i * r.height() * 0.14;
            p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
        } else {
            const double x = r.center().x() + i * r.width() * 0.16;
            p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom() - 3));
        }
    }
    const QColor line = focused ? palette::kAccent : QColor(0xF4, 0xF6, 0xF8);
    p.setPen(QPen(line, vertical ? 2.2 : 2.4, Qt::SolidLine, Qt::RoundCap));
    if (vertical) {
        p.drawLine(QPointF(r.left() + 2, r.center().y()), QPointF(r.right() - 2, r.center().y()));
    } else {
        p.drawLine(QPointF(r.center().x(), r.top() + 3), QPointF(r.center().x(), r.bottom() - 3));
    }
    if (focused) Glow(p, r, palette::kFocus, r.width() * 0.2);
}

void Toggle(QPainter& p, const QRectF& r, bool on) {
    Plate(p, r.adjusted(1, 1, -1, -1), QColor(0x3A, 0x40, 0x47), QColor(0x1E, 0x22, 0x27), 5);
    Led(p, r.center(), r.width() * 0.2, palette::kAccent, on);
}

void DrawSliderStrip(QPainter& p, const QRectF& strip) {
    // The track runs from design x 10 to 159 at design row 24 (strip row 10).
    const double y = 10 * D;
    Well(p, QRectF(9 * D, y - 3 * D, 151 * D, 6 * D), 3 * D);
    QColor tick = palette::kTextDim;
    tick.setAlpha(140);
    p.setPen(QPen(tick, 1));
    for (int i = 0; i <= 10; ++i) {
        const double x = (10 + 149.0 * i / 10) * D;
        const double len = (i % 5 == 0) ? 3.5 * D : 2 * D;
        p.drawLine(QPointF(x, strip.bottom() - 1 - len), QPointF(x, strip.bottom() - 1));
    }
}

void DrawFaderTrack(QPainter& p, const QRectF& r, bool enabled) {
    // Slot at design x 32 from y 15 (maximum) to y 190 (minimum).
    const double x = r.left() + 32 * D;
    Well(p, QRectF(x - 3 * D, r.top() + 11 * D, 6 * D, 183 * D), 3 * D);
    if (!enabled) {
        // The disabled slot is veiled so the fader reads as out of use.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 64, 70, 150));
        p.drawRoundedRect(QRectF(x - 3 * D, r.top() + 11 * D, 6 * D, 183 * D), 3 * D, 3 * D);
    }
    QColor tick = enabled ? palette::kTextDim : palette::kTextDim.darker(200);
    for (int i = 0; i <= 10; ++i) {
        const double y = r.top() + (190 - 175.0 * i / 10) * D;
        const double len = (i % 5 == 0) ? 5 * D : 3 * D;
        p.setPen(QPen(tick, i % 5 == 0 ? 1.6 : 1));
        p.drawLine(QPointF(x + 5 * D, y), QPointF(x + 5 * D + len, y));
    }
}

void Marker(QPainter& p, const QRectF& r, const QColor& colour) {
    // A pointer aimed at the track on its right.
    QPainterPath arrow;
    arrow.moveTo(r.left() + 2, r.top() + 3);
    arrow.lineTo(r.right() - r.height() * 0.45, r.top() + 3);
    arrow.lineTo(r.right() - 1, r.center().y());
    arrow.lineTo(r.right() - r.height() * 0.45, r.bottom() - 3);
    arrow.lineTo(r.left() + 2, r.bottom() - 3);
    arrow.closeSubpath();
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, colour.lighter(130));
    fill.setColorAt(1, colour.darker(140));
    p.setPen(QPen(palette::kEdgeDark, 1));
    p.setBrush(fill);
    p.drawPath(arrow);
}

void TypeColumn(QPainter& p, const QRectF& column, int lit) {
    // Buttons at column rows 0-17 (P), 42-59 (H) and 84-101 (L).
    static const char* const kLetters[3] = {"P", "H", "L"};
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(10 * D));
    p.setFont(font);
    for (int i = 0; i < 3; ++i) {
        const QRectF key(column.left() + 1, column.top() + 42 * i * D + 1, 16 * D - 2, 17 * D - 2);
        if (i == lit) {
            Plate(p, key, palette::kAccent.lighter(120), palette::kAccent.darker(120), 4);
        } else {
            Plate(p, key, QColor(0x3A, 0x40, 0x47), QColor(0x22, 0x26, 0x2B), 4);
        }
        p.setPen(i == lit ? QColor(0x14, 0x14, 0x14) : palette::kTextDim);
        p.drawText(key, Qt::AlignCenter, QString::fromLatin1(kLetters[i]));
    }
}

void BandStrip(QPainter& p, const QRectF& r) {
    auto box = [&](double l, double t, double rr, double b) {
        const QRectF frame(l * D, t * D, (rr - l) * D, (b - t) * D);
        p.setPen(QPen(palette::kEdgeDark, 1.5));
        p.setBrush(palette::kSlate);
        p.drawRoundedRect(frame.adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
    };
    // A faint plate behind the whole strip ties the band together.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 10));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
    box(4, 4, 46, 17);
    box(4, 160, 46, 174);
    box(4, 190, 46, 204);
    // Gain track at x 45: +12 dB at y 51, -24 dB at y 142.
    const double x = 45 * D;
    Well(p, QRectF(x - 2 * D, 49 * D, 4 * D, 95 * D), 2 * D);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(6.5 * D));
    p.setFont(font);
    const int marks[] = {12, 6, 0, -6, -12, -18, -24};
    for (int dB : marks) {
        const double y = (51 + (12.0 - dB) * (142 - 51) / 36.0) * D;
        p.setPen(QPen(dB == 0 ? palette::kText : palette::kTextDim, 1));
        p.drawLine(QPointF(x - 6 * D, y), QPointF(x - 3 * D, y));
        p.drawText(QRectF(18 * D, y - 4 * D, 19 * D, 8 * D), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(dB < 0 ? -dB : dB));
    }
}

}  // namespace

QImage SliderSkin() {
    QImage image = Canvas(slider::kWidth, slider::kHeight);
    QPainter p(&image);
    Prepare(p);
    DrawSliderStrip(p, Rect(slider::kStrip));
    Cap(p, Rect(slider::kThumb), false, false);
    Cap(p, Rect(slider::kThumbFocused), false, true);
    Toggle(p, Rect(slider::kToggleOff), false);
    Toggle(p, Rect(slider::kToggleOn), true);
    return image;
}

QImage FaderSkin() {
    QImage image = Canvas(fader::kWidth, fader::kHeight);
    QPainter p(&image);
    Prepare(p);
    DrawFaderTrack(p, Rect(fader::kTrack), true);
    DrawFaderTrack(p, Rect(fader::kTrackDisabled), false);
    Cap(p, Rect(fader::kThumb), true, false);
    Cap(p, Rect(fader::kThumbFocused), true, true);
    Marker(p, Rect(fader::kLowMarker), palette::kFocus);
    Marker(p, Rect(fader::kHighMarker), QColor(0xEF, 0x53, 0x50));
    return image;
}

QImage BandStripSkin() {
    QImage image = Canvas(band_strip::kWidth, band_strip::kHeight);
    QPainter p(&image);
    Prepare(p);
    BandStrip(p, Rect(band_strip::kStrip));
    TypeColumn(p, Rect(band_strip::kTypesPeak), 0);
    TypeColumn(p, Rect(band_strip::kTypesHighShelf), 1);
    TypeColumn(p, Rect(band_strip::kTypesLowShelf), 2);
    Cap(p, Rect(band_strip::kThumb), true, false);
    Cap(p, Rect(band_strip::kThumbFocused), true, true);
    return image;
}

QImage ListSkin(int width, int height, int arrowLeft) {
    const int fw = width * kSkinDensity;
    const int fh = height * kSkinDensity;
    QImage image = Canvas(fw * list::kFrames, fh);
    QPainter p(&image);
    Prepare(p);
    for (int frame = 0; frame < list::kFrames; ++frame) {
        const QRectF r(frame * fw, 0, fw, fh);
        // A backlit display face: the list text is dark grey.
        Plate(p, r.adjusted(1, 1, -1, -1), QColor(0xDD, 0xE1, 0xE5), QColor(0xB4, 0xBB, 0xC2), 5);
        const QRectF button(r.left() + arrowLeft * D + 2, r.top() + 3,
                            r.right() - 3 - (r.left() + arrowLeft * D + 2), fh - 6);
        Plate(p, button, QColor(0x4A, 0x51, 0x59), QColor(0x2A, 0x2F, 0x35), 4);
        QPainterPath arrow;
        const QPointF c = button.center();
        const double a = button.height() * 0.2;
        arrow.moveTo(c.x() - a * 1.3, c.y() - a * 0.6);
        arrow.lineTo(c.x() + a * 1.3, c.y() - a * 0.6);
        arrow.lineTo(c.x(), c.y() + a * 0.9);
        arrow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(frame == 1 ? palette::kAccent : palette::kText);
        p.drawPath(arrow);
        if (frame == 1) Glow(p, r.adjusted(1, 1, -1, -1), palette::kFocus, 5);
    }
    return image;
}

}  // namespace velto::skin
