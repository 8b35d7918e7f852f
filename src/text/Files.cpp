#include "text/Files.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <thread>

namespace text {
namespace {

// How long a FIFO is given for a reader to open it: enough for `cat fifo &` started just after.
constexpr auto kFifoReaderWait = std::chrono::seconds(5);
constexpr auto kFifoPoll = std::chrono::milliseconds(20);

std::string reasonOf(int error)
{
    switch (error) {
    case ENOSPC:
        return "设备上没有剩余空间";
    case EDQUOT:
        return "超出磁盘配额";
    case EPIPE:
        return "读取的一方已关闭管道";
    case EACCES:
    case EPERM:
        return "没有写入权限";
    case ENOENT:
        return "文件夹不存在";
    case ENOTDIR:
        return "路径中有一项不是文件夹";
    case EROFS:
        return "文件系统是只读的";
    case EISDIR:
        return "这是一个文件夹，不能作为输出文件";
    case ELOOP:
        return "符号链接层数过多";
    case ENAMETOOLONG:
        return "文件名过长";
    case EIO:
        return "输入输出错误";
    case EFBIG:
        return "文件过大";
    default:
        return "系统错误 " + std::to_string(error) + "：" + std::strerror(error);
    }
}

WriteResult failure(const std::filesystem::path& file, const std::string& reason)
{
    return {"无法写入文件：" + file.string() + "（" + reason + "）", reason};
}

// SIGPIPE held back on this thread while a stream is written, so a reader that went away is an EPIPE
// the caller reports, never a signal that ends the program. A SIGPIPE the write raised is taken back.
class PipeSignalGuard
{
public:
    PipeSignalGuard()
    {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        m_active = ::pthread_sigmask(SIG_BLOCK, &m_pipe, &m_previous) == 0;
        m_wasPending = pending();
    }
    ~PipeSignalGuard()
    {
        if (!m_active)
            return;
        if (!m_wasPending && pending()) {
            const timespec now{};
            (void)::sigtimedwait(&m_pipe, nullptr, &now);
        }
        ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    PipeSignalGuard(const PipeSignalGuard&) = delete;
    PipeSignalGuard& operator=(const PipeSignalGuard&) = delete;

private:
    static bool pending()
    {
        sigset_t set;
        sigemptyset(&set);
        return ::sigpending(&set) == 0 && sigismember(&set, SIGPIPE) == 1;
    }

    sigset_t m_pipe{};
    sigset_t m_previous{};
    bool m_active = false;
    bool m_wasPending = false;
};

// 0 when every byte was written, else the errno of the failed write.
int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return 0;
}

// A link another user left in a shared sticky folder (/tmp): followed neither by the system (for
// open) nor here, so nobody can point a victim's output at the victim's own files.
bool plantedInSharedFolder(const std::filesystem::path& link, const struct stat& linkInfo)
{
    struct stat folder
    {
    };
    const std::filesystem::path parent = link.has_parent_path() ? link.parent_path() : ".";
    if (::stat(parent.c_str(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return shared && linkInfo.st_uid != ::geteuid() && linkInfo.st_uid != folder.st_uid;
}

// Follows symbolic links (relative ones against the link's folder) to the name that is written:
// `target` is that name and `info` what stands there (`exists` false when nothing does yet). An error
// message when the chain cannot be followed.
std::optional<std::string> resolve(const std::filesystem::path& file, std::filesystem::path& target,
                                   struct stat& info, bool& exists)
{
    target = file;
    for (int hops = 0; hops < 40; ++hops) {
        if (::lstat(target.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return reasonOf(errno);
            exists = false;
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            exists = true;
            return std::nullopt;
        }
        if (plantedInSharedFolder(target, info))
            return "这是别的用户放在共享文件夹中的符号链接，不跟随它";
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec)
            return reasonOf(ec.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return reasonOf(ELOOP);
}

// Creates a temporary file beside `target` with a name no other writer uses (this process's id, a
// counter and a random part), exclusively: a file or a link already at that name is never opened.
// -1 (errno set) when the folder refuses it.
int createTemporary(const std::filesystem::path& target, mode_t mode, std::string& name)
{
    static std::atomic<unsigned> counter{0};
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
               "-" + std::to_string(random() % 1000000000);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The safe replace of a regular file (or of none yet): a temporary file, then a rename over it.
WriteResult replaceRegular(const std::filesystem::path& file, const std::filesystem::path& target,
                           const struct stat* existing, std::string_view bytes, FileAccess access)
{
    // A file made read-only (no write permission for anyone, which binds root too, or none for this
    // user) is said to the caller, never replaced behind its back.
    if (existing && ((existing->st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0))
        return failure(file, "文件是只读的");
    std::string name;
    const int fd = createTemporary(target, access == FileAccess::Private ? 0600 : 0666, name);
    if (fd < 0)
        return failure(file, reasonOf(errno));
    int error = writeAll(fd, bytes);
    // An existing file keeps its permissions (and its owner, where the user may: root).
    if (error == 0 && existing) {
        if (::fchmod(fd, existing->st_mode & 07777) != 0)
            error = errno;
        else if (existing->st_uid != ::geteuid() || existing->st_gid != ::getegid())
            (void)::fchown(fd, existing->st_uid, existing->st_gid);
    }
    if (error == 0 && access == FileAccess::Private && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(name.c_str(), target.c_str()) != 0)
        error = errno;
    if (error == 0)
        return {};
    ::unlink(name.c_str());
    return failure(file, reasonOf(error));
}

// Opens a device or FIFO for writing without creating or truncating anything and without hanging: a
// FIFO nobody reads is waited for a few seconds, then refused.
int openStream(const std::filesystem::path& target, bool fifo, int& error)
{
    const auto deadline = std::chrono::steady_clock::now() + kFifoReaderWait;
    for (;;) {
        const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd >= 0)
            return fd;
        error = errno;
        if (error == EINTR)
            continue;
        if (!fifo || error != ENXIO || std::chrono::steady_clock::now() >= deadline)
            return -1;
        std::this_thread::sleep_for(kFifoPoll);
    }
}

// Writes into a device or FIFO as a stream: the node stays what it is.
WriteResult writeStream(const std::filesystem::path& file, const std::filesystem::path& target,
                        const struct stat& expected, std::string_view bytes)
{
    const bool fifo = S_ISFIFO(expected.st_mode);
    int error = 0;
    const int fd = openStream(target, fifo, error);
    if (fd < 0)
        return failure(file, fifo && error == ENXIO ? "没有程序在读取这个管道" : reasonOf(error));
    struct stat opened
    {
    };
    // What was opened must be the node looked at, not a file put there since.
    if (::fstat(fd, &opened) != 0 || opened.st_dev != expected.st_dev || opened.st_ino != expected.st_ino) {
        ::close(fd);
        return failure(file, "文件在写入时被换掉了");
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        error = errno;
    else {
        const PipeSignalGuard guard;
        error = writeAll(fd, bytes);
    }
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return error == 0 ? WriteResult{} : failure(file, reasonOf(error));
}

} // namespace

std::string writeErrorReason(int error)
{
    return reasonOf(error);
}

WriteResult writeOutput(const std::filesystem::path& file, std::string_view bytes, FileAccess access)
{
    std::filesystem::path target;
    struct stat info
    {
    };
    bool exists = false;
    if (const auto refused = resolve(file, target, info, exists))
        return failure(file, *refused);
    if (!exists || S_ISREG(info.st_mode))
        return replaceRegular(file, target, exists ? &info : nullptr, bytes, access);
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISFIFO(info.st_mode))
        return writeStream(file, target, info, bytes);
    if (S_ISDIR(info.st_mode))
        return failure(file, reasonOf(EISDIR));
    if (S_ISSOCK(info.st_mode))
        return failure(file, "这是一个套接字，不能作为输出文件");
    return failure(file, "这不是可以写入的文件");
}

bool writeFileReplacing(const std::filesystem::path& file, std::string_view bytes, FileAccess access)
{
    return writeOutput(file, bytes, access).ok();
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

PrivateFolder::PrivateFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = base && *base == '/' ? base : "/tmp";
    pattern += "/nestling-XXXXXX";
    if (::mkdtemp(pattern.data()))
        m_path = pattern;
}

PrivateFolder::~PrivateFolder()
{
    std::error_code ec;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ec);
}

FolderLock::FolderLock(const std::filesystem::path& folder, std::string_view name)
{
    const std::filesystem::path file = folder / name;
    m_fd = ::open(file.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return;
    while (::flock(m_fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(m_fd);
            m_fd = -1;
            return;
        }
    }
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the last descriptor releases the lock
}

} // namespace text
