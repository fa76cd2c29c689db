#include "controls/cjindutiao.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>

#include "controls/font_map.h"
#include "controls/printf_format.h"
#include "controls/skin_atlas.h"

namespace velto {
namespace {

constexpr double kOpacity = 220.0 / 255.0;
constexpr int kCornerRadius = 10;
// "黑体" at 25 pt on a 96-dpi screen.
constexpr double kFontPixels = 25.0 * 96.0 / 72.0;
const QRect kTitleBand(0, 0, skin::kProgressWidth, 30);
const QRect kTextBand(0, 90, skin::kProgressWidth, skin::kProgressHeight - 90);

}  // namespace

CJinDuTiao::CJinDuTiao(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      owner_(owner),
      format_(QStringLiteral("欢迎使用!")) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowOpacity(kOpacity);
    setFixedSize(skin::kProgressWidth, skin::kProgressHeight);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    setMask(QRegion(rounded.toFillPolygon().toPolygon()));
    surface_.LoadBitmap(skin::kBitmapProgressEmpty, this);
    CentreOverOwner();
}

void CJinDuTiao::SetTotal(int total) {
    total_ = total;
}

void CJinDuTiao::SetProgressFormat(const QString& format) {
    format_ = format;
}

void CJinDuTiao::SetProgress(int n) {
    // A total of 0 or a count beyond it must not divide by zero or overrun the bar.
    progress_ = total_ > 0 ? std::clamp(n, 0, total_) : 0;
    const double fraction = total_ > 0 ? double(progress_) / total_ : 0.0;
    text_ = FormatNumber(format_, fraction * 100.0);

    CMemDcClass empty;
    CMemDcClass full;
    if (!empty.LoadBitmap(skin::kBitmapProgressEmpty, this) ||
        !full.LoadBitmap(skin::kBitmapProgressFull, this)) {
        surface_ = CMemDcClass();  // missing artwork: the window stays blank
        update();
        return;
    }
    revealed_ =
        static_cast<int>(progress_ * double(skin::kProgressBarLength) / std::max(total_, 1) +
                         skin::kProgressBarLeft);
    empty.CopyFrom(0, 0, revealed_, full.Extent().height(), full, 0, 0);

    QPainter painter(&empty.Image());
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(MakeFont(QStringLiteral("黑体"), kFontPixels));
    painter.setPen(QColor(255, 0, 0));
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    painter.drawText(kTitleBand, flags, title_);
    painter.drawText(kTextBand, flags, text_);
    painter.end();

    surface_ = empty;
    CentreOverOwner();
    update();
}

void CJinDuTiao::SetTexts(const QString& progressFormat, const QString& title, int n) {
    format_ = progressFormat;
    title_ = title;
    SetProgress(n);
}

void CJinDuTiao::CentreOverOwner() {
    const QWidget* top = owner_ ? owner_->window() : nullptr;
    if (!top) return;
    const QPoint centre = top->mapToGlobal(top->rect().center());
    move(centre - QPoint(width() / 2, height() / 2));
}

void CJinDuTiao::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!surface_.IsValid()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), surface_.Image());
}

void CJinDuTiao::mousePressEvent(QMouseEvent* event) {
    // Anywhere in the window acts as its caption: the user can drag it away.
    if (event->button() == Qt::LeftButton) dragOffset_ = event->globalPosition().toPoint() - pos();
}

void CJinDuTiao::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) move(event->globalPosition().toPoint() - dragOffset_);
}

void CJinDuTiao::closeEvent(QCloseEvent* event) {
    CentreOverOwner();
    format_.clear();
    title_.clear();
    SetProgress(0);
    QWidget::closeEvent(event);
}

void CJinDuTiao::showEvent(QShowEvent* event) {
    CentreOverOwner();
    QWidget::showEvent(event);
}

}  // namespace velto
