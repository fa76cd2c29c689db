#pragma once
// The two caches every skinned control keeps: the captured background (the part of the owner's
// skin under the control, which makes the control look transparent over it) and the composed
// picture (background plus the control's own drawing), rebuilt only after a change.

#include <QImage>
#include <QPainter>
#include <QPoint>

#include "controls/mem_dc_class.h"

class QWidget;

namespace velto {

class SkinCache {
  public:
    explicit SkinCache(QWidget& widget) : widget_(widget) {}

    // The owner's skin surface (may be null: the background is then plain dialog grey).
    void SetBackground(const CMemDcClass* background);
    const CMemDcClass* Background() const { return background_; }

    // A value or state changed: compose again at the next paint.
    void Invalidate() { composed_ = false; }
    // Size or position changed: capture the background again, then compose.
    void Reset() { captured_ = false, composed_ = false; }
    bool IsComposed() const { return composed_; }

    // The composed picture; `draw(painter)` paints the control over the background first when
    // the cache is stale.
    template <typename Draw>
    const QImage& Compose(Draw&& draw) {
        if (!composed_) {
            StartComposition();
            QPainter painter(&composed_image_);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.setRenderHint(QPainter::TextAntialiasing);
            draw(painter);
            composed_ = true;
        }
        return composed_image_;
    }
    const QImage& ComposedImage() const { return composed_image_; }

    // Where the widget lies in its top-level window's client area (root > 0) or in its
    // parent's (root <= 0).
    QPoint Origin(int root) const;

  private:
    void CaptureBackground();
    void StartComposition();

    QWidget& widget_;
    const CMemDcClass* background_ = nullptr;
    bool captured_ = false;
    bool composed_ = false;
    QImage background_image_;
    QImage composed_image_;
};

}  // namespace velto
