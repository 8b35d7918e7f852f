#pragma once

// Targets that are no regular file, for the tests of what the program writes: device nodes, FIFOs
// read by a thread of the test, sockets.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <future>
#include <string>

namespace testing_support {

inline bool isRoot()
{
    return ::geteuid() == 0;
}

// A character device like /dev/null (minor 3) or /dev/full (minor 7): a node of our own in `dir`
// when we may make one (root), else the machine's, which is only written to (and which a writer
// without root could not replace if it tried).
inline std::filesystem::path characterDevice(const std::filesystem::path& dir, const char* name,
                                             unsigned minor)
{
    if (!isRoot())
        return std::filesystem::path("/dev") / name;
    const std::filesystem::path node = dir / name;
    EXPECT_EQ(::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, minor)), 0) << node;
    return node;
}

// Makes a FIFO and reads it whole on a thread of its own, as a program at the other end of a pipe
// would; or reads only its first byte and closes it, as `head -c 1` does. Gives up after ten seconds
// without a writer, so a write that never reaches the FIFO fails the test instead of hanging it.
inline std::future<std::string> readFifo(const std::filesystem::path& fifo, bool whole = true)
{
    EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_GE(fd, 0);
    return std::async(std::launch::async, [fd, whole] {
        std::string bytes;
        char buffer[4096];
        pollfd ready{fd, POLLIN, 0};
        while (::poll(&ready, 1, 10000) > 0) {
            const ssize_t n = ::read(fd, buffer, whole ? sizeof buffer : 1);
            if (n == 0 || (n > 0 && !whole)) {
                bytes.append(buffer, n > 0 ? 1 : 0);
                break;
            }
            if (n > 0)
                bytes.append(buffer, static_cast<size_t>(n));
        }
        ::close(fd);
        return bytes;
    });
}

// A Unix socket bound at `file` (the node stays when the socket is closed).
inline void makeSocket(const std::filesystem::path& file)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(file.string().size(), sizeof address.sun_path);
    file.string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

} // namespace testing_support
