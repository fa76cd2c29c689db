#include "controls/gallery/eq_gallery_window.h"

#include <QPainter>

#include "controls/font_map.h"

namespace velto {

namespace {

constexpr int kWidth = 1040;
constexpr int kHeight = 720;
const QRect kScopeRect(20, 44, 1000, 380);
constexpr int kStripWidth = 61;  // 1.2 x the strip's design size
constexpr int kStripHeight = 252;
constexpr int kStripGap = 5;

// The Music page's band frequencies after "REST".
constexpr double kRestFreqs[EqGalleryWindow::kBands] = {19.7,   31.7,   51.1,   82.2,   132.3,
                                                        213.0,  342.9,  552.0,  888.7,  1430.6,
                                                        2303.1, 3707.7, 5968.8, 9608.9, 15468.9};

}  // namespace

EqGalleryWindow::EqGalleryWindow(QWidget* parent)
    : MessageWindow(parent), canvas_(this, QRect(0, 0, kWidth, kHeight)) {
    setWindowTitle(QStringLiteral("Velto gallery: response display and band strips"));
    setFixedSize(kWidth, kHeight);
    canvas_.Image().fill(QColor(0x1E, 0x22, 0x26));
    {
        QPainter painter(&canvas_.Image());
        painter.setFont(MakeFont(QStringLiteral("Arial"), 14, 1));
        painter.setPen(QColor(0xF5, 0xA6, 0x23));
        painter.drawText(QRect(20, 10, 600, 26), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("CKel_Scope + CEQ_Kel0 · drag, type, scroll"));
    }

    // As the Music page: limits first, then the window, then the band set.
    scope_ = new CKel_Scope(this);
    ScopeLimits limits;
    limits.hpfMax = 303;
    limits.lpfMin = 5990;
    scope_->SetFrequencyLimits(limits);
    scope_->SetCopyPasteEnabled(1);
    scope_->SetControlId(kScopeId);
    scope_->setGeometry(kScopeRect);
    scope_->InitBands(kBands);

    const int stripsLeft = (kWidth - kBands * (kStripWidth + kStripGap) + kStripGap) / 2;
    for (int k = 0; k < kBands; ++k) {
        auto* editor = new CEQ_Kel0(this);
        editor->setGeometry(stripsLeft + k * (kStripWidth + kStripGap), kScopeRect.bottom() + 20,
                            kStripWidth, kStripHeight);
        editor->SetSkin(&canvas_, 141, 2);
        editor->SetControlId(kFirstEditorId + k);
        editor->SetIndex(k);
        editors_[k] = editor;
        // A starting curve with some character: the page's reset frequencies, a few boosts
        // and cuts, and a shelf at each end.
        const double gain = (k % 5) * 3.0 - 6.0;
        const double q = 0.7 + 0.3 * (k % 4);
        const int type = k == 0 ? kLowShelfType : (k == kBands - 1 ? kHighShelfType : kPeakingType);
        editor->SetValue(1, kRestFreqs[k]);
        editor->SetValue(0, gain);
        editor->SetValue(2, q);
        editor->SetValue(3, type);
        for (int kind = 0; kind < 4; ++kind)
            EditorChanged(k, kind);
    }
    scope_->SetXoverFreq(0, 40);
    scope_->SetXoverFreq(1, 16000);
    scope_->SetXoverType(20);
    scope_->SetXoverType(21);
}

void EqGalleryWindow::showEvent(QShowEvent*) {
    scope_->SetAnimation(2);
}

void EqGalleryWindow::hideEvent(QHideEvent*) {
    scope_->SetAnimation(0);
}

void EqGalleryWindow::EditorChanged(int k, int kind) {
    const double v = editors_[k]->GetValue(kind);
    switch (kind) {
        case 0:
            scope_->SetPeqGain(k, v);
            break;
        case 1:
            scope_->SetPeqFreq(k, v);
            break;
        case 2:
            scope_->SetPeqQ(k, v);
            break;
        case 3:
            scope_->SetPeqType(k, v);
            break;
        default:
            break;
    }
}

void EqGalleryWindow::DisplayChanged(int kind, int band) {
    if (band >= kBands) return;
    if (kind == 0) {
        CEQ_Kel0& editor = *editors_[band];
        editor.SetValue(1, scope_->GetPeqFreq(band));
        editor.SetValue(2, scope_->GetPeqQ(band));
        editor.SetValue(0, scope_->GetPeqGain(band));
        editor.SetValue(3, scope_->GetPeqType(band));
    }
}

LResult EqGalleryWindow::OnMessage(int message, WParam wParam, LParam lParam) {
    const int k = message - kFirstEditorId;
    if (k >= 0 && k < kBands) EditorChanged(k, static_cast<int>(lParam));
    if (message == kScopeId) DisplayChanged(static_cast<int>(wParam), static_cast<int>(lParam));
    lastEvent_ =
        QStringLiteral("message %1  wParam %2  lParam %3").arg(message).arg(wParam).arg(lParam);
    update(QRect(kWidth / 2, 10, kWidth / 2 - 20, 26));
    return 0;
}

QImage EqGalleryWindow::Render() {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    render(&image);
    return image;
}

void EqGalleryWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), canvas_.Image());
    if (lastEvent_.isEmpty()) return;
    painter.setFont(MakeFont(QStringLiteral("Arial"), 12));
    painter.setPen(QColor(0x4F, 0xC3, 0xF7));
    painter.drawText(QRect(kWidth / 2, 10, kWidth / 2 - 20, 26), Qt::AlignRight | Qt::AlignVCenter,
                     lastEvent_);
}

}  // namespace velto
