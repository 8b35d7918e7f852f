#include "text/IniFile.h"

#include "text/Files.h"
#include "text/Gbk.h"
#include "text/Utf8.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace text {
namespace {

bool needsQuoting(std::string_view v)
{
    if (v.empty())
        return false;
    if (v.find_first_of("\r\n") != std::string_view::npos)
        return true;
    return v.front() == '"' || v.front() == ' ' || v.front() == '\t' || v.back() == ' ' || v.back() == '\t';
}

std::string quote(std::string_view v)
{
    std::string out = "\"";
    for (char c : v) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string unquote(std::string_view v)
{
    if (v.size() < 2 || v.front() != '"' || v.back() != '"')
        return std::string(v);
    v = v.substr(1, v.size() - 2);
    std::string out;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 == v.size()) {
            out += v[i];
            continue;
        }
        const char next = v[++i];
        out += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 to UTF-8; an unpaired surrogate or a cut-off last byte becomes U+FFFD.
std::string fromUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    const auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? static_cast<char32_t>((a << 8) | b) : static_cast<char32_t>((b << 8) | a);
    };
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, u >= 0xD800 && u < 0xE000 ? 0xFFFD : u);
    }
    if (i < bytes.size())
        appendUtf8(out, 0xFFFD);
    return out;
}

// True for well-formed UTF-8 (no surrogates, no overlong forms) holding at least one character beyond
// ASCII: GBK text of any length practically never is.
bool isUtf8Text(std::string_view s)
{
    const bool wide =
        std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return wide && validUtf8(s) == s;
}

// The file's text in UTF-8, whatever of the accepted encodings it is in; none for binary bytes.
std::optional<std::string> decodeText(std::string_view bytes)
{
    // A byte that is no UTF-8 after the mark reads as U+FFFD, as it would be written (it has no GBK
    // form of its own).
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return validUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return fromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return fromUtf16(bytes.substr(2), true);
    if (bytes.find('\0') != std::string_view::npos) {
        // UTF-16 without a mark: the INI syntax is ASCII, so every other byte of it is zero.
        size_t evenZeros = 0;
        size_t oddZeros = 0;
        for (size_t i = 0; i < bytes.size(); ++i)
            if (bytes[i] == '\0')
                ++(i % 2 ? oddZeros : evenZeros);
        if (bytes.size() % 2 == 0 && oddZeros > bytes.size() / 4 && evenZeros < oddZeros / 4)
            return fromUtf16(bytes, false);
        if (bytes.size() % 2 == 0 && evenZeros > bytes.size() / 4 && oddZeros < evenZeros / 4)
            return fromUtf16(bytes, true);
        return std::nullopt;
    }
    if (isUtf8Text(bytes))
        return std::string(bytes);
    return fromGbk(bytes);
}

// "[name]" alone on its line (blanks and a ";" comment may follow): the section's name. A name holds
// no "=": "[key=value]" is a key starting with "[" whose value ends with "]", as such a key is written.
std::optional<std::string_view> sectionHeader(std::string_view trimmed)
{
    if (trimmed.empty() || trimmed.front() != '[')
        return std::nullopt;
    const size_t close = trimmed.find(']');
    if (close == std::string_view::npos || trimmed.substr(0, close).find('=') != std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = trimBlanks(trimmed.substr(close + 1));
    if (!rest.empty() && rest.front() != ';')
        return std::nullopt;
    return trimmed.substr(1, close - 1);
}

// A byte of a GBK file that starts no character is kept as the code point kUndecodedBase + byte (a
// private-use point of plane 16, which no settings text uses), so the value it is in is written back
// byte for byte.
constexpr char32_t kUndecodedBase = 0x10FE00;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool isUndecodedAt(std::string_view s, size_t i)
{
    // U+10FE80..U+10FEFF: F4 8F BA 80 .. F4 8F BB BF.
    return i + 3 < s.size() && s[i] == '\xF4' && s[i + 1] == '\x8F' &&
           (s[i + 2] == '\xBA' || s[i + 2] == '\xBB');
}

char undecodedByte(std::string_view s, size_t i)
{
    const auto third = static_cast<unsigned char>(s[i + 2]);
    const auto fourth = static_cast<unsigned char>(s[i + 3]);
    const char32_t code = 0x10F000 | static_cast<char32_t>((third & 0x3F) << 6) | (fourth & 0x3F);
    return static_cast<char>(code - kUndecodedBase);
}

// One character of GBK or GB18030 at the start of `bytes`: its length, or 0 when the first byte starts
// none.
size_t gbkCharacterLength(std::string_view bytes)
{
    const auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (at(0) < 0x80)
        return 1;
    if (at(0) == 0x80 || at(0) == 0xFF || bytes.size() < 2)
        return 0;
    size_t length = 0;
    if (at(1) >= 0x40 && at(1) <= 0xFE && at(1) != 0x7F)
        length = 2;
    else if (bytes.size() >= 4 && at(1) >= 0x30 && at(1) <= 0x39 && at(2) >= 0x81 && at(2) <= 0xFE &&
             at(3) >= 0x30 && at(3) <= 0x39)
        length = 4;
    if (length == 0)
        return 0;
    const std::string_view character = bytes.substr(0, length);
    // The one four-byte form of U+FFFD itself is a character; any other U+FFFD is the codec's refusal.
    return fromGbk(character) != kReplacement || character == "\x84\x31\xA4\x37" ? length : 0;
}

// GBK bytes to UTF-8, keeping every byte that starts no character (see kUndecodedBase).
std::string fromGbkKeepingBytes(std::string_view bytes)
{
    std::string whole = fromGbk(bytes);
    if (whole.find(kReplacement) == std::string::npos)
        return whole;
    std::string out;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t run = i;
        size_t length = 0;
        while (run < bytes.size() && (length = gbkCharacterLength(bytes.substr(run))) > 0)
            run += length;
        out += fromGbk(bytes.substr(i, run - i));
        if (run < bytes.size()) {
            appendUtf8(out, kUndecodedBase + static_cast<unsigned char>(bytes[run]));
            ++run;
        }
        i = run;
    }
    return out;
}

// UTF-8 to GBK, turning kept bytes back into themselves.
std::string toGbkKeepingBytes(std::string_view utf8)
{
    std::string out;
    size_t from = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (!isUndecodedAt(utf8, i))
            continue;
        out += toGbk(utf8.substr(from, i - from));
        out += undecodedByte(utf8, i);
        i += 3;
        from = i + 1;
    }
    out += toGbk(utf8.substr(from));
    return out;
}

// The stored text as the user may see it: a kept byte reads as U+FFFD.
std::string readableText(std::string_view stored)
{
    if (!IniFile::holdsUndecodedBytes(stored))
        return std::string(stored);
    std::string out;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (isUndecodedAt(stored, i)) {
            out += kReplacement;
            i += 3;
        } else {
            out += stored[i];
        }
    }
    return out;
}

// A file in the form this program writes (no byte-order mark, no zero byte, not UTF-8): GBK, read line
// by line so that every line keeps its bytes.
bool isGbkFile(std::string_view bytes)
{
    return !bytes.starts_with("\xEF\xBB\xBF") && !bytes.starts_with("\xFF\xFE") &&
           !bytes.starts_with("\xFE\xFF") && bytes.find('\0') == std::string_view::npos && !isUtf8Text(bytes);
}

// The file's bytes, opened without blocking and only when they are a regular file of at most
// kMaxFileSize bytes.
IniFile::LoadResult readSettingsBytes(const std::string& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? IniFile::LoadResult::Missing
               : errno == ENXIO                    ? IniFile::LoadResult::NotAFile // a socket
                                                   : IniFile::LoadResult::Unreadable;
    struct stat info
    {
    };
    IniFile::LoadResult result = IniFile::LoadResult::Read;
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode))
        result = IniFile::LoadResult::Unreadable;
    else if (!S_ISREG(info.st_mode))
        result = IniFile::LoadResult::NotAFile;
    else if (static_cast<std::size_t>(info.st_size) > IniFile::kMaxFileSize)
        result = IniFile::LoadResult::TooLarge;
    std::string out;
    char buffer[65536];
    while (result == IniFile::LoadResult::Read) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            result = IniFile::LoadResult::Unreadable;
        else if (out.size() + static_cast<size_t>(n) > IniFile::kMaxFileSize) // it grew since fstat
            result = IniFile::LoadResult::TooLarge;
        else
            out.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    if (result == IniFile::LoadResult::Read)
        bytes = std::move(out);
    return result;
}

} // namespace

bool IniFile::load(const std::string& path)
{
    return read(path) == LoadResult::Read;
}

IniFile::LoadResult IniFile::read(const std::string& path)
{
    m_lines.clear();
    std::string bytes;
    const LoadResult result = readSettingsBytes(path, bytes);
    if (result != LoadResult::Read)
        return result;
    return parse(bytes) ? LoadResult::Read : LoadResult::Unreadable;
}

void IniFile::addLine(std::string_view text, std::string raw, std::string& section)
{
    Line line;
    line.raw = std::move(raw);
    const std::string_view trimmed = trimBlanks(text);
    const size_t eq = text.find('=');
    const bool comment = trimmed.empty() || trimmed.front() == ';';
    const auto header = comment ? std::nullopt : sectionHeader(trimmed);
    if (header) {
        section = std::string(*header);
        line.kind = Line::Kind::Header;
        line.section = section;
    } else if (!comment && eq != std::string_view::npos) {
        line.kind = Line::Kind::Entry;
        line.section = section;
        line.key = std::string(trimBlanks(text.substr(0, eq)));
        // Only the quoted form carries blanks at its ends; plain values are trimmed like hand edits.
        const std::string_view stripped = trimBlanks(text.substr(eq + 1));
        line.value = !stripped.empty() && stripped.front() == '"' ? unquote(stripped) : std::string(stripped);
    } else { // a comment, a blank line or no entry: kept as it is
        line.text = std::string(text);
    }
    m_lines.push_back(std::move(line));
}

bool IniFile::parse(std::string_view bytes)
{
    m_lines.clear();
    std::string section;
    if (isGbkFile(bytes)) {
        // GBK bytes hold no CR or LF inside a character, so the lines are cut on the bytes themselves.
        size_t start = 0;
        while (start < bytes.size()) {
            size_t end = bytes.find_first_of("\r\n", start);
            size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
            if (end != std::string_view::npos && bytes[end] == '\r' && next < bytes.size() &&
                bytes[next] == '\n')
                ++next;
            if (end == std::string_view::npos)
                end = bytes.size();
            addLine(fromGbkKeepingBytes(bytes.substr(start, end - start)),
                    std::string(bytes.substr(start, next - start)), section);
            start = next;
        }
        return true;
    }
    const std::optional<std::string> decoded = decodeText(bytes);
    if (!decoded)
        return false;
    // A zero character (a UTF-16 file can hold one) is no text: kept, it would make the file written
    // from these values unreadable at the next start. Nor are the code points that stand for kept GBK
    // bytes (kUndecodedBase): they would be written back as single bytes.
    std::string utf8 =
        replaceAll(replaceAll(replaceAll(*decoded, std::string_view("\0", 1), ""), "\r\n", "\n"), "\r", "\n");
    for (size_t i = 0; i < utf8.size(); ++i)
        if (isUndecodedAt(utf8, i))
            utf8.replace(i, 4, kReplacement);
    std::vector<std::string> lines = splitText(utf8, "\n");
    if (!lines.empty() && lines.back().empty())
        lines.pop_back(); // the end of the last line
    // Not GBK: every line is written anew (in GBK) once the file is written.
    for (const std::string& line : lines)
        addLine(line, {}, section);
    return true;
}

bool IniFile::save(const std::string& path) const
{
    // Replaced, never truncated in place: a failed save keeps the settings (and records) of before.
    // The records are private: a new file is the owner's alone.
    return writeFileReplacing(path, serialize(), FileAccess::Private);
}

std::string IniFile::serialize() const
{
    const auto text = [](std::string_view s) { return replaceAll(s, std::string_view("\0", 1), ""); };
    std::string out;
    for (const Line& line : m_lines) {
        if (!line.raw.empty()) {
            out += line.raw;
            continue;
        }
        // A line after a last line that had no end of its own starts a line of its own.
        if (!out.empty() && out.back() != '\n' && out.back() != '\r')
            out += "\r\n";
        std::string utf8;
        switch (line.kind) {
        case Line::Kind::Header:
            utf8 = "[" + text(line.section) + "]";
            break;
        case Line::Kind::Entry:
            utf8 = text(line.key) + "=" + text(needsQuoting(line.value) ? quote(line.value) : line.value);
            break;
        case Line::Kind::Other:
            utf8 = text(line.text);
            break;
        }
        out += toGbkKeepingBytes(utf8) + "\r\n";
    }
    return out;
}

const IniFile::Line* IniFile::findEntry(std::string_view section, std::string_view key) const
{
    // A key written twice reads as its last value, as it always did.
    for (auto it = m_lines.rbegin(); it != m_lines.rend(); ++it)
        if (it->kind == Line::Kind::Entry && it->section == section && it->key == key)
            return &*it;
    return nullptr;
}

std::optional<std::string> IniFile::storedValue(std::string_view section, std::string_view key) const
{
    if (const Line* line = findEntry(section, key))
        return line->value;
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    if (const Line* line = findEntry(section, key))
        return readableText(line->value);
    return std::nullopt;
}

std::string IniFile::value(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return value(section, key).value_or(std::string(fallback));
}

bool IniFile::holdsUndecodedBytes(std::string_view stored)
{
    for (size_t i = 0; i < stored.size(); ++i)
        if (isUndecodedAt(stored, i))
            return true;
    return false;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    if (const Line* found = findEntry(section, key)) {
        Line& line = m_lines[static_cast<size_t>(found - m_lines.data())];
        if (line.value != value) {
            line.value = value;
            line.raw.clear();
        }
        return;
    }
    // A new key goes after the last line of its section that is its header or one of its keys; a new
    // section at the end. Keys outside any section come before the first header.
    std::optional<size_t> after;
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].kind != Line::Kind::Other && m_lines[i].section == section)
            after = i;
    Line entry;
    entry.kind = Line::Kind::Entry;
    entry.section = std::string(section);
    entry.key = std::string(key);
    entry.value = std::string(value);
    if (!after && !section.empty()) {
        Line header;
        header.kind = Line::Kind::Header;
        header.section = std::string(section);
        m_lines.push_back(std::move(header));
        after = m_lines.size() - 1;
    }
    const size_t at = after ? *after + 1 : 0;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
}

std::vector<std::string> IniFile::sections() const
{
    std::vector<std::string> out;
    for (const Line& line : m_lines)
        if (line.kind != Line::Kind::Other && std::find(out.begin(), out.end(), line.section) == out.end())
            out.push_back(line.section);
    return out;
}

std::vector<std::string> IniFile::keys(std::string_view section) const
{
    std::vector<std::string> out;
    for (const Line& line : m_lines)
        if (line.kind == Line::Kind::Entry && line.section == section &&
            std::find(out.begin(), out.end(), line.key) == out.end())
            out.push_back(line.key);
    return out;
}

} // namespace text
