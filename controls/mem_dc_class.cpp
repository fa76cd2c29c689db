#include "controls/mem_dc_class.h"

#include <QPainter>
#include <algorithm>

#include "controls/skin_resources.h"

namespace velto {
namespace {

QImage BlankSurface(int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(CMemDcClass::kGrowFill);
    return image;
}

}  // namespace

CMemDcClass::CMemDcClass(QWidget*, const QRect& rect)
    : image_(BlankSurface(rect.width(), rect.height())),
      extent_(0, 0, rect.width(), rect.height()) {}

bool CMemDcClass::LoadBitmap(int id, QWidget*) {
    QImage bitmap = LoadBitmapResource(id);
    if (bitmap.isNull()) return false;
    image_ = bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    extent_ = QRect(0, 0, image_.width(), image_.height());
    return true;
}

void CMemDcClass::GrowTo(int right, int bottom) {
    if (!image_.isNull() && right <= image_.width() && bottom <= image_.height()) return;
    // Grown to cover both the old extent and the target; what was drawn before is kept, the
    // new area starts grey.
    QImage grown = BlankSurface(std::max(right, image_.width()), std::max(bottom, image_.height()));
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(grown);
    extent_ = QRect(0, 0, image_.width(), image_.height());
}

void CMemDcClass::CopyFrom(int left, int top, int right, int bottom, const CMemDcClass& source,
                           int sourceX, int sourceY) {
    if (right <= left || bottom <= top) return;
    GrowTo(right, bottom);
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(left, top), source.image_,
                      QRect(sourceX, sourceY, right - left, bottom - top));
}

void CMemDcClass::StretchFrom(int left, int top, int right, int bottom, const CMemDcClass& source,
                              int sourceX, int sourceY, int sourceRight, int sourceBottom) {
    if (right <= left || bottom <= top) return;
    GrowTo(right, bottom);
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(left, top, right - left, bottom - top), source.image_,
                      QRect(sourceX, sourceY, sourceRight - sourceX, sourceBottom - sourceY));
}

void CMemDcClass::Release() {
    image_ = QImage();
    extent_ = QRect();
}

}  // namespace velto
