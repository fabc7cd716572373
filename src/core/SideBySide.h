#pragma once
// Runs count independent jobs on the machine's cores: each worker takes the next job not
// yet taken. The first failure a job throws is thrown again once every job has ended.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace shrink4 {

template <class Job>
void runSideBySide(std::size_t count, Job&& job)
{
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;) {
            try {
                job(i);
            } catch (...) {
                const std::lock_guard lock(failureLock);
                if (!failure)
                    failure = std::current_exception();
            }
        }
    };
    const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::jthread> helpers;
    for (unsigned t = 1; t < std::min<std::size_t>(cores, count); ++t)
        helpers.emplace_back(work);
    work();
    helpers.clear(); // joins
    if (failure)
        std::rethrow_exception(failure);
}

// Below this much text in all, jobs take microseconds: less than starting a thread.
inline constexpr std::size_t kSideBySideBytes = std::size_t(1) << 20;

// The jobs side by side when they work on at least kSideBySideBytes of text in all, one
// after another otherwise.
template <class Job>
void runSideBySideIfLarge(std::size_t count, std::size_t textBytes, Job&& job)
{
    if (textBytes < kSideBySideBytes) {
        for (std::size_t i = 0; i < count; ++i)
            job(i);
        return;
    }
    runSideBySide(count, job);
}

} // namespace shrink4
