#include "controls/cgdi_button.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <algorithm>

#include "controls/font_map.h"
#include "controls/text_alignment.h"

namespace velto {
namespace {

constexpr int kFrameSelected = 1;
constexpr int kFrameHover = 2;
constexpr int kFrameDisabled = 3;
// GDI+ text rendering hints below this one draw without antialiasing.
constexpr int kHintAntiAliasGridFit = 3;

}  // namespace

CGDI_Button::CGDI_Button(QWidget* parent) : SkinnedControl(parent) {
    setFocusPolicy(Qt::NoFocus);
    // Moves arrive while the pointer is over the button, so hover follows it.
    setMouseTracking(true);
}

void CGDI_Button::SetSkin(const CMemDcClass* background, int pngId) {
    SkinnedControl::SetSkin(background, pngId, 0);
}

void CGDI_Button::SetStyle(double fontSize, const QString& family, std::uint32_t normalArgb,
                           int alignment, std::uint32_t toggledArgb) {
    fontSize_ = fontSize;
    fontFamily_ = family;
    normalColor_ = normalArgb;
    alignment_ = alignment;
    toggledColor_ = toggledArgb;
    Invalidate();
}

void CGDI_Button::SetState(int state) {
    state_ = state;
    Invalidate();
}

void CGDI_Button::SetShown(bool shown) {
    shown_ = shown;
    Invalidate();
}

void CGDI_Button::SetEnabled(bool enabled) {
    enabled_ = enabled;
    hover_ = false;
    pressed_ = false;
    Invalidate();
}

void CGDI_Button::SetClickable(bool clickable) {
    clickable_ = clickable;
}

void CGDI_Button::SetTextRenderingHint(int hint) {
    renderingHint_ = hint;
    Invalidate();
}

void CGDI_Button::SetWindowText(const QString& text) {
    caption_ = text;
    Invalidate();
}

QSizeF CGDI_Button::DesignSize() const {
    if (skin_.isNull()) return QSizeF(width(), height());
    return QSizeF(double(skin_.width()) / frames_, skin_.height());
}

QRectF CGDI_Button::ActiveRect() const {
    // The active rectangle is the whole frame, kept 1 px inside the client.
    const QRectF scaled = Scaled(QRectF(QPointF(0, 0), DesignSize()));
    return scaled.intersected(QRectF(1, 1, width() - 2, height() - 2));
}

void CGDI_Button::TrackHover(const QPointF& point) {
    if (pressed_) return;
    if (ActiveRect().contains(point)) {
        if (!hover_) {
            hover_ = true;
            Invalidate();
        }
        setCursor(Qt::PointingHandCursor);
    } else if (hover_) {
        hover_ = false;
        Invalidate();
        unsetCursor();
    }
}

void CGDI_Button::LeftPress(const QPointF& point) {
    if (!TakesClicks() || !ActiveRect().contains(point)) return;
    pressed_ = true;
    setCursor(Qt::PointingHandCursor);
    Invalidate();
}

void CGDI_Button::mouseMoveEvent(QMouseEvent* event) {
    if (shown_ && enabled_) TrackHover(event->position());
}

void CGDI_Button::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !TakesClicks() || !pressed_) return;
    if (state_ == 1 || state_ == 2) state_ = 3 - state_;
    pressed_ = false;
    hover_ = false;
    Invalidate();
    PostMessageTo(parentWidget(), ControlId(), index_, index_);
    TrackHover(event->position());
}

void CGDI_Button::leaveEvent(QEvent* event) {
    // Leaving is a move to a point outside.
    if (shown_ && enabled_) TrackHover(QPointF(-1, -1));
    SkinnedControl::leaveEvent(event);
}

void CGDI_Button::focusOutEvent(QFocusEvent* event) {
    hover_ = false;
    SkinnedControl::focusOutEvent(event);
}

void CGDI_Button::DrawFrame(QPainter& painter, int frame) const {
    if (skin_.isNull()) return;
    const double frameWidth = double(skin_.width()) / frames_;
    painter.drawImage(QRectF(0, 0, width(), height()), skin_,
                      QRectF(frame * frameWidth, 0, frameWidth, skin_.height()));
}

void CGDI_Button::DrawCaption(QPainter& painter) const {
    if (caption_.isEmpty()) return;
    const QFont font = MakeFont(fontFamily_, fontSize_, fontStyle_);
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing, renderingHint_ >= kHintAntiAliasGridFit);
    painter.setPen(QColor::fromRgba(state_ == 2 ? toggledColor_ : normalColor_));
    const QRectF active = ActiveRect();
    QRectF box = active;
    if (alignment_ & kAlignNoWrap) {
        // One line placed by its measured size, as the layout flags ask.
        const QSizeF size = QFontMetricsF(font).size(Qt::TextSingleLine, caption_);
        if (alignment_ & kAlignMiddle) {
            box.setTop(active.top() + (active.height() - size.height()) / 2);
        } else if (alignment_ & kAlignBottom) {
            box.setTop(active.bottom() - size.height());
        }
        if (alignment_ & kAlignCentre)
            box.setLeft(active.left() + (active.width() - size.width()) / 2);
        box.setSize(size.expandedTo(QSizeF(0, 0)));
        const int flags = Qt::TextDontClip | Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop;
        if (!(alignment_ & kAlignCentre) && (alignment_ & kAlignRight)) {
            box = QRectF(active.right() - size.width(), box.top(), size.width(), size.height());
        }
        for (int pass = 0; pass < 2; ++pass)
            painter.drawText(box, flags, caption_);
        return;
    }
    for (int pass = 0; pass < 2; ++pass)
        painter.drawText(active, QtTextFlags(alignment_), caption_);
}

void CGDI_Button::Compose(QPainter& painter) {
    DrawFrame(painter, state_ == 2 ? kFrameSelected : 0);
    if (!enabled_) {
        DrawFrame(painter, kFrameDisabled);
    } else if (hover_) {
        DrawFrame(painter, kFrameHover);
    }
    DrawCaption(painter);
}

}  // namespace velto
