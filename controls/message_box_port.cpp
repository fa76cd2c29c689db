#include "controls/message_box_port.h"

#include <QCoreApplication>

#include "controls/message_box.h"
#include "controls/ui_thread.h"

namespace velto {

int UiMessageBoxPort::Show(const std::string& text, const std::string& caption, int buttons,
                           int languageId) {
    int result = kResultCancel;
    QObject* context = owner_ ? static_cast<QObject*>(owner_.data()) : QCoreApplication::instance();
    if (!context) return result;
    RunOnThreadOf(
        context,
        [&] {
            QWidget* owner = owner_.data();
            const QString title = caption.empty() && owner ? owner->window()->windowTitle()
                                                           : QString::fromStdString(caption);
            result = ShowMessageBox(owner, QString::fromStdString(text), title, buttons,
                                    LanguageIndexOfId(languageId));
        },
        true);
    return result;
}

}  // namespace velto
