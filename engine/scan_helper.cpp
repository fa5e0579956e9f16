#include "scan_helper.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

// Waking a sleeping thread takes longer than a short scan share: after a task, and while a task is
// awaited, the threads watch for the next step this long before they sleep. Words are usually looked
// up in runs (a spell check, a list), so the helper is mostly still awake for the next one.
const std::chrono::microseconds WatchBeforeSleeping(500);

typedef void (*HelperTask)();

struct HelperState {
    std::mutex lock;
    std::condition_variable changed;
    std::atomic<HelperTask> task{nullptr};   // handed over and not yet finished
    std::atomic<bool> helperSleeps{false};
    std::atomic<bool> callerSleeps{false};
    std::atomic<bool> stopping{false};
    bool started = false;
    bool failed = false;
};

HelperState& Helper()
{
    static HelperState state;
    return state;
}

std::thread& HelperThread()
{
    static std::thread thread;
    return thread;
}

// Watches until ready() holds or the watch time is over; true when it holds.
template <typename Ready>
bool WatchFor(Ready ready)
{
    std::chrono::steady_clock::time_point until = std::chrono::steady_clock::now() + WatchBeforeSleeping;
    while (!ready()) {
        if (std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::yield();
    }
    return true;
}

// Sleeps until ready() holds; sleeper marks this thread as one to be woken.
template <typename Ready>
void SleepUntil(std::atomic<bool>& sleeper, Ready ready)
{
    HelperState& helper = Helper();
    std::unique_lock<std::mutex> hold(helper.lock);
    sleeper = true;
    helper.changed.wait(hold, ready);
    sleeper = false;
}

void Wake(const std::atomic<bool>& sleeper)
{
    HelperState& helper = Helper();
    if (!sleeper)
        return;
    std::lock_guard<std::mutex> hold(helper.lock);
    helper.changed.notify_all();
}

void RunHelper()
{
    HelperState& helper = Helper();
    auto handedOver = [&] { return helper.task != nullptr || helper.stopping; };
    for (;;) {
        if (!WatchFor(handedOver))
            SleepUntil(helper.helperSleeps, handedOver);
        if (helper.stopping)
            return;
        HelperTask task = helper.task;
        task();
        helper.task = nullptr;
        Wake(helper.callerSleeps);
    }
}

// At exit, before the thread and its state are destroyed (they were made before this was registered).
void StopHelper()
{
    HelperState& helper = Helper();
    helper.stopping = true;
    {
        std::lock_guard<std::mutex> hold(helper.lock);
        helper.changed.notify_all();
    }
    if (HelperThread().joinable())
        HelperThread().join();
}

bool HelperRuns()
{
    HelperState& helper = Helper();
    if (helper.started || helper.failed)
        return helper.started;
    if (std::thread::hardware_concurrency() < 2) {
        helper.failed = true;   // one core: sharing would only add the hand-over
        return false;
    }
    HelperThread() = std::thread(RunHelper);
    helper.started = true;
    std::atexit(StopHelper);
    return true;
}

} // namespace

bool StartHelperTask(void (*task)())
{
    if (!HelperRuns())
        return false;
    HelperState& helper = Helper();
    helper.task = task;
    Wake(helper.helperSleeps);
    return true;
}

void FinishHelperTask()
{
    HelperState& helper = Helper();
    auto finished = [&] { return helper.task == nullptr; };
    if (!WatchFor(finished))
        SleepUntil(helper.callerSleeps, finished);
}
