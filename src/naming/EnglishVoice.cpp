#include "naming/EnglishVoice.h"

#include "text/Files.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <optional>
#include <system_error>
#include <vector>

namespace naming {
namespace {

constexpr std::string_view kSoundMarker = "<a href=\"#\" url=\"";
constexpr std::string_view kSoundSuffix = ".mp3";
constexpr std::string_view kVoice = "en-us";

bool isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string_view withoutTrailingSlash(std::string_view endpoint)
{
    while (!endpoint.empty() && endpoint.back() == '/')
        endpoint.remove_suffix(1);
    return endpoint;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// Runs a program found on PATH with its output discarded; true when it exits with status 0.
bool runQuietly(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

std::string percentEncode(std::string_view text)
{
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string out;
    out.reserve(text.size() * 3);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreserved(c)) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0x0F]);
        }
    }
    return out;
}

std::string dictionarySearchUrl(std::string_view endpoint, std::string_view name)
{
    return std::string(withoutTrailingSlash(endpoint)) + "/s?wd=" + percentEncode(name);
}

std::string extractSoundLink(std::string_view page)
{
    const size_t marker = page.find(kSoundMarker);
    if (marker == std::string_view::npos)
        return {};
    std::string_view piece = page.substr(marker + kSoundMarker.size());
    if (const size_t next = piece.find(kSoundMarker); next != std::string_view::npos)
        piece = piece.substr(0, next);
    const size_t suffix = piece.find(kSoundSuffix);
    if (suffix == std::string_view::npos)
        return {};
    const std::string_view address = piece.substr(0, suffix);
    // The address is the value of the url attribute: a quote or markup before ".mp3" means the ".mp3"
    // belongs to something else on the page.
    if (address.empty() || address.find_first_of("\"'<> \t\r\n") != std::string_view::npos)
        return {};
    return std::string(address) + std::string(kSoundSuffix);
}

std::string resolveSoundLink(std::string_view link, std::string_view endpoint)
{
    endpoint = withoutTrailingSlash(endpoint);
    const size_t scheme = endpoint.find("://");
    std::string out;
    if (startsWith(link, "http://") || startsWith(link, "https://")) {
        out = link;
    } else if (scheme != std::string_view::npos && startsWith(link, "//")) {
        out = std::string(endpoint.substr(0, scheme + 1)) + std::string(link);
    } else if (scheme != std::string_view::npos && startsWith(link, "/")) {
        const size_t path = endpoint.find('/', scheme + 3);
        out = std::string(endpoint.substr(0, path)) + std::string(link);
    }
    if (!startsWith(out, "http://") && !startsWith(out, "https://"))
        return {};
    return out;
}

std::optional<std::string> offlineVoice(std::string_view name)
{
    if (name.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return std::nullopt;
    // The name's text file and the program's WAV live in a folder of our own, never beside the
    // target: no file of the user's is touched, and nobody can plant a link at their names.
    const text::PrivateFolder folder;
    if (folder.path().empty())
        return std::nullopt;
    const std::filesystem::path textFile = folder.path() / "name.txt";
    const std::filesystem::path wavFile = folder.path() / "voice.wav";
    std::string bytes;
    if (!text::writeOutput(textFile, name) ||
        !runQuietly({"espeak-ng", "-v", std::string(kVoice), "-s", "140", "-w", wavFile.string(), "-f",
                     textFile.string()}) ||
        !text::readWholeFile(wavFile, bytes))
        return std::nullopt;
    // A WAV holds at least its 44-byte header; anything shorter is no voice.
    if (bytes.size() <= 44)
        return std::nullopt;
    return bytes;
}

text::WriteResult writeOfflineVoice(std::string_view name, const std::filesystem::path& wavFile)
{
    const std::optional<std::string> voice = offlineVoice(name);
    if (!voice)
        return {"无法生成语音 (需要 espeak-ng): " + wavFile.string(), "需要 espeak-ng"};
    std::error_code ec;
    if (wavFile.has_parent_path())
        std::filesystem::create_directories(wavFile.parent_path(), ec);
    return text::writeOutput(wavFile, *voice);
}

} // namespace naming
