#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// An exclusive lock on config.dat.lock beside the settings file, taken around every read-merge-write of
// the settings and around the clean-up at start. It guards the settings themselves, whatever runtime
// folder the single-instance lock of each copy lives in, so copies that both run take turns.
class SettingsLock
{
public:
    static constexpr std::chrono::milliseconds kWait{3000};

    // Waits up to `wait` for the lock; not held when another holder keeps it that long or the lock file
    // cannot be made (the folder is missing or refuses it).
    explicit SettingsLock(const std::filesystem::path& settingsFile, std::chrono::milliseconds wait = kWait);
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;
    ~SettingsLock();

    bool held() const noexcept { return m_fd >= 0; }

private:
    int m_fd = -1;
};

std::filesystem::path settingsLockFile(const std::filesystem::path& settingsFile);

// How old a temporary file of a live process must be before it counts as left behind: a save takes
// milliseconds.
inline constexpr std::chrono::seconds kStaleTemporaryAge{60};

// Removes the temporary files a save killed half-way left beside the settings file (config.dat.tmp-…,
// beside the file a link names), under the settings lock: one whose writer (the process id in its name)
// is gone, or that is older than kStaleTemporaryAge. Nothing when the lock is busy. The number removed.
int removeStaleSettingsTemporaries(const std::filesystem::path& settingsFile);

// A list value of the settings (名字记录, 名字收藏): entries each ended by an unescaped "|" (a backslash
// makes the next byte plain). The pieces keep their "|"; a last piece without one is kept as it is.
std::vector<std::string> splitListValue(std::string_view value);

// The form the program itself writes an entry in; empty for an entry it cannot read.
using CanonicalEntry = std::function<std::string(std::string_view piece)>;

// The list as it is to be stored when this session turned `base` into `current` (both in the program's
// own form) while the file holds `stored`, which another copy may have changed since: the file's
// entries in their place and as they are written, less the ones this session removed, then the ones it
// added that the file does not hold yet. An entry the program cannot read is never removed.
std::string mergeListValue(std::string_view stored, std::string_view base, std::string_view current,
                           const CanonicalEntry& canonical);

} // namespace app
