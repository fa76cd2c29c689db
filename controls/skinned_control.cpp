#include "controls/skinned_control.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include "controls/skin_resources.h"

namespace velto {

SkinnedControl::SkinnedControl(QWidget* parent) : MessageWindow(parent), cache_(*this) {
    setFocusPolicy(Qt::ClickFocus);
}

void SkinnedControl::SetSkin(const CMemDcClass* background, int pngId, int style) {
    skin_ = LoadPngResource(pngId);
    cache_.SetBackground(background);
    style_ = style;
    initialised_ = true;
    UpdateGeometry();
    update();
}

void SkinnedControl::PaintInto(CMemDcClass& target, int root) {
    const QImage& picture = ComposeIfNeeded();
    if (!target.IsValid()) return;
    QPainter painter(&target.Image());
    painter.drawImage(cache_.Origin(root), picture);
}

double SkinnedControl::ScaleX() const {
    const QSizeF design = DesignSize();
    return design.width() > 0 ? width() / design.width() : 1.0;
}

double SkinnedControl::ScaleY() const {
    const QSizeF design = DesignSize();
    return design.height() > 0 ? height() / design.height() : 1.0;
}

QRectF SkinnedControl::Scaled(const QRectF& design) const {
    const double sx = ScaleX();
    const double sy = ScaleY();
    return QRectF(design.x() * sx, design.y() * sy, design.width() * sx, design.height() * sy);
}

void SkinnedControl::DrawSkinPart(QPainter& painter, const skin::AtlasRect& part,
                                  const QRectF& target) const {
    if (skin_.isNull()) return;
    painter.drawImage(target, skin_, QRectF(part.x, part.y, part.w, part.h));
}

void SkinnedControl::SetFocusedFlag(bool focused) {
    focused_ = focused;
    Invalidate();
}

void SkinnedControl::Notify(WParam wParam, LParam lParam) {
    SendMessageTo(parentWidget(), ControlId(), wParam, lParam);
}

void SkinnedControl::Invalidate() {
    cache_.Invalidate();
    update();
}

void SkinnedControl::PaintNow() {
    cache_.Invalidate();
    repaint();
}

const QImage& SkinnedControl::ComposeIfNeeded() {
    return cache_.Compose([this](QPainter& painter) {
        if (initialised_ && shown_) Compose(painter);
    });
}

void SkinnedControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) LeftPress(event->position());
}

void SkinnedControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), ComposeIfNeeded());
}

void SkinnedControl::resizeEvent(QResizeEvent*) {
    cache_.Reset();
    if (initialised_) UpdateGeometry();
}

void SkinnedControl::moveEvent(QMoveEvent*) {
    cache_.Reset();
}

void SkinnedControl::focusInEvent(QFocusEvent*) {
    focused_ = true;
    Invalidate();
}

void SkinnedControl::focusOutEvent(QFocusEvent*) {
    focused_ = false;
    Invalidate();
}

}  // namespace velto
