#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace text {

// An INI file as the settings are kept: GBK bytes on disk, UTF-8 in memory. Every line is kept in its
// place: a comment, a blank line, a line that is no entry, an unknown key or section. A line nothing
// changed is written back byte for byte as it was read (a GBK file); a changed value is written as
// `key=value` in place of its line, a new key after the last one of its section. Every value is read
// back whole, whatever its length. A value that would not survive the plain `key=value` form (line
// breaks, blanks at either end, a leading double quote) is written quoted with backslash escapes and
// unquoted on reading.
class IniFile
{
public:
    // The largest settings file read: far more than any history of names, small enough that a file
    // that is no settings (a disk image linked in by mistake) is refused instead of read.
    static constexpr std::size_t kMaxFileSize = std::size_t{4} * 1024 * 1024;

    enum class LoadResult
    {
        Read,       // read and decoded
        Missing,    // no such file: an empty object
        Unreadable, // the file exists but cannot be read (permissions, a folder) or decoded
        NotAFile,   // a FIFO, a device or a socket: never read (it could block or never end)
        TooLarge,   // a regular file larger than kMaxFileSize
    };

    // Reads the file; false (and an empty object) when it cannot be opened.
    bool load(const std::string& path);
    // Reads the file, telling a missing file from one that exists but cannot be read or decoded. Only a
    // regular file (or a link to one) of at most kMaxFileSize bytes is read; it is opened without
    // blocking and looked at before a byte is read.
    LoadResult read(const std::string& path);
    // Parses the INI text: GBK as written, or UTF-8 (with or without a byte-order mark) or UTF-16
    // (with a byte-order mark, or plain text with every other byte zero) as an editor may save it;
    // CR LF, LF or CR line ends. GBK is told from UTF-8 by its bytes not being well-formed UTF-8, which
    // holds for every file this program writes (its section 设置 alone breaks UTF-8). A line is a section
    // header when it is "[name]" alone, the name without "="; a hand-written key starting with "["
    // ("[备注]=...", "[旧=值]") stays a key. A byte of a GBK file that starts no character is kept as
    // it is (see storedValue).
    // False (and an empty object) when the bytes are no text (zero bytes outside UTF-16).
    bool parse(std::string_view bytes);

    // Writes the file, creating it (readable by its owner only) or replacing it whole, keeping the
    // permissions of an existing file and following a symbolic link to its target; false (and the old
    // file kept) when it cannot be written, a read-only file included.
    bool save(const std::string& path) const;
    // The file's GBK text: the lines as read, changed and new lines with CR LF line ends.
    std::string serialize() const;

    // The value as text: a byte that starts no character reads as U+FFFD.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string value(std::string_view section, std::string_view key, std::string_view fallback) const;
    // The value as stored: a byte that starts no character is kept (as a code point of its own that
    // setValue and the writing turn back into that byte), so a value set back unchanged is written
    // back byte for byte.
    std::optional<std::string> storedValue(std::string_view section, std::string_view key) const;
    // True when the stored text holds a byte that starts no character: a value (or a part of one) the
    // program cannot read, and must neither show nor lose.
    static bool holdsUndecodedBytes(std::string_view stored);
    // Sets the value (text, or a stored value). Setting the value a key has already changes nothing.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

private:
    struct Line
    {
        enum class Kind
        {
            Other, // a comment, a blank line, anything that is no header or entry
            Header,
            Entry,
        };
        Kind kind = Kind::Other;
        std::string raw;     // the bytes as read, line end included; empty once changed or new
        std::string text;    // the line's text without its end (Other)
        std::string section; // the header's name (Header), the section the entry is in (Entry)
        std::string key;
        std::string value; // stored form
    };
    const Line* findEntry(std::string_view section, std::string_view key) const;
    void addLine(std::string_view text, std::string raw, std::string& section);

    std::vector<Line> m_lines;
};

} // namespace text
