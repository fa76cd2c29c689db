#pragma once
// Running work on the user-interface thread from any thread.

#include <QObject>
#include <QThread>
#include <functional>

namespace velto {

// Runs `work` on `context`'s thread: directly when already there, otherwise queued (returns at
// once) or blocking until it has run.  Queued work is dropped if `context` is destroyed first.
inline void RunOnThreadOf(QObject* context, std::function<void()> work, bool wait) {
    if (QThread::currentThread() == context->thread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(context, std::move(work),
                              wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

}  // namespace velto
