#include "controls/progress_window_port.h"

#include "controls/ui_thread.h"

namespace velto {

void UiProgressWindow::Show() {
    CJinDuTiao* window = &window_;
    RunOnThreadOf(
        window,
        [window] {
            window->show();
            window->raise();
        },
        false);
}

void UiProgressWindow::Hide() {
    CJinDuTiao* window = &window_;
    RunOnThreadOf(
        window, [window] { window->hide(); }, false);
}

void UiProgressWindow::SetMaximum(int maximum) {
    CJinDuTiao* window = &window_;
    RunOnThreadOf(
        window, [window, maximum] { window->SetTotal(maximum); }, false);
}

void UiProgressWindow::SetPosition(int position) {
    CJinDuTiao* window = &window_;
    RunOnThreadOf(
        window, [window, position] { window->SetProgress(position); }, false);
}

void UiProgressWindow::SetCaption(const std::string& format) {
    CJinDuTiao* window = &window_;
    const QString text = QString::fromStdString(format);
    RunOnThreadOf(
        window,
        [window, text] {
            window->SetProgressFormat(text);
            window->SetProgress(window->Progress());
        },
        false);
}

}  // namespace velto
