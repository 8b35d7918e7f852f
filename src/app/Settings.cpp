#include "app/Settings.h"

#include "app/AvoidedSetting.h"
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
                             const std::function<void(const std::string&)>& restoreRecords,
                             const std::function<void(const std::string&)>& restoreShortlist)
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
    main.setChecked(names::选择框_23点后算次日, read(keys::晚子时算次日) != "0");
    showAvoided(main, read(keys::避讳字), read(keys::排除避讳字) != "0");
    main.setChecked(names::选择框_过滤生僻字, read(keys::过滤生僻字) == "1");
    if (restoreRecords)
        restoreRecords(read(keys::名字记录));
    if (restoreShortlist)
        restoreShortlist(read(keys::名字收藏));
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

bool SaveSettings(const Window& main, const std::filesystem::path& file, const std::string& records,
                  const std::optional<std::string>& shortlist)
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
    write(keys::晚子时算次日, main.isChecked(names::选择框_23点后算次日) ? "1" : "0");
    write(keys::避讳字, main.text(names::透明标签_避讳字));
    write(keys::排除避讳字, main.isChecked(names::选择框_排除避讳字) ? "1" : "0");
    if (shortlist)
        write(keys::名字收藏, *shortlist);

    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return ini.save(file.string());
}

} // namespace app
