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
    enum class LoadResult
    {
        Read,       // read and decoded
        Missing,    // no such file: an empty object
        Unreadable, // the file exists but cannot be read (permissions, a folder) or decoded
    };

    // Reads the file; false (and an empty object) when it cannot be opened.
    bool load(const std::string& path);
    // Reads the file, telling a missing file from one that exists but cannot be read or decoded.
    LoadResult read(const std::string& path);
    // Parses the INI text: GBK as written, or UTF-8 (with or without a byte-order mark) or UTF-16
    // (with a byte-order mark, or plain text with every other byte zero) as an editor may save it;
    // CR LF, LF or CR line ends. GBK is told from UTF-8 by its bytes not being well-formed UTF-8, which
    // holds for every file this program writes (its section 设置 alone breaks UTF-8). A line is a section
    // header when it is "[name]" alone, the name without "="; a hand-written key starting with "["
    // ("[备注]=...", "[旧=值]") stays a key.
    // False (and an empty object) when the bytes are no text (zero bytes outside UTF-16).
    bool parse(std::string_view bytes);

    // Writes the file, creating it (readable by its owner only) or replacing it whole, keeping the
    // permissions of an existing file and following a symbolic link to its target; false (and the old
    // file kept) when it cannot be written, a read-only file included.
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
