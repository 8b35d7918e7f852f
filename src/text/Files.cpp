#include "text/Files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <random>
#include <string>

namespace text {
namespace {

// The file a write replaces: the target of a symbolic link (relative to the link's folder), else the
// file itself.
std::filesystem::path resolvedTarget(const std::filesystem::path& file)
{
    std::error_code ec;
    std::filesystem::path target = file;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(target, ec); ++hops) {
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec)
            break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Creates a temporary file beside `target` with a name no other writer uses (this process's id, a
// counter and a random part), with `mode` less the umask. -1 when the folder refuses it.
int createTemporary(const std::filesystem::path& target, mode_t mode, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    static thread_local std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
               "-" + std::to_string(random() % 1000000);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool writeFileReplacing(const std::filesystem::path& file, std::string_view bytes, FileAccess access)
{
    const std::filesystem::path target = resolvedTarget(file);
    struct stat existing
    {
    };
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // A folder, or a file made read-only (no write permission for anyone, which binds root too, or none
    // for this user): said to the caller, never replaced behind its back.
    if (exists &&
        (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        return false;
    std::string name;
    const int fd = createTemporary(target, access == FileAccess::Private ? 0600 : 0666, name);
    if (fd < 0)
        return false;
    // An existing file keeps its permissions; a new one has those it was created with.
    bool ok = writeAll(fd, bytes) && (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0);
    if (ok && exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()))
        (void)::fchown(fd, existing.st_uid, existing.st_gid); // kept where the user may (root)
    if (ok && access == FileAccess::Private)
        ok = ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(name.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(name.c_str());
    return ok;
}

bool readWholeFile(const std::filesystem::path& file, std::string& bytes)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string out;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return false;
        }
        out.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    bytes = std::move(out);
    return true;
}

} // namespace text
