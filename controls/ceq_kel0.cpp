#include "controls/ceq_kel0.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "controls/font_map.h"

namespace velto {

namespace {

// Style 2 geometry in design units.
constexpr double kDesignWidth = 51;
constexpr double kDesignHeight = 210;
const QRectF kBoxRects[3] = {QRectF(QPointF(4, 4), QPointF(46, 17)),
                             QRectF(QPointF(4, 160), QPointF(46, 174)),
                             QRectF(QPointF(4, 190), QPointF(46, 204))};
constexpr double kNumberTop = 25;
constexpr double kNumberHeight = 40;
const QRectF kTypeColumn(QPointF(0, 47), QPointF(16, 148));
const QRectF kPeakButton(QPointF(0, 47), QPointF(16, 64));
const QRectF kHighShelfButton(QPointF(0, 89), QPointF(16, 106));
const QRectF kLowShelfButton(QPointF(0, 131), QPointF(16, 148));
constexpr double kTrackX = 45;
constexpr double kTrackTop = 51;      // +12 dB
constexpr double kTrackBottom = 142;  // -24 dB
constexpr double kThumbWidth = 10;
constexpr double kThumbHeight = 16;

// QLineEdit keeps two pixels free on either side of its text and one for the cursor.
constexpr double kBoxTextInset = 2 + 2 + 1;

constexpr QRgb kNumberColour = 0xFFF0F0F0;
constexpr QRgb kNumberFocusedColour = 0xFFFF0000;
constexpr QRgb kBoxTextColour = 0xFFFAFAFA;

// The edit boxes keep their control IDs so that the wheel and Enter know which value the
// focused box holds, as they do for every strip on the page.
class EqEditBox : public QLineEdit {
  public:
    EqEditBox(QWidget* parent, int controlId) : QLineEdit(parent), controlId_(controlId) {}
    int ControlId() const { return controlId_; }

  private:
    int controlId_;
};

int KindIndex(EqValueKind kind) {
    return static_cast<int>(kind);
}

}  // namespace

CEQ_Kel0::CEQ_Kel0(QWidget* parent) : SkinnedControl(parent) {}

QSizeF CEQ_Kel0::DesignSize() const {
    return QSizeF(kDesignWidth, kDesignHeight);
}

double CEQ_Kel0::GainY(double db) const {
    const double top = kTrackTop * ScaleY();
    const double bottom = kTrackBottom * ScaleY();
    return std::trunc(bottom - (bottom - top) * (db - kEqGainMin) / (kEqGainMax - kEqGainMin) +
                      0.5);
}

QRectF CEQ_Kel0::ThumbRect() const {
    const double w = kThumbWidth * ScaleX();
    const double h = kThumbHeight * ScaleY();
    return QRectF(kTrackX * ScaleX() - w / 2, GainY(gain_) - h / 2, w, h);
}

QRectF CEQ_Kel0::TypeButtonRect(int type) const {
    if (type == kHighShelfType) return Scaled(kHighShelfButton);
    if (type == kLowShelfType) return Scaled(kLowShelfButton);
    return Scaled(kPeakButton);
}

void CEQ_Kel0::CreateBoxes() {
    for (int k = 0; k < 3; ++k) {
        auto* box = new EqEditBox(this, kFirstBoxId + k);
        box->setAlignment(Qt::AlignCenter);
        box->setFrame(false);
        box->setStyleSheet(
            QStringLiteral("QLineEdit { background: rgb(67, 72, 77); color: #FAFAFA; }"));
        box->installEventFilter(this);
        box->show();
        boxes_[k] = box;
    }
    ShowValue(EqValueKind::Gain, 0);
    ShowValue(EqValueKind::Freq, 1000);
    ShowValue(EqValueKind::Q, 0.4);
}

QFont CEQ_Kel0::BoxFont() const {
    const QRectF box = Scaled(kBoxRects[0]);
    QFont font = MakeFont(QStringLiteral("Arial"), box.height());
    // The longest text a box shows is the highest frequency, five digits.
    static const QString kLongest =
        QString::fromStdString(FormatEqValue(EqValueKind::Freq, kEqFreqTable.back()));
    const double room = box.width() - kBoxTextInset;
    const double needed = QFontMetricsF(font).horizontalAdvance(kLongest);
    if (needed > room && room > 0)
        font = MakeFont(QStringLiteral("Arial"), std::floor(box.height() * room / needed));
    return font;
}

void CEQ_Kel0::UpdateGeometry() {
    if (!boxes_[0]) CreateBoxes();
    const QFont font = BoxFont();
    for (int k = 0; k < 3; ++k) {
        boxes_[k]->setGeometry(Scaled(kBoxRects[k]).toRect());
        boxes_[k]->setFont(font);
    }
}

QString CEQ_Kel0::BoxText(int kind) const {
    if (kind < 0 || kind > 2) return {};
    return boxes_[kind] ? boxes_[kind]->text() : texts_[kind];
}

void CEQ_Kel0::ShowValue(EqValueKind kind, double x) {
    const int k = KindIndex(kind);
    if (kind == EqValueKind::Gain) gain_ = x;
    texts_[k] = QString::fromStdString(FormatEqValue(kind, x));
    if (boxes_[k]) boxes_[k]->setText(texts_[k]);
    Invalidate();
}

void CEQ_Kel0::SetValue(int kind, double x) {
    switch (kind) {
        case 0:
            ShowValue(EqValueKind::Gain, std::clamp(x, kEqGainMin, kEqGainMax));
            break;
        case 1:
            ShowValue(EqValueKind::Freq, LookupFreq(x));
            break;
        case 2:
            ShowValue(EqValueKind::Q, LookupQ(x));
            break;
        case 3:
            type_ = static_cast<int>(x);
            break;
        default:
            return;
    }
    Invalidate();
    if (isVisible()) {
        focused_ = true;
        PaintNow();
        setFocus(Qt::OtherFocusReason);
    }
}

double CEQ_Kel0::GetValue(int kind) const {
    if (kind == KindIndex(EqValueKind::Type)) return type_;
    if (kind < 0 || kind > 2) return 0;
    return ParseAndStep(static_cast<EqValueKind>(kind), BoxText(kind).toStdString(), 0);
}

void CEQ_Kel0::NotifyKind(EqValueKind kind) {
    Notify(index_, KindIndex(kind));
}

void CEQ_Kel0::StepAndNotify(EqValueKind kind, int s) {
    ShowValue(kind, ParseAndStep(kind, BoxText(KindIndex(kind)).toStdString(), s));
    NotifyKind(kind);
}

EqValueKind CEQ_Kel0::FocusedKind() {
    const auto* box = dynamic_cast<const EqEditBox*>(QApplication::focusWidget());
    const int kind = box ? box->ControlId() - kFirstBoxId : -1;
    return kind >= 0 && kind <= 2 ? static_cast<EqValueKind>(kind) : EqValueKind::Gain;
}

bool CEQ_Kel0::HandleKey(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            StepAndNotify(EqValueKind::Freq, -1);
            return true;
        case Qt::Key_Right:
            StepAndNotify(EqValueKind::Freq, +1);
            return true;
        case Qt::Key_Up:
            StepAndNotify(EqValueKind::Gain, +1);
            return true;
        case Qt::Key_Down:
            StepAndNotify(EqValueKind::Gain, -1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            StepAndNotify(FocusedKind(), 0);
            return false;  // the box still sees its Enter
        default:
            return false;
    }
}

bool CEQ_Kel0::eventFilter(QObject* watched, QEvent* event) {
    const auto it = std::find(boxes_.begin(), boxes_.end(), watched);
    if (it == boxes_.end()) return SkinnedControl::eventFilter(watched, event);
    const auto kind = static_cast<EqValueKind>(it - boxes_.begin());
    switch (event->type()) {
        case QEvent::KeyPress:
            return HandleKey(static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            Invalidate();
            break;
        case QEvent::FocusOut:
            // Leaving a box normalises whatever was typed into it and reports it.
            focused_ = false;
            StepAndNotify(kind, 0);
            PaintNow();
            break;
        default:
            break;
    }
    return false;
}

void CEQ_Kel0::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(event)) SkinnedControl::keyPressEvent(event);
}

void CEQ_Kel0::LeftPress(const QPointF& point) {
    if (!CanTakeMouse()) return;
    setFocus(Qt::MouseFocusReason);
    const QRectF thumb = ThumbRect();
    const double trackX = kTrackX * ScaleX();
    const bool onTrackColumn = std::fabs(point.x() - trackX) <= thumb.width() / 2;
    if (onTrackColumn && std::fabs(point.y() - thumb.center().y()) <= thumb.height() / 2) {
        SetCapture();
        dragging_ = true;
        ShowValue(EqValueKind::Gain, gain_);
        PaintNow();
        NotifyKind(EqValueKind::Gain);
        setCursor(Qt::PointingHandCursor);
    } else {
        for (int type : {kPeakingType, kHighShelfType, kLowShelfType}) {
            if (TypeButtonRect(type).contains(point)) {
                type_ = type;
                NotifyKind(EqValueKind::Type);
            }
        }
        if (onTrackColumn) {
            const double half = thumb.height() / 2;
            if (point.y() >= GainY(kEqGainMax) - half && point.y() < thumb.top()) {
                StepAndNotify(EqValueKind::Gain, +1);
            } else if (point.y() > thumb.bottom() && point.y() <= GainY(kEqGainMin) + half) {
                StepAndNotify(EqValueKind::Gain, -1);
            }
        }
    }
    focused_ = true;
    Invalidate();
}

void CEQ_Kel0::mouseMoveEvent(QMouseEvent* event) {
    if (!CanTakeMouse() || !dragging_) return;
    const double top = GainY(kEqGainMax);
    const double bottom = GainY(kEqGainMin);
    if (bottom <= top) return;
    double v =
        kEqGainMax - (kEqGainMax - kEqGainMin) * (event->position().y() - top) / (bottom - top);
    v = std::clamp(std::trunc(v * 10) / 10, kEqGainMin, kEqGainMax);
    ShowValue(EqValueKind::Gain, v);
    PaintNow();
    NotifyKind(EqValueKind::Gain);
}

void CEQ_Kel0::mouseReleaseEvent(QMouseEvent* event) {
    if (!CanTakeMouse() || !dragging_ || event->button() != Qt::LeftButton) return;
    ReleaseCapture();
    ShowValue(EqValueKind::Gain, gain_);
    NotifyKind(EqValueKind::Gain);
    dragging_ = false;
}

void CEQ_Kel0::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (!CanTakeMouse()) return;
    StepAndNotify(FocusedKind(), event->angleDelta().y() > 0 ? +1 : -1);
}

void CEQ_Kel0::Compose(QPainter& painter) {
    const QRectF client(0, 0, width(), height());
    DrawSkinPart(painter, skin::band_strip::kStrip, client);

    painter.setFont(
        MakeFont(QStringLiteral("Arial"), std::trunc(14.0 * width() / kDesignWidth), 1));
    painter.setPen(QColor::fromRgba(focused_ ? kNumberFocusedColour : kNumberColour));
    painter.drawText(QRectF(0, kNumberTop * ScaleY(), width(), kNumberHeight * ScaleY()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                     QString::number(index_ + 1));

    const skin::AtlasRect& column = type_ == kHighShelfType  ? skin::band_strip::kTypesHighShelf
                                    : type_ == kLowShelfType ? skin::band_strip::kTypesLowShelf
                                                             : skin::band_strip::kTypesPeak;
    DrawSkinPart(painter, column, Scaled(kTypeColumn));
    DrawSkinPart(painter, focused_ ? skin::band_strip::kThumbFocused : skin::band_strip::kThumb,
                 ThumbRect());
    DrawBoxTexts(painter);
}

void CEQ_Kel0::DrawBoxTexts(QPainter& painter) const {
    painter.setFont(BoxFont());
    painter.setPen(QColor::fromRgba(kBoxTextColour));
    for (int k = 0; k < 3; ++k) {
        painter.drawText(Scaled(kBoxRects[k]), Qt::AlignCenter, BoxText(k));
    }
}

}  // namespace velto
