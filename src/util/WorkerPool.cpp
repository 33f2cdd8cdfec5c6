#include "util/WorkerPool.h"

#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace addrell {

void WorkerPool::run(qsizetype count, int threads, const Task& task)
{
    std::vector<std::exception_ptr> errors(static_cast<std::size_t>(count));
    std::atomic<qsizetype> next = 0;
    std::atomic<qsizetype> firstFailed = count;
    const auto work = [&] {
        for (qsizetype index = next++; index < count && index < firstFailed; index = next++) {
            try {
                task(index);
            } catch (...) {
                errors[static_cast<std::size_t>(index)] = std::current_exception();
                for (qsizetype failed = firstFailed;
                     index < failed && !firstFailed.compare_exchange_weak(failed, index);) {
                }
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        const qsizetype helperCount = qMin(qsizetype{threads}, count) - 1;
        for (qsizetype i = 0; i < helperCount; ++i) {
            try {
                helpers.emplace_back(work);
            } catch (const std::system_error&) {
                break; // fewer threads do the same work
            }
        }
        work();
    } // the helpers join here
    for (const std::exception_ptr& error : errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
}

} // namespace addrell
