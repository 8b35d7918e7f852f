#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace naming {

// Pause, continue and stop for one naming run. The window thread sets the flags; the worker calls
// checkpoint() after each candidate and each written row, where it holds nothing the window needs.
class RunControl
{
public:
    void pause();
    void resume();
    void stop();

    bool paused() const;
    bool stopped() const;

    // Waits while paused; false once a stop was asked for.
    bool checkpoint();

    // Called on the worker thread each time it starts to wait at a checkpoint (tests use it to know
    // the run is held).
    void setHoldHook(std::function<void()> hook);

private:
    std::function<void()> m_holdHook;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_paused = false;
    bool m_stopped = false;
    // Set while a pause or a stop is asked for, so a checkpoint with nothing to do takes no lock.
    std::atomic<bool> m_flagged{false};
};

} // namespace naming
