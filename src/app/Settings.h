#pragma once

#include "app/Controls.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace app {

// The settings file: config.dat, an INI file (GBK) with one section "设置".
inline constexpr const char* kSettingsFileName = "config.dat";
inline constexpr const char* kSettingsSection = "设置";

namespace keys {
inline constexpr const char* 姓氏 = "姓氏";
inline constexpr const char* 性别 = "性别";
inline constexpr const char* 名字个数 = "名字个数";
inline constexpr const char* 组合的字 = "组合的字";
inline constexpr const char* 英文名字 = "英文名字";
inline constexpr const char* 评分名字 = "评分名字";
inline constexpr const char* 过滤生僻字 = "过滤生僻字"; // "1": the name lists hide marked names
inline constexpr const char* 名字记录 = "名字记录";
// Added after the seven keys above: a file without them reads as the program always behaved.
inline constexpr const char* 晚子时算次日 = "23点后算次日"; // "1" (or missing) on, "0" off
inline constexpr const char* 避讳字 = "避讳字";             // the taboo characters, e.g. 明华
inline constexpr const char* 排除避讳字 = "排除避讳字";     // "0" off; on otherwise once there are some
inline constexpr const char* 名字收藏 = "名字收藏";         // the shortlist (saveShortlist)
inline constexpr const char* 只列常见名字 = "只列常见名字"; // "0" off; on otherwise (CommonOnlySetting.h)
// The input group's birth date and time as its drop-downs show them, "2024-5-20 8:30"; missing or
// unreadable: the date boxes keep what start-up chose (today).
inline constexpr const char* 出生日期 = "出生日期";
} // namespace keys

// $XDG_CONFIG_HOME/nestling, or ~/.config/nestling.
std::filesystem::path defaultSettingsFolder();

// The selections the stored numbers give: 性别 "0" (or empty, missing, not a number) is 男 (index 0),
// any other number 女 (index 1); 名字个数 "1" is 二字 (index 1), anything else 一字 (index 0).
int sexIndexFromSetting(const std::string& value);
int nameLengthIndexFromSetting(const std::string& value);

enum class SettingsRead
{
    Read,
    Missing,    // the first run: nothing to restore
    Unreadable, // the file exists but cannot be read or decoded: it must not be overwritten
    NotAFile,   // a FIFO, a device or a socket: never read, never written
    TooLarge,   // larger than text::IniFile::kMaxFileSize: never read, never written
};

// The values the program keeps, key by key in the order they are written (collectSettings).
using SettingsValues = std::vector<std::pair<std::string, std::string>>;

// Reads 姓氏, 性别, 名字个数, 组合的字, 英文名字, 评分名字, 过滤生僻字 in this order into the main window's
// controls, then the later options (23点后算次日, 避讳字, 排除避讳字, 只列常见名字, 出生日期), then hands
// 名字记录 to `restoreRecords`. A missing file or key reads as empty text, so the text boxes are emptied and
// the drop-downs fall back to their first item. The file is read in GBK, UTF-8 or UTF-16 (see
// text::IniFile::parse). `restoreShortlist` (when set) receives 名字收藏 after the records. What the
// program cannot read is handed to nobody: a value holding bytes that start no character reads as
// empty, and such an entry of the records or the shortlist is left out (the file keeps it).
SettingsRead RestoreSettings(Window& main, const std::filesystem::path& file,
                             const std::function<void(const std::string&)>& restoreRecords,
                             const std::function<void(const std::string&)>& restoreShortlist = {});

// The values the program would write now: the eight keys in their order, the later options, and
// 名字收藏 when `shortlist` is given.
SettingsValues collectSettings(const Window& main, const std::string& records,
                               const std::optional<std::string>& shortlist = std::nullopt);

enum class SettingsSave
{
    Unchanged, // nothing changed since `base`: the file was not touched
    Written,   // the changes are in the file
    Failed,    // the file (or its folder) cannot be written, is read-only, cannot be read, is no regular
               // file, or another copy held the settings lock too long: the file is left as it was
};

// Writes what changed from `base` (the values as restored or last saved) to `current`, under the
// settings lock and into the file as it is now: a changed key gets its new value in its line, every
// other line of the file stays as it is (another copy's changes, comments, keys and sections of others).
// The records and the shortlist are merged entry by entry (mergeListValue), so two copies running at
// once keep each other's names. A new file gets every value; it is the owner's alone. A link is
// followed and stays a link.
SettingsSave SaveSettings(const std::filesystem::path& file, const SettingsValues& base,
                          const SettingsValues& current);

} // namespace app
