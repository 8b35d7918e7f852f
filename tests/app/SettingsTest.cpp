#include "ShellProgram.h"

#include "app/CommonOnlySetting.h"
#include "app/ControlNames.h"
#include "app/RecordsPage.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "app/testing/FakeHost.h"
#include "store/NamingStore.h"
#include "support/Fixture.h"
#include "text/Gbk.h"
#include "text/IniFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace app {
namespace {

using namespace app::names;
using testing::FakeHost;
using testing::FakeWindow;
using Program = testing::ShellProgram;
using testing_support::TempDir;

void writeSettings(const std::filesystem::path& folder,
                   const std::vector<std::pair<std::string, std::string>>& values)
{
    text::IniFile ini;
    for (const auto& [key, value] : values)
        ini.setValue(kSettingsSection, key, value);
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(ini.save((folder / kSettingsFileName).string()));
}

std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Settings, RestoreRulesOfSexAndNameLength)
{
    struct Case
    {
        const char* stored; // nullptr: key missing
        const char* sex;
        const char* length;
    };
    const Case cases[] = {
        {"1", "女", "二字"}, {"0", "男", "一字"},   {"", "男", "一字"},   {nullptr, "男", "一字"},
        {"2", "女", "一字"}, {"abc", "男", "一字"}, {"-1", "女", "一字"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        TempDir temp;
        if (c.stored)
            writeSettings(temp.path() / "config", {{keys::性别, c.stored}, {keys::名字个数, c.stored}});
        Program p(temp.path());
        ASSERT_TRUE(p.shell.startUp());
        EXPECT_EQ(p.host.main().currentText(组合框_性别), c.sex);
        EXPECT_EQ(p.host.main().currentText(组合框_名字个数), c.length);
    }
}

TEST(Settings, RoundTripWithChineseValues)
{
    TempDir temp;
    const std::string records = std::string(12000, 'x') + "|王 子涵;a;b;c;d;e;f|"; // longer than any old cut
    {
        Program p(temp.path());
        std::string restoredRecords = "unset";
        p.shell.hooks().restoreRecords = [&](const std::string& v) { restoredRecords = v; };
        p.shell.hooks().saveRecords = [&] { return records; };
        ASSERT_TRUE(p.shell.startUp());
        EXPECT_EQ(restoredRecords, "");
        auto& w = p.host.main();
        w.setText(编辑框_姓氏, "欧阳");
        w.selectItem(组合框_性别, 1);
        w.selectItem(组合框_名字个数, 1);
        w.setText(编辑框_组合的字, "圣诚杰泽鹤航 轩");
        w.setText(编辑框_英文名字, "明华");
        w.setText(编辑框_评分名字, "子涵");
        w.fire(菜单_退出程序, EventKind::Clicked);
        EXPECT_TRUE(p.host.quitCalled());
        w.closeByUser(); // the window's close after the menu's exit saves nothing twice
        EXPECT_TRUE(p.host.messages().empty());
    }
    const auto file = temp.path() / "config" / "config.dat";
    const std::string bytes = readBytes(file);
    EXPECT_NE(bytes.find(text::toGbk("[设置]")), std::string::npos);
    EXPECT_NE(bytes.find(text::toGbk("姓氏=欧阳")), std::string::npos);
    EXPECT_EQ(bytes.find("欧阳"), std::string::npos) << "written as GBK, not UTF-8";

    Program p(temp.path());
    std::string restoredRecords;
    p.shell.hooks().restoreRecords = [&](const std::string& v) { restoredRecords = v; };
    ASSERT_TRUE(p.shell.startUp());
    auto& w = p.host.main();
    EXPECT_EQ(w.text(编辑框_姓氏), "欧阳");
    EXPECT_EQ(w.currentText(组合框_性别), "女");
    EXPECT_EQ(w.currentText(组合框_名字个数), "二字");
    EXPECT_EQ(w.text(编辑框_组合的字), "圣诚杰泽鹤航 轩");
    EXPECT_EQ(w.text(编辑框_英文名字), "明华");
    EXPECT_EQ(w.text(编辑框_评分名字), "子涵");
    EXPECT_EQ(restoredRecords, records) << "read back whole";
}

// 23:30 takes the next day's day pillar while 23点后算次日 is on (also when the file predates the key),
// its own day's once it is off; the choice is kept.
TEST(Settings, LateZiRuleDrivesTheChartAndIsKept)
{
    TempDir temp;
    const auto chartOf = [](FakeWindow& w) {
        w.click(单选框_自定义日期);
        w.selectItem(组合框_八字年份, 43); // 2013
        w.selectItem(组合框_八字月份, 11);
        w.selectItem(组合框_八字日子, 30);
        w.selectItem(组合框_八字时间, 23);
        w.click(按钮_八字查询);
        return w.text(编辑框_八字信息);
    };
    writeSettings(temp.path() / "config", {{keys::姓氏, "李"}});
    {
        Program p(temp.path());
        ASSERT_TRUE(p.shell.startUp());
        auto& w = p.host.main();
        EXPECT_TRUE(w.isChecked(选择框_23点后算次日));
        EXPECT_NE(chartOf(w).find("八字四柱：癸巳年  甲子月  壬申日  庚子时"), std::string::npos);
        w.click(选择框_23点后算次日);
        EXPECT_NE(w.text(编辑框_八字信息).find("八字四柱：癸巳年  甲子月  辛未日  庚子时"),
                  std::string::npos);
        w.closeByUser();
    }
    Program p(temp.path());
    ASSERT_TRUE(p.shell.startUp());
    EXPECT_FALSE(p.host.main().isChecked(选择框_23点后算次日));
    EXPECT_NE(chartOf(p.host.main()).find("辛未日"), std::string::npos);
}

// The taboo characters and their box come back as saved; characters without the box's key (an older
// file, or one written by hand) have it on.
TEST(Settings, TabooCharactersAreKept)
{
    TempDir temp;
    writeSettings(temp.path() / "config", {{keys::避讳字, "明、华"}});
    {
        Program p(temp.path());
        ASSERT_TRUE(p.shell.startUp());
        auto& w = p.host.main();
        EXPECT_EQ(w.text(透明标签_避讳字), "明华");
        EXPECT_TRUE(w.isEnabled(选择框_排除避讳字));
        EXPECT_TRUE(w.isChecked(选择框_排除避讳字));
        w.click(选择框_排除避讳字);
        w.fire(菜单_避讳字, EventKind::Clicked);
        ASSERT_NE(p.host.find(设置避讳), nullptr) << "操作菜单 opens the dialog";
        p.host.find(设置避讳)->setText(编辑框_避讳字, "明华国");
        p.host.find(设置避讳)->click(按钮_避讳确定);
        EXPECT_FALSE(w.isChecked(选择框_排除避讳字)) << "a change of characters keeps the box as it was";
        text::IniFile saved;
        ASSERT_TRUE(saved.load((temp.path() / "config" / kSettingsFileName).string()));
        EXPECT_EQ(saved.value(kSettingsSection, keys::避讳字, ""), "明华国") << "saved at once";
        w.closeByUser();
    }
    Program p(temp.path());
    ASSERT_TRUE(p.shell.startUp());
    EXPECT_EQ(p.host.main().text(透明标签_避讳字), "明华国");
    EXPECT_TRUE(p.host.main().isEnabled(选择框_排除避讳字));
    EXPECT_FALSE(p.host.main().isChecked(选择框_排除避讳字));
}

// 只列常见名字 is on without its key (an older file); unticked, it stays off on every page. (The boxes
// keep each other alike through the naming controller, which this shell has not.)
TEST(Settings, CommonOnlyIsOnByDefaultAndKept)
{
    TempDir temp;
    writeSettings(temp.path() / "config", {{keys::姓氏, "李"}});
    {
        Program p(temp.path());
        ASSERT_TRUE(p.shell.startUp());
        auto& w = p.host.main();
        for (Name box : kCommonOnlyBoxes)
            EXPECT_TRUE(w.isChecked(box)) << box;
        w.click(选择框_高分常见名字);
        w.closeByUser();
    }
    text::IniFile saved;
    ASSERT_TRUE(saved.load((temp.path() / "config" / kSettingsFileName).string()));
    EXPECT_EQ(saved.value(kSettingsSection, keys::只列常见名字, ""), "0");
    Program p(temp.path());
    ASSERT_TRUE(p.shell.startUp());
    for (Name box : kCommonOnlyBoxes)
        EXPECT_FALSE(p.host.main().isChecked(box)) << box;
}

TEST(Settings, RecordsSurviveAStartWithoutTheirOwner)
{
    TempDir temp;
    writeSettings(temp.path() / "config", {{keys::名字记录, "王 子涵;a;b;c;d;e;f|"}});
    {
        Program p(temp.path());
        ASSERT_TRUE(p.shell.startUp());
        p.host.main().closeByUser();
    }
    text::IniFile ini;
    ASSERT_TRUE(ini.load((temp.path() / "config" / kSettingsFileName).string()));
    EXPECT_EQ(ini.value(kSettingsSection, keys::名字记录, ""), "王 子涵;a;b;c;d;e;f|");
}

TEST(Settings, ExitStopsTheRunAndClosesTheStoreBeforeSaving)
{
    TempDir temp;
    Program p(temp.path());
    ASSERT_TRUE(p.store.Open());
    std::vector<std::string> steps;
    p.shell.hooks().stopNamingRun = [&] {
        steps.emplace_back(p.store.isOpen() ? "stop(open)" : "stop(closed)");
    };
    p.shell.hooks().saveRecords = [&] {
        steps.emplace_back(p.store.isOpen() ? "save(open)" : "save(closed)");
        return std::string();
    };
    ASSERT_TRUE(p.shell.startUp());
    steps.clear(); // what start-up read to compare the saves with
    p.host.main().setText(编辑框_姓氏, "李");
    p.host.main().closeByUser();
    EXPECT_EQ(steps, (std::vector<std::string>{"stop(open)", "save(closed)"}));
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "config" / kSettingsFileName));
}

TEST(Settings, UnwritableFileIsReportedOnce)
{
    TempDir temp;
    // The settings folder is a plain file, so nothing can be written below it.
    std::ofstream(temp.path() / "config") << "not a folder";
    Program p(temp.path());
    ASSERT_TRUE(p.shell.startUp());
    p.host.main().setText(编辑框_姓氏, "李");
    p.host.main().fire(菜单_退出程序, EventKind::Clicked);
    p.host.main().closeByUser();
    ASSERT_EQ(p.host.messages().size(), 1u);
    EXPECT_EQ(p.host.messages()[0].caption, "提示");
    EXPECT_NE(p.host.messages()[0].text.find("config.dat"), std::string::npos);
    EXPECT_TRUE(p.host.quitCalled());
}

TEST(Settings, AFileThatCannotBeReadIsSaidAndNeverOverwritten)
{
    // Records this session cannot see (a file of another user, one that is no text) must not be
    // replaced by an empty list at exit.
    const std::string binary("\x7F"
                             "ELF\0\0\0\0\x01\x02\0\0",
                             12);
    enum class Fault
    {
        Binary,
        Folder,
        NoPermission, // chmod 000 (or another user's 0600 file); root reads it anyway
    };
    for (const Fault fault : {Fault::Binary, Fault::Folder, Fault::NoPermission}) {
        if (fault == Fault::NoPermission && ::geteuid() == 0)
            continue;
        SCOPED_TRACE(static_cast<int>(fault));
        const bool folder = fault == Fault::Folder;
        TempDir temp;
        const auto file = temp.path() / "config" / kSettingsFileName;
        std::filesystem::create_directories(folder ? file : file.parent_path());
        if (!folder)
            std::ofstream(file, std::ios::binary) << binary;
        if (fault == Fault::NoPermission)
            std::filesystem::permissions(file, std::filesystem::perms::none);
        Program p(temp.path());
        ASSERT_TRUE(p.shell.startUp());
        ASSERT_EQ(p.host.messages().size(), 1u) << "said at start";
        EXPECT_NE(p.host.messages()[0].text.find("无法读取设置文件"), std::string::npos);
        EXPECT_NE(p.host.messages()[0].text.find(file.string()), std::string::npos);
        p.host.main().setText(编辑框_姓氏, "李");
        p.shell.saveSettingsNow();
        p.host.main().closeByUser();
        EXPECT_EQ(p.host.messages().size(), 1u);
        if (fault == Fault::NoPermission)
            std::filesystem::permissions(file, std::filesystem::perms::owner_read);
        if (folder) {
            EXPECT_TRUE(std::filesystem::is_directory(file));
        } else {
            EXPECT_EQ(readBytes(file), binary) << "byte for byte";
        }
    }
}

TEST(Settings, ARecordReachesTheFileWhenItIsMadeOrRemoved)
{
    TempDir temp;
    Program p(temp.path());
    RecordsPage records(p.host);
    records.wire();
    records.hook(p.shell.hooks());
    records.onChanged([&] { p.shell.saveSettingsNow(); });
    ASSERT_TRUE(p.shell.startUp());
    const auto stored = [&] {
        text::IniFile ini;
        ini.load((temp.path() / "config" / kSettingsFileName).string());
        return ini.value(kSettingsSection, keys::名字记录, "<none>");
    };
    EXPECT_EQ(stored(), "<none>");
    ListRow row;
    row.cells = {"7", "李明华", "21", "29", "木火水", "8,15,22,29,15", "金土木", "86"};
    ASSERT_TRUE(records.AddNamingRecord("李", "明华", row));
    EXPECT_EQ(stored(), "李 明华;21;29;木火水;8,15,22,29,15;金土木;86|") << "saved without an exit";
    EXPECT_EQ(std::filesystem::status(temp.path() / "config" / kSettingsFileName).permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    p.host.main().selectRow(超级列表框_记录列表, 0);
    p.host.main().fire(菜单_删除记录, EventKind::Clicked);
    EXPECT_EQ(stored(), "");
    EXPECT_TRUE(p.host.messages().empty());
}

TEST(Settings, DefaultFolderFollowsXdgConfigHome)
{
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string keep = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(defaultSettingsFolder(), std::filesystem::path("/cfg/nestling"));
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/h", 1);
    EXPECT_EQ(defaultSettingsFolder(), std::filesystem::path(std::getenv("HOME")) / ".config" / "nestling");
    if (saved)
        ::setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
}

} // namespace
} // namespace app
