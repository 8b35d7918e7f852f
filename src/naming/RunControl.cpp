#include "naming/RunControl.h"

namespace naming {

void RunControl::pause()
{
    std::lock_guard lock(m_mutex);
    m_paused = true;
    m_flagged.store(true);
}

void RunControl::resume()
{
    {
        std::lock_guard lock(m_mutex);
        m_paused = false;
        m_flagged.store(m_stopped);
    }
    m_changed.notify_all();
}

void RunControl::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
        m_flagged.store(true);
    }
    m_changed.notify_all();
}

bool RunControl::paused() const
{
    std::lock_guard lock(m_mutex);
    return m_paused;
}

bool RunControl::stopped() const
{
    std::lock_guard lock(m_mutex);
    return m_stopped;
}

bool RunControl::checkpoint()
{
    if (!m_flagged.load())
        return true;
    std::unique_lock lock(m_mutex);
    if (m_paused && !m_stopped && m_holdHook) {
        const std::function<void()> hook = m_holdHook;
        lock.unlock();
        hook();
        lock.lock();
    }
    m_changed.wait(lock, [this] { return !m_paused || m_stopped; });
    return !m_stopped;
}

void RunControl::setHoldHook(std::function<void()> hook)
{
    std::lock_guard lock(m_mutex);
    m_holdHook = std::move(hook);
}

} // namespace naming
