#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace text {

// An INI file as the settings are kept: GBK bytes on disk, UTF-8 in memory. Sections and keys keep
// the order in which they were read or first set, and every value is read back whole, whatever its
// length. A value that would not survive the plain `key=value` form (line breaks, blanks at either
// end, a leading double quote) is written quoted with backslash escapes and unquoted on reading.
class IniFile
{
public:
    // Reads the file; false (and an empty object) when it cannot be opened.
    bool load(const std::string& path);
    // Parses GBK text in the INI form.
    void parse(std::string_view gbk);

    // Writes the file, creating it or replacing it whole; false (and the old file kept) when it cannot
    // be written.
    bool save(const std::string& path) const;
    // The file's GBK text, CR LF line ends.
    std::string serialize() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string value(std::string_view section, std::string_view key, std::string_view fallback) const;
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

private:
    struct Section
    {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;

    std::vector<Section> m_sections;
};

} // namespace text
