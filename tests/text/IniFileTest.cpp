#include "text/IniFile.h"
#include "support/Fixture.h"
#include "text/Gbk.h"

#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using testing_support::readFile;
using testing_support::TempDir;

TEST(IniFile, RoundTripsChineseValuesInGbkKeepingOrder)
{
    TempDir dir;
    const auto path = (dir.path() / "config.dat").string();
    text::IniFile ini;
    ini.setValue("设置", "姓氏", "欧阳");
    ini.setValue("设置", "性别", "女");
    ini.setValue("其他", "键", "值");
    ini.setValue("设置", "记录", "a|b|");
    ASSERT_TRUE(ini.save(path));

    const std::string bytes = readFile(path);
    EXPECT_NE(bytes.find(text::toGbk("[设置]\r\n姓氏=欧阳\r\n")), std::string::npos);

    text::IniFile back;
    ASSERT_TRUE(back.load(path));
    EXPECT_EQ(back.sections(), (std::vector<std::string>{"设置", "其他"}));
    EXPECT_EQ(back.keys("设置"), (std::vector<std::string>{"姓氏", "性别", "记录"}));
    EXPECT_EQ(back.value("设置", "姓氏"), "欧阳");
    EXPECT_EQ(back.value("设置", "记录"), "a|b|");
    EXPECT_FALSE(back.value("设置", "没有").has_value());
}

TEST(IniFile, AnyValueComesBackWhole)
{
    std::string longValue;
    for (int i = 0; i < 20000; ++i)
        longValue += "李明华|";
    const std::string values[] = {
        longValue,     "",         " leading and trailing ", "\"quoted\"", "two\r\nlines",
        "back\\slash", "=equals=", "; not a comment"};
    text::IniFile ini;
    for (size_t i = 0; i < std::size(values); ++i)
        ini.setValue("设置", "k" + std::to_string(i), values[i]);
    text::IniFile back;
    back.parse(ini.serialize());
    for (size_t i = 0; i < std::size(values); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(back.value("设置", "k" + std::to_string(i)), values[i]);
    }
}

TEST(IniFile, ReadsHandWrittenFilesAndReportsUnwritablePaths)
{
    text::IniFile ini;
    ini.parse(text::toGbk("; comment\n[设置]\n 姓氏 = 李 \nbroken line\n"));
    EXPECT_EQ(ini.value("设置", "姓氏"), "李");
    EXPECT_FALSE(ini.load("/nonexistent-folder/config.dat"));
    EXPECT_FALSE(ini.save("/nonexistent-folder/config.dat"));
}

std::string utf16(std::string_view utf8, bool bigEndian)
{
    // Enough for the test texts: characters of the basic plane only.
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const auto b = [&](size_t k) { return static_cast<unsigned char>(utf8[i + k]); };
        char32_t code = b(0);
        size_t n = 1;
        if (b(0) >= 0xE0) {
            code = static_cast<char32_t>(((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F));
            n = 3;
        } else if (b(0) >= 0xC0) {
            code = static_cast<char32_t>(((b(0) & 0x1F) << 6) | (b(1) & 0x3F));
            n = 2;
        }
        const char high = static_cast<char>(code >> 8);
        const char low = static_cast<char>(code & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
        i += n;
    }
    return out;
}

TEST(IniFile, ReadsTheEncodingsAndLineEndsAnEditorMayLeave)
{
    const std::string text = "[设置]\r\n姓氏=欧阳\r\n名字记录=王 子涵;a|\r\n";
    const std::string crOnly = text::replaceAll(text, "\r\n", "\r");
    const struct
    {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"GBK", text::toGbk(text)},
        {"GBK, CR only", text::toGbk(crOnly)},
        {"GBK, LF only", text::toGbk(text::replaceAll(text, "\r\n", "\n"))},
        {"UTF-8", text},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + text},
        {"UTF-8, CR only", crOnly},
        {"UTF-16LE with BOM", "\xFF\xFE" + utf16(text, false)},
        {"UTF-16BE with BOM", "\xFE\xFF" + utf16(text, true)},
        {"UTF-16LE without BOM", utf16(text, false)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        text::IniFile ini;
        EXPECT_TRUE(ini.parse(c.bytes));
        EXPECT_EQ(ini.value("设置", "姓氏"), "欧阳");
        EXPECT_EQ(ini.value("设置", "名字记录"), "王 子涵;a|");
    }
    // A zero character in UTF-16 is dropped, so the file written from the values is read again.
    text::IniFile withZero;
    ASSERT_TRUE(withZero.parse("\xFF\xFE" + utf16("[s]\r\nk=a", false) + std::string(2, '\0') +
                               utf16("b\r\n", false)));
    EXPECT_EQ(withZero.value("s", "k"), "ab");
    text::IniFile again;
    EXPECT_TRUE(again.parse(withZero.serialize()));
    // A byte that is no UTF-8 after the mark reads as U+FFFD, so the key is found again once written
    // (found by the INI fuzzer).
    text::IniFile badByte;
    ASSERT_TRUE(badByte.parse("\xEF\xBB\xBF[s]\r\nk\xFF=\xE5v\r\n"));
    EXPECT_EQ(badByte.value("s", "k\uFFFD"), "\uFFFDv");
    text::IniFile badByteAgain;
    ASSERT_TRUE(badByteAgain.parse(badByte.serialize()));
    EXPECT_EQ(badByteAgain.value("s", "k\uFFFD"), "\uFFFDv");
    // A surrogate spelt in UTF-8 bytes (ED AD 90) makes the file no UTF-8: it is read as GBK, and
    // whatever the text, it is well-formed UTF-8 (found by the INI fuzzer).
    text::IniFile surrogate;
    ASSERT_TRUE(surrogate.parse("[\xE8\xAE\xBE\xE7\xBD\xAE]\r\nk=\"\xE7\x8E\x8B \xED\xAD\x90\"\r\n"));
    for (const std::string& section : surrogate.sections())
        for (const std::string& key : surrogate.keys(section)) {
            EXPECT_EQ(text::validUtf8(key), key);
            EXPECT_EQ(text::validUtf8(*surrogate.value(section, key)), *surrogate.value(section, key));
        }
    text::IniFile binary;
    EXPECT_FALSE(binary.parse(std::string("\x7F"
                                          "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                                          16)));
}

TEST(IniFile, AKeyStartingWithABracketIsNoSection)
{
    text::IniFile ini;
    ini.parse(text::toGbk("[设置]\n[备注]=手写的键\n姓氏=李\n[其他] ; comment\nk=v\n"));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"设置", "其他"}));
    EXPECT_EQ(ini.value("设置", "[备注]"), "手写的键");
    EXPECT_EQ(ini.value("设置", "姓氏"), "李");
    EXPECT_EQ(ini.value("其他", "k"), "v");
    // And such a key survives a save, also when its value ends with "]" (found by the INI fuzzer).
    ini.setValue("设置", "[旧", "值]");
    text::IniFile back;
    back.parse(ini.serialize());
    EXPECT_EQ(back.value("设置", "[备注]"), "手写的键");
    EXPECT_EQ(back.value("设置", "[旧"), "值]");
    EXPECT_EQ(back.sections(), (std::vector<std::string>{"设置", "其他"}));
}

TEST(IniFile, TellsAMissingFileFromOneThatCannotBeRead)
{
    TempDir dir;
    text::IniFile ini;
    EXPECT_EQ(ini.read((dir.path() / "config.dat").string()), text::IniFile::LoadResult::Missing);
    std::filesystem::create_directory(dir.path() / "folder.dat");
    EXPECT_EQ(ini.read((dir.path() / "folder.dat").string()), text::IniFile::LoadResult::Unreadable);
    std::ofstream(dir.path() / "binary.dat", std::ios::binary) << std::string("a\0b\0\0\0c", 7);
    EXPECT_EQ(ini.read((dir.path() / "binary.dat").string()), text::IniFile::LoadResult::Unreadable);
    std::filesystem::create_symlink(dir.path() / "gone", dir.path() / "dangling.dat");
    EXPECT_EQ(ini.read((dir.path() / "dangling.dat").string()), text::IniFile::LoadResult::Missing);
    if (::geteuid() != 0) { // root reads whatever the permissions say
        std::ofstream(dir.path() / "locked.dat") << "[设置]\n";
        std::filesystem::permissions(dir.path() / "locked.dat", std::filesystem::perms::none);
        EXPECT_EQ(ini.read((dir.path() / "locked.dat").string()), text::IniFile::LoadResult::Unreadable);
    }
}

TEST(IniFile, SavingKeepsTheFilesAttributes)
{
    TempDir dir;
    namespace fs = std::filesystem;
    text::IniFile ini;
    ini.setValue("设置", "姓氏", "李");

    const auto fresh = dir.path() / "fresh.dat";
    ASSERT_TRUE(ini.save(fresh.string()));
    EXPECT_EQ(fs::status(fresh).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write)
        << "the records are private";

    const auto shared = dir.path() / "shared.dat";
    std::ofstream(shared) << "old";
    fs::permissions(shared, fs::perms::owner_all | fs::perms::group_read);
    ASSERT_TRUE(ini.save(shared.string()));
    EXPECT_EQ(fs::status(shared).permissions() & fs::perms::all,
              fs::perms::owner_all | fs::perms::group_read);

    const auto target = dir.path() / "real.dat";
    const auto link = dir.path() / "link.dat";
    std::ofstream(target) << "old";
    fs::create_symlink("real.dat", link);
    ASSERT_TRUE(ini.save(link.string()));
    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_NE(readFile(target).find(text::toGbk("姓氏=李")), std::string::npos);

    const auto readOnly = dir.path() / "readonly.dat";
    std::ofstream(readOnly) << "old";
    fs::permissions(readOnly, fs::perms::owner_read);
    EXPECT_FALSE(ini.save(readOnly.string()));
    EXPECT_EQ(readFile(readOnly), "old");
    // No temporary file is left behind by any of these.
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

// What the program does not understand is kept where it stands, byte for byte: comments, blank lines,
// lines that are no entry, unknown keys and sections, bytes that start no character, a last line
// without its end.
TEST(IniFile, KeepsEveryLineItDoesNotChange)
{
    const std::string bytes =
        text::toGbk("; 我的备注 a=b\r\n[设置]\r\n姓氏=李\r\n未知的键=值\n\r\n这一行不是设置\r\n") +
        "名字收藏=李;明华|\x81\x20\xFF;x|\r\n" + text::toGbk("[别的程序]\r\nk = v \r\n最后=一行");
    text::IniFile ini;
    ASSERT_TRUE(ini.parse(bytes));
    EXPECT_EQ(ini.serialize(), bytes) << "nothing changed: the same bytes";
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"设置", "别的程序"}));
    EXPECT_EQ(ini.value("设置", "未知的键"), "值");
    EXPECT_EQ(ini.keys(""), std::vector<std::string>{}) << "a comment holding = is no key";

    const struct
    {
        const char* what;
        const char* section;
        const char* key;
        const char* value;
        std::string expected; // the whole file after the change
    } cases[] = {
        {"the same value", "设置", "姓氏", "李", bytes},
        {"a changed value, in its place", "设置", "姓氏", "欧阳",
         text::replaceAll(bytes, text::toGbk("姓氏=李\r\n"), text::toGbk("姓氏=欧阳\r\n"))},
        {"a new key, after the last of its section", "设置", "性别", "1",
         text::replaceAll(bytes, "x|\r\n", "x|\r\n" + text::toGbk("性别=1\r\n"))},
        {"a new section, at the end after the last line", "新", "k", "v",
         bytes + "\r\n" + text::toGbk("[新]\r\nk=v\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        text::IniFile changed;
        ASSERT_TRUE(changed.parse(bytes));
        changed.setValue(c.section, c.key, c.value);
        EXPECT_EQ(changed.serialize(), c.expected);
    }
}

// A byte that starts no character reads as U+FFFD, is told apart, and goes back to the file as itself,
// also inside a value the program changes.
TEST(IniFile, BytesThatStartNoCharacterAreKept)
{
    text::IniFile ini;
    ASSERT_TRUE(ini.parse(text::toGbk("[设置]\r\n") + "k=\x80" + text::toGbk("王") + "\xFF|\r\n"));
    EXPECT_EQ(ini.value("设置", "k"), "\uFFFD王\uFFFD|");
    const std::string stored = *ini.storedValue("设置", "k");
    EXPECT_TRUE(text::IniFile::holdsUndecodedBytes(stored));
    EXPECT_FALSE(text::IniFile::holdsUndecodedBytes("王\uFFFD"));
    ini.setValue("设置", "k", stored + "李|");
    EXPECT_NE(ini.serialize().find("k=\x80" + text::toGbk("王") + "\xFF|" + text::toGbk("李|")),
              std::string::npos);
}

// Only a regular file (or a link to one) of at most 4 MiB is read, and nothing blocks: a FIFO without a
// writer, an endless device, a file too large.
TEST(IniFile, ReadsOnlyARegularFileOfBoundedSize)
{
    TempDir dir;
    namespace fs = std::filesystem;
    using R = text::IniFile::LoadResult;
    const auto fifo = dir.path() / "fifo.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.path() / "zero.dat");
    fs::create_symlink("fifo.dat", dir.path() / "fifo-link.dat");
    std::ofstream(dir.path() / "large.dat") << "[设置]\n";
    fs::resize_file(dir.path() / "large.dat", text::IniFile::kMaxFileSize + 1);
    std::ofstream(dir.path() / "real.dat") << "[s]\nk=v\n";
    fs::create_symlink("real.dat", dir.path() / "link.dat");
    const auto socketFile = dir.path() / "socket.dat";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketFile.string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const struct
    {
        const char* name;
        R expected;
    } cases[] = {
        {"fifo.dat", R::NotAFile},   {"fifo-link.dat", R::NotAFile}, {"zero.dat", R::NotAFile},
        {"socket.dat", R::NotAFile}, {"large.dat", R::TooLarge},     {"link.dat", R::Read},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        text::IniFile ini;
        EXPECT_EQ(ini.read((dir.path() / c.name).string()), c.expected);
        EXPECT_EQ(ini.sections().size(), c.expected == R::Read ? 1u : 0u);
    }
    ::close(listener);
}

} // namespace
