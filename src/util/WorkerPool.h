#pragma once

#include <QtGlobal>

#include <functional>

namespace addrell {

// Runs numbered tasks on a few threads, the calling one among them, and returns when all are
// done. An exception in a task reaches the caller: the one of the lowest-numbered task that
// threw, as if the tasks had run one after another; tasks after it may be left undone.
class WorkerPool {
public:
    using Task = std::function<void(qsizetype index)>;

    static void run(qsizetype count, int threads, const Task& task);
};

} // namespace addrell
