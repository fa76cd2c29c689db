// Message boxes: buttons in the current language, results, and the link's blocking port.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <thread>

#include "controls/message_box.h"
#include "controls/message_box_port.h"
#include "link/link_ports.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

// Once the box is open: record its buttons' labels and press the one labelled `press`.
void AnswerNextBox(QStringList& labels, QString& title, const QString& press) {
    QTimer::singleShot(20, [&labels, &title, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        for (QAbstractButton* button : box->buttons())
            labels << button->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == press) button->click();
        }
    });
}

struct LanguageCase {
    int language;
    int style;
    QStringList labels;
    QString press;
    int result;
};

TEST(MessageBoxTest, ButtonsFollowTheLanguageAndReportThePressedOne) {
    test::RecordingOwner owner;
    const LanguageCase cases[] = {
        {0, kButtonsYesNo, {"是", "否"}, "否", kResultNo},
        {1, kButtonsOkCancel, {"確定", "取消"}, "確定", kResultOk},
        {2, kButtonsYesNo, {"Yes", "No"}, "Yes", kResultYes},
        {2, kButtonsOk | 0x30, {"OK"}, "OK", kResultOk},
        {0, kButtonsOkCancel, {"确定", "取消"}, "取消", kResultCancel},
    };
    for (const auto& c : cases) {
        QStringList labels;
        QString title;
        AnswerNextBox(labels, title, c.press);
        const int result = ShowMessageBox(&owner, QStringLiteral("Whether to exit the program!"),
                                          QStringLiteral("Tip!"), c.style, c.language);
        EXPECT_EQ(result, c.result);
        labels.sort();
        QStringList expected = c.labels;
        expected.sort();
        EXPECT_EQ(labels, expected);
        EXPECT_EQ(title, QStringLiteral("Tip!"));
    }
}

TEST(MessageBoxTest, LanguageIdsMapToLanguageIndices) {
    EXPECT_EQ(LanguageIndexOfId(2052), 0);
    EXPECT_EQ(LanguageIndexOfId(1028), 1);
    EXPECT_EQ(LanguageIndexOfId(1033), 2);
    EXPECT_EQ(LanguageIndexOfId(1041), 2);
}

TEST(MessageBoxTest, PortCalledFromTheLinkThreadWaitsUntilTheBoxIsClosed) {
    test::RecordingOwner owner;
    owner.setWindowTitle(QStringLiteral("Velto"));
    UiMessageBoxPort port(&owner);
    QStringList labels;
    QString title;
    std::atomic<bool> returned{false};
    std::atomic<int> result{0};
    std::thread link([&] {
        result.store(port.Show("Read Data Failed!", "", kButtonsOk, 1033));
        returned.store(true);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(returned.load());
    AnswerNextBox(labels, title, QStringLiteral("OK"));
    while (!returned.load())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    link.join();
    EXPECT_EQ(result.load(), kResultOk);
    EXPECT_EQ(labels, QStringList{QStringLiteral("OK")});
    // An empty caption takes the main window's title.
    EXPECT_EQ(title, QStringLiteral("Velto"));
}

}  // namespace
}  // namespace velto
