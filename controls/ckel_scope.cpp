#include "controls/ckel_scope.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <cstdio>

#include "controls/ckel_scope_images.h"

namespace velto {

namespace {

// C printf rounding (Qt's own formatting rounds ties differently).
QString Printf(const char* format, double a, double b = 0, double c = 0) {
    char text[96];
    std::snprintf(text, sizeof text, format, a, b, c);
    return QString::fromLatin1(text);
}

QImage ClientImage(const IntRect& client) {
    QImage image(std::max(client.Width(), 1), std::max(client.Height(), 1),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

CKel_Scope::CKel_Scope(QWidget* parent, ScopeOptions options)
    : MessageWindow(parent), model_({}, options) {
    // Presses take the focus themselves (so the wheel and the arrow keys come here).
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
}

IntRect CKel_Scope::ClientRect() const {
    return {0, 0, width(), height()};
}

void CKel_Scope::SetFrequencyLimits(const ScopeLimits& limits) {
    model_.SetLimits(limits);
}

void CKel_Scope::InitBands(int n) {
    if (!model_.InitBands(n, ClientRect())) return;
    composite_ = ClientImage(ClientRect());
    underlay_ = ClientImage(ClientRect());
    background_ = ClientImage(ClientRect());
    BuildImages();
    DrawScopeBackground(background_, model_.Geometry());
}

void CKel_Scope::BuildImages() {
    markerStrip_ = BuildMarkerStrip(model_.BandCount());
    qHandles_ = BuildQHandleImage();
    eqPass_ = BuildEqPassImage();
}

void CKel_Scope::resizeEvent(QResizeEvent*) {
    const IntRect client = ClientRect();
    const IntRect& old = model_.Geometry().Client();
    // Qt repeats the size at the first show; only a real change moves the markers.
    if (client.right == old.right && client.bottom == old.bottom) return;
    model_.Resize(client);
    if (!background_.isNull()) {
        composite_ = ClientImage(client);
        underlay_ = ClientImage(client);
        background_ = ClientImage(client);
        DrawScopeBackground(background_, model_.Geometry());
    }
    Invalidate();
}

void CKel_Scope::RefreshAfterSetter(bool refreshed) {
    if (refreshed) Invalidate();
}

void CKel_Scope::SetPeqType(int i, double type) {
    RefreshAfterSetter(model_.SetPeqType(i, type));
}
void CKel_Scope::SetPeqFreq(int i, double hz) {
    RefreshAfterSetter(model_.SetPeqFreq(i, hz));
}
void CKel_Scope::SetPeqQ(int i, double q) {
    RefreshAfterSetter(model_.SetPeqQ(i, q));
}
void CKel_Scope::SetPeqGain(int i, double db) {
    RefreshAfterSetter(model_.SetPeqGain(i, db));
}
void CKel_Scope::SetXoverFreq(int k, double hz) {
    RefreshAfterSetter(model_.SetXoverFreq(k, hz));
}
void CKel_Scope::SetXoverUserQ(int code, double v) {
    RefreshAfterSetter(model_.SetXoverUserQ(code, v));
}
void CKel_Scope::SetXoverType(unsigned code) {
    RefreshAfterSetter(model_.SetXoverType(code));
}

void CKel_Scope::SetEqOn(std::uint8_t on) {
    model_.SetEqOn(on != 0);
    Invalidate();
}

void CKel_Scope::SetAnimation(std::uint8_t mode) {
    switch (mode) {
        case 0:
            KillTimer(kAnimationTimer);
            animationState_ = kStopped;
            Invalidate();
            break;
        case 1:
            SetTimer(kAnimationTimer, kAnimationMs);
            if (model_.IsPeqBand(kFirstPeqBand))
                RefreshAfterSetter(model_.SelectAndRefresh(kFirstPeqBand));
            animationState_ = kRunning;
            break;
        case 2:
            SetTimer(kAnimationTimer, kAnimationMs);
            animationState_ = kRunning;
            break;
        default:
            break;
    }
}

void CKel_Scope::OnTimer(int id) {
    if (id != kAnimationTimer) return;
    if (++animationFrame_ > kAnimationFrames) animationFrame_ = 1;
    // Only the selected marker changes: the curves underneath are not drawn again.
    if (model_.IsBand(model_.Selected())) {
        const IntRect r = MarkerRect(model_, model_.Selected());
        update(QRect(r.left - 2, r.top, r.Width() + 2, r.Height()));
    }
}

void CKel_Scope::Notify(const ScopeNotice& notice) {
    SendMessageTo(parentWidget(), ControlId(), notice.wParam, notice.lParam);
}

void CKel_Scope::Invalidate() {
    underlayStale_ = true;
    update();
}

void CKel_Scope::PaintNow() {
    underlayStale_ = true;
    repaint();
}

void CKel_Scope::paintEvent(QPaintEvent* event) {
    const QRect area = PaintFrame(event->rect());
    QPainter painter(this);
    painter.drawImage(area.topLeft(), composite_, area);
}

void CKel_Scope::PaintInto(CMemDcClass& target, int root) {
    PaintFrame(rect());
    if (!target.IsValid() || composite_.isNull()) return;
    const QPoint origin = root > 0 ? mapTo(window(), QPoint(0, 0)) : pos();
    QPainter painter(&target.Image());
    painter.drawImage(origin, composite_);
}

QString CKel_Scope::ReadoutText(int b) const {
    const ScopeBand& band = model_.Band(b);
    const bool fine = band.freq < 100 && !model_.Options().integerFreq;
    if (!model_.IsPeqBand(b)) {
        if (band.freq < 19.7 || band.freq >= 20600) return QStringLiteral("F:OFF");
        return Printf(fine ? "F:%0.1f" : "F:%0.0f", band.freq);
    }
    return Printf(fine ? "F:%0.1f Q:%0.2f G:%0.1f" : "F:%0.0f Q:%0.2f G:%0.1f", band.freq, band.q,
                  band.gain / 10.0);
}

}  // namespace velto
