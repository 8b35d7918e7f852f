#include "app/SettingsFile.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace app {
namespace {

constexpr std::string_view kTemporaryInfix = ".tmp-";

// The process id a temporary file's name starts with (config.dat.tmp-PID-…), or 0.
pid_t writerOf(std::string_view name)
{
    pid_t pid = 0;
    for (char c : name) {
        if (c < '0' || c > '9')
            break;
        if (pid > 100000000)
            return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

bool processLives(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

bool isStale(const std::filesystem::path& file, std::string_view afterInfix)
{
    struct stat info
    {
    };
    if (::lstat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        return false;
    const auto modified = std::chrono::system_clock::from_time_t(info.st_mtim.tv_sec);
    const bool old = std::chrono::system_clock::now() - modified > kStaleTemporaryAge;
    return old || !processLives(writerOf(afterInfix));
}

} // namespace

std::filesystem::path settingsLockFile(const std::filesystem::path& settingsFile)
{
    return settingsFile.parent_path() / (settingsFile.filename().string() + ".lock");
}

SettingsLock::SettingsLock(const std::filesystem::path& settingsFile, std::chrono::milliseconds wait)
{
    const std::filesystem::path lockFile = settingsLockFile(settingsFile);
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_fd = fd;
}

SettingsLock::~SettingsLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

int removeStaleSettingsTemporaries(const std::filesystem::path& settingsFile)
{
    SettingsLock lock(settingsFile, std::chrono::milliseconds(200));
    if (!lock.held())
        return 0;
    // A save writes its temporary file beside the file a link names.
    std::error_code ec;
    std::filesystem::path target = std::filesystem::weakly_canonical(settingsFile, ec);
    if (ec)
        target = settingsFile;
    const std::string prefix = target.filename().string() + std::string(kTemporaryInfix);
    int removed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !isStale(entry.path(), std::string_view(name).substr(prefix.size())))
            continue;
        if (std::filesystem::remove(entry.path(), ec))
            ++removed;
    }
    return removed;
}

std::vector<std::string> splitListValue(std::string_view value)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\') {
            ++i;
        } else if (value[i] == '|') {
            pieces.emplace_back(value.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < value.size())
        pieces.emplace_back(value.substr(start));
    return pieces;
}

std::string mergeListValue(std::string_view stored, std::string_view base, std::string_view current,
                           const CanonicalEntry& canonical)
{
    std::map<std::string, int> count; // in `current` less in `base`
    for (const std::string& piece : splitListValue(base))
        --count[piece];
    const std::vector<std::string> ours = splitListValue(current);
    std::map<std::string, int> held; // in `current`
    for (const std::string& piece : ours) {
        ++count[piece];
        ++held[piece];
    }
    std::string merged;
    std::map<std::string, int> kept;
    for (const std::string& piece : splitListValue(stored)) {
        const std::string form = canonical(piece);
        auto removed = count.find(form);
        // Removed here: as often as this session removed it, or every copy once it holds none.
        if (!form.empty() && removed != count.end() && removed->second < 0) {
            if (held[form] > 0)
                ++removed->second;
            continue;
        }
        merged += piece;
        ++kept[form];
    }
    for (const std::string& piece : ours) {
        if (count[piece] <= 0)
            continue;
        --count[piece];
        if (kept[piece] > 0) { // another copy added it as well
            --kept[piece];
            continue;
        }
        if (!merged.empty() && merged.back() != '|')
            merged += '|';
        merged += piece;
    }
    return merged;
}

} // namespace app
