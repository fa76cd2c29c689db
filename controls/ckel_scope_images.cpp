#include "controls/ckel_scope_images.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "controls/core/response_tables.h"
#include "controls/font_map.h"

namespace velto {

namespace {

constexpr QRgb kBackground = 0xFFD3D8D5;
constexpr QRgb kGrid = 0xFF857577;
constexpr QRgb kText = 0xFA000000;
constexpr QRgb kPeqMarker = 0xFAEE9F49;
constexpr QRgb kCrossoverMarker = 0xFAFF0000;
constexpr QRgb kMarkerShade = 0x0A000000;
constexpr QRgb kMarkerRingActive = 0xFF1DED36;
constexpr QRgb kHandleNormal = 0xC8FFFF00;
constexpr QRgb kHandleHeld = 0xFAB00E1A;
constexpr QRgb kEqPassText = 0x801E1E1E;
constexpr int kGridRows = 6;
constexpr int kLabelGap = 5;

QColor Argb(QRgb argb) {
    return QColor::fromRgba(argb);
}

QImage TransparentImage(int w, int h) {
    QImage image(std::max(w, 1), std::max(h, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Bands 0 and 1 (HPF, LPF) are red, the PEQ bands orange.
QRgb MarkerColour(int band) {
    return band < kFirstPeqBand ? kCrossoverMarker : kPeqMarker;
}

QString MarkerLabel(int band) {
    if (band == kHpfBand) return QStringLiteral("H");
    if (band == kLpfBand) return QStringLiteral("L");
    return QString::number(band - 1);
}

void DrawGainLabels(QPainter& p, const PlotGeometry& g) {
    const IntRect& plot = g.Plot();
    const QFontMetricsF metrics(p.font());
    const int values[] = {120, 0, -120, -240};
    for (int n = 0; n < 4; ++n) {
        const int y =
            static_cast<int>(plot.top + 2 * n * g.Height() / static_cast<double>(kGridRows));
        const double v = values[n] / 10.0;
        const QString text = v > 0 ? QString::asprintf("+%.0f", v) : QString::asprintf("%.0f", v);
        const QSizeF size = metrics.size(Qt::TextSingleLine, text);
        const double bottom = y + static_cast<int>(size.height()) / 2;
        const QRectF box(plot.left - kLabelGap - size.width(), bottom - size.height(), size.width(),
                         size.height());
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

void DrawFrequencyLines(QPainter& p, const PlotGeometry& g) {
    const IntRect& plot = g.Plot();
    const QFontMetricsF metrics(p.font());
    for (int i = kFirstGridLine; kGridTable[i].freq != 0; ++i) {
        const GridLine& line = kGridTable[i];
        const int x = static_cast<int>(
            std::log10(line.freq / g.FreqMin()) / g.Decades() * g.Width() + plot.left);
        p.drawLine(QPointF(x, plot.top), QPointF(x, plot.bottom));
        const QString label = QString::fromUtf8(line.label);
        if (label.isEmpty()) continue;
        const QSizeF size = metrics.size(Qt::TextSingleLine, label);
        p.drawText(QRectF(x - size.width() / 2, plot.bottom + 2, size.width(), size.height()),
                   Qt::AlignCenter, label);
    }
}

}  // namespace

void DrawScopeBackground(QImage& image, const PlotGeometry& g) {
    image.fill(Argb(kBackground));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(Argb(kGrid), 1));
    const IntRect& plot = g.Plot();
    for (int k = 0; k <= kGridRows; ++k) {
        const int y = static_cast<int>(plot.top + k * g.Height() / static_cast<double>(kGridRows));
        p.drawLine(QPointF(plot.left, y), QPointF(plot.right, y));
    }
    p.setFont(MakeFont(QStringLiteral("Times New Roman"), 12));
    p.setPen(Argb(kText));
    DrawGainLabels(p, g);
    p.setPen(QPen(Argb(kGrid), 1));
    DrawFrequencyLines(p, g);
}

QImage BuildMarkerStrip(int bandCount) {
    const int cell = kScopeMarkerCell;
    QImage image = TransparentImage(cell * 10, cell * bandCount);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont labelFont = MakeFont(QStringLiteral("Arial Bold"), 9, 1);
    constexpr int kRingInset[kScopeMarkerFrames] = {4, 6, 8, 6, 4, 4};
    for (int b = 0; b < bandCount; ++b) {
        const int rowTop = cell * b;
        const QColor colour = Argb(MarkerColour(b));
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRectF(4, rowTop + 4, 10, 10));
        for (int k = 0; k < kScopeMarkerFrames; ++k) {
            const int left = cell * k;
            p.setPen(Qt::NoPen);
            p.setBrush(Argb(kMarkerShade));
            p.drawEllipse(QRectF(left, rowTop, cell, cell));
            const int ring = cell - kRingInset[k];
            const int ringLeft = left + 9 - ring / 2;
            const int ringTop = rowTop + 9 - ring / 2;
            p.setPen(QPen(k == 0 ? colour : Argb(kMarkerRingActive), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(ringLeft, ringTop, ring, ring));
            p.drawLine(QPointF(left + 6, ringTop), QPointF(left + 12, ringTop));
            p.drawLine(QPointF(left + 6, ringTop + ring), QPointF(left + 12, ringTop + ring));
            p.setPen(Qt::white);
            p.setFont(labelFont);
            p.drawText(QRectF(left, rowTop, cell, cell), Qt::AlignCenter | Qt::TextDontClip,
                       MarkerLabel(b));
        }
    }
    return image;
}

QImage BuildQHandleImage() {
    QImage image = TransparentImage(72, 72);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPolygonF left({{1, 9}, {8, 1}, {8, 5}, {16, 5}, {16, 12}, {8, 12}, {8, 16}, {1, 9}});
    const QPolygonF right({{1, 5}, {9, 5}, {9, 1}, {16, 9}, {9, 16}, {9, 12}, {1, 12}, {1, 5}});
    const QRgb colours[2] = {kHandleNormal, kHandleHeld};
    for (int row = 0; row < 2; ++row) {
        p.setBrush(Argb(colours[row]));
        p.drawPolygon(left.translated(0, kScopeMarkerCell * row), Qt::WindingFill);
        p.drawPolygon(right.translated(kScopeMarkerCell, kScopeMarkerCell * row), Qt::WindingFill);
    }
    return image;
}

QImage BuildEqPassImage() {
    QImage image = TransparentImage(512, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = MakeFont(QStringLiteral("Arial Bold"), 48, 1);
    p.setFont(font);
    p.setPen(Argb(kEqPassText));
    p.drawText(QPointF(0, QFontMetricsF(font).ascent()), QStringLiteral("EQ PASS"));
    return image;
}

}  // namespace velto
