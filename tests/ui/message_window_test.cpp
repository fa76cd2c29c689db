// MessageWindow: synchronous sends (also across threads), queued posts and timers.

#include <gtest/gtest.h>

#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

#include "controls/message_window.h"
#include "tests/ui/ui_test_support.h"

namespace velto {
namespace {

// Records the thread each message ran on and answers with wParam + lParam.
class Receiver : public MessageWindow {
  public:
    std::vector<test::Received> handled;
    std::vector<Qt::HANDLE> threads;
    std::vector<int> timerTicks;

  protected:
    LResult OnMessage(int message, WParam wParam, LParam lParam) override {
        handled.push_back({message, wParam, lParam});
        threads.push_back(QThread::currentThreadId());
        return wParam + lParam;
    }
    void OnTimer(int id) override {
        timerTicks.push_back(id);
        if (timerTicks.size() == 3) KillTimer(id);
    }
};

class MessageWindowTest : public ::testing::Test {
  protected:
    MessageWindowTest() { test::App(); }
    Receiver receiver;
};

TEST_F(MessageWindowTest, SendOnTheOwnThreadRunsTheHandlerDirectly) {
    EXPECT_EQ(receiver.Send(1025, 4, 3), 7);
    ASSERT_EQ(receiver.handled.size(), 1u);
    EXPECT_EQ(receiver.handled[0], (test::Received{1025, 4, 3}));
}

TEST_F(MessageWindowTest, PostRunsLaterInOrder) {
    receiver.Post(1025, 0, 24);
    receiver.Post(1025, 0, 25);
    EXPECT_TRUE(receiver.handled.empty());
    QCoreApplication::sendPostedEvents(&receiver);
    EXPECT_EQ(receiver.handled, (std::vector<test::Received>{{1025, 0, 24}, {1025, 0, 25}}));
}

TEST_F(MessageWindowTest, SendFromAnotherThreadBlocksUntilTheWindowHasHandledIt) {
    std::atomic<bool> returned{false};
    LResult answer = 0;
    std::thread link([&] {
        answer = receiver.Send(1025, 10, 2);
        returned.store(true, std::memory_order_release);
    });
    // The sender cannot return before the interface thread runs its event loop.
    QTest::qWait(100);
    EXPECT_FALSE(returned.load(std::memory_order_acquire) && receiver.handled.empty());
    while (!returned.load(std::memory_order_acquire)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    link.join();
    EXPECT_EQ(answer, 12);
    ASSERT_EQ(receiver.handled.size(), 1u);
    EXPECT_EQ(receiver.threads[0], QThread::currentThreadId());
}

TEST_F(MessageWindowTest, SendFromAnotherThreadIsNotHandledBeforeTheLoopRuns) {
    std::atomic<bool> returned{false};
    std::thread link([&] {
        receiver.Send(1025, 4, 0);
        returned.store(true, std::memory_order_release);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // No event processing yet: the sender must still be waiting.
    EXPECT_FALSE(returned.load(std::memory_order_acquire));
    EXPECT_TRUE(receiver.handled.empty());
    while (!returned.load(std::memory_order_acquire)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    link.join();
    EXPECT_EQ(receiver.handled.size(), 1u);
}

TEST_F(MessageWindowTest, TimersFireByTheirIdUntilKilled) {
    receiver.SetTimer(7, 5);
    QTRY_COMPARE_WITH_TIMEOUT(receiver.timerTicks.size(), size_t{3}, 5000);
    QTest::qWait(50);
    EXPECT_EQ(receiver.timerTicks, (std::vector<int>{7, 7, 7}));
}

TEST_F(MessageWindowTest, MessagesToPlainWidgetsAreIgnored) {
    QWidget plain;
    EXPECT_EQ(SendMessageTo(&plain, 1025, 1, 1), 0);
    EXPECT_EQ(SendMessageTo(nullptr, 1025, 1, 1), 0);
    PostMessageTo(&plain, 1025, 1, 1);
    EXPECT_EQ(SendMessageTo(&receiver, 1025, 1, 1), 2);
}

}  // namespace
}  // namespace velto
