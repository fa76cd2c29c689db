#pragma once
// The look shared by every generated skin: a dark studio-hardware palette and the few drawing
// primitives (bevelled plates, recessed wells, LEDs) the skins are built from.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace velto::skin {

namespace palette {
inline const QColor kCase{0x17, 0x1A, 0x1E};       // outer chassis
inline const QColor kPanel{0x24, 0x28, 0x2D};      // raised panels
inline const QColor kSlate{0x43, 0x48, 0x4D};      // page face, edit boxes
inline const QColor kWell{0x0D, 0x0F, 0x12};       // recessed grooves
inline const QColor kEdgeLight{0x6A, 0x72, 0x7C};  // top-left bevel
inline const QColor kEdgeDark{0x05, 0x06, 0x08};   // bottom-right bevel
inline const QColor kAccent{0xF5, 0xA6, 0x23};     // amber: selected / lit
inline const QColor kFocus{0x4F, 0xC3, 0xF7};      // cyan: keyboard focus
inline const QColor kLedGreen{0x4C, 0xE0, 0x6A};
inline const QColor kText{0xE8, 0xEA, 0xED};
inline const QColor kTextDim{0x8A, 0x92, 0x9B};
}  // namespace palette

// A transparent ARGB image of the given size.
QImage Canvas(int width, int height);
// Antialiased painter with smooth image scaling.
void Prepare(QPainter& painter);

// A bevelled plate: vertical gradient from `top` to `bottom`, light upper edge, dark outline.
void Plate(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom,
           double radius);
// A recessed well: dark fill with an inner shadow at the top and a highlight at the bottom.
void Well(QPainter& painter, const QRectF& rect, double radius);
// A round LED, lit or dark, with a soft glow when lit.
void Led(QPainter& painter, const QPointF& centre, double radius, const QColor& colour, bool lit);
// A soft glow outline around a rectangle.
void Glow(QPainter& painter, const QRectF& rect, const QColor& colour, double radius);

}  // namespace velto::skin
