#pragma once

#include <filesystem>

namespace app {

// Keeps one running copy per user: an exclusive lock on a file in the user's runtime folder, held for
// the life of the guard. The lock is the operating system's, so it is released even when the process
// dies; a stale file left behind does not block the next start.
class SingleInstanceGuard
{
public:
    SingleInstanceGuard() = default;
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;
    ~SingleInstanceGuard();

    // True when this process now holds the lock; false when another copy holds it. A lock file that
    // cannot be created at all does not stop the program (true, nothing held).
    bool acquire(const std::filesystem::path& lockFile);
    bool holds() const { return m_fd >= 0; }
    void release();

private:
    int m_fd = -1;
};

// $XDG_RUNTIME_DIR/nestling.lock, or nestling-<uid>.lock in the temporary folder.
std::filesystem::path defaultLockFile();

} // namespace app
