#include "controls/skin_cache.h"

#include <QWidget>

namespace velto {

void SkinCache::SetBackground(const CMemDcClass* background) {
    background_ = background;
    Reset();
}

QPoint SkinCache::Origin(int root) const {
    if (root > 0) return widget_.mapTo(widget_.window(), QPoint(0, 0));
    return widget_.pos();
}

void SkinCache::CaptureBackground() {
    const QSize size = widget_.size().expandedTo(QSize(1, 1));
    background_image_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    background_image_.fill(CMemDcClass::kGrowFill);
    if (background_ && background_->IsValid()) {
        QPainter painter(&background_image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), background_->Image(), QRect(Origin(1), size));
    }
    captured_ = true;
}

void SkinCache::StartComposition() {
    if (!captured_ || background_image_.size() != widget_.size().expandedTo(QSize(1, 1))) {
        CaptureBackground();
    }
    composed_image_ = background_image_.copy();
}

}  // namespace velto
