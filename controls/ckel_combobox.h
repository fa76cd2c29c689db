#pragma once
// CKel_ComboBox: a drop-down list drawn in the skin (two frames: normal and focused).  Picking
// an item in the drop-down posts (index, index) to the parent under the control ID; the owner
// then reads the selection.

#include <QComboBox>
#include <QRectF>
#include <cstdint>

#include "controls/mem_dc_class.h"
#include "controls/skin_cache.h"

namespace velto {

class CKel_ComboBox : public QComboBox {
    Q_OBJECT
  public:
    explicit CKel_ComboBox(QWidget* parent = nullptr);

    // Styles: 3 (129 x 22, the main window's) and 4 (136 x 19, the pages').
    void SetSkin(const CMemDcClass* background, int pngId, int style);
    // An index beyond the item count selects 0.
    void SetCurSel(int index);
    int GetCurSel() const { return selected_; }
    // The combo box's select-item message: shows `index` without notifying anyone.
    void SelectItem(int index);
    void PaintInto(CMemDcClass& target, int root = 1);

    void SetControlId(int id) { controlId_ = id; }
    int ControlId() const { return controlId_; }
    void SetIndex(int index) { index_ = index; }
    void SetTextColor(std::uint32_t rgb);
    void SetListFont(const QString& family, int height);
    void SetShown(bool shown);
    void SetInputEnabled(bool enabled);
    // The focused flag selects the focused frame; focus changes set and clear it.
    void SetFocusedFlag(bool focused);

    // The text shown in the field (item 0 for a selection outside the list).
    QString DisplayedText() const;
    const QImage& ComposedImage() const { return cache_.ComposedImage(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool TakesInput() const { return shown_ && inputEnabled_; }
    double Scale() const;
    QRectF FieldRect() const;
    void Invalidate();
    void ApplyListFont();
    const QImage& ComposeIfNeeded();
    void Compose(QPainter& painter);
    void OnActivated(int index);

    SkinCache cache_;
    QImage skin_;
    int style_ = 4;
    int selected_ = 0;
    bool focused_ = false;
    int index_ = 0;
    int controlId_ = 0;
    std::uint32_t textColor_ = 0x525252;  // RGB(82, 82, 82)
    QString fontFamily_ = QStringLiteral("Arial Bold");
    int fontHeight_ = 14;
    bool shown_ = true;
    bool inputEnabled_ = true;
};

}  // namespace velto
