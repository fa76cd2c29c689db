#include "controls/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "link/link_ports.h"

namespace velto {
namespace {

constexpr int kButtonMask = 0x0F;
constexpr int kIconMask = 0xF0;

QMessageBox::Icon IconOf(int style) {
    switch (style & kIconMask) {
        case 0x10:
            return QMessageBox::Critical;
        case 0x20:
            return QMessageBox::Question;
        case 0x30:
            return QMessageBox::Warning;
        case 0x40:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

std::vector<int> ResultsOf(int style) {
    switch (style & kButtonMask) {
        case kButtonsOkCancel:
            return {kResultOk, kResultCancel};
        case kButtonsYesNo:
            return {kResultYes, kResultNo};
        default:
            return {kResultOk};
    }
}

QMessageBox::ButtonRole RoleOf(int result) {
    switch (result) {
        case kResultYes:
            return QMessageBox::YesRole;
        case kResultNo:
            return QMessageBox::NoRole;
        case kResultCancel:
            return QMessageBox::RejectRole;
        default:
            return QMessageBox::AcceptRole;
    }
}

}  // namespace

int LanguageIndexOfId(int languageId) {
    switch (languageId) {
        case 2052:
            return 0;
        case 1028:
            return 1;
        default:
            return 2;
    }
}

QString MessageBoxButtonText(int result, int languageIndex) {
    const int language = languageIndex >= 0 && languageIndex <= 2 ? languageIndex : 2;
    switch (result) {
        case kResultCancel: {
            static const char* const kTexts[3] = {"取消", "取消", "Cancel"};
            return QString::fromUtf8(kTexts[language]);
        }
        case kResultYes: {
            static const char* const kTexts[3] = {"是", "是", "Yes"};
            return QString::fromUtf8(kTexts[language]);
        }
        case kResultNo: {
            static const char* const kTexts[3] = {"否", "否", "No"};
            return QString::fromUtf8(kTexts[language]);
        }
        default: {
            static const char* const kTexts[3] = {"确定", "確定", "OK"};
            return QString::fromUtf8(kTexts[language]);
        }
    }
}

int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, int style,
                   int languageIndex) {
    QMessageBox box(IconOf(style), caption, text, QMessageBox::NoButton, owner);
    const std::vector<int> results = ResultsOf(style);
    std::vector<QAbstractButton*> buttons;
    for (int result : results) {
        buttons.push_back(
            box.addButton(MessageBoxButtonText(result, languageIndex), RoleOf(result)));
    }
    box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    // Escape answers with the last button (Cancel, No), or OK when it is alone.
    box.setEscapeButton(buttons.back());
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return results[i];
    }
    return results.back();
}

}  // namespace velto
