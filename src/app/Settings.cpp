#include "app/Settings.h"

#include "app/ControlNames.h"
#include "text/IniFile.h"

#include <charconv>
#include <cstdlib>
#include <optional>

namespace app {
namespace {

std::optional<long long> parseNumber(const std::string& value)
{
    long long n = 0;
    const char* first = value.data();
    const char* last = value.data() + value.size();
    const auto [end, ec] = std::from_chars(first, last, n);
    if (ec != std::errc{} || end != last)
        return std::nullopt;
    return n;
}

} // namespace

std::filesystem::path defaultSettingsFolder()
{
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::filesystem::path(config) / "nestling";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".config" / "nestling";
}

int sexIndexFromSetting(const std::string& value)
{
    const auto n = parseNumber(value);
    return n && *n != 0 ? 1 : 0;
}

int nameLengthIndexFromSetting(const std::string& value)
{
    const auto n = parseNumber(value);
    return n && *n == 1 ? 1 : 0;
}

SettingsRead RestoreSettings(Window& main, const std::filesystem::path& file,
                             const std::function<void(const std::string&)>& restoreRecords)
{
    text::IniFile ini;
    const text::IniFile::LoadResult result = ini.read(file.string());
    const auto read = [&](const char* key) { return ini.value(kSettingsSection, key, ""); };

    main.setText(names::编辑框_姓氏, read(keys::姓氏));
    main.setCurrentIndex(names::组合框_性别, sexIndexFromSetting(read(keys::性别)));
    main.setCurrentIndex(names::组合框_名字个数, nameLengthIndexFromSetting(read(keys::名字个数)));
    main.setText(names::编辑框_组合的字, read(keys::组合的字));
    main.setText(names::编辑框_英文名字, read(keys::英文名字));
    main.setText(names::编辑框_评分名字, read(keys::评分名字));
    main.setChecked(names::选择框_过滤生僻字, read(keys::过滤生僻字) == "1");
    if (restoreRecords)
        restoreRecords(read(keys::名字记录));
    switch (result) {
    case text::IniFile::LoadResult::Read:
        return SettingsRead::Read;
    case text::IniFile::LoadResult::Missing:
        return SettingsRead::Missing;
    case text::IniFile::LoadResult::Unreadable:
        break;
    }
    return SettingsRead::Unreadable;
}

bool SaveSettings(const Window& main, const std::filesystem::path& file, const std::string& records)
{
    text::IniFile ini;
    // Whatever else the file holds is kept; a file that exists but cannot be read is never replaced by
    // one holding only what this session knows.
    if (ini.read(file.string()) == text::IniFile::LoadResult::Unreadable)
        return false;
    const auto write = [&](const char* key, const std::string& value) {
        ini.setValue(kSettingsSection, key, value);
    };

    write(keys::姓氏, main.text(names::编辑框_姓氏));
    write(keys::性别, std::to_string(main.currentIndex(names::组合框_性别)));
    write(keys::名字个数, std::to_string(main.currentIndex(names::组合框_名字个数)));
    write(keys::组合的字, main.text(names::编辑框_组合的字));
    write(keys::英文名字, main.text(names::编辑框_英文名字));
    write(keys::评分名字, main.text(names::编辑框_评分名字));
    write(keys::过滤生僻字, main.isChecked(names::选择框_过滤生僻字) ? "1" : "0");
    write(keys::名字记录, records);

    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return ini.save(file.string());
}

} // namespace app
