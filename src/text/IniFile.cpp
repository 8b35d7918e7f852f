#include "text/IniFile.h"

#include "text/Files.h"
#include "text/Gbk.h"
#include "text/Utf8.h"

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

} // namespace

bool IniFile::load(const std::string& path)
{
    m_sections.clear();
    std::string bytes;
    if (!readWholeFile(path, bytes))
        return false;
    parse(bytes);
    return true;
}

void IniFile::parse(std::string_view gbk)
{
    m_sections.clear();
    const std::string utf8 = fromGbk(gbk);
    std::string current;
    for (const std::string& rawLine : splitText(utf8, "\n")) {
        std::string_view line = rawLine;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view trimmed = trimBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';')
            continue;
        if (trimmed.front() == '[' && trimmed.back() == ']') {
            current = std::string(trimmed.substr(1, trimmed.size() - 2));
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
}

bool IniFile::save(const std::string& path) const
{
    // Replaced, never truncated in place: a failed save keeps the settings (and records) of before.
    return writeFileReplacing(path, serialize());
}

std::string IniFile::serialize() const
{
    std::string utf8;
    for (const Section& section : m_sections) {
        utf8 += "[" + section.name + "]\r\n";
        for (const auto& [key, value] : section.entries)
            utf8 += key + "=" + (needsQuoting(value) ? quote(value) : value) + "\r\n";
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
