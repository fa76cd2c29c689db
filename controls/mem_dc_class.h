#pragma once
// CMemDcClass: an off-screen drawing surface.  The main window keeps its skin in one, the pages
// compose their children into one, and the skinned controls copy their background out of one.

#include <QImage>
#include <QRect>

class QWidget;

namespace velto {

class CMemDcClass {
  public:
    // The colour a surface is filled with when it has to grow: the classic dialog grey.
    static constexpr QRgb kGrowFill = qRgb(240, 240, 240);

    CMemDcClass() = default;
    // A surface of the rectangle's size (the window only tells which screen it is made for).
    CMemDcClass(QWidget* window, const QRect& rect);

    // Loads bitmap resource `id`; the extent becomes the bitmap's size.  False when missing.
    bool LoadBitmap(int id, QWidget* window = nullptr);

    // Copies the source block at (sourceX, sourceY) to (left, top)-(right, bottom).  A target
    // that reaches beyond the extent first grows the surface to cover it; the new area is
    // filled with kGrowFill.
    void CopyFrom(int left, int top, int right, int bottom, const CMemDcClass& source, int sourceX,
                  int sourceY);
    // The same with a stretching copy of the source rectangle (sourceX, sourceY)-(sourceRight,
    // sourceBottom).
    void StretchFrom(int left, int top, int right, int bottom, const CMemDcClass& source,
                     int sourceX, int sourceY, int sourceRight, int sourceBottom);

    bool IsValid() const { return !image_.isNull(); }
    const QRect& Extent() const { return extent_; }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    void Release();

  private:
    void GrowTo(int right, int bottom);

    QImage image_;
    QRect extent_;
};

}  // namespace velto
