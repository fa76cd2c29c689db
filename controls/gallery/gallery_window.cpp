#include "controls/gallery/gallery_window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "controls/cea_kel2.h"
#include "controls/ceq_g_2.h"
#include "controls/cgdi_button.h"
#include "controls/ckel_combobox.h"
#include "controls/ckel_cstatic.h"
#include "controls/font_map.h"
#include "controls/skin_resources.h"
#include "controls/text_alignment.h"

namespace velto {
namespace {

constexpr int kWidth = 1240;
constexpr int kHeight = 800;
constexpr std::uint32_t kLightText = 0xFFF0F0F0;
constexpr int kCentred = kAlignCentre | kAlignMiddle | kAlignNoWrap;

// The pointer resting over a widget, so that its hover look shows without a real mouse.
void Hover(QWidget* widget) {
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

GalleryWindow::GalleryWindow(QWidget* parent)
    : MessageWindow(parent),
      canvas_(this, QRect(0, 0, kWidth, kHeight)),
      progress_(std::make_unique<CJinDuTiao>(this)) {
    setWindowTitle(QStringLiteral("Velto control gallery"));
    setFixedSize(kWidth, kHeight);

    // The chassis of the main skin, stretched over the whole gallery.
    CMemDcClass skin;
    if (skin.LoadBitmap(134, this)) {
        canvas_.StretchFrom(0, 0, kWidth, kHeight, skin, 290, 340, 1190, 690);
    }
    QPainter painter(&canvas_.Image());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(MakeFont(QStringLiteral("微软雅黑"), 22, 1));
    painter.setPen(QColor(0xE8, 0xEA, 0xED));
    painter.drawText(QRect(20, 8, 600, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Velto control gallery  ·  控件一览"));
    painter.end();

    AddSliderSection(QRect(16, 52, 804, 218));
    AddButtonSection(QRect(16, 282, 804, 196));
    AddLabelSection(QRect(16, 490, 396, 128));
    AddListSection(QRect(424, 490, 396, 128));
    AddProgressSection(QRect(16, 630, 804, 160));
    AddTabSection(QRect(836, 52, 388, 300));
    AddFaderSection(QRect(836, 364, 388, 426));
}

QRect GalleryWindow::BeginSection(const QRect& frame, const QString& title) {
    QPainter painter(&canvas_.Image());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x05, 0x06, 0x08), 1));
    painter.setBrush(QColor(0x13, 0x16, 0x19, 210));
    painter.drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.setPen(QColor(0xF5, 0xA6, 0x23));
    painter.setFont(MakeFont(QStringLiteral("Arial"), 13, 1));
    painter.drawText(frame.adjusted(14, 6, -14, 0), Qt::AlignLeft | Qt::AlignTop, title);
    return frame.adjusted(14, 30, -14, -10);
}

void GalleryWindow::Caption(const QRect& area, const QString& text) {
    QPainter painter(&canvas_.Image());
    painter.setFont(MakeFont(QStringLiteral("Arial"), 11));
    painter.setPen(QColor(0x8A, 0x92, 0x9B));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, text);
}

void GalleryWindow::AddSliderSection(const QRect& frame) {
    const QRect area = BeginSection(frame, QStringLiteral("CEA_Kel2 · slider (PNG 142)"));
    struct Sample {
        const char* caption;
        double value;
        bool dual, focused, enabled;
        float fine;
        const char* format;
    };
    const Sample samples[] = {
        {"normal", 30, false, false, true, 0, "Gain:%5.0fdB"},
        {"focused", 75, false, true, true, 0, "Threshold:%5.0fdBu"},
        {"disabled", 55, false, false, false, 0, "Ratio:%5.0f"},
        {"dual mode, toggle on", 512, true, false, true, 0, "Delay:%5.0fms"},
        {"fine steps below 50", 12.3, false, false, true, 50, "Delay:%5.1fms"},
        {"caption without ':'", 100, false, false, true, 0, "%3.0f %%"},
    };
    const QSize size(238, 46);  // 1.4 x the design size
    for (int i = 0; i < 6; ++i) {
        const Sample& s = samples[i];
        const QPoint at(area.left() + (i % 3) * 258, area.top() + (i / 3) * 82);
        auto* slider = new CEA_Kel2(this);
        slider->SetFullHeightLayout(true);
        slider->setGeometry(QRect(at, size));
        slider->SetSkin(&canvas_, 142, 0);
        slider->SetControlId(3024 + i);
        slider->SetIndex(i);
        slider->SetTextColor(kLightText);
        slider->SetFineThreshold(s.fine);
        slider->SetDualMode(s.dual);
        slider->SetFormat(QString::fromUtf8(s.format));
        slider->SetValue(s.value);
        slider->SetInputEnabled(s.enabled);
        slider->SetFocusedFlag(s.focused);
        Caption(QRect(at.x(), at.y() + size.height() + 4, size.width(), 16),
                QString::fromUtf8(s.caption));
    }
}

void GalleryWindow::AddButtonSection(const QRect& frame) {
    const QRect area = BeginSection(frame, QStringLiteral("CGDI_Button · buttons (4 frames)"));
    struct Family {
        int png;
        QSize size;
        std::uint32_t normal, toggled;
        const char* caption;
    };
    const Family families[] = {
        {146, QSize(112, 33), 0xFA000000, 0xFF0A0A0A, "EQ PASS"},
        {157, QSize(99, 33), 0xFFE8EAED, 0xFFF5F5F5, "Sing"},
        {147, QSize(128, 26), 0xFFE8EAED, 0xFFFFFFFF, "Successful"},
    };
    const char* const states[] = {"off (1)", "on (2)", "hover", "disabled", "push (0)"};
    for (int row = 0; row < 3; ++row) {
        const Family& f = families[row];
        for (int col = 0; col < 5; ++col) {
            const QPoint at(area.left() + col * 132, area.top() + row * 50);
            auto* button = new CGDI_Button(this);
            button->setGeometry(QRect(at, f.size));
            button->SetSkin(&canvas_, f.png);
            button->SetStyle(13, QStringLiteral("微软雅黑"), f.normal, kCentred, f.toggled);
            button->SetWindowText(QString::fromUtf8(f.caption));
            button->SetControlId(6024);
            button->SetIndex(row * 5 + col);
            button->SetState(col == 1 ? 2 : (col == 4 ? 0 : 1));
            if (col == 2) Hover(button);
            if (col == 3) button->SetEnabled(false);
            if (row == 0)
                Caption(QRect(at.x(), area.bottom() - 14, f.size.width(), 16),
                        QString::fromUtf8(states[col]));
        }
    }
    // The window buttons: hide, maximise, close at twice their size, plain and hovered.
    const int windowPngs[] = {138, 137, 136};
    for (int i = 0; i < 6; ++i) {
        auto* button = new CGDI_Button(this);
        button->setGeometry(area.right() - 120 + (i % 3) * 40, area.top() + (i / 3) * 50, 32, 32);
        button->SetSkin(&canvas_, windowPngs[i % 3]);
        button->SetControlId(3024);
        button->SetIndex(i % 3);
        if (i >= 3) Hover(button);
    }
}

void GalleryWindow::AddTabSection(const QRect& frame) {
    const QRect area =
        BeginSection(frame, QStringLiteral("CGDI_Button · page tabs (PNG 158 … 166)"));
    const int pngs[] = {163, 162, 159, 160, 161, 158, 166, 164, 165};
    const char* const captions[] = {"Music",  "Mic", "Echo", "Reverb", "Main",
                                    "Center", "Sub", "Rear", "System"};
    for (int i = 0; i < 9; ++i) {
        auto* tab = new CGDI_Button(this);
        tab->setGeometry(area.left() + 40, area.top() + i * 28, 278, 26);
        tab->SetSkin(&canvas_, pngs[i]);
        tab->SetStyle(13, QStringLiteral("微软雅黑"), 0xFFD0D4D8, kCentred, 0xFFFFFFFF);
        tab->SetWindowText(QString::fromUtf8(captions[i]));
        tab->SetControlId(5034 + i);
        tab->SetIndex(i);
        tab->SetState(i == 0 ? 2 : 1);
        if (i == 1) Hover(tab);
        if (i == 8) tab->SetEnabled(false);
    }
}

void GalleryWindow::AddLabelSection(const QRect& frame) {
    const QRect area = BeginSection(frame, QStringLiteral("Ckel_CStatic · labels"));
    struct Sample {
        const char* text;
        int alignment;
        std::uint32_t fill;
        const char* family;
    };
    const Sample samples[] = {
        {"增益:\n(db)", kCentred, 0, "微软雅黑"},
        {"HPF Slope:", kAlignMiddle | kAlignNoWrap, 0, "微软雅黑"},
        {"高通滤波器斜率:", kAlignRight | kAlignMiddle | kAlignNoWrap, 0, "宋体"},
        {"Music Input:", kCentred, 0xFF43484D, "黑体"},
    };
    for (int i = 0; i < 4; ++i) {
        auto* label = new Ckel_CStatic(this);
        label->setGeometry(area.left() + (i % 2) * 186, area.top() + (i / 2) * 44, 176, 38);
        label->SetSkin(&canvas_, samples[i].fill, 0);
        label->SetFont(14, QString::fromUtf8(samples[i].family), 0xC8F0F0F0, samples[i].alignment);
        label->SetText(QString::fromUtf8(samples[i].text));
    }
}

void GalleryWindow::AddListSection(const QRect& frame) {
    const QRect area = BeginSection(frame, QStringLiteral("CKel_ComboBox · lists (PNG 143, 168)"));
    const char* const items[] = {"BW 12db", "LR 24db", "OFF", "BW 6db", "BW 18db", "LR 12db"};
    for (int i = 0; i < 4; ++i) {
        auto* list = new CKel_ComboBox(this);
        const bool mainStyle = i >= 2;
        const QSize size = mainStyle ? QSize(175, 30) : QSize(175, 24);
        list->setGeometry(
            QRect(QPoint(area.left() + (i % 2) * 186, area.top() + (i / 2) * 44), size));
        list->SetSkin(&canvas_, mainStyle ? 168 : 143, mainStyle ? 3 : 4);
        for (const char* item : items)
            list->addItem(QString::fromLatin1(item));
        list->SetControlId(5024 + i);
        list->SetIndex(i);
        list->SetCurSel(i);
        list->SetFocusedFlag(i % 2 == 1);
    }
}

void GalleryWindow::AddFaderSection(const QRect& frame) {
    const QRect area = BeginSection(frame, QStringLiteral("CEQ_G_2 · faders (PNG 169)"));
    const char* const captions[] = {"normal", "focused", "markers", "disabled"};
    for (int i = 0; i < 4; ++i) {
        auto* fader = new CEQ_G_2(this);
        fader->setGeometry(area.left() + 12 + i * 90, area.top() + 6, 54, 270);
        fader->SetSkin(&canvas_, 169, 0);
        fader->SetControlId(6034 + i);
        fader->SetIndex(i);
        fader->SetValue(20 + i * 20);
        fader->SetFocusedFlag(i == 1);
        if (i == 2) {
            fader->SetMarkersOn(true);
            fader->SetLowMarker(25);
            fader->SetHighMarker(85);
        }
        if (i == 3) fader->SetInputEnabled(false);
        Caption(QRect(area.left() + i * 90, area.top() + 282, 78, 16),
                QString::fromUtf8(captions[i]));
    }
}

void GalleryWindow::AddProgressSection(const QRect& frame) {
    const QRect area =
        BeginSection(frame, QStringLiteral("CJinDuTiao · progress window (bitmaps 132, 133)"));
    progress_->SetTotal(923);
    const int steps[] = {0, 461, 923};
    QPainter painter(&canvas_.Image());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 3; ++i) {
        progress_->SetTexts(QStringLiteral("Read Device Data:%5.0f %%"), QStringLiteral("Call"),
                            steps[i]);
        const QRect target(area.left() + i * 262, area.top(), 250, 74);
        painter.setOpacity(220.0 / 255.0);
        painter.drawImage(target, progress_->Picture());
    }
    progress_->close();
}

QImage GalleryWindow::Render() {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    render(&image);
    return image;
}

void GalleryWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), canvas_.Image());
    if (lastEvent_.isEmpty()) return;
    painter.setFont(MakeFont(QStringLiteral("Arial"), 12));
    painter.setPen(QColor(0x4F, 0xC3, 0xF7));
    painter.drawText(QRect(640, 8, kWidth - 660, 34), Qt::AlignRight | Qt::AlignVCenter,
                     lastEvent_);
}

LResult GalleryWindow::OnMessage(int message, WParam wParam, LParam lParam) {
    // Every notification is shown, so the gallery doubles as a probe for the controls.
    lastEvent_ =
        QStringLiteral("message %1  wParam %2  lParam %3").arg(message).arg(wParam).arg(lParam);
    update();
    return 0;
}

}  // namespace velto
