#include "text/IniFile.h"

#include "text/Files.h"
#include "text/Gbk.h"
#include "text/Utf8.h"

#include <algorithm>
#include <filesystem>
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

} // namespace

bool IniFile::load(const std::string& path)
{
    return read(path) == LoadResult::Read;
}

IniFile::LoadResult IniFile::read(const std::string& path)
{
    m_sections.clear();
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        std::error_code ec;
        const bool missing = !std::filesystem::exists(std::filesystem::symlink_status(path, ec)) ||
                             (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)) &&
                              !std::filesystem::exists(path, ec));
        return missing ? LoadResult::Missing : LoadResult::Unreadable;
    }
    return parse(bytes) ? LoadResult::Read : LoadResult::Unreadable;
}

bool IniFile::parse(std::string_view bytes)
{
    m_sections.clear();
    const std::optional<std::string> decoded = decodeText(bytes);
    if (!decoded)
        return false;
    // A zero character (a UTF-16 file can hold one) is no text: kept, it would make the file written
    // from these values unreadable at the next start.
    const std::string utf8 =
        replaceAll(replaceAll(replaceAll(*decoded, std::string_view("\0", 1), ""), "\r\n", "\n"), "\r", "\n");
    std::string current;
    for (const std::string& rawLine : splitText(utf8, "\n")) {
        const std::string_view line = rawLine;
        const std::string_view trimmed = trimBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';')
            continue;
        if (const auto header = sectionHeader(trimmed)) {
            current = std::string(*header);
            if (!findSection(current))
                m_sections.push_back({current, {}});
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        const std::string key(trimBlanks(line.substr(0, eq)));
        // Only the quoted form carries blanks at its ends; plain values are trimmed like hand edits.
        const std::string_view stripped = trimBlanks(line.substr(eq + 1));
        const std::string value =
            !stripped.empty() && stripped.front() == '"' ? unquote(stripped) : std::string(stripped);
        setValue(current, key, value);
    }
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
    std::string utf8;
    const auto text = [](std::string_view s) { return replaceAll(s, std::string_view("\0", 1), ""); };
    for (const Section& section : m_sections) {
        utf8 += "[" + text(section.name) + "]\r\n";
        for (const auto& [key, value] : section.entries)
            utf8 += text(key) + "=" + text(needsQuoting(value) ? quote(value) : value) + "\r\n";
    }
    return toGbk(utf8);
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    if (const Section* s = findSection(section))
        for (const auto& [k, v] : s->entries)
            if (k == key)
                return v;
    return std::nullopt;
}

std::string IniFile::value(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return value(section, key).value_or(std::string(fallback));
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    Section* s = findSection(section);
    if (!s) {
        m_sections.push_back({std::string(section), {}});
        s = &m_sections.back();
    }
    for (auto& [k, v] : s->entries)
        if (k == key) {
            v = value;
            return;
        }
    s->entries.emplace_back(key, value);
}

std::vector<std::string> IniFile::sections() const
{
    std::vector<std::string> out;
    for (const Section& s : m_sections)
        out.push_back(s.name);
    return out;
}

std::vector<std::string> IniFile::keys(std::string_view section) const
{
    std::vector<std::string> out;
    if (const Section* s = findSection(section))
        for (const auto& entry : s->entries)
            out.push_back(entry.first);
    return out;
}

IniFile::Section* IniFile::findSection(std::string_view name)
{
    for (Section& s : m_sections)
        if (s.name == name)
            return &s;
    return nullptr;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const
{
    for (const Section& s : m_sections)
        if (s.name == name)
            return &s;
    return nullptr;
}

} // namespace text
