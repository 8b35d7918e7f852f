// The settings file is the parents' history and shortlist: it is written only when something changed,
// keeps whatever the program does not understand, is never read or written when it is no regular file
// of a sane size, and two copies running on it at once keep each other's names.
#include "ShellProgram.h"

#include "app/ControlNames.h"
#include "app/RecordsPage.h"
#include "app/Settings.h"
#include "app/SettingsFile.h"
#include "app/Shortlist.h"
#include "support/Fixture.h"
#include "text/Gbk.h"
#include "text/IniFile.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace app {
namespace {

namespace fs = std::filesystem;
using namespace app::names;
using testing_support::readFile;
using testing_support::TempDir;

// One copy of the program with its records page and a shortlist, saving at every change as the
// program does.
struct Session
{
    explicit Session(const fs::path& root, const std::string& lockName = "nestling.lock")
        : p(root, lockName), records(p.host)
    {
        records.wire();
        records.hook(p.shell.hooks());
        records.onChanged([this] { p.shell.saveSettingsNow(); });
        p.shell.hooks().restoreShortlist = [this](const std::string& v) { shortlist = restoreShortlist(v); };
        p.shell.hooks().saveShortlist = [this] { return saveShortlist(shortlist); };
    }
    void star(const std::string& surname, const std::string& given)
    {
        addToShortlist(shortlist, surname, given);
        p.shell.saveSettingsNow();
    }
    void addRecord(const std::string& surname, const std::string& given)
    {
        ListRow row;
        row.cells = {"1", surname + given, "1", "2", "金", "1,2,3,4,5", "金金金", "50"};
        records.AddNamingRecord(surname, given, row);
    }
    void deleteRecord(int row)
    {
        p.host.main().selectRow(超级列表框_记录列表, row);
        p.host.main().fire(菜单_删除记录, EventKind::Clicked);
    }
    std::vector<std::string> recordNames()
    {
        std::vector<std::string> names;
        for (int row = 0; row < p.host.main().rowCount(超级列表框_记录列表); ++row)
            names.push_back(text::replaceAll(p.host.main().cell(超级列表框_记录列表, row, 1), "\r\n", " "));
        return names;
    }

    testing::ShellProgram p;
    RecordsPage records;
    std::vector<ShortlistEntry> shortlist;
};

// A file as parents and other programs leave it: a comment, an unknown key and section, a shortlist
// entry with a third field, a record with two cells more than the program knows and one holding bytes
// that start no character.
const std::string kBadBytes = "\x81\xFF";
std::string keptFile()
{
    return text::toGbk("; 我的备注\r\n[设置]\r\n姓氏=李\r\n未知的键=保留\r\n名字收藏=李;明华;2024|王;芳|\r\n"
                       "名字记录=王 子涵;a;b;c;d;e;f;g;h|") +
           text::toGbk("李 ") + kBadBytes + text::toGbk(";1;2;3;4;5;6|\r\n[别的程序]\r\nx=y\r\n");
}

TEST(SettingsKept, WrittenOnlyWhenChangedAndOnlyWhereChanged)
{
    const std::string original = keptFile();
    const auto replaced = [&](std::string_view from, std::string_view to) {
        return text::replaceAll(original, text::toGbk(from), text::toGbk(to));
    };
    const struct
    {
        const char* what;
        std::function<void(Session&)> change;
        std::string expected;
    } cases[] = {
        {"no change", [](Session&) {}, original},
        {"the surname", [](Session& s) { s.p.host.main().setText(编辑框_姓氏, "欧阳"); },
         replaced("姓氏=李\r\n", "姓氏=欧阳\r\n")},
        {"a name starred", [](Session& s) { s.star("赵", "云"); }, replaced("王;芳|", "王;芳|赵;云|")},
        {"a record deleted", [](Session& s) { s.deleteRecord(0); },
         replaced("名字记录=王 子涵;a;b;c;d;e;f;g;h|", "名字记录=")},
        {"a record added", [](Session& s) { s.addRecord("周", "杰"); },
         text::replaceAll(original, ";6|\r\n", ";6|" + text::toGbk("周 杰;1;2;金;1,2,3,4,5;金金金;50|\r\n"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir temp;
        const fs::path file = temp.path() / "config" / kSettingsFileName;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << original;
        const auto old = fs::last_write_time(file) - std::chrono::hours(1);
        fs::last_write_time(file, old);
        {
            Session s(temp.path());
            ASSERT_TRUE(s.p.shell.startUp());
            // What cannot be read is shown nowhere; what can is shown as the program knows it.
            EXPECT_EQ(s.shortlist, (std::vector<ShortlistEntry>{{"王", "芳"}}));
            EXPECT_EQ(s.recordNames(), (std::vector<std::string>{"王 子涵"}));
            c.change(s);
            s.p.host.main().closeByUser();
            EXPECT_TRUE(s.p.host.messages().empty());
        }
        EXPECT_EQ(readFile(file), c.expected);
        if (c.expected == original) {
            EXPECT_EQ(fs::last_write_time(file), old) << "not even rewritten";
        }
    }
}

// A FIFO, a link to an endless device, a file too large: said at start, never waited on, read or
// written; the program runs on its defaults.
TEST(SettingsKept, ASpecialOrHugeFileIsNeitherReadNorWritten)
{
    const struct
    {
        const char* what;
        std::function<void(const fs::path&)> make;
        const char* message;
    } cases[] = {
        {"FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, "不是普通文件"},
        {"link to /dev/zero", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }, "不是普通文件"},
        {"too large",
         [](const fs::path& f) {
             std::ofstream(f) << text::toGbk("[设置]\r\n姓氏=李\r\n");
             fs::resize_file(f, text::IniFile::kMaxFileSize + 1);
         },
         "过大"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir temp;
        const fs::path file = temp.path() / "config" / kSettingsFileName;
        fs::create_directories(file.parent_path());
        c.make(file);
        const auto before = fs::symlink_status(file).type();
        const std::uintmax_t size = fs::is_regular_file(file) ? fs::file_size(file) : 0;
        {
            Session s(temp.path());
            ASSERT_TRUE(s.p.shell.startUp());
            ASSERT_EQ(s.p.host.messages().size(), 1u);
            EXPECT_NE(s.p.host.messages()[0].text.find(c.message), std::string::npos)
                << s.p.host.messages()[0].text;
            EXPECT_EQ(s.p.host.main().text(编辑框_姓氏), "") << "defaults";
            s.p.host.main().setText(编辑框_姓氏, "欧阳");
            s.star("赵", "云");
            s.p.host.main().closeByUser();
            EXPECT_EQ(s.p.host.messages().size(), 1u);
        }
        EXPECT_EQ(fs::symlink_status(file).type(), before);
        if (size) {
            EXPECT_EQ(fs::file_size(file), size);
        }
        for (const auto& entry : fs::directory_iterator(file.parent_path()))
            EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
    }
}

// Two copies on one settings file (their single-instance locks in different runtime folders): each
// keeps the other's names, and a name removed in one is gone.
TEST(SettingsKept, TwoCopiesKeepEachOthersNames)
{
    TempDir temp;
    const fs::path file = temp.path() / "config" / kSettingsFileName;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text::toGbk("[设置]\r\n名字记录=王 芳;1;2;3;4;5;6|\r\n");
    Session a(temp.path(), "a.lock");
    Session b(temp.path(), "b.lock");
    ASSERT_TRUE(a.p.shell.startUp());
    ASSERT_TRUE(b.p.shell.startUp());
    a.addRecord("李", "明");
    b.addRecord("周", "杰");
    a.star("李", "明");
    b.star("周", "杰");
    a.deleteRecord(0); // 王芳
    b.p.host.main().setText(编辑框_姓氏, "周");
    a.p.host.main().closeByUser();
    b.p.host.main().closeByUser();
    text::IniFile ini;
    ASSERT_TRUE(ini.load(file.string()));
    EXPECT_EQ(ini.value(kSettingsSection, keys::名字记录, ""),
              "李 明;1;2;金;1,2,3,4,5;金金金;50|周 杰;1;2;金;1,2,3,4,5;金金金;50|");
    EXPECT_EQ(ini.value(kSettingsSection, keys::名字收藏, ""), "李;明|周;杰|");
    EXPECT_EQ(ini.value(kSettingsSection, keys::姓氏, ""), "周");
}

// Many saves from two threads at once, each adding names of its own: the lock makes them take turns,
// the merge keeps every name.
TEST(SettingsKept, ConcurrentWritersLoseNothing)
{
    TempDir temp;
    const fs::path file = temp.path() / kSettingsFileName;
    constexpr int kSaves = 40;
    const auto writer = [&](const std::string& surname) {
        SettingsValues base = {{keys::名字收藏, ""}};
        for (int i = 0; i < kSaves; ++i) {
            SettingsValues current = {
                {keys::名字收藏, base[0].second + surname + ";" + std::to_string(i) + "|"}};
            EXPECT_NE(SaveSettings(file, base, current), SettingsSave::Failed);
            base = current;
        }
    };
    std::thread first(writer, "李");
    std::thread second(writer, "王");
    first.join();
    second.join();
    text::IniFile ini;
    ASSERT_TRUE(ini.load(file.string()));
    EXPECT_EQ(restoreShortlist(ini.value(kSettingsSection, keys::名字收藏, "")).size(), 2u * kSaves);

    // While another holder keeps the lock, a save waits, then gives up and leaves the file alone.
    const std::string before = readFile(file);
    SettingsLock held(file);
    ASSERT_TRUE(held.held());
    EXPECT_FALSE(SettingsLock(file, std::chrono::milliseconds(20)).held());
    EXPECT_EQ(SaveSettings(file, {{keys::姓氏, ""}}, {{keys::姓氏, "李"}}), SettingsSave::Failed);
    EXPECT_EQ(readFile(file), before);
}

// The temporary files a killed save left are removed at start; a live writer's fresh one is not.
TEST(SettingsKept, StaleTemporaryFilesAreRemovedAtStart)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0); // a process id that is gone
    const std::string gone = std::to_string(child);
    const std::string live = std::to_string(::getpid());
    const struct
    {
        std::string name;
        bool old;
        bool removed;
    } cases[] = {
        {"config.dat.tmp-" + gone + "-0-123", false, true},
        {"config.dat.tmp-" + live + "-1-456", false, false},
        {"config.dat.tmp-" + live + "-2-789", true, true},
        {"config.dat.tmp-x", false, true},
        {"other.dat.tmp-" + gone + "-0-1", true, false},
    };
    TempDir temp;
    const fs::path folder = temp.path() / "config";
    fs::create_directories(folder);
    for (const auto& c : cases) {
        std::ofstream(folder / c.name) << "[设置]";
        if (c.old)
            fs::last_write_time(folder / c.name, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    }
    {
        // Not while another copy holds the settings lock: it may be saving.
        const SettingsLock held(folder / kSettingsFileName);
        EXPECT_EQ(removeStaleSettingsTemporaries(folder / kSettingsFileName), 0);
    }
    Session s(temp.path());
    ASSERT_TRUE(s.p.shell.startUp());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fs::exists(folder / c.name), !c.removed);
    }
}

TEST(SettingsKept, MergeOfListValues)
{
    const CanonicalEntry shortlistForm = [](std::string_view piece) {
        return saveShortlist(restoreShortlist(piece));
    };
    const struct
    {
        const char* what;
        const char* stored;
        const char* base;
        const char* current;
        const char* merged;
    } cases[] = {
        {"added", "a;b|x;y;z|", "a;b|", "a;b|c;d|", "a;b|x;y;z|c;d|"},
        {"removed, the unreadable entry stays", "x;y;z|a;b|c;d|", "a;b|c;d|", "c;d|", "x;y;z|c;d|"},
        {"another copy's entry stays", "a;b|e;f|", "a;b|", "a;b|c;d|", "a;b|e;f|c;d|"},
        {"added by both: once", "a;b|c;d|", "a;b|", "a;b|c;d|", "a;b|c;d|"},
        {"removed, held twice in the file", "a;b|a;b|c;d|", "a;b|c;d|", "c;d|", "c;d|"},
        {"written in another form", "a\\;b;c|", "", "a\\;b;c|e;f|", "a\\;b;c|e;f|"},
        {"a last entry without its end", "a;b", "", "c;d|", "a;b|c;d|"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(mergeListValue(c.stored, c.base, c.current, shortlistForm), c.merged);
    }
}

} // namespace
} // namespace app
