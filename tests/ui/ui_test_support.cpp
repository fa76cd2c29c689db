#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>

namespace velto::test {

QApplication& App() {
    static int argc = 1;
    static char name[] = "velto_ui_controls_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

namespace {

// The application exists before any fixture builds its widgets.
class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { App(); }
};
const ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

RecordingOwner::RecordingOwner() : skin(this, QRect(0, 0, 800, 600)) {
    App();
    skin.Image().fill(QColor(0x2A, 0x2F, 0x34));
    resize(800, 600);
    show();
    activateWindow();
    QApplication::setActiveWindow(this);
    (void)QTest::qWaitForWindowActive(this);
}

void RecordingOwner::DrainPosted() {
    QCoreApplication::sendPostedEvents(this);
}

LResult RecordingOwner::OnMessage(int message, WParam wParam, LParam lParam) {
    messages.push_back({message, wParam, lParam});
    return 0;
}

void Wheel(QWidget* widget, int delta, QPoint at) {
    QWheelEvent event(QPointF(at), QPointF(widget->mapToGlobal(at)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

}  // namespace velto::test
