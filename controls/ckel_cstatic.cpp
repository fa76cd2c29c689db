#include "controls/ckel_cstatic.h"

#include "controls/font_map.h"
#include "controls/skin_resources.h"
#include "controls/text_alignment.h"

namespace velto {

Ckel_CStatic::Ckel_CStatic(QWidget* parent) : SkinnedControl(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void Ckel_CStatic::SetSkin(const CMemDcClass* background, std::uint32_t backgroundArgb, int pngId) {
    backgroundColor_ = backgroundArgb;
    SkinnedControl::SetSkin(background, 0, 0);
    skin_ = pngId > 0 ? LoadPngResource(pngId) : QImage();
    Invalidate();
}

void Ckel_CStatic::mousePressEvent(QMouseEvent* event) {
    MessageWindow::mousePressEvent(event);
}

void Ckel_CStatic::SetText(const QString& text) {
    text_ = text;
    PaintNow();
}

void Ckel_CStatic::SetFont(double pixelSize, const QString& family, std::uint32_t argb,
                           int alignment) {
    fontSize_ = pixelSize;
    fontFamily_ = family;
    textColor_ = argb;
    alignment_ = alignment;
    Invalidate();
}

void Ckel_CStatic::SetFontStyle(int styleBits) {
    fontStyle_ = styleBits;
    Invalidate();
}

void Ckel_CStatic::SetShown(bool shown) {
    shown_ = shown;
    Invalidate();
}

void Ckel_CStatic::SetWindowText(const QString& text) {
    text_ = text;
    Invalidate();
}

QSizeF Ckel_CStatic::DesignSize() const {
    return QSizeF(width(), height());
}

void Ckel_CStatic::Compose(QPainter& painter) {
    const QRectF client(0, 0, width(), height());
    if (qAlpha(backgroundColor_) != 0) painter.fillRect(client, QColor::fromRgba(backgroundColor_));
    if (!skin_.isNull()) painter.drawImage(client, skin_);
    painter.setFont(MakeFont(fontFamily_, fontSize_, fontStyle_));
    painter.setPen(QColor::fromRgba(textColor_));
    // Twice at the same place: the antialiased edges build up to a firmer stroke.
    for (int pass = 0; pass < 2; ++pass)
        painter.drawText(client, QtTextFlags(alignment_), text_);
}

}  // namespace velto
