#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace text {

// How writeOutput treats a file it creates.
enum class FileAccess
{
    Shared,  // a new file gets the usual permissions (0666 less the umask)
    Private, // a new file is readable by its owner only (0600), and the bytes reach the disk first
};

// The outcome of a write: empty `error` when every byte was written, else the message to show, which
// names the file and the reason ("无法写入文件：/dev/full（设备上没有剩余空间）"), and the reason alone.
struct WriteResult
{
    std::string error;
    std::string reason;

    bool ok() const noexcept { return error.empty(); }
    explicit operator bool() const noexcept { return ok(); }
};

// Writes the bytes to `file`, whatever the name stands for; the one rule of every file the program
// writes on the user's behalf (pages, reports, exported lists, voice files, settings):
// - none yet, or a regular file: the bytes go to a temporary file of its own in the same folder first
//   (created exclusively under a random name, so two writers never mix their bytes and nothing
//   planted at that name is followed), which is then renamed over the old one. A failed write (a
//   full disk, a folder without write access) leaves the old file as it was; an existing file keeps
//   its permissions; a file made read-only is refused.
// - a symbolic link: the file it names is written by these rules, the link stays. A link that names
//   nothing yet creates that file. A link planted by another user in a shared sticky folder (such as
//   /tmp) is not followed, as the system itself does not follow it.
// - a character or block device, or a FIFO: written into directly as a stream, never replaced. A FIFO
//   is given a few seconds for a reader to open it, then refused.
// - a folder or a socket: refused.
// A stream that ends early (a full device, a reader that closed the pipe) is an error, never a signal
// that ends the process.
WriteResult writeOutput(const std::filesystem::path& file, std::string_view bytes,
                        FileAccess access = FileAccess::Shared);

// writeOutput for callers that only need to know whether it worked.
bool writeFileReplacing(const std::filesystem::path& file, std::string_view bytes,
                        FileAccess access = FileAccess::Shared);

// Reads the whole file into `bytes`; false when it cannot be opened or read (a folder, no permission).
bool readWholeFile(const std::filesystem::path& file, std::string& bytes);

// A new folder only this user can enter (mkdtemp in $TMPDIR, else /tmp), removed with everything in
// it when the object goes: the place for intermediate files, so that no fixed name beside a target
// is ever created, followed or deleted. path() is empty when the folder could not be made.
class PrivateFolder
{
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const noexcept { return m_path; }

private:
    std::filesystem::path m_path;
};

// An exclusive lock (flock) on the lock file `name` inside `folder`, held while the object lives, so
// that writers of a set of files in one folder take turns. The lock file is opened without following
// a link. Not held (held() false) when the folder does not exist or refuses the file; the caller's
// writes then report their own failure.
class FolderLock
{
public:
    FolderLock(const std::filesystem::path& folder, std::string_view name);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const noexcept { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The reason a system error (an errno value) gives for a failed write, as writeOutput says it.
std::string writeErrorReason(int error);

} // namespace text
