#include "controls/ckel_combobox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "controls/font_map.h"
#include "controls/message_window.h"
#include "controls/skin_atlas.h"
#include "controls/skin_resources.h"

namespace velto {
namespace {

struct ListStyle {
    double width, height;
    QRectF text;
};

ListStyle StyleGeometry(int style) {
    const QRectF text(QPointF(6, 1), QPointF(117, 18));
    if (style == 3) return {129, 22, text};
    return {136, 19, text};
}

// The field text is drawn a little larger than the list's items.
constexpr double kFieldFontFactor = 1.2;
// A font height counts the whole character cell; the glyphs' pixel size is about 4/5 of it.
constexpr double kCellToPixel = 0.8;

}  // namespace

CKel_ComboBox::CKel_ComboBox(QWidget* parent) : QComboBox(parent), cache_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QComboBox::activated, this, &CKel_ComboBox::OnActivated);
    // The drop-down matches the dark console around it.
    view()->setStyleSheet(QStringLiteral(
        "QAbstractItemView { background: #24282d; color: #e8eaed; border: 1px solid #0d0f12;"
        " selection-background-color: #f5a623; selection-color: #141414; outline: 0; }"));
    ApplyListFont();
}

void CKel_ComboBox::SetSkin(const CMemDcClass* background, int pngId, int style) {
    skin_ = LoadPngResource(pngId);
    style_ = style;
    cache_.SetBackground(background);
    ApplyListFont();
    update();
}

void CKel_ComboBox::SetCurSel(int index) {
    selected_ = index >= count() ? 0 : index;
    setCurrentIndex(selected_);
    Invalidate();
}

void CKel_ComboBox::SelectItem(int index) {
    selected_ = index;
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    Invalidate();
}

void CKel_ComboBox::PaintInto(CMemDcClass& target, int root) {
    const QImage& picture = ComposeIfNeeded();
    if (!target.IsValid()) return;
    QPainter painter(&target.Image());
    painter.drawImage(cache_.Origin(root), picture);
}

void CKel_ComboBox::SetTextColor(std::uint32_t rgb) {
    textColor_ = rgb;
    Invalidate();
}

void CKel_ComboBox::SetListFont(const QString& family, int height) {
    fontFamily_ = family;
    fontHeight_ = height;
    ApplyListFont();
    Invalidate();
}

void CKel_ComboBox::SetShown(bool shown) {
    shown_ = shown;
    Invalidate();
}

void CKel_ComboBox::SetInputEnabled(bool enabled) {
    inputEnabled_ = enabled;
    Invalidate();
}

void CKel_ComboBox::SetFocusedFlag(bool focused) {
    focused_ = focused;
    Invalidate();
}

QString CKel_ComboBox::DisplayedText() const {
    const int shownIndex = selected_ >= 0 && selected_ < count() ? selected_ : 0;
    return itemText(shownIndex);
}

double CKel_ComboBox::Scale() const {
    const ListStyle geometry = StyleGeometry(style_);
    return width() / geometry.width;
}

QRectF CKel_ComboBox::FieldRect() const {
    const ListStyle geometry = StyleGeometry(style_);
    return QRectF(0, 0, width(), geometry.height * Scale());
}

void CKel_ComboBox::Invalidate() {
    cache_.Invalidate();
    update();
}

void CKel_ComboBox::ApplyListFont() {
    view()->setFont(MakeFont(fontFamily_, fontHeight_ * Scale() * kCellToPixel));
}

const QImage& CKel_ComboBox::ComposeIfNeeded() {
    return cache_.Compose([this](QPainter& painter) {
        if (shown_) Compose(painter);
    });
}

void CKel_ComboBox::Compose(QPainter& painter) {
    const ListStyle geometry = StyleGeometry(style_);
    const double scale = Scale();
    if (!skin_.isNull()) {
        const double frameWidth = double(skin_.width()) / skin::list::kFrames;
        const int frame = focused_ ? 1 : 0;
        painter.drawImage(FieldRect(), skin_,
                          QRectF(frame * frameWidth, 0, frameWidth, skin_.height()));
    }
    const QRectF text(geometry.text.x() * scale, geometry.text.y() * scale,
                      geometry.text.width() * scale, geometry.text.height() * scale);
    painter.setFont(MakeFont(fontFamily_, fontHeight_ * scale * kFieldFontFactor * kCellToPixel));
    painter.setPen(QColor(QRgb(0xFF000000u | textColor_)));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, DisplayedText());
}

void CKel_ComboBox::OnActivated(int index) {
    selected_ = index;
    Invalidate();
    PostMessageTo(parentWidget(), controlId_, index_, index_);
}

void CKel_ComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), ComposeIfNeeded());
}

void CKel_ComboBox::resizeEvent(QResizeEvent* event) {
    cache_.Reset();
    ApplyListFont();
    QComboBox::resizeEvent(event);
}

void CKel_ComboBox::moveEvent(QMoveEvent* event) {
    cache_.Reset();
    QComboBox::moveEvent(event);
}

void CKel_ComboBox::focusInEvent(QFocusEvent* event) {
    SetFocusedFlag(true);
    QComboBox::focusInEvent(event);
}

void CKel_ComboBox::focusOutEvent(QFocusEvent* event) {
    SetFocusedFlag(false);
    QComboBox::focusOutEvent(event);
}

void CKel_ComboBox::mousePressEvent(QMouseEvent* event) {
    // Only the field opens the list; the space the owner reserves below it is not the control.
    if (TakesInput() && FieldRect().contains(event->position())) QComboBox::mousePressEvent(event);
}

void CKel_ComboBox::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void CKel_ComboBox::wheelEvent(QWheelEvent* event) {
    if (TakesInput()) QComboBox::wheelEvent(event);
}

void CKel_ComboBox::keyPressEvent(QKeyEvent* event) {
    if (TakesInput()) QComboBox::keyPressEvent(event);
}

}  // namespace velto
