#include "store/Folders.h"

#include <cstdlib>
#include <system_error>

#include <unistd.h>

namespace store {
namespace {

namespace fs = std::filesystem;

bool isFolder(const fs::path& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// Whether the folder can be written to, or, when it does not exist yet, whether it can be made: the
// nearest folder above it that exists can be written to.
bool canWriteInto(fs::path folder)
{
    while (!folder.empty() && !isFolder(folder))
        folder = folder.parent_path();
    if (folder.empty())
        folder = ".";
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace

fs::path programFolderOf(const fs::path& executableFolder)
{
    if (isFolder(executableFolder / "data"))
        return executableFolder;
    const fs::path installed = (executableFolder / ".." / "share" / "nestling").lexically_normal();
    return isFolder(installed) ? installed : executableFolder;
}

fs::path programFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return programFolderOf(ec ? fs::current_path(ec) : exe.parent_path());
}

bool isInstalledTree(const fs::path& programFolder)
{
    const fs::path folder = programFolder.lexically_normal();
    const fs::path tail = folder.has_filename() ? folder : folder.parent_path();
    return tail.filename() == "nestling" && tail.parent_path().filename() == "share";
}

fs::path userDataFolder()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data && fs::path(data).is_absolute())
        return fs::path(data) / "nestling";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "nestling";
}

fs::path writeFolder(const fs::path& programFolder)
{
    if (!isInstalledTree(programFolder)) {
        fs::path data = programFolder / "data";
        if (canWriteInto(data))
            return data;
    }
    fs::path user = userDataFolder();
    std::error_code ec;
    fs::create_directories(user, ec);
    return user;
}

} // namespace store
