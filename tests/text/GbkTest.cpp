#include "text/Gbk.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Gbk, EveryGb2312CharacterRoundTrips)
{
    int checked = 0;
    for (int lead = 0xA1; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = text::fromGbk(gbk);
            if (utf8 == "\xEF\xBF\xBD")
                continue; // an unassigned cell of the code table
            SCOPED_TRACE(std::to_string(lead) + "/" + std::to_string(trail));
            ASSERT_EQ(text::toGbk(utf8), gbk);
            ++checked;
        }
    }
    // The 6 763 characters plus the symbols of the upper rows.
    EXPECT_GE(checked, 6763 + 682);
}

TEST(Gbk, KnownCodes)
{
    EXPECT_EQ(text::toGbk("涵"), "\xBA\xAD");
    EXPECT_EQ(text::toGbk("李明abc"), "\xC0\xEE\xC3\xF7"
                                      "abc");
    EXPECT_EQ(text::fromGbk("\xBA\xAD"), "涵");
    // 偲 is outside GB2312 but inside GBK.
    EXPECT_EQ(text::fromGbk(text::toGbk("偲")), "偲");
    EXPECT_TRUE(text::isGbkEncodable("偲翾"));
}

TEST(Gbk, CharacterOutsideGbkKeepsItsGb18030Form)
{
    const std::string emoji = "\xF0\x9F\x98\x80"; // U+1F600
    const std::string gbk = text::toGbk("a" + emoji + "b");
    EXPECT_EQ(gbk.size(), 6u);
    EXPECT_EQ(text::fromGbk(gbk), "a" + emoji + "b");
    EXPECT_FALSE(text::isGbkEncodable(emoji));
}

TEST(Gbk, PrivateUseCharactersKeepTheirGbkCodes)
{
    // GBK gives these private-use code points two-byte codes; they must not turn into U+FFFD.
    const struct
    {
        const char* utf8;
        const char* gbk;
    } cases[] = {
        {"\uE78D", "\xA6\xD9"}, {"\uE796", "\xA6\xF3"}, {"\uE81E", "\xFE\x59"},
        {"\uE864", "\xFE\xA0"}, {"\uE000", "\xAA\xA1"}, // one the converter knows itself
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gbk);
        EXPECT_EQ(text::toGbk(std::string("李") + c.utf8 + "明"),
                  "\xC0\xEE" + std::string(c.gbk) + "\xC3\xF7");
    }
}

TEST(Gbk, InvalidBytesBecomeReplacementWithoutLosingTheRest)
{
    const std::string replacement = "\xEF\xBF\xBD";
    struct Case
    {
        std::string gbk;
        std::string utf8;
    };
    const Case cases[] = {
        {"\xC0\xEE\xFF\xC3\xF7", "李" + replacement + "明"},
        {"\xC0\xEE\xC3", "李" + replacement}, // cut-off final byte
        {"\x80", replacement},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(text::fromGbk(c.gbk), c.utf8);
    }
    // Broken UTF-8 on the way out is replaced too, and the text after it survives.
    EXPECT_EQ(text::fromGbk(text::toGbk("李\xE6\xB6明")), "李" + replacement + "明");
}

TEST(Utf8, SplitsCharacters)
{
    EXPECT_EQ(text::utf8Characters("欧阳a"), (std::vector<std::string>{"欧", "阳", "a"}));
    EXPECT_EQ(text::utf8Length("欧阳a\xF0\x9F\x98\x80"), 4u);
    EXPECT_EQ(text::splitText("a|b|", "|"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(text::replaceAll("{x}-{x}", "{x}", "涵"), "涵-涵");
    // The first and last character without copying: the same as the split's ends, malformed bytes
    // standing alone as there.
    for (const std::string s :
         {"欧阳a", "a欧阳", "\xF0\x9F\x98\x80", "\xC3\xA9\xA9", "明\x98", "\xE6\x98", "x"}) {
        const std::vector<std::string> characters = text::utf8Characters(s);
        EXPECT_EQ(text::firstUtf8Character(s), characters.front()) << s;
        EXPECT_EQ(text::lastUtf8Character(s), characters.back()) << s;
    }
    EXPECT_EQ(text::lastUtf8Character(""), "");
    EXPECT_EQ(text::firstUtf8Character(""), "");
}

} // namespace
