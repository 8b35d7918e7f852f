#include "app/Settings.h"

#include "app/AvoidedSetting.h"
#include "app/CommonOnlySetting.h"
#include "app/ControlNames.h"
#include "app/NamingRecords.h"
#include "app/SettingsFile.h"
#include "app/Shortlist.h"
#include "text/IniFile.h"

#include <algorithm>
#include <array>
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

// The entries of a list value the program can read: those holding bytes that start no character are
// left out (they stay in the file).
std::string readableEntries(const std::string& stored)
{
    if (!text::IniFile::holdsUndecodedBytes(stored))
        return stored;
    std::string out;
    for (const std::string& piece : splitListValue(stored))
        if (!text::IniFile::holdsUndecodedBytes(piece))
            out += piece;
    return out;
}

// How the program writes one entry of a list value (empty for an entry it cannot read); none for a
// value that is no list.
CanonicalEntry canonicalEntry(const std::string& key)
{
    if (key == keys::名字记录)
        return [](std::string_view piece) {
            return text::IniFile::holdsUndecodedBytes(piece) ? std::string()
                                                             : SaveNamingRecords(RestoreNamingRecords(piece));
        };
    if (key == keys::名字收藏)
        return [](std::string_view piece) {
            return text::IniFile::holdsUndecodedBytes(piece) ? std::string()
                                                             : saveShortlist(restoreShortlist(piece));
        };
    return {};
}

constexpr names::Name kBirthCombos[] = {names::组合框_年份, names::组合框_月份, names::组合框_日子,
                                        names::组合框_时间, names::组合框_分钟};

std::string birthDateValue(const Window& main)
{
    const auto at = [&](int i) { return main.currentText(kBirthCombos[i]); };
    return at(0) + "-" + at(1) + "-" + at(2) + " " + at(3) + ":" + at(4);
}

// Selects the stored date in the input group; a value whose five parts are not all items of their
// drop-downs (another format, a hand-edited file) changes nothing.
void showBirthDate(Window& main, const std::string& value)
{
    std::array<int, 5> indexes{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const std::size_t end = i + 1 < indexes.size() ? value.find("-- :"[i], start) : value.size();
        if (end == std::string::npos)
            return;
        const std::vector<std::string> items = main.items(kBirthCombos[i]);
        const auto found = std::find(items.begin(), items.end(), value.substr(start, end - start));
        if (found == items.end())
            return;
        indexes[i] = static_cast<int>(found - items.begin());
        start = end + 1;
    }
    for (std::size_t i = 0; i < indexes.size(); ++i)
        main.setCurrentIndex(kBirthCombos[i], indexes[i]);
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
    const auto read = [&](const char* key) {
        const std::string stored = ini.storedValue(kSettingsSection, key).value_or("");
        return text::IniFile::holdsUndecodedBytes(stored) ? std::string() : stored;
    };

    main.setText(names::编辑框_姓氏, read(keys::姓氏));
    main.setCurrentIndex(names::组合框_性别, sexIndexFromSetting(read(keys::性别)));
    main.setCurrentIndex(names::组合框_名字个数, nameLengthIndexFromSetting(read(keys::名字个数)));
    main.setText(names::编辑框_组合的字, read(keys::组合的字));
    main.setText(names::编辑框_英文名字, read(keys::英文名字));
    main.setText(names::编辑框_评分名字, read(keys::评分名字));
    main.setChecked(names::选择框_23点后算次日, read(keys::晚子时算次日) != "0");
    showAvoided(main, read(keys::避讳字), read(keys::排除避讳字) != "0");
    main.setChecked(names::选择框_过滤生僻字, read(keys::过滤生僻字) == "1");
    showCommonOnly(main, read(keys::只列常见名字) != "0");
    showBirthDate(main, read(keys::出生日期));
    if (restoreRecords)
        restoreRecords(readableEntries(ini.storedValue(kSettingsSection, keys::名字记录).value_or("")));
    if (restoreShortlist)
        restoreShortlist(readableEntries(ini.storedValue(kSettingsSection, keys::名字收藏).value_or("")));
    switch (result) {
    case text::IniFile::LoadResult::Read:
        return SettingsRead::Read;
    case text::IniFile::LoadResult::Missing:
        return SettingsRead::Missing;
    case text::IniFile::LoadResult::NotAFile:
        return SettingsRead::NotAFile;
    case text::IniFile::LoadResult::TooLarge:
        return SettingsRead::TooLarge;
    case text::IniFile::LoadResult::Unreadable:
        break;
    }
    return SettingsRead::Unreadable;
}

SettingsValues collectSettings(const Window& main, const std::string& records,
                               const std::optional<std::string>& shortlist)
{
    SettingsValues values = {
        {keys::姓氏, main.text(names::编辑框_姓氏)},
        {keys::性别, std::to_string(main.currentIndex(names::组合框_性别))},
        {keys::名字个数, std::to_string(main.currentIndex(names::组合框_名字个数))},
        {keys::组合的字, main.text(names::编辑框_组合的字)},
        {keys::英文名字, main.text(names::编辑框_英文名字)},
        {keys::评分名字, main.text(names::编辑框_评分名字)},
        {keys::过滤生僻字, main.isChecked(names::选择框_过滤生僻字) ? "1" : "0"},
        {keys::名字记录, records},
        {keys::晚子时算次日, main.isChecked(names::选择框_23点后算次日) ? "1" : "0"},
        {keys::避讳字, main.text(names::透明标签_避讳字)},
        {keys::排除避讳字, main.isChecked(names::选择框_排除避讳字) ? "1" : "0"},
        {keys::只列常见名字, commonOnlyChecked(main) ? "1" : "0"},
        {keys::出生日期, birthDateValue(main)},
    };
    if (shortlist)
        values.emplace_back(keys::名字收藏, *shortlist);
    return values;
}

SettingsSave SaveSettings(const std::filesystem::path& file, const SettingsValues& base,
                          const SettingsValues& current)
{
    const auto before = [&](const std::string& key) {
        for (const auto& [k, v] : base)
            if (k == key)
                return v;
        return std::string();
    };
    SettingsValues changed;
    for (const auto& [key, value] : current)
        if (value != before(key))
            changed.emplace_back(key, value);
    if (changed.empty())
        return SettingsSave::Unchanged;

    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    const SettingsLock lock(file);
    if (!lock.held())
        return SettingsSave::Failed;
    // Read again under the lock: another copy may have saved since. A file that cannot be read is never
    // replaced by one holding only what this session knows.
    text::IniFile ini;
    const text::IniFile::LoadResult read = ini.read(file.string());
    if (read != text::IniFile::LoadResult::Read && read != text::IniFile::LoadResult::Missing)
        return SettingsSave::Failed;
    const std::string old = ini.serialize();
    if (read == text::IniFile::LoadResult::Missing) {
        for (const auto& [key, value] : current)
            ini.setValue(kSettingsSection, key, value);
        return ini.save(file.string()) ? SettingsSave::Written : SettingsSave::Failed;
    }
    for (const auto& [key, value] : changed) {
        const CanonicalEntry canonical = canonicalEntry(key);
        const std::string stored = ini.storedValue(kSettingsSection, key).value_or("");
        ini.setValue(kSettingsSection, key,
                     canonical ? mergeListValue(stored, before(key), value, canonical) : value);
    }
    if (ini.serialize() == old)
        return SettingsSave::Written; // the file holds it already
    return ini.save(file.string()) ? SettingsSave::Written : SettingsSave::Failed;
}

} // namespace app
